#include "platform/PaperCodes.h"

namespace platform {

QPageSize PageSizeOf(int paperCode) {
  switch (paperCode) {
    case kPaperLetter: return QPageSize(QPageSize::Letter);
    case kPaperLegal: return QPageSize(QPageSize::Legal);
    case kPaperA3: return QPageSize(QPageSize::A3);
    case kPaperA5: return QPageSize(QPageSize::A5);
    default: return QPageSize(QPageSize::A4);
  }
}

int PaperCodeOf(const QPageSize& size) {
  switch (size.id()) {
    case QPageSize::Letter: return kPaperLetter;
    case QPageSize::Legal: return kPaperLegal;
    case QPageSize::A3: return kPaperA3;
    case QPageSize::A5: return kPaperA5;
    default: return kPaperA4;
  }
}

}  // namespace platform
