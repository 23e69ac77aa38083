#pragma once
// The sale contract of a used vehicle in the report grid: the title, then inside one
// thick frame the seller (1), the buyer (2), the vehicle (3), the price (4), the two
// declarations (5), the annex flag, the signatures, the place and the date, on A4 paper.
//
// LayoutCV lays the whole contract and fills it from the case boxes with FillCV. The
// contract with the certificate on one page (modCVCertifRadiere.h) lays the same
// contract section through the same routines below, at its own first row.
//
// None of these catches an error: a failing grid call raises platform::RuntimeError and
// leaves the grid part-laid, with Redraw off; the caller reports it.

#include <array>

#include "core/CaseBoxes.h"
#include "report_grid/ReportGrid.h"

namespace grid_documents {

// The whole contract, filled from the boxes, dated today.
void LayoutCV(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);
// The value cells of the laid contract: parties, vehicle, price and place.
void FillCV(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);

// ---- The contract section, its title at row 1 + `top`

// Columns 0 to 21: 699 units in all.
inline constexpr std::array<int, 22> kContractWidths = {0,  33, 33, 33, 33, 33, 33, 33, 33, 33, 33,
                                                        33, 35, 35, 34, 34, 33, 33, 33, 33, 33, 33};

// Rows 1 to 31, 650 units; row 0 is 2 high.
inline constexpr std::array<int, 31> kContractHeights = {
    45,                              // 1: title
    22, 22, 22, 22, 22, 22, 22, 22,  // 2 - 9: seller, buyer's heading
    19, 19, 19, 19, 19, 19, 19,      // 10 - 16: buyer, vehicle's heading
    28, 28, 28, 8,  28, 8,           // 17 - 22: vehicle, spacer, price, spacer
    28, 18, 18, 18, 18, 18,          // 23 - 28: declarations, annex
    20, 20, 10,                      // 29 - 31: place, date, bottom of the frame
};

// Rows 1 to 30 + `top`: labels, value areas with their fill-in lines, tick boxes, fonts,
// and today's date in (30 + top, 2).
void LayContractCells(report_grid::ReportGrid& grid, int top);
// The thick frame under the title and the lines that close each of its five boxes.
void DrawContractFrame(report_grid::ReportGrid& grid, int top);
// The headings and the declarations' lines set left, after the frame.
void AlignContract(report_grid::ReportGrid& grid, int top);
// Seller, buyer, vehicle, price and place. A party is a firm when its trade-register box
// holds any text, blanks included: its "PERSOANA JURIDICA" box is ticked, its name and
// register number with fiscal code written; otherwise "PERSOANA FIZICA" with its name
// and identity card.
void FillContract(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes, int top);

// The place where the contract is concluded.
inline const QString kContractPlace = QStringLiteral("Rovi-Dedevi");

}  // namespace grid_documents
