#pragma once
// The front of the registration sheet in the report grid: title, box A "DATE DESPRE
// VEHICUL" with its 21 items, the two boxes for changes and the note, on A5 paper.
//
// LayoutFisaFataComplet lays the whole sheet for blank paper, LayoutFisaFata the same
// sheet for paper that already carries it (other row heights, the engine line arranged
// otherwise, fewer frames, no note). Both fill the same 45 data cells from the vehicle
// boxes. Before a print or preview, SetPrintFisaFata marks what prints: the whole sheet,
// or only the data cells.
//
// None of these catches an error: a failing grid call raises platform::RuntimeError and
// leaves the grid part-laid, with Redraw off; the caller reports it.

#include <array>

#include "core/CaseBoxes.h"
#include "report_grid/ReportGrid.h"

namespace sheet_front {

// The whole front, filled from the boxes.
void LayoutFisaFataComplet(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);
// The front for pre-printed paper, filled from the boxes.
void LayoutFisaFata(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);

// Writes the 45 data cells, each first given the sheet font, in the order of
// kFisaFataDataCells.
void FillFisaFata(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);
// Gives one cell the name, size and bold of core::fonts::FontFisa; the cell keeps its
// own italic and underline.
void SetFontFisaFata(report_grid::ReportGrid& grid, int row, int col);

// True: every cell of (1, 1)-(Rows - 1, Cols - 1) prints. False: none does but the 45
// data cells, and they print their texts without any line, clear of the lines that the
// pre-printed sheet has (those of the complete front, along this grid's rows). Returns
// true: a failing grid call raises, there is no failure of its own.
bool SetPrintFisaFata(report_grid::ReportGrid& grid, bool complete);

// One data cell: the first cell of its value area and the box it shows.
struct DataCell {
  int row;
  int col;
  int camp;             // txtCamp index, or kSpecificatii
  int joinedCamp = -1;  // a second txtCamp index written after three blanks, or -1
};
inline constexpr int kSpecificatii = -1;

// The data cells in the order of the fill: down the sheet, left to right in a row.
extern const std::array<DataCell, 45> kFisaFataDataCells;

}  // namespace sheet_front
