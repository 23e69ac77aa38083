// The sale contract: its cells, frame and alignment as tables, its fill, and the
// standalone document built from them.

#include <vector>

#include "grid_documents/LetterFill.h"
#include "grid_documents/LetterTable.h"
#include "grid_documents/modCV.h"
#include "sheet_front/LayoutSkeleton.h"

using report_grid::kEdgeBottom;
using report_grid::kEdgeLeft;
using report_grid::kEdgeRight;
using report_grid::kEdgeTop;
using report_grid::kLineThick;
using report_grid::ReportGrid;

namespace grid_documents {
namespace {

// ---- Cells ------------------------------------------------------------------------
// Rows as the standalone contract numbers them; a section laid lower moves them all.

const Area kTitleAndSellerHeading[] = {
    {Merged(1, 1, 1, 21), "CONTRACT DE VANZARE-CUMPARARE\r\nPENTRU UN VEHICUL FOLOSIT", kOpen, 10, kWrap,
     kTitleFont},
    {At(2, 1), "1"},
    {Merged(2, 2, 2, 21), "VANZATOR", kOpen, 0, kNoWrap, kHeadingFont},
    LockOnly(Span(1, 1, 2, 21)),
};

// The identity and address of a party, rows 3 to 8 for the seller; the buyer's block is
// the same seven rows lower, but for the comma before "sector/judet".
std::vector<Area> PartyBlock(const char* countyLabel) {
  return {
      TickBox(At(3, 1)),
      Label(Merged(3, 2, 3, 4), "PERSOANA FIZICA"),
      Entry(Merged(3, 5, 3, 13)),
      Label(Merged(3, 14, 3, 17), ",act de identitate seria", 10),
      Entry(At(3, 18)),
      Label(At(3, 19), "nr.", 10),
      Entry(Merged(3, 20, 3, 21)),

      TickBox(At(4, 1)),
      Label(Merged(4, 2, 4, 5), "PERSOANA JURIDICA"),
      Entry(Merged(4, 6, 4, 21)),

      Label(Merged(5, 1, 5, 6), "Nr. Velorastulare la Registrul Comertului"),
      Entry(Merged(5, 7, 5, 11)),
      Label(Merged(5, 12, 5, 14), "reprezentata prin"),
      Entry(Merged(5, 15, 5, 21)),

      Label(Merged(6, 1, 6, 3), "Domiciliul/Sediul"),
      Entry(Merged(6, 4, 6, 7)),
      Label(At(6, 8), ",str."),
      Entry(Merged(6, 9, 6, 15)),
      Label(At(6, 16), ",nr."),
      Entry(At(6, 17)),
      Label(At(6, 18), ",bl."),
      Entry(At(6, 19)),
      Label(At(6, 20), ",sc."),
      Entry(At(6, 21)),

      Label(At(7, 1), "ap."),
      Entry(At(7, 2)),
      Label(Merged(7, 3, 7, 4), countyLabel),
      Entry(Merged(7, 5, 7, 9)),
      Label(At(7, 10), ",cod"),
      Entry(Merged(7, 11, 7, 16)),

      Label(Merged(8, 2, 8, 21), "(Stampila in cazul persoanelor juridice)", 14),
  };
}
constexpr int kBuyerRows = 7;  // the buyer's block lies this much lower than the seller's

const Area kBuyerHeading[] = {
    {At(9, 1), "2"},
    {Merged(9, 2, 9, 21), "CUMPARATOR", kOpen, 0, kNoWrap, kHeadingFont},
    LockOnly(Span(9, 1, 9, 2)),
};

const Area kVehiclePriceAndEnd[] = {
    {At(16, 1), "3"},
    {Merged(16, 2, 16, 21), "OBIECTUL CONTRACTULUI", kOpen, 0, kNoWrap, kHeadingFont},
    LockOnly(Span(16, 1, 16, 21)),

    Label(Merged(17, 1, 17, 3), "Vehiculul marca"),
    Entry(Merged(17, 4, 17, 6)),
    Label(At(17, 7), ",tipul"),
    Entry(Merged(17, 8, 17, 11)),
    Label(Merged(17, 12, 17, 15), ",numar de identificare"),
    Entry(Merged(17, 16, 17, 19)),
    Label(Merged(17, 20, 17, 21), "serie motor"),

    LockOnly(At(18, 1)),
    Entry(Merged(18, 2, 18, 5)),
    OpenLabel(Merged(18, 6, 18, 7), "cilindree"),
    Entry(At(18, 8)),
    Label(Merged(18, 9, 18, 12), "cmc, numar de velorastulare"),
    Entry(Merged(18, 13, 18, 16)),
    Label(Merged(18, 17, 18, 21), ",data la care expira inspectia tehnica"),

    Label(Merged(19, 1, 19, 2), "periodica"),
    Entry(Merged(19, 3, 19, 5)),
    Label(Merged(19, 6, 19, 12), ",numarul cartii de identitate a autovehiculului"),
    Entry(Merged(19, 13, 19, 16)),

    Label(At(21, 1), "4"),
    Label(Merged(21, 2, 21, 3), "PRETUL", 0, kHeadingFont),
    OpenLabel(Merged(21, 4, 21, 5), "in cifre"),
    Entry(Merged(21, 6, 21, 10)),
    Label(At(21, 11), "Lei,"),
    Label(Merged(21, 12, 21, 13), "in litere"),
    Entry(Merged(21, 14, 21, 20)),
    Label(At(21, 21), "Lei."),

    Label(At(23, 1), "5"),
    Label(Merged(23, 2, 23, 21),
          "Vanzatorul mentionat la punctul (1) declara ca vehiculul este proprietatea sa, libera de orice "
          "sarcini. De asemenea, declara ca a predat",
          11),
    Label(Merged(24, 1, 24, 21),
          "cumparatorului mentionat la punctul (2) vehiculul, cheile, fisa de velorastulare si cartea de "
          "identitate a vehiculului primind de la acesta pretul"),
    Label(Merged(25, 1, 25, 21), "prevazut la punctul (4)."),
    Label(Merged(26, 1, 26, 21),
          "Cumparatorul mentionat la punctul (2) declara ca a primit de la vanzatorul mentionat la punctul (1) "
          "vehiculul, cheile, fisa de velorastulare si"),
    Label(Merged(27, 1, 27, 21),
          "cartea de identitate a vehiculului, achitand vanzatorului pretul mentionat la punctul (4)."),

    Label(Merged(28, 1, 28, 3), "Anexa la contract"),
    TickBox(At(28, 4)),
    Label(At(28, 5), "DA"),
    TickBox(At(28, 6)),
    Label(At(28, 7), "NU"),
    Label(Merged(28, 14, 28, 17), "Semnatura vanzatorului"),
    Entry(Merged(28, 18, 28, 21)),

    Label(Merged(29, 1, 29, 4), "Locul incheierii contractului"),
    Entry(Merged(29, 5, 29, 7)),
    Label(Merged(29, 14, 29, 17), "Semnatura cumparatorului"),
    Entry(Merged(29, 18, 29, 21)),

    Label(At(30, 1), "Data"),
    Entry(Merged(30, 2, 30, 3)),  // today's date, written by the layout
};
constexpr int kDateRow = 30, kDateCol = 2;

// The frame: under the title, then the bottoms of the five boxes, then its sides.
const std::vector<Lines>& ContractFrame() {
  static const std::vector<Lines> frame = {
      {{Span(2, 1, 2, 21)}, {kEdgeTop}, kLineThick},
      {{Span(8, 1, 8, 21), Span(15, 1, 15, 21), Span(20, 1, 20, 21), Span(22, 1, 22, 21), Span(31, 1, 31, 21)},
       {kEdgeBottom},
       kLineThick},
      {{Span(2, 1, 31, 1)}, {kEdgeLeft}, kLineThick},
      {{Span(2, 21, 31, 21)}, {kEdgeRight}, kLineThick},
  };
  return frame;
}

// Three headings, the firms' labels and the declarations' first four lines; "PRETUL",
// "PERSOANA FIZICA" and the declarations' last line stay centred.
const Area kLeftAligned[] = {
    AlignOnly(At(2, 2), 6),  AlignOnly(At(4, 2), 6),  AlignOnly(At(11, 2), 6),
    AlignOnly(At(9, 2), 6),  AlignOnly(At(16, 2), 6), AlignOnly(At(23, 2), 6),
    AlignOnly(At(24, 1), 6), AlignOnly(At(25, 1), 6), AlignOnly(At(26, 1), 6),
};

// ---- Fill -------------------------------------------------------------------------

// What the fill takes of one party; the buyer's cells are the seller's seven rows lower.
struct Party {
  core::BoxRef nume, serieBI, nrBI, regCom, codFiscal;
  ValueCell address[8];
};

const Party kSeller = {
    core::Box("VanzatorNume"),
    core::Box("VanzatorSerieBI"),
    core::Box("VanzatorNrBI"),
    core::Box("VanzatorRegCom"),
    core::Box("VanzatorCodFiscal"),
    {
        {6, 4, core::Box("VanzatorLocalitate")},
        {6, 9, core::Box("VanzatorStrada")},
        {6, 17, core::Box("VanzatorNumar")},
        {6, 19, core::Box("VanzatorBloc")},
        {6, 21, core::Box("VanzatorScara")},
        {7, 2, core::Box("VanzatorApartament")},
        {7, 5, core::Box("VanzatorJudet")},
        {7, 11, core::Box("VanzatorCodPostal")},
    },
};

const Party kBuyer = {
    core::Box("CumparatorNume"),
    core::Box("CumparatorSerieBI"),
    core::Box("CumparatorNrBI"),
    core::Box("CumparatorRegCom"),
    core::Box("CumparatorCodFiscal"),
    {
        {6, 4, core::Box("CumparatorLocalitate")},
        {6, 9, core::Box("CumparatorStrada")},
        {6, 17, core::Box("CumparatorNumar")},
        {6, 19, core::Box("CumparatorBloc")},
        {6, 21, core::Box("CumparatorScara")},
        {7, 2, core::Box("CumparatorApartament")},
        {7, 5, core::Box("CumparatorJudet")},
        {7, 11, core::Box("CumparatorCodPostal")},
    },
};

const QString kTicked = QStringLiteral("1");
const QString kFiscalCodeLabel = QStringLiteral("CUI: ");

// The party's identity cells take the font whatever its kind; then its kind decides which
// of its two boxes is ticked and which identity cells are written.
void FillParty(ReportGrid& grid, const core::CaseBoxes& boxes, const Party& party, int offset) {
  const FontOnlyCell identity[] = {{3, 5}, {3, 18}, {3, 20}, {4, 6}, {5, 7}, {5, 15}};
  FillFontOnly(grid, identity, offset);
  auto cell = [&](int row, int col) { return grid.Cell(row + offset, col); };
  const QString regCom = boxes.Text(party.regCom);
  if (regCom.isEmpty()) {
    cell(3, 1).SetText(kTicked);
    cell(3, 5).SetText(boxes.Text(party.nume));
    cell(3, 18).SetText(boxes.Text(party.serieBI));
    cell(3, 20).SetText(boxes.Text(party.nrBI));
  } else {
    cell(4, 1).SetText(kTicked);
    cell(4, 6).SetText(boxes.Text(party.nume));
    cell(5, 7).SetText(regCom + kFiscalCodeLabel + boxes.Text(party.codFiscal));
  }
  FillValues(grid, boxes, party.address, offset);
}

const ValueCell kVehicleAndPrice[] = {
    {17, 4, core::Box("Marca")},
    {17, 8, core::Box("Tipul")},
    {17, 16, core::Box("NrIdentificare")},
    {18, 2, core::Box("MotorSerie")},
    {18, 8, core::Box("Cilindree")},
    {18, 13, core::Box("NrVelorastulare")},
    {19, 3, core::Box("ExpirareInspectie")},
    {19, 13, core::Box("NrCarteIdentitate")},
    {21, 6, core::Box("PretCifre")},
};

}  // namespace

void LayContractCells(ReportGrid& grid, int top) {
  sheet_front::LayAreas(grid, kTitleAndSellerHeading, top);
  sheet_front::LayAreas(grid, PartyBlock(",sector/judet"), top);
  sheet_front::LayAreas(grid, kBuyerHeading, top);
  sheet_front::LayAreas(grid, PartyBlock("sector/judet"), top + kBuyerRows);
  sheet_front::LayAreas(grid, kVehiclePriceAndEnd, top);
  grid.Cell(kDateRow + top, kDateCol).SetText(TodayText());
}

void DrawContractFrame(ReportGrid& grid, int top) { sheet_front::DrawLines(grid, ContractFrame(), top); }

void AlignContract(ReportGrid& grid, int top) { sheet_front::LayAreas(grid, kLeftAligned, top); }

void FillContract(ReportGrid& grid, const core::CaseBoxes& boxes, int top) {
  FillParty(grid, boxes, kSeller, top);
  FillParty(grid, boxes, kBuyer, top + kBuyerRows);
  FillValues(grid, boxes, kVehicleAndPrice, top);
  // The price in words takes its text first and its font after.
  grid.Cell(21 + top, 14).SetText(boxes.Text(core::Box("PretLitere")));
  SetFontDrav(grid, 21 + top, 14);
  SetFontDrav(grid, 29 + top, 5);
  grid.Cell(29 + top, 5).SetText(kContractPlace);
}

void LayoutCV(ReportGrid& grid, const core::CaseBoxes& boxes) {
  sheet_front::LayDocument(grid, sheet_front::DocumentLayout{
                                     sheet_front::kLayoutCV,
                                     kContractWidths,
                                     kContractHeights,
                                     [](ReportGrid& g) {
                                       LayContractCells(g, 0);
                                       DrawContractFrame(g, 0);
                                       AlignContract(g, 0);
                                     },
                                     [&boxes](ReportGrid& g) { FillCV(g, boxes); },
                                 });
}

void FillCV(ReportGrid& grid, const core::CaseBoxes& boxes) { FillContract(grid, boxes, 0); }

}  // namespace grid_documents
