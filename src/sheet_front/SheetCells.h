#pragma once
// What the registration sheet's two sides do alike with their value cells: the sheet
// font they are written in, and which cells come out on paper.

#include "report_grid/ReportGrid.h"

namespace sheet_front {

// Gives one cell the name, size (to four decimal places) and bold of
// core::fonts::FontFisa, in that order; the cell keeps its own italic and underline.
void GiveFontFisa(report_grid::ReportGrid& grid, int row, int col);

// Complete: every cell of (1, 1)-(Rows - 1, Cols - 1) prints, with its lines. Otherwise
// none of them does but the given value cells (each the anchor of its area; an area
// prints by its anchor's flag), and those print their texts only: the pre-printed sheet
// has its own lines, and no line of ours may land beside them. `cells` holds items with
// `row` and `col`.
template <class Cells>
void MarkPrintable(report_grid::ReportGrid& grid, bool complete, const Cells& cells) {
  report_grid::GridRange sheet = grid.Range(1, 1, grid.Rows() - 1, grid.Cols() - 1);
  sheet.SetPrintable(complete);
  sheet.SetLinesPrintable(complete);
  if (complete) return;
  for (const auto& cell : cells) grid.Cell(cell.row, cell.col).SetPrintable(true);
}

}  // namespace sheet_front
