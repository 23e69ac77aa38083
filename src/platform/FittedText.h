#pragma once
// One line of text drawn within its room, on the screen and on paper alike: a text
// wider than the room is drawn condensed (the font's horizontal stretch, same face and
// size) just enough to fit, down to half its natural width; a text that would need more
// is drawn at half width and cut at the room's edge.
//
//   DrawFittedText(painter, QRectF(x, y, w, h), Qt::AlignLeft | Qt::AlignVCenter, caption);

#include <QFont>
#include <Qt>
#include <QRectF>
#include <QString>

class QPaintDevice;
class QPainter;

namespace platform {

// The narrowest stretch a text is drawn at, in per cent of its natural width.
inline constexpr int kMinTextStretch = 50;

// The stretch (per cent, kMinTextStretch to 100) at which `text` in `font`, measured on
// `device`, is no wider than `width` device units; kMinTextStretch when even that is too
// wide.
int StretchToFit(const QString& text, const QFont& font, const QPaintDevice* device, double width);

// Draws `text` in the painter's font within `room` aligned by `flags` (Qt alignment
// flags), condensed as much as it needs and cut at the room's left and right edges.
void DrawFittedText(QPainter& painter, const QRectF& room, int flags, const QString& text);

// The resolution that texts of several lines are laid out at, whatever they are drawn
// on, and a device of that resolution to lay them out on: the screen, the preview and
// the paper break a text's lines at the same places.
inline constexpr double kTextLayoutDpi = 1200;
const QPaintDevice* TextLayoutDevice();

// Draws `text` in the painter's font within `room`, broken into lines at word boundaries
// (a word wider than the room runs past it) and aligned by `horizontal`, from the room's
// top. The lines are laid out once at a fine resolution with the font's design metrics
// and drawn scaled to the device, whose `unitsPerInch` the room is measured in: the
// screen and the paper break the text at the same places.
void DrawWrappedText(QPainter& painter, const QRectF& room, Qt::Alignment horizontal, const QString& text,
                     double unitsPerInch);

}  // namespace platform
