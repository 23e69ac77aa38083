#include "document_forms/DeclarationParts.h"

#include "document_forms/PartyRules.h"

namespace document_forms::declaration {

void FillBuyer(DocumentForm& form, const core::CaseBoxes& boxes) {
  form.SetText(0, boxes.Text(core::Box("CumparatorNume")));
  form.SetText(1, boxes.Text(core::Box("CumparatorLocalitate")));
  form.SetText(2, boxes.Text(core::Box("CumparatorStrada")));
  form.SetText(3, boxes.Text(core::Box("CumparatorNumar")));
  form.SetText(4, boxes.Text(core::Box("CumparatorApartament")));
  form.SetText(5, BuyerCnpOrFiscalCode(boxes));
}

void FillVehicle(DocumentForm& form, const core::CaseBoxes& boxes, int first) {
  form.SetText(first, boxes.Text(core::Box("Marca")));
  form.SetText(first + 1, boxes.Text(core::Box("NrIdentificare")));
  form.SetText(first + 2, boxes.Text(core::Box("NrCarteIdentitate")));
  form.SetText(first + 3, boxes.Text(core::Box("Culoarea")));
}

}  // namespace document_forms::declaration
