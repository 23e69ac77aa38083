#pragma once
// The deregistration certificate in the report grid: the police office's header, the
// title "CERTIFICAT DE RADIERE", the vehicle and its holder (the seller), the reason of
// deregistration with the new owner (the buyer), and below it a second frame with the
// holder's wish to keep the registration number and the seller's signature, on A4.
//
// LayoutCertifRadiere lays the certificate alone and fills it with FillCertifRadiere.
// The contract with the certificate on one page lays the same certificate lower on the
// page through the same routines below; what differs between the two, a few texts,
// spans, strips and the rows of the frames, is a CertificateForm.
//
// None of these catches an error: a failing grid call raises platform::RuntimeError and
// leaves the grid part-laid, with Redraw off; the caller reports it.

#include <span>

#include "core/CaseBoxes.h"
#include "grid_documents/LetterFill.h"
#include "report_grid/ReportGrid.h"
#include "sheet_front/LayoutTable.h"

namespace grid_documents {

void LayoutCertifRadiere(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);
// The vehicle, the holder and the new owner; no tick box is ticked.
void FillCertifRadiere(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);

// ---- The certificate section
// Rows are given as the certificate alone numbers them (header at row 1, the reasons at
// rows 10 to 15, the second frame's row at 18); `top` moves them all down.

struct CertificateFrameRows {
  int firstTop;      // the top edge of the first frame
  int firstBottom;   // its bottom edge
  int reasonsLast;   // the last row of the thin line between "Motivul radierii" and the reasons
  int secondTop;     // the top edge of the second frame (its bottom edge is row 19)
};

struct CertificateForm {
  int top;
  const char* identificationLabel;  // before the identification number
  const char* buyerStreetLabel;     // before the new owner's street
  const char* yes;                  // the captions of the two last tick boxes
  const char* no;
  int reasonsLabelLastRow;          // "Motivul radierii" spans rows 10 to this, columns 1 to 3
  std::span<const sheet_front::Area> reasonsStrip;  // row 14, between the change of address and the last reasons
  std::span<const sheet_front::Area> spacerRows;    // laid after the second frame's row
  CertificateFrameRows frames;
  std::span<const FontOnlyCell> clerkCells;  // entries the fill gives the document font for the clerk
};

// The certificate alone, and the certificate on the page with the contract.
extern const CertificateForm kCertificateAlone;
extern const CertificateForm kCertificateUnderContract;

void LayCertificateCells(report_grid::ReportGrid& grid, const CertificateForm& form);
void DrawCertificateFrames(report_grid::ReportGrid& grid, const CertificateForm& form);
void FillCertificate(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes, const CertificateForm& form);

}  // namespace grid_documents
