#pragma once
// The loss declaration ("DOMNULE SEF DE SERVICIU"): the declarant tells the police that
// he lost his driving licence or the vehicle's registration certificate, chosen in the
// combo box cboPierdere, and asks for a proof of loss and a duplicate. A4 portrait.
//
// It is opened from the driving-licence holder's record (frmFisaPermis), whose boxes it
// copies while it loads, and it remembers who opened it by window kind (frmApelant, set
// before the opening): closing it brings that window back through the window registry,
// loading it afresh when it was closed meanwhile.

#include "document_forms/DocumentForm.h"

namespace platform {
class FormComboBox;
class FormLabel;
}  // namespace platform

namespace document_forms {

class frmPierdere : public DocumentForm {
  Q_OBJECT
 public:
  // The window kinds that open the declaration.
  enum class Opener { kMainWindow, kFisaPermis };
  // Who opened it: set by the opener before it opens the declaration.
  static inline Opener frmApelant = Opener::kMainWindow;

  // The two documents of cboPierdere.
  static constexpr int kPermis = 0;
  static constexpr int kCertificat = 1;

  frmPierdere();

  platform::FormComboBox* cboPierdere() const;
  platform::FormLabel* Label(const char* name) const;  // lblPermis, lblCertificat, lblP1, lblP2

  // The choice switches the two sentences that follow it between the two documents.
  void cboPierdere_Click();
  // Enter in the combo box moves on as Tab does.
  void cboPierdere_KeyDown(int keyCode, Qt::KeyboardModifiers shift);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LoadExtras() override;
  void FillFields() override;
  void BeforePrint() override;
  void AfterPrint() override;
  void ShowOpener() override;
};

// Opens the declaration as `opener` does: tells it who opened it, then loads it (filled)
// when it is not loaded, puts it at the top left of the MDI client area and focuses it.
frmPierdere* OpenPierdere(frmPierdere::Opener opener);

// The entry in main_window::kDocuments: the declaration opened by the main window.
void LaunchPierdere(frmVelorast& mainWindow);

}  // namespace document_forms
