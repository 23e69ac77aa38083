#include "document_forms/PartyRules.h"

#include "core/DatabaseSchema.h"

namespace document_forms {

// Blanks only: a tab or a no-break space is content, as it is in the stored keys.
bool IsFirm(const QString& fiscalCode) { return !core::schema::TrimBlanks(fiscalCode).isEmpty(); }

QString BuyerCnpOrFiscalCode(const core::CaseBoxes& boxes) {
  const QString fiscalCode = boxes.Text(core::Box("CumparatorCodFiscal"));
  return IsFirm(fiscalCode) ? fiscalCode : boxes.Text(core::Box("CumparatorCNP"));
}

SellerIdentity SellerIdentityOf(const core::CaseBoxes& boxes) {
  const QString fiscalCode = boxes.Text(core::Box("VanzatorCodFiscal"));
  if (IsFirm(fiscalCode)) return {fiscalCode, QString()};
  return {boxes.Text(core::Box("VanzatorSerieBI")) + QLatin1Char(' ') + boxes.Text(core::Box("VanzatorNrBI")),
          boxes.Text(core::Box("VanzatorCNP"))};
}

}  // namespace document_forms
