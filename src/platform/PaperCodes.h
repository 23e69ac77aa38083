#pragma once
// The printer's paper and orientation codes as the program stores and sets them.

#include <QPageLayout>
#include <QPageSize>

namespace platform {

enum PaperCode : int { kPaperLetter = 1, kPaperLegal = 5, kPaperA3 = 8, kPaperA4 = 9, kPaperA5 = 11 };
enum OrientationCode : int { kPortrait = 1, kLandscape = 2 };

// The paper of a code; a code of no paper known here gives A4.
QPageSize PageSizeOf(int paperCode);
// The code of a paper; a paper without a code gives kPaperA4.
int PaperCodeOf(const QPageSize& size);

inline QPageLayout::Orientation OrientationOf(int code) {
  return code == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace platform
