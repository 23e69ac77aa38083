// Print and Preview of the "Listari" pane: the printer chosen by device name, the
// printable cells of a registration sheet, the grid's page, then the print or the
// preview of whatever the grid holds.

#include <QCheckBox>

#include "core/ErrorGuard.h"
#include "core/Settings.h"
#include "main_window/DocumentButtons.h"
#include "main_window/frmVelorast.h"
#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "platform/Program.h"
#include "platform/RuntimeError.h"
#include "report_grid/ReportGridView.h"

using main_window::kDocuments;

void frmVelorast::cmdPrint_Click() {
  try {
    if (!HasDocument) return;
    if (!PreparePrint()) return;
    Grid->PrintGrid();
  } catch (const platform::ProgramEnded&) {
    throw;
  } catch (const platform::RuntimeError& error) {
    // The print is abandoned; a printer made current and page values written stay.
    if (error.Number() != 0)
      platform::MsgBox(QStringLiteral("%1 %2 %3").arg(error.Number()).arg(error.Description(), error.Source()),
                       platform::vbOKOnly);
  } catch (const std::exception& error) {
    core::ReportUncaught(error);
  }
}

void frmVelorast::cmdPrintPreview_Click() {
  core::Guarded([this] {
    if (!HasDocument) return;
    if (!PreparePrint()) return;
    Grid->PrintPreview(100);
  });
}

bool frmVelorast::PreparePrint() {
  ChoosePrinter();
  if (IsFisa) {
    const bool complete = PrintsComplete();
    if (main_window::PrintMarking mark = IsFisaFata ? kDocuments.SetPrintFisaFata : kDocuments.SetPrintFisaVerso)
      if (!mark(Grid->Model(), complete)) return false;
  }
  SetupPaginaGrid();
  return true;
}

// The sheet printer for a registration sheet, the documents printer otherwise, compared
// by device name exactly; when none matches, the current printer stays.
void frmVelorast::ChoosePrinter() {
  platform::MakeCurrentPrinter(IsFisa ? core::settings::Fisa : core::settings::Acte);
}

namespace {
// An offset in millimetres as a margin in centimetres.
float Centimetres(qint16 millimetres) { return static_cast<float>(static_cast<double>(millimetres) / 10.0); }
}  // namespace

void frmVelorast::SetupPaginaGrid() {
  report_grid::ReportGrid& grid = Grid->Model();
  report_grid::GridPageSetup page = grid.PageSetup();
  using namespace core::settings;
  if (IsFisa) {
    page.SetPaperSize(report_grid::kPaperA5);
    page.SetOrientation(report_grid::kPortrait);
    page.SetLeftMargin(PrintsComplete() ? 0.6f : Centimetres(IsFisaFata ? Left : LeftV));
    page.SetRightMargin(0.1f);
    if (PrintsComplete()) {
      page.SetTopMargin(0.5f);
    } else if (IsFisaFata) {
      page.SetTopMargin(Centimetres(Top));
      grid.SetRowHeight(grid.Rows() - 1, 0);
    } else {
      page.SetTopMargin(Centimetres(TopV));
    }
    page.SetBottomMargin(0.1f);
    page.SetPageOption(12);
  } else {
    page.SetPaperSize(report_grid::kPaperA4);
    page.SetOrientation(report_grid::kPortrait);
    page.SetLeftMargin(1.0f);
    page.SetRightMargin(0.5f);
    page.SetTopMargin(1.5f);
    page.SetBottomMargin(0.1f);
  }
}
