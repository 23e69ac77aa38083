#include "sheet_front/SheetCells.h"

#include "core/Fonts.h"
#include "report_grid/PageRenderer.h"
#include "sheet_front/LayoutTable.h"

namespace sheet_front {

void GiveFontFisa(report_grid::ReportGrid& grid, int row, int col) {
  using core::fonts::CreatedOnFirstUse;
  using core::fonts::FontFisa;
  grid.Cell(row, col).Font().SetName(CreatedOnFirstUse(FontFisa).family());
  grid.Cell(row, col).Font().SetSize(FourDecimals(CreatedOnFirstUse(FontFisa).pointSizeF()));
  grid.Cell(row, col).Font().SetBold(CreatedOnFirstUse(FontFisa).bold());
}

std::vector<report_grid::PaperLine> SheetLinesOf(CompleteLayout layout) {
  report_grid::ReportGrid sheet;  // every cell new: printable, with its lines
  layout(sheet, core::EmptyCaseBoxes());
  return report_grid::LinesOnPaper(sheet);
}

}  // namespace sheet_front
