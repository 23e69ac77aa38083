#pragma once
// Window geometry is given in twips: 1440 to the inch, 15 to a pixel at 96 dpi and
// 56.7 to the millimetre.

#include <QRect>
#include <cmath>

namespace platform {

inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kTwipsPerMm = 56.7;
inline constexpr double kTwipsPerInch = 1440.0;

inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline int PixelsToTwips(int pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerPixel)); }

// A rectangle given as Left, Top, Width, Height in twips.
inline QRect TwipsRect(double left, double top, double width, double height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace platform
