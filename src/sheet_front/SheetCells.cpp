#include "sheet_front/SheetCells.h"

#include "core/Fonts.h"
#include "sheet_front/LayoutTable.h"

namespace sheet_front {

void GiveFontFisa(report_grid::ReportGrid& grid, int row, int col) {
  using core::fonts::CreatedOnFirstUse;
  using core::fonts::FontFisa;
  grid.Cell(row, col).Font().SetName(CreatedOnFirstUse(FontFisa).family());
  grid.Cell(row, col).Font().SetSize(FourDecimals(CreatedOnFirstUse(FontFisa).pointSizeF()));
  grid.Cell(row, col).Font().SetBold(CreatedOnFirstUse(FontFisa).bold());
}

}  // namespace sheet_front
