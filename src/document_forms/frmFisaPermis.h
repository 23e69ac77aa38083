#pragma once
// The front of the driving-licence holder's record ("FISA DETINATORULUI PERMISULUI DE
// CONDUCERE"), A4 portrait: the clerk types the applicant's data and ticks the check
// boxes; nothing comes from the case but today's date in txtF(26). Its two
// "Declaratie de pierdere ..." buttons open the loss declaration (frmPierdere), filled
// from this record, which stays open under it.

#include "document_forms/DocumentForm.h"

namespace platform {
class FormCheckBox;
}

namespace document_forms {

class frmFisaPermis : public DocumentForm {
  Q_OBJECT
 public:
  static constexpr int kCheckCount = 15;  // chkF(0..14)

  frmFisaPermis();

  platform::FormCheckBox* chkF(int index) const;
  platform::FormButton* cmdPierdere(int index) const;

  // A check box took the focus: it is kept in view (index 0 too); nothing is selected.
  void chkF_GotFocus(int index);
  // Either button: the declaration, told that this record opened it, is opened (loaded
  // and filled from this record when it is not loaded).
  void cmdPierdere_Click(int index);

 private:
  void LoadExtras() override;
};

}  // namespace document_forms
