#pragma once
// The printer set-up dialog: the clerk chooses, by device name, the printer of the
// registration sheets (Fisa) and the printer of every other document (Acte). OK stores
// both; Cancel and the close box store nothing.

#include "core/SetupDialog.h"

class QComboBox;
class QLabel;

namespace core {

class frmPrinterSetup : public SetupDialog {
  Q_OBJECT
 public:
  frmPrinterSetup();

  void cmdOK_Click();
  void cmdCancel_Click();

  QLabel* Label4;
  QLabel* Label1;
  QComboBox* cboPrintFisa;
  QLabel* Label2;
  QComboBox* cboPrintActe;

 private:
  void Form_Load();
  void FillPrinterLists();
  void LoadButtonPictures();
};

}  // namespace core
