#include "core/ErrorGuard.h"

#include "platform/MessageBox.h"
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

}  // namespace core
