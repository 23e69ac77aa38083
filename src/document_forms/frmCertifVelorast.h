#pragma once
// The request to exchange the registration certificate ("Cerere de preschimbare a
// certificatului de velorastulare "): the holder asks for the certificate of the vehicle
// below to be exchanged. A4 portrait, filled from the buyer (the holder), five vehicle
// items (the registration number from the first-registration item) and today's date.

#include "document_forms/DocumentForm.h"

namespace document_forms {

class frmCertifVelorast : public DocumentForm {
  Q_OBJECT
 public:
  frmCertifVelorast();

 private:
  void FillFields() override;
};

}  // namespace document_forms
