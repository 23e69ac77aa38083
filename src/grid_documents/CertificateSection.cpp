// The deregistration certificate: its cells and frames as tables shared by the
// certificate alone and the certificate under the contract, its fill, and the
// standalone document.

#include <vector>

#include "grid_documents/LetterTable.h"
#include "grid_documents/modCertifRadiere.h"
#include "sheet_front/LayoutSkeleton.h"

using report_grid::kEdgeBottom;
using report_grid::kEdgeLeft;
using report_grid::kEdgeRight;
using report_grid::kEdgeTop;
using report_grid::kLineThick;
using report_grid::kLineThin;
using report_grid::ReportGrid;

namespace grid_documents {
namespace {

// ---- The certificate alone: sizes and what only it has -------------------------------

// Columns 0 to 21: 689 units in all.
constexpr int kWidths[22] = {0,  35, 32, 32, 32, 33, 33, 32, 32, 32, 32,
                             38, 35, 35, 32, 32, 32, 32, 32, 32, 32, 32};

// Rows 1 to 19, 330 units; row 0 keeps its height.
constexpr int kHeights[19] = {
    20, 20, 20, 30,       // 1 - 4: header, title
    20, 20, 20, 20, 8,    // 5 - 9: vehicle, holder, spacer
    20, 20, 20, 20, 8,    // 10 - 14: reasons
    20, 8,  8,  20, 8,    // 15 - 19: last reasons, gap, the second frame
};

// The second frame's spacer rows: row 17 one area with a thin line set on its covered
// cell (17, 18), which runs under the whole row; row 19 one locked area.
const Area kSpacersAlone[] = {
    MergeOnly(Merged(17, 1, 17, 21)),
    {At(17, 18), kNoText, kOpen, 0, kNoWrap, {}, Mark::kFillInLine},
    MergeOnly(Merged(19, 1, 19, 21)),
    LockOnly(Span(19, 1, 19, 21)),
};

// ---- Under the contract: what only it has -----------------------------------------------

// Row 14 (48 on the page): a thin locked strip, so that nothing is typed between the
// change of address and the last reasons.
const Area kStripUnderContract[] = {
    MergeOnly(Merged(14, 4, 14, 21)),
    LockOnly(Span(14, 4, 14, 21)),
};

// The new address after a change of residence is written by hand in the document font.
const FontOnlyCell kClerkCellsUnderContract[] = {{12, 9}, {12, 15}, {13, 6}, {13, 8}, {13, 10}, {13, 12}, {13, 15}};

// ---- Cells ------------------------------------------------------------------------

// The rest of an address on one line from `col` on: number, block, staircase and flat,
// each a label with a one-cell entry, then "sector/judet" over two columns and its entry
// up to `lastCol`.
void AddAddressLine(std::vector<Area>& areas, int row, int col, int lastCol) {
  const char* labels[] = {"nr.", "bl.", "sc.", "ap."};
  for (const char* label : labels) {
    areas.push_back(Label(At(row, col), label));
    areas.push_back(Entry(At(row, col + 1)));
    col += 2;
  }
  areas.push_back(Label(Merged(row, col, row, col + 1), "sector/judet"));
  areas.push_back(Entry(Merged(row, col + 2, row, lastCol)));
}

std::vector<Area> CertificateRows(const CertificateForm& f) {
  std::vector<Area> areas = {
      Label(Merged(1, 1, 1, 6), "Inspectoratul de Politie al Judetului"),
      Entry(Merged(1, 7, 1, 9)),  // the county
      Label(Merged(2, 1, 2, 6), "-Serviciul de circulatie-"),
      AlignOnly(Span(1, 1, 2, 21), 10),
      Label(Merged(2, 17, 2, 21), "Semnatura si stampila"),
      Label(At(3, 1), "Nr."),
      Entry(Merged(3, 2, 3, 5)),  // the certificate's number
      Label(At(3, 6), "din"),
      Entry(Merged(3, 7, 3, 10)),  // its date
      Label(Merged(4, 1, 4, 21), "CERTIFICAT DE RADIERE", 10, kTitleFont),

      Label(Merged(5, 1, 5, 3), "Vehicul marca"),
      Entry(Merged(5, 4, 5, 6)),
      Label(At(5, 7), "tipul"),
      Entry(Merged(5, 8, 5, 10)),
      Label(Merged(5, 11, 5, 13), f.identificationLabel),
      Entry(Merged(5, 14, 5, 20)),
      Label(At(5, 21), "serie"),
      Label(At(6, 1), "motor"),
      Entry(Merged(6, 2, 6, 4)),
      Label(Merged(6, 5, 6, 6), "cilindree"),
      Entry(Merged(6, 7, 6, 8)),
      Label(At(6, 9), "cmc"),
      Label(Merged(6, 10, 6, 13), "numar de velorastulare", 14),
      Entry(Merged(6, 14, 6, 17)),
      Label(Merged(6, 18, 6, 21), "detinut de catre"),

      Entry(Merged(7, 2, 7, 9)),
      Label(Merged(7, 10, 7, 12), "domiciliat(sediul)"),
      Entry(Merged(7, 13, 7, 15)),
      Label(At(7, 16), "str."),
      Entry(Merged(7, 17, 7, 21)),
  };
  AddAddressLine(areas, 8, 1, 14);
  areas.insert(areas.end(), {
      Label(Merged(8, 15, 8, 21), "a fost radiat din evidentele noastre"),

      Label(Merged(10, 1, f.reasonsLabelLastRow, 3), "Motivul radierii", 10),
      TickBox(At(10, 4)),  // sold
      Label(Merged(10, 5, 10, 7), "Instrainat catre"),
      Entry(Merged(10, 8, 10, 12)),
      Label(Merged(10, 13, 10, 15), "domiciliat(sediul)"),
      Entry(Merged(10, 16, 10, 21)),
      Label(At(11, 5), f.buyerStreetLabel),
      Entry(Merged(11, 6, 11, 9)),
  });
  AddAddressLine(areas, 11, 10, 21);
  areas.insert(areas.end(), {
      TickBox(At(12, 4)),  // changed residence or seat
      Label(Merged(12, 5, 12, 8), "Schimbat domiciliu/sediu"),
      Entry(Merged(12, 9, 12, 13)),
      Label(At(12, 14), "str."),
      Entry(Merged(12, 15, 12, 21)),
  });
  AddAddressLine(areas, 13, 5, 18);
  return areas;
}

const Area kLastReasons[] = {
    TickBox(At(15, 4)),  // dismantled
    Label(Merged(15, 5, 15, 6), "Dezmembrat"),
    TickBox(At(15, 11)),  // exported
    Label(Merged(15, 12, 15, 13), "Exportat"),
    TickBox(At(15, 18)),  // stolen
    Label(At(15, 19), "Furat"),
};

std::vector<Area> KeepNumberRow(const CertificateForm& f) {
  return {
      Label(Merged(18, 1, 18, 7), "Doresc sa pastrez numarul de velorastulare"),
      TickBox(At(18, 8)),
      Label(At(18, 9), f.yes),
      TickBox(At(18, 10)),
      Label(At(18, 11), f.no),
      Label(Merged(18, 14, 18, 17), "Semnatura vanzatorului"),
      Entry(Merged(18, 18, 18, 21), 10),
  };
}

std::vector<Lines> Frames(const CertificateFrameRows& r) {
  return {
      {{Span(r.firstTop, 1, r.firstTop, 21)}, {kEdgeTop}, kLineThick},
      {{Span(9, 1, 9, 21)}, {kEdgeBottom}, kLineThin},
      {{Span(r.firstBottom, 1, r.firstBottom, 21)}, {kEdgeBottom}, kLineThick},
      {{Span(r.firstTop, 1, r.firstBottom, 1)}, {kEdgeLeft}, kLineThick},
      {{Span(r.firstTop, 21, r.firstBottom, 21)}, {kEdgeRight}, kLineThick},
      {{Span(10, 4, r.reasonsLast, 4)}, {kEdgeLeft}, kLineThin},
      {{Span(r.secondTop, 1, r.secondTop, 21)}, {kEdgeTop}, kLineThick},
      {{Span(19, 1, 19, 21)}, {kEdgeBottom}, kLineThick},
      {{Span(r.secondTop, 1, 19, 1)}, {kEdgeLeft}, kLineThick},
      {{Span(r.secondTop, 21, 19, 21)}, {kEdgeRight}, kLineThick},
  };
}

// ---- Fill -------------------------------------------------------------------------

const ValueCell kValues[] = {
    {5, 4, core::Box("Marca")},
    {5, 8, core::Box("Tipul")},
    {5, 14, core::Box("NrIdentificare")},
    {6, 2, core::Box("MotorSerie")},
    {6, 7, core::Box("Cilindree")},
    {6, 14, core::Box("NrVelorastulare")},
    // the holder: the seller
    {7, 2, core::Box("VanzatorNume")},
    {7, 13, core::Box("VanzatorLocalitate")},
    {7, 17, core::Box("VanzatorStrada")},
    {8, 2, core::Box("VanzatorNumar")},
    {8, 4, core::Box("VanzatorBloc")},
    {8, 6, core::Box("VanzatorScara")},
    {8, 8, core::Box("VanzatorApartament")},
    {8, 11, core::Box("VanzatorJudet")},
    // the new owner: the buyer
    {10, 8, core::Box("CumparatorNume")},
    {10, 16, core::Box("CumparatorLocalitate")},
    {11, 6, core::Box("CumparatorStrada")},
    {11, 11, core::Box("CumparatorNumar")},
    {11, 13, core::Box("CumparatorBloc")},
    {11, 15, core::Box("CumparatorScara")},
    {11, 17, core::Box("CumparatorApartament")},
    {11, 20, core::Box("CumparatorJudet")},
};

}  // namespace

const CertificateForm kCertificateAlone = {
    .top = 0,
    .identificationLabel = "Numar de identificare",
    .buyerStreetLabel = "str.",
    .yes = " DA",
    .no = " NU",
    .reasonsLabelLastRow = 14,
    .reasonsStrip = {},
    .spacerRows = kSpacersAlone,
    .frames = {.firstTop = 1, .firstBottom = 15, .reasonsLast = 14, .secondTop = 17},
    .clerkCells = {},
};

// Rows 34 to 53 of the page: the frame opens on the empty row above the header, the
// reasons label takes the last reasons' row too, and the first frame closes one row
// lower, on a spacer of its own.
const CertificateForm kCertificateUnderContract = {
    .top = 34,
    .identificationLabel = "numar de identificare",
    .buyerStreetLabel = ",str.",
    .yes = "DA",
    .no = "NU",
    .reasonsLabelLastRow = 15,
    .reasonsStrip = kStripUnderContract,
    .spacerRows = {},
    .frames = {.firstTop = 0, .firstBottom = 16, .reasonsLast = 16, .secondTop = 18},
    .clerkCells = kClerkCellsUnderContract,
};

void LayCertificateCells(ReportGrid& grid, const CertificateForm& form) {
  sheet_front::LayAreas(grid, CertificateRows(form), form.top);
  sheet_front::LayAreas(grid, form.reasonsStrip, form.top);
  sheet_front::LayAreas(grid, kLastReasons, form.top);
  sheet_front::LayAreas(grid, KeepNumberRow(form), form.top);
  sheet_front::LayAreas(grid, form.spacerRows, form.top);
}

void DrawCertificateFrames(ReportGrid& grid, const CertificateForm& form) {
  sheet_front::DrawLines(grid, Frames(form.frames), form.top);
}

void FillCertificate(ReportGrid& grid, const core::CaseBoxes& boxes, const CertificateForm& form) {
  FillValues(grid, boxes, kValues, form.top);
  FillFontOnly(grid, form.clerkCells, form.top);
}

void LayoutCertifRadiere(ReportGrid& grid, const core::CaseBoxes& boxes) {
  sheet_front::LayDocument(grid, sheet_front::DocumentLayout{
                                     sheet_front::kLayoutCertifRadiere,
                                     kWidths,
                                     kHeights,
                                     [](ReportGrid& g) {
                                       LayCertificateCells(g, kCertificateAlone);
                                       DrawCertificateFrames(g, kCertificateAlone);
                                     },
                                     [&boxes](ReportGrid& g) { FillCertifRadiere(g, boxes); },
                                 });
}

void FillCertifRadiere(ReportGrid& grid, const core::CaseBoxes& boxes) {
  FillCertificate(grid, boxes, kCertificateAlone);
}

}  // namespace grid_documents
