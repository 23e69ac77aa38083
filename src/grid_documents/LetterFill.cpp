#include "grid_documents/LetterFill.h"

#include "core/Fonts.h"
#include "platform/Clock.h"

using report_grid::ReportGrid;

namespace grid_documents {

void SetFontDrav(ReportGrid& grid, int row, int col) {
  grid.Cell(row, col).SetFont(core::fonts::CreatedOnFirstUse(core::fonts::FontDrav));
}

void FillValues(ReportGrid& grid, const core::CaseBoxes& boxes, std::span<const ValueCell> cells, int rowOffset) {
  for (const ValueCell& v : cells) {
    SetFontDrav(grid, v.row + rowOffset, v.col);
    grid.Cell(v.row + rowOffset, v.col).SetText(boxes.Text(v.box) + QString::fromUtf8(v.suffix));
  }
}

void FillFontOnly(ReportGrid& grid, std::span<const FontOnlyCell> cells, int rowOffset) {
  for (const FontOnlyCell& c : cells) SetFontDrav(grid, c.row + rowOffset, c.col);
}

QString TodayText() { return platform::FormatDdMmYyyy(platform::Today()); }

}  // namespace grid_documents
