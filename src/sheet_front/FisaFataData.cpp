// The data cells of the registration sheet front: what the fill writes into them, the
// sheet font they take, and what prints.

#include "sheet_front/SheetCells.h"
#include "sheet_front/modFisaFata.h"

using report_grid::ReportGrid;

namespace sheet_front {

// Down the sheet, left to right within a row. Item 7 puts the total mass (42) beside the
// own mass (6) and the towing-hook load (43) beside the payload (7); its axle loads come
// in the sheet's order (front 8, middle 10, rear 9, track roller 11).
const std::array<DataCell, 45> kFisaFataDataCells = {{
    // row, col, box
    {4, 4, 0},      // Categoria
    {5, 4, 1},      // Caroseria
    {6, 4, 2},      // Marca
    {7, 4, 3},      // Tipul
    {8, 7, 4, 44},  // NrOmologare, three blanks, AnFabricatie
    {9, 5, 5},      // NrIdentificare
    {10, 5, 6},     // MasaProprie
    {10, 12, 42},   // MasaTotalaMax
    {11, 6, 7},     // SarcinaUtila
    {11, 13, 43},   // SarcinaCarlig
    {12, 7, 8},     // AxaFata
    {12, 11, 10},   // AxaMijloc
    {13, 7, 9},     // AxaSpate
    {13, 11, 11},   // RolaSenila
    {14, 7, 12},    // RemorcabilaCuFrana
    {14, 13, 13},   // RemorcabilaFaraFrana
    {15, 5, 14},    // LocuriTotal
    {15, 8, 15},    // LocuriFata
    {15, 11, 16},   // LocuriScaune
    {15, 14, 17},   // LocuriPicioare
    {16, 6, 18},    // Lungime
    {16, 9, 19},    // Latime
    {16, 12, 20},   // Inaltime
    {17, 4, 21},    // MotorTip
    {17, 11, 22},   // MotorSerie
    {18, 5, 23},    // Cilindree
    {18, 11, 24},   // PutereTuratie
    {19, 7, 25},    // SursaEnergie
    {20, 2, 26},    // NrAxe
    {20, 8, 27},    // Tractiunea
    {21, 5, 28},    // AnvelopeFata
    {22, 5, 29},    // AnvelopeFataSau
    {23, 5, 30},    // AnvelopeMijlocSpate
    {24, 5, 31},    // AnvelopeMijlocSpateSau
    {25, 8, 32},    // ZgomotMers
    {25, 13, 33},   // ZgomotStationare
    {26, 9, 34},    // PresiuneOConducta
    {26, 13, 35},   // PresiuneDouaConducte
    {27, 6, 36},    // VitezaMax
    {27, 13, 37},   // CapacitateRezervor
    {28, 5, 38},    // Culoarea
    {29, 13, 39},   // PrimaVelorastulare
    {30, 10, 40},   // ExpirareInspectie
    {31, 7, 41},    // NrCarteIdentitate
    {34, 2, kSpecificatii},
}};

namespace {

QString TextOf(const DataCell& d, const core::CaseBoxes& boxes) {
  if (d.camp == kSpecificatii) return boxes.txtSpecificatii();
  QString text = boxes.txtCamp(d.camp);
  if (d.joinedCamp >= 0) text += QStringLiteral("   ") + boxes.txtCamp(d.joinedCamp);
  return text;
}

}  // namespace

void FillFisaFata(ReportGrid& grid, const core::CaseBoxes& boxes) {
  for (const DataCell& d : kFisaFataDataCells) {
    SetFontFisaFata(grid, d.row, d.col);  // the font always before the text
    grid.Cell(d.row, d.col).SetText(TextOf(d, boxes));
  }
}

void SetFontFisaFata(ReportGrid& grid, int row, int col) { GiveFontFisa(grid, row, col); }

bool SetPrintFisaFata(ReportGrid& grid, bool complete) {
  MarkPrintable(grid, complete, kFisaFataDataCells, LayoutFisaFataComplet);
  return true;
}

}  // namespace sheet_front
