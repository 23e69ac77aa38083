#pragma once
// How RTF's units and codes map onto a QTextDocument's formats. A reader and a writer of
// RTF both go through these, so that a document read and written again keeps its look.
//
//   \fsN        font size in half points          QTextCharFormat::fontPointSize
//   \li \ri \fi indents in twips                  QTextBlockFormat margins and text
//                                                 indent, in layout pixels (96 dpi)
//   \deftabN    default tab stops, twips          QTextOption::tabStopDistance
//   \ql \qc \qr \qj                               Qt::AlignLeft, AlignHCenter,
//                                                 AlignRight, AlignJustify
//   \cfN        index into the colour table       foreground brush (none: automatic)
//   \line                                         QChar::LineSeparator inside a block
//   \par                                          a new QTextBlock

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>
#include <QString>
#include <QtGlobal>
#include <cmath>

#include "platform/Twips.h"

namespace platform::rtf {

// The size of text that sets none, in half points (12 points).
inline constexpr int kDefaultHalfPoints = 24;

inline double HalfPointsToPoints(int halfPoints) { return halfPoints / 2.0; }
inline int PointsToHalfPoints(double points) { return static_cast<int>(std::lround(points * 2)); }

inline double TwipsToLayout(int twips) { return twips / kTwipsPerPixel; }
inline int LayoutToTwips(double layout) { return static_cast<int>(std::lround(layout * kTwipsPerPixel)); }

// A font family as other programs name it: without the foundry that Qt adds in brackets
// where two foundries make a family of one name ("Nimbus Roman [urw]").
inline QString FamilyWithoutFoundry(const QString& family) {
  static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
  return QString(family).remove(foundry);
}

// The family that text in the font is shown in: an alias of Qt's such as "Sans Serif"
// resolved to the face the font database picks for it.
inline QString ActualFamily(const QFont& font) { return FamilyWithoutFoundry(QFontInfo(font).family()); }

// A family as written for other programs: a name that the font database lists but shows
// in another face (Qt's own "Serif", "Sans Serif" and "Monospace", which the font box
// lists too) by that face; any other by its name without the foundry, so that a program
// elsewhere finds the font, or its own stand-in for a name this machine lacks ("Arial").
inline QString WrittenFamily(const QString& family) {
  const QString name = FamilyWithoutFoundry(family);
  if (!QFontDatabase::families().contains(family)) return name;
  const QString shown = ActualFamily(QFont(family));
  return shown.compare(name, Qt::CaseInsensitive) == 0 ? name : shown;
}

enum class Alignment { Left, Centre, Right, Justify };

inline Qt::Alignment ToQt(Alignment a) {
  switch (a) {
    case Alignment::Centre: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Justify: return Qt::AlignJustify;
    case Alignment::Left: break;
  }
  return Qt::AlignLeft;
}

inline Alignment FromQt(Qt::Alignment a) {
  if (a & Qt::AlignHCenter) return Alignment::Centre;
  if (a & Qt::AlignRight) return Alignment::Right;
  if (a & Qt::AlignJustify) return Alignment::Justify;
  return Alignment::Left;
}

}  // namespace platform::rtf
