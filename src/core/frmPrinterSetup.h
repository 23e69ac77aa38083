#pragma once
// The printer set-up dialog: the clerk chooses, by device name, the printer of the
// registration sheets (Fisa) and the printer of every other document (Acte). OK stores
// both; Cancel and the close box store nothing.

#include <QDialog>

#include "core/DialogParts.h"

class QComboBox;
class QFrame;
class QLabel;

namespace core {

class frmPrinterSetup : public QDialog {
  Q_OBJECT
 public:
  frmPrinterSetup();

  void cmdOK_Click();
  void cmdCancel_Click();

  QFrame* picSus;
  QLabel* imgInfo;
  QLabel* lblInfo;
  QLabel* Label4;
  QLabel* Label1;
  QComboBox* cboPrintFisa;
  QLabel* Label2;
  QComboBox* cboPrintActe;
  QFrame* picJos;
  platform::PictureButton* cmdOK;
  platform::PictureButton* cmdCancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Form_Load();
  void FillPrinterLists();
  void LoadButtonPictures();
};

}  // namespace core
