#pragma once
// Reading printed pages back: the words of a PDF with their boxes (pdftotext -bbox), in
// millimetres from the top left corner of the page.

#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

namespace testsupport {

struct PdfWord {
  QString text;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // millimetres
};

struct PdfPage {
  QSizeF sizeMm;
  QList<PdfWord> words;
  // The first word equal to `text`, or nullptr.
  const PdfWord* Find(const QString& text) const;
};

// The pages of `pdfPath`; empty when the file cannot be read. Fails the test when
// pdftotext is missing.
QList<PdfPage> ReadPdfPages(const QString& pdfPath);

inline constexpr double kMmPerPoint = 25.4 / 72.0;

// Where the letters of `word`, printed in the face of `font` (its size is read from the
// word's box, which is the face's line height), leave ink: its box from its left to its
// right and from the top of its tallest letter to the bottom of its lowest.
QRectF InkOf(const PdfWord& word, const QFont& font);

// Fails for two words whose letters lie over each other; `fontOf` gives each word's face,
// `compared` (when given) says which pairs are looked at.
void ExpectNoTwoWordsOverlap(const QList<PdfWord>& words, const std::function<QFont(const PdfWord&)>& fontOf,
                             const std::function<bool(const PdfWord&, const PdfWord&)>& compared = {});

}  // namespace testsupport
