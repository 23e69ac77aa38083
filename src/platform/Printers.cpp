#include "platform/Printers.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <dlfcn.h>
#include <optional>

#include "platform/RuntimeError.h"

namespace platform {
namespace {

const QString kSource = QStringLiteral("Velorast.Imprimante");

PrintersScript* g_script = nullptr;
std::optional<QString> g_current;

QString DefaultDeviceName() {
  if (g_script) return g_script->DefaultName().isEmpty() && !g_script->DeviceNames().isEmpty()
                           ? g_script->DeviceNames().first()
                           : g_script->DefaultName();
  return QPrinterInfo::defaultPrinterName();
}

// Whether the system's print service answers. Asked when it shows no printer, to tell a
// machine without printers from a service that is stopped, which shows none either.
bool PrintServiceAnswers() {
  void* cups = dlopen("libcups.so.2", RTLD_LAZY);
  if (!cups) return true;  // no print service to start
  using GetDests = int (*)(void* http, void** dests);
  using FreeDests = void (*)(int count, void* dests);
  using LastStatus = int (*)();
  const auto getDests = reinterpret_cast<GetDests>(dlsym(cups, "cupsGetDests2"));
  const auto freeDests = reinterpret_cast<FreeDests>(dlsym(cups, "cupsFreeDests"));
  const auto lastStatus = reinterpret_cast<LastStatus>(dlsym(cups, "cupsLastError"));
  bool answers = true;
  if (getDests && freeDests && lastStatus) {
    void* dests = nullptr;
    const int count = getDests(nullptr, &dests);  // nullptr: the default server
    freeDests(count, dests);
    constexpr int kServiceUnavailable = 0x0502;
    answers = count > 0 || lastStatus() != kServiceUnavailable;
  }
  dlclose(cups);
  return answers;
}

}  // namespace

QList<Printer> Printers() {
  const QStringList names = g_script ? g_script->DeviceNames() : QPrinterInfo::availablePrinterNames();
  QList<Printer> out;
  out.reserve(names.size());
  for (const QString& name : names) out.append(Printer(name));
  return out;
}

Printer CurrentPrinter() {
  const QList<Printer> all = Printers();
  if (all.isEmpty() && !g_script && !PrintServiceAnswers())
    throw RuntimeError(kErrPrinter,
                       QStringLiteral("Serviciul de tiparire al calculatorului nu raspunde, de aceea nu se "
                                      "vede nicio imprimanta. Porniti serviciul de tiparire (sau cereti "
                                      "administratorului sa-l porneasca) si incercati din nou."),
                       kSource);
  if (all.isEmpty())
    throw RuntimeError(kErrPrinter,
                       QStringLiteral("Nu este instalata nicio imprimanta. Instalati o imprimanta si "
                                      "incercati din nou."),
                       kSource);
  if (g_current && all.contains(Printer(*g_current))) return Printer(*g_current);
  const Printer byDefault(DefaultDeviceName());
  return all.contains(byDefault) ? byDefault : all.first();
}

void SetCurrentPrinter(const Printer& printer) { g_current = printer.DeviceName(); }

bool MakeCurrentPrinter(const QString& deviceName) {
  for (const Printer& p : Printers()) {
    if (p.DeviceName() == deviceName) {
      SetCurrentPrinter(p);
      return true;
    }
  }
  return false;
}

void ResetCurrentPrinter() { g_current.reset(); }

void UseCurrentPrinter(QPrinter& printer) {
  const Printer current = CurrentPrinter();
  printer.setOutputFormat(QPrinter::NativeFormat);
  printer.setPrinterName(current.DeviceName());
  if (printer.printerName() != current.DeviceName()) RaisePrintFailed(current.DeviceName());
}

void RaisePrintFailed(const QString& deviceName) {
  throw RuntimeError(kErrPrinter,
                     QStringLiteral("Tiparirea pe imprimanta \"%1\" nu a reusit. Verificati imprimanta "
                                    "si incercati din nou.")
                         .arg(deviceName),
                     kSource);
}

void RaisePrintFailed(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat)
    throw RuntimeError(kErrPrinter, FileNotWritten(printer.outputFileName()), kSource);
  RaisePrintFailed(printer.printerName());
}

QString FileNotWritten(const QString& path) {
  return QStringLiteral("Fisierul \"%1\" nu a putut fi scris. Verificati ca dosarul lui exista si poate fi scris "
                        "si ca discul nu este plin, apoi incercati din nou.")
      .arg(QDir::toNativeSeparators(path));
}

void CheckPrintAccepted(const QString& deviceName) {
  // Qt's CUPS printing sends the finished page with cupsPrintFile and ignores its answer;
  // CUPS keeps that answer as the last status of this thread. The library is asked only
  // when Qt has loaded it, that is when the page went through CUPS.
  void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (!cups) return;
  using LastStatus = int (*)();
  const auto lastStatus = reinterpret_cast<LastStatus>(dlsym(cups, "cupsLastError"));
  const int status = lastStatus ? lastStatus() : 0;
  dlclose(cups);
  constexpr int kFirstIppError = 0x0400;  // 0x0000 - 0x03ff: the job was taken
  if (status >= kFirstIppError) RaisePrintFailed(deviceName);
}

PrintersScript::PrintersScript(QStringList deviceNames, QString defaultName)
    : names_(std::move(deviceNames)), default_(std::move(defaultName)), previous_(g_script) {
  g_script = this;
  g_current.reset();
}

PrintersScript::~PrintersScript() {
  g_script = previous_;
  g_current.reset();
}

}  // namespace platform
