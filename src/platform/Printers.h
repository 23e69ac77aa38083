#pragma once
// The printers of the system and the current printer: one service for the whole process.
// Printing goes to the current printer, which is the system's default printer until a
// printer is made current, and then the one made current last; the choice lasts until
// the program ends.
//
//   for (const platform::Printer& p : platform::Printers())
//     if (p.DeviceName() == wanted) { platform::SetCurrentPrinter(p); break; }

#include <QList>
#include <QString>
#include <QStringList>

class QPrinter;

namespace platform {

// The error number of a missing printer and of a print that failed.
inline constexpr int kErrPrinter = 482;

// One installed printer, known by its device name (the system's queue name).
class Printer {
 public:
  Printer() = default;
  explicit Printer(QString deviceName) : deviceName_(std::move(deviceName)) {}
  const QString& DeviceName() const { return deviceName_; }
  bool operator==(const Printer&) const = default;

 private:
  QString deviceName_;
};

// The installed printers, in the platform's own order; empty when there is none.
QList<Printer> Printers();

// The printer that printing goes to now. Raises error 482 when no printer is installed.
Printer CurrentPrinter();

// Makes `printer` the current printer for the rest of the run.
void SetCurrentPrinter(const Printer& printer);

// Makes current the first printer whose device name equals `deviceName` exactly (case
// included). Returns false, and leaves the current printer as it was, when none does.
bool MakeCurrentPrinter(const QString& deviceName);

// Forgets the printer made current, so that the system's default is current again.
void ResetCurrentPrinter();

// Points `printer` at the current printer. Raises error 482 when there is none.
void UseCurrentPrinter(QPrinter& printer);

// Raises error 482 telling that printing on `deviceName` failed.
[[noreturn]] void RaisePrintFailed(const QString& deviceName);
// Raises error 482 telling that printing failed: on the printer's queue, or into its
// file when it prints to a PDF file.
[[noreturn]] void RaisePrintFailed(const QPrinter& printer);

// The words for a PDF file that printing could not write, naming it.
QString FileNotWritten(const QString& path);

// Right after a page has been printed on a system printer (the painter ended): raises
// error 482 when the print system refused the job, which Qt hands over without telling.
void CheckPrintAccepted(const QString& deviceName);

// For tests: while an instance lives, the system's printers are replaced by these
// device names (an empty list: a machine without printers); the default is
// `defaultName`, or the first name when it is empty. The current printer is forgotten
// when the script starts and when it ends.
class PrintersScript {
 public:
  explicit PrintersScript(QStringList deviceNames = {}, QString defaultName = {});
  ~PrintersScript();
  PrintersScript(const PrintersScript&) = delete;
  PrintersScript& operator=(const PrintersScript&) = delete;

  const QStringList& DeviceNames() const { return names_; }
  const QString& DefaultName() const { return default_; }

 private:
  QStringList names_;
  QString default_;
  PrintersScript* previous_;
};

}  // namespace platform
