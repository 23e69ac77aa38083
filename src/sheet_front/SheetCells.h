#pragma once
// What the registration sheet's two sides do alike with their value cells: the sheet
// font they are written in, and which cells come out on paper.

#include <vector>

#include "core/CaseBoxes.h"
#include "report_grid/ReportGrid.h"

namespace sheet_front {

// Gives one cell the name, size (to four decimal places) and bold of
// core::fonts::FontFisa, in that order; the cell keeps its own italic and underline.
void GiveFontFisa(report_grid::ReportGrid& grid, int row, int col);

// A layout of the whole side of the sheet, for blank paper.
using CompleteLayout = void (*)(report_grid::ReportGrid&, const core::CaseBoxes&);

// The lines that a sheet printed whole from `layout` has on paper (its lines do not
// depend on the values), where they lie from the document's top left corner.
std::vector<report_grid::PaperLine> SheetLinesOf(CompleteLayout layout);

// Complete: every cell of (1, 1)-(Rows - 1, Cols - 1) prints, with its lines, onto blank
// paper. Otherwise none of them does but the given value cells (each the anchor of its
// area; an area prints by its anchor's flag), and those print their texts only, onto the
// pre-printed sheet: it has its own lines, those of the side printed whole by `sheet`, and
// no line of ours may land beside them nor a text on them. `cells` holds items with `row`
// and `col`.
template <class Cells>
void MarkPrintable(report_grid::ReportGrid& grid, bool complete, const Cells& cells, CompleteLayout sheet) {
  report_grid::GridRange whole = grid.Range(1, 1, grid.Rows() - 1, grid.Cols() - 1);
  whole.SetPrintable(complete);
  whole.SetLinesPrintable(complete);
  grid.SetSheetLines(complete ? std::vector<report_grid::PaperLine>() : SheetLinesOf(sheet));
  if (complete) return;
  for (const auto& cell : cells) grid.Cell(cell.row, cell.col).SetPrintable(true);
}

}  // namespace sheet_front
