#pragma once
// The sale contract and the deregistration certificate on one A4 page of plain paper, in
// the report grid: the contract in rows 1 to 31, laid by the contract's own routines
// (modCV.h), a separator under it, and the certificate in rows 34 to 53, laid by the
// certificate's routines (modCertifRadiere.h) in its form for this page.
//
// It does not catch an error: a failing grid call raises platform::RuntimeError and
// leaves the grid part-laid, with Redraw off; the caller reports it.

#include "core/CaseBoxes.h"
#include "report_grid/ReportGrid.h"

namespace grid_documents {

void LayoutCVCertifRadiere(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);
// The contract's values, then the certificate's, and the document font on the entries
// of the change of address.
void FillCVCertifRadiere(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);

}  // namespace grid_documents
