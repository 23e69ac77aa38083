// Contract and certificate on one page: the page's sizes, the separator between the two
// documents, and the order in which their sections are laid.

#include <algorithm>
#include <array>

#include "grid_documents/LetterTable.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"
#include "sheet_front/LayoutSkeleton.h"

using report_grid::kEdgeBottom;
using report_grid::kLineDotted;
using report_grid::ReportGrid;

namespace grid_documents {
namespace {

constexpr int kContractTop = 0;  // the contract stands where it stands alone

// Rows 32 to 53, under the contract's rows 1 to 31: 994 units with row 0.
constexpr int kCertificateHeights[22] = {
    10, 10, 10,           // 32 - 34: separator, gap, top of the certificate's frame
    19, 19, 22, 29,       // 35 - 38: police header, number and date, title
    19, 19, 19, 19, 9,    // 39 - 43: vehicle and holder, spacer
    19, 19, 19, 19, 3,    // 44 - 48: reasons, strip
    19, 3,  9,  19, 9,    // 49 - 53: last reasons, bottom, gap, keep the number, bottom
};

constexpr std::array<int, 53> PageHeights() {
  std::array<int, 53> heights{};
  std::copy(kContractHeights.begin(), kContractHeights.end(), heights.begin());
  std::copy(std::begin(kCertificateHeights), std::end(kCertificateHeights), heights.begin() + 31);
  return heights;
}
constexpr std::array<int, 53> kHeights = PageHeights();

// Row 32: one locked area across the page, with the separator's line under it.
const Area kSeparatorRow[] = {
    MergeOnly(Merged(32, 1, 32, 21)),
    LockOnly(Span(32, 1, 32, 21)),
};
// Row 34: one locked, empty area, the top row of the certificate's frame.
const Area kCertificateTopRow[] = {
    MergeOnly(Merged(34, 1, 34, 21)),
    LockOnly(Span(34, 1, 34, 21)),
};

void LayPage(ReportGrid& grid) {
  sheet_front::LayAreas(grid, kSeparatorRow);
  grid.Cell(32, 1).SetBorder(kEdgeBottom, kLineDotted);
  sheet_front::LayAreas(grid, kCertificateTopRow);
  LayContractCells(grid, kContractTop);
  LayCertificateCells(grid, kCertificateUnderContract);
  DrawContractFrame(grid, kContractTop);
  DrawCertificateFrames(grid, kCertificateUnderContract);
  AlignContract(grid, kContractTop);
}

}  // namespace

void LayoutCVCertifRadiere(ReportGrid& grid, const core::CaseBoxes& boxes) {
  sheet_front::LayDocument(grid, sheet_front::DocumentLayout{
                                     sheet_front::kLayoutCVCertifRadiere,
                                     kContractWidths,
                                     kHeights,
                                     LayPage,
                                     [&boxes](ReportGrid& g) { FillCVCertifRadiere(g, boxes); },
                                 });
}

void FillCVCertifRadiere(ReportGrid& grid, const core::CaseBoxes& boxes) {
  FillContract(grid, boxes, kContractTop);
  FillCertificate(grid, boxes, kCertificateUnderContract);
}

}  // namespace grid_documents
