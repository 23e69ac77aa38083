#pragma once
// The letters as the print path puts them on paper: the sale contract, the
// deregistration certificate, the request letter and contract with certificate on one
// page, printed into PDF files, each page also as a PNG picture.

#include <QDir>

class frmVelorast;

namespace snapshot {

// Writes contract.pdf, certificat-radiere.pdf, cerere-evidenta.pdf and
// contract-certificat.pdf with a PNG of each. With `sample`, laid from the sample case
// with the seller a person and the buyer a firm, the window's boxes holding the sample
// case again afterwards; otherwise from the case as the window's boxes hold it. False
// when a file could not be written.
bool WriteGridDocumentPrints(frmVelorast& window, const QDir& folder, bool sample);

}  // namespace snapshot
