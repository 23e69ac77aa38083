#include "platform/CommonDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QPageLayout>
#include <QPrintDialog>
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
    throw RuntimeError(kErrCancelSelected, QStringLiteral("A fost aleasa optiunea Cancel."),
                       QStringLiteral("Velorast.CommonDialog"));
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
  } else {
    if (UnscriptedDialog(QStringLiteral("ShowPrinter"))) return Cancelled();
    printer.setPageOrientation(orientation(Orientation));
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    const bool selection = Flags & cdlPDSelection;
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, !(Flags & cdlPDNoPageNums));
    printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted) return Cancelled();
  }
  Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? cdlLandscape : cdlPortrait;
  Flags = printer.printRange() == QPrinter::Selection ? (Flags | cdlPDSelection) : (Flags & ~cdlPDSelection);
}

}  // namespace platform
