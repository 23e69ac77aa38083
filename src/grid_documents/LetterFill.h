#pragma once
// What the fills of the letters share: the document font on a value cell, value cells
// written from the case boxes as tables, and the date of the day a letter is laid.

#include <QString>
#include <span>

#include "core/CaseBoxTable.h"
#include "core/CaseBoxes.h"
#include "report_grid/ReportGrid.h"

namespace grid_documents {

// Gives the cell the name of the document font FontDrav and nothing else of it: the
// cell keeps the size and weight the layout gave it.
void SetFontDrav(report_grid::ReportGrid& grid, int row, int col);

// One value cell of a fill: the first cell of its area and the box it shows, as typed,
// followed by `suffix`.
struct ValueCell {
  int row;
  int col;
  core::BoxRef box;
  const char* suffix = "";
};

// For each cell in order: FontDrav's name, then the box's text. Rows are moved down by
// `rowOffset`.
void FillValues(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes, std::span<const ValueCell> cells,
                int rowOffset = 0);

// A cell that the clerk fills by hand and that only takes FontDrav's name.
struct FontOnlyCell {
  int row;
  int col;
};
void FillFontOnly(report_grid::ReportGrid& grid, std::span<const FontOnlyCell> cells, int rowOffset = 0);

// Today's date as the letters print it, "dd-mm-yyyy", from the program's clock.
QString TodayText();

}  // namespace grid_documents
