// The value cells of the registration sheet back: what the fill writes into them from
// the buyer and seller boxes, the sheet font they take, and what prints.

#include "core/CaseBoxes.h"
#include "platform/MessageBox.h"
#include "platform/RuntimeError.h"
#include "sheet_back/modFisaVerso.h"
#include "sheet_front/SheetCells.h"

using core::Box;
using core::SheetParty;
using report_grid::ReportGrid;

namespace sheet_back {

const std::array<ValueCell, 15> kFisaVersoValueCells = {{
    // row, col, what, whose, box
    {4, 5, ValueText::kNameWithIdCard, SheetParty::Buyer},           // rubric 2
    {6, 7, ValueText::kBox, SheetParty::Buyer, Box("CumparatorTata")},  // rubric 3
    {7, 7, ValueText::kBox, SheetParty::Buyer, Box("CumparatorMama")},
    {8, 7, ValueText::kBirthDateOrFiscalCode, SheetParty::Buyer},    // rubric 4
    {9, 7, ValueText::kBox, SheetParty::Buyer, Box("CumparatorLocNasterii")},
    {10, 7, ValueText::kRegisterOrCnp, SheetParty::Buyer},           // rubric 5
    {12, 3, ValueText::kAddress, SheetParty::Buyer},                 // rubric 6
    {14, 7, ValueText::kBox, SheetParty::Buyer, Box("CumparatorProfesia")},  // rubric 7
    {15, 7, ValueText::kBox, SheetParty::Buyer, Box("CumparatorLocMunca")},
    {16, 6, ValueText::kBox, SheetParty::Buyer, Box("CumparatorTelefoane")},  // rubric 8
    {32, 7, ValueText::kBox, SheetParty::Seller, Box("NrVelorastulare")},     // rubric 10
    {34, 4, ValueText::kNameWithIdCard, SheetParty::Seller},         // rubric 11
    {37, 6, ValueText::kBirthDateOrFiscalCode, SheetParty::Seller},  // rubric 12
    {38, 7, ValueText::kRegisterOrCnp, SheetParty::Seller},          // rubric 13
    {40, 3, ValueText::kAddress, SheetParty::Seller},                // rubric 14
}};

namespace {

// The cell's text, or nothing when the cell stays as the layout left it.
std::optional<QString> TextOf(const ValueCell& cell, const core::CaseBoxes& boxes,
                              const core::SheetPersonTexts& person) {
  switch (cell.text) {
    case ValueText::kNameWithIdCard: return person.nameWithIdCard;
    case ValueText::kBox: return boxes.Text(cell.box);
    case ValueText::kBirthDateOrFiscalCode: return person.birthDateOrFiscalCode;
    case ValueText::kRegisterOrCnp: return person.registerOrCnp;
    case ValueText::kAddress: return person.address;
  }
  return std::nullopt;
}

}  // namespace

void FillFisaVerso(ReportGrid& grid, const core::CaseBoxes& boxes) {
  const core::SheetPersonTexts buyer = core::ComposeSheetPerson(boxes, SheetParty::Buyer);
  const core::SheetPersonTexts seller = core::ComposeSheetPerson(boxes, SheetParty::Seller);
  SetFontFisaVerso(grid, kRubric1Row, kRubric1Col);  // the authority's entry: the font, no text
  for (const ValueCell& cell : kFisaVersoValueCells) {
    SetFontFisaVerso(grid, cell.row, cell.col);  // the font always, before the text
    const std::optional<QString> text =
        TextOf(cell, boxes, cell.party == SheetParty::Buyer ? buyer : seller);
    if (text) grid.Cell(cell.row, cell.col).SetText(*text);
  }
}

void SetFontFisaVerso(ReportGrid& grid, int row, int col) { sheet_front::GiveFontFisa(grid, row, col); }

bool SetPrintFisaVerso(ReportGrid& grid, bool complete) {
  try {
    sheet_front::MarkPrintable(grid, complete, kFisaVersoValueCells, LayoutFisaVersoComplet);
    return true;
  } catch (const platform::RuntimeError& error) {
    // The flags set before the failure stay; the print must not go on with a sheet
    // marked in part, which would land on the official form.
    platform::MsgBox(error.Number() == platform::kErrObjectMissing
                         ? QStringLiteral("Nu exista nimic de vizualizat si tiparit")
                         : QStringLiteral("%1 %2 %3").arg(error.Number()).arg(error.Description(), error.Source()),
                     platform::vbOKOnly);
    return false;
  }
}

}  // namespace sheet_back
