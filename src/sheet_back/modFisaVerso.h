#pragma once
// The back of the registration sheet in the report grid: rubric 1 (the registration
// number), box B with the holder (the buyer), box C of the authority, the registering
// officer's rows, the observations box, box D with the former holder (the seller), box E
// of the authority, the deregistering officer's rows and the note, on A5 paper.
//
// LayoutFisaVerso lays it for paper that already carries the sheet; LayoutFisaVersoComplet
// lays the same sheet for blank paper, with ten other row heights, ruled lines between
// the rubrics of boxes B and D and frames around both. Both fill the same fifteen value
// cells from the buyer and seller boxes. Before a print or preview, SetPrintFisaVerso
// marks what prints: the whole sheet, or only the value cells.
//
// The layouts and the fill catch no error: a failing grid call raises
// platform::RuntimeError and leaves the grid part-laid, with Redraw off; the caller
// reports it.

#include <array>

#include "core/CaseBoxes.h"
#include "core/SheetPersonText.h"
#include "report_grid/ReportGrid.h"

namespace sheet_back {

// The sheet back for pre-printed paper, filled from the boxes.
void LayoutFisaVerso(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);
// The whole sheet back for blank paper, filled from the boxes.
void LayoutFisaVersoComplet(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);

// Gives rubric 1's entry area the sheet font, then writes the fifteen value cells in the
// order of kFisaVersoValueCells, each given the sheet font before its text.
void FillFisaVerso(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);
// Gives one cell the name, size and bold of core::fonts::FontFisa; the cell keeps its
// own italic and underline.
void SetFontFisaVerso(report_grid::ReportGrid& grid, int row, int col);

// True: every cell of (1, 1)-(Rows - 1, Cols - 1) prints. False: none does but the
// fifteen value cells, and they print their texts without any line, clear of the lines
// that the pre-printed sheet has (those of the complete back, along this grid's rows).
// A failure is shown in a message box ("Nu exista nimic de vizualizat si tiparit" when
// there is no object to work on, otherwise the error's number, description and source)
// and returns false: the caller must then not print.
bool SetPrintFisaVerso(report_grid::ReportGrid& grid, bool complete);

// What a value cell shows.
enum class ValueText {
  kNameWithIdCard,         // name, identity-card series and number
  kBox,                    // one box as it is
  kBirthDateOrFiscalCode,  // "CUI: " and the fiscal code, or the birth date
  kRegisterOrCnp,          // the register number, or "CNP: " and the CNP, or nothing
  kAddress,                // the address joined from its eight parts
};

// One value cell: the anchor of its area, whose person it shows and how.
struct ValueCell {
  int row;
  int col;
  ValueText text;
  core::SheetParty party = core::SheetParty::Buyer;
  core::BoxRef box = {};  // for kBox
};

// The value cells in the order of the fill and of the marking: box B from the top, then
// box D.
extern const std::array<ValueCell, 15> kFisaVersoValueCells;

// Rubric 1's entry area (1, 9)-(2, 26): open for the authority, given the sheet font by
// the fill, never written and never printed in data-only printing.
inline constexpr int kRubric1Row = 1;
inline constexpr int kRubric1Col = 9;

// The cells of rows 4 to 49 that the clerk can type into, in the order of their unlocking.
struct EntryCell {
  int row;
  int col;
};
extern const std::array<EntryCell, 27> kFisaVersoEntryCells;

}  // namespace sheet_back
