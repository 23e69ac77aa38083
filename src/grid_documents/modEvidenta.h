#pragma once
// The request letter to the records service in the report grid: a firm (the buyer of
// the case) asks for a vehicle not yet registered to be registered, names the parking
// place at its seat and the delegate who files the papers; the place, the date and the
// administrator's signature close it, on A4.
//
// LayoutEvidenta lays the letter, dated today, and fills it with FillEvidenta. It does
// not catch an error: a failing grid call raises platform::RuntimeError and leaves the
// grid part-laid, with Redraw off; the caller reports it.

#include "core/CaseBoxes.h"
#include "report_grid/ReportGrid.h"

namespace grid_documents {

void LayoutEvidenta(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);
// The firm and the vehicle from the boxes; the delegate's four cells take the document
// font and stay empty for the clerk.
void FillEvidenta(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);

}  // namespace grid_documents
