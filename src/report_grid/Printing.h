#pragma once
// Printing and previewing a report grid: one page, painted by PageRenderer, on paper of
// the page set-up's size and orientation, in full-page mode with no printer margins, the
// grid placed at the page set-up's left and top margins.

#include <QImage>
#include <QList>
#include <QPageSize>
#include <QString>

#include "report_grid/ReportGrid.h"

class QPrinter;
class QWidget;

namespace report_grid {

// The paper of a paper code (1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5).
QPageSize PageSizeOf(int paperCode);

// Sets `printer` up for the grid's page: full page, zero printer margins, and the paper
// size and orientation given explicitly.
void SetUpPrinter(QPrinter& printer, const PageSettings& page);

// Prints the grid's page on `printer` as it stands (after SetUpPrinter). Raises error
// 482 when the printer does not take the job.
void PrintPageOn(QPrinter& printer, const ReportGrid& grid);

// Prints the grid on the current printer (platform::CurrentPrinter): error 482 when
// there is no printer, the print fails or the print system refuses the job.
void PrintGrid(const ReportGrid& grid);

// Prints the grid's page into the PDF file `path`, as the printer would print it (the
// review tool and the tests read it back). Raises error 482 when the file cannot be
// written.
void PrintGridToPdf(const ReportGrid& grid, const QString& path);

// Shows the print preview of the grid at `zoom` percent (1 to 1000), drawn by the same
// renderer as the print, for the current printer's page (or a PDF page when no
// printer is installed). Returns when the preview is closed.
void PrintPreview(const ReportGrid& grid, int zoom, QWidget* parent = nullptr);

// One preview as a PreviewScript saw it.
struct ShownPreview {
  int zoom = 0;
  PageSettings page;
  QImage image;  // the page, at kPreviewScriptDpi
};

inline constexpr int kPreviewScriptDpi = 96;

// For tests: while an instance lives, PrintPreview opens no window; it records the
// page it would show, rendered into an image, and returns at once.
class PreviewScript {
 public:
  PreviewScript();
  ~PreviewScript();
  PreviewScript(const PreviewScript&) = delete;
  PreviewScript& operator=(const PreviewScript&) = delete;

  const QList<ShownPreview>& Shown() const { return shown_; }

 private:
  friend void PrintPreview(const ReportGrid&, int, QWidget*);
  QList<ShownPreview> shown_;
  PreviewScript* previous_;
};

// The page of the grid rendered into an image at `dpi`, white paper, as it prints.
QImage RenderPageImage(const ReportGrid& grid, int dpi);

}  // namespace report_grid
