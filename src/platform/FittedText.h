#pragma once
// Text within its room, on the screen and on paper alike, by one rule for every page: a
// grid cell, a form's box, a caption.
//
// One line wider than its room is drawn condensed (the font's horizontal stretch, same
// face and size) just enough to fit, down to half its natural width; past that its point
// size is reduced as well, down to a floor that stays readable (SmallestTextSize); past
// that it is cut after its last whole letter that fits. Trailing blanks take no room.
// A text of several lines (its own line breaks, or wrapped at the room's width) is laid
// at the font's own line height and reduced in size, down to the same floor, until every
// line stands inside the room's height; past the floor only the whole lines that fit show,
// from the top. Only the letters shown are drawn, so the text of a PDF is what the paper
// shows, and nothing is drawn under a clip.
//
// The lines are laid out once at a fine resolution with the font's design metrics and
// drawn scaled to the device, so that the screen and the paper fit and break a text
// alike.
//
//   platform::TextRoom room{.rect = box, .alignment = Qt::AlignLeft | Qt::AlignVCenter,
//                           .unitsPerInch = printerDpi};
//   platform::DrawFittedText(painter, room, value);

#include <QFont>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <Qt>
#include <vector>

class QPaintDevice;
class QPainter;

namespace platform {

// The narrowest stretch a text is drawn at, in per cent of its natural width.
inline constexpr int kMinTextStretch = 50;
// The smallest size a text is reduced to: this share of its set size, and never under
// kMinTextPoints (a text set smaller than that keeps its size).
inline constexpr double kMinTextSizeShare = 0.6;
inline constexpr double kMinTextPoints = 5;
double SmallestTextSize(double setPoints);

// The stretch (per cent, kMinTextStretch to 100) at which `text` in `font`, measured on
// `device`, is no wider than `width` device units; kMinTextStretch when even that is too
// wide. Trailing blanks take no room.
int StretchToFit(const QString& text, const QFont& font, const QPaintDevice* device, double width);

// Where a text stands, in the painter's units.
struct TextRoom {
  QRectF rect;                                                  // laid by `alignment` in it
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
  double unitsPerInch = 96;                                     // the painter's units an inch
  QMarginsF lines{};       // how far lines drawn along its sides reach into it: never touched
  // Kept further from those sides: condensed, or reduced, to keep it, and only a text that
  // even the floor cannot keep clear stands nearer.
  QMarginsF clear{};
  bool wrap = false;       // lines broken at the room's width (a word wider than it inside itself)
  bool oneLine = false;    // line breaks read as blanks (a single-line box)
  bool boundedHeight = true;  // false: the lines may run on past the room's top and bottom
  bool leading = false;       // the font's leading between lines
};

// What a text becomes in its room.
struct FittedLine {
  QString text;     // the letters shown
  int stretch = 100;
  QPointF origin;   // the top left corner of the line, in the painter's units
  double width = 0; // the width drawn, in the painter's units
};
struct TextFit {
  QFont font;              // the face at the size drawn (each line has its own stretch)
  std::vector<FittedLine> lines;
  bool whole = true;       // every letter of the text is shown
  bool asSet = true;       // shown as it is set: not condensed, reduced or cut
  double inkTop = 0, inkBottom = 0;  // the letters' extent, in the painter's units
  double unitsPerInch = 0;           // the painter's units an inch, as its room said
};

// How `text` in `font` stands in `room`: line breaks (CR LF, CR or LF) start new lines.
TextFit FitText(const QString& text, const QFont& font, const TextRoom& room);
// Draws a fitted text in the painter's pen, in the units its room was measured in.
void DrawFitted(QPainter& painter, const TextFit& fit);
// Fits `text` in the painter's font into `room` and draws it.
void DrawFittedText(QPainter& painter, const TextRoom& room, const QString& text);

// Lines laid out lately are kept for the texts fitted or drawn again (the same text in the
// same font at the same size and stretch); this forgets them, as if none had been fitted.
void ForgetLaidLines();

// The resolution that texts are laid out at, whatever they are drawn on, and a device of
// that resolution to lay them out on.
inline constexpr double kTextLayoutDpi = 1200;
const QPaintDevice* TextLayoutDevice();

}  // namespace platform
