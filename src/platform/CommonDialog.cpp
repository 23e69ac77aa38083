#include "platform/CommonDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QPageLayout>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>

#include "platform/RuntimeError.h"

namespace platform {

int ColorValue(const QColor& color) {
  return color.red() + 256 * color.green() + 65536 * color.blue();
}

QColor ColorFromValue(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

CommonDialog::CommonDialog() = default;
CommonDialog::~CommonDialog() = default;

QPrinter& CommonDialog::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void CommonDialog::Cancelled() {
  if (CancelError)
    throw RuntimeError(kErrCancelSelected, QStringLiteral("Dialogul a fost inchis cu Anulare."),
                       QStringLiteral("Velorast.Dialoguri"));
}

void CommonDialog::ShowColor() {
  if (CommonDialogScript* script = CommonDialogScript::Current()) {
    const auto outcome = script->Take({QStringLiteral("ShowColor"), CancelError, Flags, Color, Orientation});
    if (const QColor* color = std::get_if<QColor>(&outcome)) Color = ColorValue(*color);
    else Cancelled();
    return;
  }
  if (UnscriptedDialog(QStringLiteral("ShowColor"))) return Cancelled();
  const QColor chosen = QColorDialog::getColor(ColorFromValue(Color), QApplication::activeWindow());
  if (!chosen.isValid()) return Cancelled();
  Color = ColorValue(chosen);
}

namespace {

// The options the print system gets with the job, as name and value in turn: the print
// dialog puts the page range the clerk typed there when the program takes none of its
// own ("page-ranges"), and the odd or even pages ("page-set").
constexpr auto kPrintSystemOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

void SetPrintSystemOption(QPrinter& printer, const QString& name, const QString& value) {
  QStringList options = printer.printEngine()->property(kPrintSystemOptions).toStringList();
  if (const qsizetype at = options.indexOf(name); at >= 0 && at % 2 == 0 && at + 1 < options.size())
    options[at + 1] = value;
  else
    options << name << value;
  printer.printEngine()->setProperty(kPrintSystemOptions, options);
}

// Without page numbers the job holds every page of what is printed: no page range of
// the program's and none for the print system to apply.
void PrintEveryPage(QPrinter& printer) {
  if (printer.printRange() == QPrinter::PageRange || printer.printRange() == QPrinter::CurrentPage)
    printer.setPrintRange(QPrinter::AllPages);
  printer.setPageRanges(QPageRanges());
  const QStringList options = printer.printEngine()->property(kPrintSystemOptions).toStringList();
  QStringList kept;
  for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
    if (options[i] == QLatin1String("page-ranges") || options[i] == QLatin1String("page-set")) continue;
    kept << options[i] << options[i + 1];
  }
  printer.printEngine()->setProperty(kPrintSystemOptions, kept);
}

// Hides the print dialog's page range when it is shown: without page numbers the dialog
// would still offer "Pages from/to" and hand that range to the print system. The names
// are looked up in the range box only, since the printer's box has a label of the same
// name as the range's "to".
class HidePageRange : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    if (auto* range = watched->findChild<QWidget*>(QStringLiteral("gbPrintRange"))) {
      for (const char* name : {"printRange", "from", "label_3", "to", "pagesRadioButton", "pagesLineEdit",
                               "pageSetLabel", "pageSetCombo"})
        if (auto* widget = range->findChild<QWidget*>(QLatin1String(name))) widget->hide();
    }
    return false;
  }
};

}  // namespace

void CommonDialog::ShowPrinter() {
  QPrinter& printer = Printer();
  const auto orientation = [](int o) {
    return o == cdlLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  };
  if (CommonDialogScript* script = CommonDialogScript::Current()) {
    const auto outcome = script->Take({QStringLiteral("ShowPrinter"), CancelError, Flags, Color, Orientation});
    const auto* choice = std::get_if<CommonDialogScript::ChoosePrinter>(&outcome);
    if (!choice) return Cancelled();
    if (choice->printerName.isEmpty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(choice->pdfFile);
    } else {
      printer.setOutputFileName({});
      printer.setOutputFormat(QPrinter::NativeFormat);
      printer.setPrinterName(choice->printerName);
    }
    printer.setPageOrientation(orientation(choice->orientation));
    printer.setPrintRange(choice->selection ? QPrinter::Selection : QPrinter::AllPages);
    if (choice->fromPage > 0) {
      // As the dialog hands on a typed range: the program's own when it takes page
      // numbers, else the print system's.
      if (Flags & cdlPDNoPageNums) {
        SetPrintSystemOption(printer, QStringLiteral("page-ranges"),
                             QStringLiteral("%1-%2").arg(choice->fromPage).arg(qMax(choice->fromPage, choice->toPage)));
      } else {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(choice->fromPage, qMax(choice->fromPage, choice->toPage));
      }
    }
  } else {
    if (UnscriptedDialog(QStringLiteral("ShowPrinter"))) return Cancelled();
    printer.setPageOrientation(orientation(Orientation));
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    const bool selection = Flags & cdlPDSelection;
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, !(Flags & cdlPDNoPageNums));
    printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
    HidePageRange hide;
    if (Flags & cdlPDNoPageNums) dialog.installEventFilter(&hide);
    if (dialog.exec() != QDialog::Accepted) return Cancelled();
  }
  if (Flags & cdlPDNoPageNums) PrintEveryPage(printer);
  Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? cdlLandscape : cdlPortrait;
  Flags = printer.printRange() == QPrinter::Selection ? (Flags | cdlPDSelection) : (Flags & ~cdlPDSelection);
}

}  // namespace platform
