#include "report_grid/Printing.h"

#include <QComboBox>
#include <QGraphicsView>
#include <QScreen>
#include <QScrollBar>
#include <QtMath>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <optional>

#include "platform/PaperCodes.h"
#include "platform/Printers.h"
#include "platform/RuntimeError.h"
#include "report_grid/PageRenderer.h"

namespace report_grid {
namespace {

PreviewScript* g_previewScript = nullptr;

QPageLayout::Orientation OrientationOf(int code) {
  return code == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void PaintOn(QPrinter& printer, const ReportGrid& grid) {
  QPainter painter;
  if (!painter.begin(&printer)) platform::RaisePrintFailed(printer);
  PaintPage(painter, grid);
  if (!painter.end() || printer.printerState() == QPrinter::Error) platform::RaisePrintFailed(printer);
}

// Large enough to show the page's whole width at 100 percent, with the window's frame,
// tool bar and scroll bar around it, and as tall as the page or the screen allows.
QSize PreviewWindowSize(const QPrinter& printer, const QWidget& window) {
  const QSizeF paperMm = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
  const double dpiX = window.logicalDpiX(), dpiY = window.logicalDpiY();
  const QSize page(qCeil(paperMm.width() / 25.4 * dpiX), qCeil(paperMm.height() / 25.4 * dpiY));
  constexpr int kAroundWidth = 100, kAroundHeight = 140;  // frame, scroll bar, tool bar, page margins
  QSize size(page.width() + kAroundWidth, page.height() + kAroundHeight);
  if (const QScreen* screen = window.screen()) {
    const QRect room = screen->availableGeometry();
    size = size.boundedTo(QSize(room.width(), room.height() * 9 / 10));
  }
  return size;
}

}  // namespace

QPageSize PageSizeOf(int paperCode) { return platform::PageSizeOf(paperCode); }

void SetUpPrinter(QPrinter& printer, const PageSettings& page) {
  printer.setFullPage(true);
  const QPageLayout layout(PageSizeOf(page.paperSize), OrientationOf(page.orientation),
                           QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0));
  if (!printer.setPageLayout(layout)) {
    // A printer that refuses the layout whole still takes its parts one by one.
    printer.setPageSize(layout.pageSize());
    printer.setPageOrientation(layout.orientation());
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  }
}

void PrintPageOn(QPrinter& printer, const ReportGrid& grid) { PaintOn(printer, grid); }

void PrintGrid(const ReportGrid& grid) {
  QPrinter printer(QPrinter::HighResolution);
  platform::UseCurrentPrinter(printer);
  printer.setDocName(QStringLiteral("Velorast"));
  SetUpPrinter(printer, grid.Page());
  PaintOn(printer, grid);
  platform::CheckPrintAccepted(printer.printerName());
}

void PrintGridToPdf(const ReportGrid& grid, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setDocName(QStringLiteral("Velorast"));
  SetUpPrinter(printer, grid.Page());
  PaintOn(printer, grid);
}

QImage RenderPageImage(const ReportGrid& grid, int dpi) {
  const QPageLayout layout(PageSizeOf(grid.Page().paperSize), OrientationOf(grid.Page().orientation),
                           QMarginsF());
  const QRect px = layout.fullRectPixels(dpi);
  QImage image(px.size(), QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(dpi / 0.0254));
  image.setDotsPerMeterY(qRound(dpi / 0.0254));
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintPage(painter, grid);
  return image;
}

void PrintPreview(const ReportGrid& grid, int zoom, QWidget* parent) {
  if (zoom < 1 || zoom > 1000)
    throw platform::RuntimeError(platform::kErrInvalidArgument,
                                 QStringLiteral("Argument nepermis: marirea %1 nu este intre 1 si 1000").arg(zoom),
                                 kReportGridErrorSource);
  if (g_previewScript) {
    g_previewScript->shown_.append(ShownPreview{zoom, grid.Page(), RenderPageImage(grid, kPreviewScriptDpi)});
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (platform::Printers().isEmpty()) printer.setOutputFormat(QPrinter::PdfFormat);
  else platform::UseCurrentPrinter(printer);
  SetUpPrinter(printer, grid.Page());
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Previzualizare"));
  // An error must not cross the dialog's event loop: keep it and raise it once closed.
  std::optional<platform::RuntimeError> failure;
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* p) {
    try {
      PaintOn(*p, grid);
    } catch (const platform::RuntimeError& e) {
      failure = e;
      QTimer::singleShot(0, &dialog, &QDialog::reject);
    }
  });
  // The dialog fits the page to its window when it first shows; the zoom asked for is
  // applied right after, through the dialog's own zoom box, so that the box shows it and
  // the fitting buttons let go.
  QTimer::singleShot(0, &dialog, [&dialog, zoom] {
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) view->setZoomMode(QPrintPreviewWidget::CustomZoom);
    auto* box = dialog.findChild<QComboBox*>();
    if (box && box->lineEdit()) {
      box->lineEdit()->setText(QStringLiteral("%1%").arg(zoom));
      emit box->lineEdit()->editingFinished();
    } else if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) {
      view->setZoomFactor(zoom / 100.0);
    }
    // The page is read from its top: the first rubrics in view, not its middle.
    if (auto* pages = dialog.findChild<QGraphicsView*>()) {
      for (QScrollBar* bar : {pages->verticalScrollBar(), pages->horizontalScrollBar()})
        bar->setValue(bar->minimum());
    }
  });
  dialog.resize(PreviewWindowSize(printer, dialog));
  dialog.exec();
  if (failure) throw *failure;
}

PreviewScript::PreviewScript() : previous_(g_previewScript) { g_previewScript = this; }
PreviewScript::~PreviewScript() { g_previewScript = previous_; }

}  // namespace report_grid
