#pragma once
// The sale contract and its deregistration certificate typed onto the pre-printed
// official paper ("Contract vanzare-cumparare + Certificat de radiere"): on the screen
// over a picture of the blank paper, so that the clerk sees where each value lands; on
// paper only its fixed marks, labels and typed texts, moved by the print offsets
// TopCVRad and LeftCVRad (millimetres), so that they land in the paper's boxes. Filled
// from the case (frmCVRadFill.h); it prints on the current printer without touching its
// paper size or orientation.

#include "document_forms/DocumentForm.h"

namespace platform {
class FormImage;
}

namespace document_forms {

// The picture of the blank paper, in the program folder.
inline const QString kCVRadPaperFile = QStringLiteral("scanmod96.jpg");

class frmCVRad : public DocumentForm {
  Q_OBJECT
 public:
  frmCVRad();

  platform::FormImage* imgFond() const;

 private:
  void LoadExtras() override;
  void FillFields() override;
  void BeforePrint() override;
  void AfterPrint() override;
};

}  // namespace document_forms
