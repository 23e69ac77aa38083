#include "core/ErrorGuard.h"

#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "platform/RuntimeError.h"

namespace core {

void ReportUncaught(const std::exception& error) {
  if (const auto* e = dynamic_cast<const platform::RuntimeError*>(&error)) {
    platform::MsgBox(QStringLiteral("%1 %2").arg(e->Number()).arg(e->Description()),
                     platform::vbCritical);
  } else {
    platform::MsgBox(QString::fromLocal8Bit(error.what()), platform::vbCritical);
  }
}

void ReportFailedPrint(const std::exception& error) {
  const auto* e = dynamic_cast<const platform::RuntimeError*>(&error);
  if (e && e->Number() == platform::kErrPrinter) ReportUncaught(error);
}

}  // namespace core
