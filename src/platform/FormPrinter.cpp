#include "platform/FormPrinter.h"

#include <QHash>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/Printers.h"
#include "platform/RuntimeError.h"

namespace platform {
namespace {

const QString kSource = QStringLiteral("Velorast.Imprimanta");

[[noreturn]] void RaiseCannotPrint(const QString& description) {
  throw RuntimeError(kErrCannotPrintPage, description, kSource);
}

void SetUp(QPrinter& printer, int paperCode, int orientationCode) {
  printer.setFullPage(true);
  const QPageLayout layout(PageSizeOf(paperCode), OrientationOf(orientationCode), QMarginsF(0, 0, 0, 0),
                           QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0));
  if (!printer.setPageLayout(layout)) {
    printer.setPageSize(layout.pageSize());
    printer.setPageOrientation(layout.orientation());
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  }
}

// Paints the page on a printer that is set up; false when the painter could not start
// or finish.
bool Paint(QPrinter& printer, const PagePainter& paint) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  paint(painter, printer.resolution() / 1440.0);
  return painter.end() && printer.printerState() != QPrinter::Error;
}

class SystemFormPrinter : public FormPrinter {
 public:
  int PaperSize() const override { return SettingsOf(Current()).paper; }
  void SetPaperSize(int paperCode) override { SettingsOf(Current()).paper = paperCode; }
  int Orientation() const override { return SettingsOf(Current()).orientation; }
  void SetOrientation(int orientationCode) override { SettingsOf(Current()).orientation = orientationCode; }

  void PrintPage(const PagePainter& paint) override {
    const QString name = Current();
    const Settings& settings = SettingsOf(name);
    QPrinter printer(QPrinter::HighResolution);
    try {
      UseCurrentPrinter(printer);
      SetUp(printer, settings.paper, settings.orientation);
      if (!Paint(printer, paint)) RaisePrintFailed(name);
      CheckPrintAccepted(name);
    } catch (const RuntimeError& error) {
      RaiseCannotPrint(error.Description());
    }
  }

 private:
  struct Settings {
    int paper = kPaperA4;
    int orientation = kPortrait;
  };

  static QString Current() {
    try {
      return CurrentPrinter().DeviceName();
    } catch (const RuntimeError& error) {
      RaiseCannotPrint(error.Description());
    }
  }

  Settings& SettingsOf(const QString& name) const {
    auto it = settings_.find(name);
    if (it == settings_.end()) {
      Settings fresh;
      const QPrinterInfo info = QPrinterInfo::printerInfo(name);
      if (!info.isNull()) fresh.paper = PaperCodeOf(info.defaultPageSize());
      it = settings_.insert(name, fresh);
    }
    return it.value();
  }

  mutable QHash<QString, Settings> settings_;
};

FormPrinter* g_script = nullptr;

}  // namespace

FormPrinter& CurrentFormPrinter() {
  static SystemFormPrinter system;
  return g_script ? *g_script : system;
}

void PrintPageToPdf(const QString& path, int paperCode, int orientationCode, const PagePainter& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  SetUp(printer, paperCode, orientationCode);
  if (!Paint(printer, paint))
    RaiseCannotPrint(FileNotWritten(path));
}

FormPrinterScript::FormPrinterScript(FormPrinter& printer) : previous_(g_script) { g_script = &printer; }
FormPrinterScript::~FormPrinterScript() { g_script = previous_; }

}  // namespace platform
