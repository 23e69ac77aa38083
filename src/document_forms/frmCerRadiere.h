#pragma once
// The deregistration request to the police ("Cerere de radiere"): the holder (the
// seller) asks for the vehicle to be deregistered for a reason ticked among three, each
// reason with the document annexed for it. A4 portrait; the holder, the vehicle and two
// dates filled from the case.
//
// Ticking a reason ticks its document and unticking it unticks the document (the value
// is copied, chk(i) to chk(i + 3)); a document ticked by hand stays as it is. A click on
// a reason's or document's label toggles its box without moving the focus. A check box
// is drawn flat while it has the focus or after its label was clicked, sunken
// otherwise; a box or a Print button taking the focus draws them all sunken, so that
// the page prints every check box alike.

#include "document_forms/DocumentForm.h"
#include "platform/PageControls.h"

namespace document_forms {

class frmCerRadiere : public DocumentForm {
  Q_OBJECT
 public:
  static constexpr int kCheckCount = 6;
  static constexpr int kReasonCount = 3;  // chk(0..2); chk(i + 3) is the document of reason i

  frmCerRadiere();

  platform::FormCheckBox* chk(int index) const;
  platform::FormLabel* lbl1(int index) const;
  platform::FormLabel* lbl2(int index) const;

  void chk_Click(int index);
  void chk_GotFocus(int index);
  void chk_LostFocus(int index);
  void lbl1_Click(int index);
  void lbl2_Click(int index);
  void txt_GotFocus(int index) override;
  void cmdPrint_GotFocus(int index) override;

 private:
  void FillFields() override;
  void AllSunken();
};

}  // namespace document_forms
