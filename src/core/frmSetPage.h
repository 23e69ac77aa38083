#pragma once
// The page set-up dialog: the sixteen print offsets, the two switches and the focus
// colour. Each opening shows the shared settings; OK stores them, Cancel and the close
// box store nothing. The colour button changes the focus colour at once, and only OK
// stores it.

#include "core/SetupDialog.h"

class QCheckBox;
class QColor;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace core {

class frmSetPage : public SetupDialog {
  Q_OBJECT
 public:
  frmSetPage();

  void cmdOK_Click();
  void cmdCancel_Click();
  void drvBackground_Click();

  QTabWidget* SSTab1;
  QLineEdit *txtTop, *txtLeft, *txtTopV, *txtLeftV, *txtTopCVRad, *txtLeftCVRad, *txtTopPF, *txtLeftPF,
      *txtTopPJF, *txtLeftPJF, *txtTopPJV, *txtLeftPJV, *txtTopFPF, *txtLeftFPF, *txtTopFPV, *txtLeftFPV;
  QCheckBox* chkContract;
  QCheckBox* chkUsesBD;
  platform::PictureButton* drvBackground;
  QLabel* lblFundal;

 private:
  void Form_Load();
  void ShowSampleCaption(const QString& caption);
  void ShowSample(const QColor& colour);
};

}  // namespace core
