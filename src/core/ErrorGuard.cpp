#include "core/ErrorGuard.h"

#include <new>

#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "platform/RuntimeError.h"

namespace core {

void ReportUncaught(const std::exception& error) {
  if (const auto* e = dynamic_cast<const platform::RuntimeError*>(&error)) {
    platform::MsgBox(QStringLiteral("%1 %2").arg(e->Number()).arg(e->Description()),
                     platform::vbCritical);
  } else if (dynamic_cast<const std::bad_alloc*>(&error)) {
    platform::MsgBox(QStringLiteral("Memoria calculatorului nu ajunge pentru aceasta operatie. Inchideti alte "
                                    "programe si incercati din nou."),
                     platform::vbCritical);
  } else {
    // The library's own words are English: they stand in brackets, for whoever is asked
    // for help.
    platform::MsgBox(QStringLiteral("Operatia nu a reusit din cauza unei erori neasteptate (%1). Datele scrise "
                                    "raman in fereastra; incercati din nou, iar daca eroarea se repeta, cereti "
                                    "ajutorul administratorului.")
                         .arg(QString::fromLocal8Bit(error.what())),
                     platform::vbCritical);
  }
}

void ReportFailedPrint(const std::exception& error) {
  const auto* e = dynamic_cast<const platform::RuntimeError*>(&error);
  if (e && e->Number() == platform::kErrPrinter) ReportUncaught(error);
}

}  // namespace core
