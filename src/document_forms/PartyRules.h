#pragma once
// How the declarations tell a firm from a natural person: by a fiscal code that holds
// more than blanks (the box trimmed for the test, its text copied as typed).

#include <QString>

#include "core/CaseBoxes.h"

namespace document_forms {

// True when `fiscalCode` holds more than blanks.
bool IsFirm(const QString& fiscalCode);

// The buyer's fiscal code for a firm, otherwise the buyer's CNP.
QString BuyerCnpOrFiscalCode(const core::CaseBoxes& boxes);

// The seller's identity: for a firm its fiscal code and no CNP; otherwise the identity
// card's series and number joined by a blank, and the CNP.
struct SellerIdentity {
  QString card;
  QString cnp;
};
SellerIdentity SellerIdentityOf(const core::CaseBoxes& boxes);

}  // namespace document_forms
