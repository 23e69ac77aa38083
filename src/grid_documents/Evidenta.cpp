// The request letter to the records service: its cells as tables, its fill and the
// document.

#include "grid_documents/LetterFill.h"
#include "grid_documents/LetterTable.h"
#include "grid_documents/modEvidenta.h"
#include "sheet_front/LayoutSkeleton.h"

using report_grid::ReportGrid;
using sheet_front::kSizedLater;

namespace grid_documents {
namespace {

// Columns 0 to 21: 666 units in all.
constexpr int kWidths[22] = {0,  31, 32, 31, 31, 31, 33, 33, 33, 32, 32,
                             31, 31, 31, 31, 33, 31, 31, 31, 31, 31, 35};

// Rows 1 to 19 in the height pass. Rows 6 and 7 are sized just before their cells, and
// row 8 again; row 19 keeps the grid's height.
constexpr int kHeights[19] = {
    30, 30, 30, 30, 30,                       // 1 - 5: the firm
    kSizedLater, kSizedLater, 30,             // 6 - 8: the addressee, the request
    30, 30, 30, 30, 30, 30, 30,               // 9 - 15
    80, 30, 30,                               // 16 - 18: space, place, date
    kSizedLater,                              // 19
};

struct RowHeight {
  int row, height;
};
constexpr RowHeight kAddresseeRow{6, 50}, kServiceRow{7, 30}, kRequestRow{8, 55};

// Rows 1 to 5: the firm. Its name's area is merged twice from the same first cell: the
// second, wider merge takes in the first; a lock on a cell it covers changes nothing.
const Area kFirm[] = {
    LockOnly(Span(1, 1, 1, 21)),
    MergeOnly(Merged(2, 2, 2, 8)),
    Label(At(2, 1), "S.C."),
    Entry(Merged(2, 2, 2, 16), 10),
    LockOnly(At(2, 11)),
    Label(Merged(3, 1, 3, 3), "Nr. Inreg. J"),
    Entry(Merged(3, 4, 3, 7), 10),
    LockOnly(Span(3, 8, 3, 21)),
    Label(Merged(4, 1, 4, 3), "Cod Fiscal R"),
    Entry(Merged(4, 4, 4, 8), 10),
    LockOnly(Span(4, 9, 4, 21)),
    LockOnly(Span(5, 1, 5, 21)),
};

const Area kAddressee[] = {
    Label(Merged(6, 4, 6, 6), "Catre,", 11, kAddresseeFont),
    LockOnly(Span(6, 1, 6, 21)),
};

const Area kService[] = {
    OpenLabel(Merged(7, 3, 7, 21), "Serviciul de Evidenta Informatizata a Persoanei - Vuda", 11, kAddresseeFont),
    LockOnly(Span(7, 1, 7, 21)),
};

const Area kRequestAndEnd[] = {
    Label(Merged(8, 2, 8, 17), "Prin prezenta, va rugam sa ne inscrieti in circulatie autovehiculul, marca", 7),
    Entry(Merged(8, 18, 8, 21), 11),
    Label(At(9, 1), "tipul"),
    Entry(Merged(9, 2, 9, 7), 10),
    Label(Merged(9, 8, 9, 10), ", an fabricatie"),
    Entry(Merged(9, 11, 9, 13), 10),
    Label(Merged(9, 14, 9, 16), ", serie sasiu"),
    Entry(Merged(9, 17, 9, 21), 10),
    Label(Merged(10, 1, 10, 3), "serie motor"),
    Entry(Merged(10, 4, 10, 9), 10),
    Label(Merged(10, 10, 10, 13), ", cap. cilindrica"),
    Entry(Merged(10, 14, 10, 15), 10),
    Label(Merged(10, 16, 10, 18), "cmc, culoare"),
    Entry(Merged(10, 19, 10, 21), 10),
    Label(Merged(11, 1, 11, 4), "nevelorastulat."),
    LockOnly(Span(11, 5, 11, 21)),

    // the parking place at the firm's seat
    Label(Merged(12, 2, 12, 16), "Mentionam ca locul de parcare, va fi la sediul firmei, adica in localitatea"),
    Entry(Merged(12, 17, 12, 21), 10),
    Label(At(13, 1), "str."),
    Entry(Merged(13, 2, 13, 7), 10),
    Label(At(13, 8), "nr."),
    Entry(Merged(13, 9, 13, 10), 10),
    Label(At(13, 11), "ap."),
    Entry(Merged(13, 12, 13, 13), 10),
    Label(Merged(13, 14, 13, 15), ", judetul"),
    Entry(Merged(13, 16, 13, 21), 10),

    // the delegate, written by the clerk
    Label(Merged(14, 2, 14, 12), "Actele vor fi depuse, de catre delegatul societatii, d-l"),
    Entry(Merged(14, 13, 14, 20), 10),
    Label(At(14, 21), "care"),
    Label(Merged(15, 1, 15, 6), "se legitimeaza cu B.I. seria"),
    Entry(At(15, 7), 10),
    Label(At(15, 8), "nr."),
    Entry(Merged(15, 9, 15, 13), 10),
    Label(Merged(15, 14, 15, 17), "eliberat de Politia"),
    Entry(Merged(15, 18, 15, 20), 10),

    // place, date, signature
    MergeOnly(Merged(16, 2, 16, 21)),
    LockOnly(Span(16, 2, 16, 21)),
    OpenLabel(Merged(17, 2, 17, 4), "Rovi-Dedevi"),
    MergeOnly(Merged(17, 5, 17, 18)),
    LockOnly(Span(17, 5, 17, 18)),
    Label(Merged(17, 19, 17, 21), "Administrator"),
    Label(Merged(18, 2, 18, 3), "Data"),
    MergeOnly(Merged(18, 4, 18, 6)),  // today's date, open to the clerk
    LockOnly(Merged(18, 7, 18, 18)),
    Entry(Merged(18, 19, 18, 21), 10),  // the administrator's signature
    MergeOnly(Merged(19, 2, 19, 21)),
    LockOnly(Span(19, 2, 19, 21)),
};
constexpr int kDateRow = 18, kDateCol = 4;

void LayCells(ReportGrid& grid) {
  sheet_front::LayAreas(grid, kFirm);
  grid.SetRowHeight(kAddresseeRow.row, kAddresseeRow.height);
  sheet_front::LayAreas(grid, kAddressee);
  grid.SetRowHeight(kServiceRow.row, kServiceRow.height);
  sheet_front::LayAreas(grid, kService);
  grid.SetRowHeight(kRequestRow.row, kRequestRow.height);
  sheet_front::LayAreas(grid, kRequestAndEnd);
  grid.Cell(kDateRow, kDateCol).SetText(TodayText());
}

const FontOnlyCell kDelegate[] = {{14, 13}, {15, 7}, {15, 9}, {15, 18}};

const ValueCell kValues[] = {
    {2, 2, core::Box("CumparatorNume")},
    {3, 4, core::Box("CumparatorRegCom")},
    {4, 4, core::Box("CumparatorCodFiscal")},
    {8, 18, core::Box("Marca")},
    {9, 2, core::Box("Tipul")},
    {9, 11, core::Box("AnFabricatie")},
    {9, 17, core::Box("NrIdentificare"), ","},
    {10, 4, core::Box("MotorSerie")},
    {10, 14, core::Box("Cilindree")},
    {10, 19, core::Box("Culoarea")},
    {12, 17, core::Box("CumparatorLocalitate")},
    {13, 2, core::Box("CumparatorStrada")},
    {13, 9, core::Box("CumparatorNumar")},
    {13, 12, core::Box("CumparatorApartament")},
    {13, 16, core::Box("CumparatorJudet")},
};

}  // namespace

void LayoutEvidenta(ReportGrid& grid, const core::CaseBoxes& boxes) {
  sheet_front::LayDocument(grid, sheet_front::DocumentLayout{
                                     sheet_front::kLayoutEvidenta,
                                     kWidths,
                                     kHeights,
                                     LayCells,
                                     [&boxes](ReportGrid& g) { FillEvidenta(g, boxes); },
                                 });
}

void FillEvidenta(ReportGrid& grid, const core::CaseBoxes& boxes) {
  FillFontOnly(grid, kDelegate);
  FillValues(grid, boxes, kValues);
}

}  // namespace grid_documents
