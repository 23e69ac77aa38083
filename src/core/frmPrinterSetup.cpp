#include "core/frmPrinterSetup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include "core/ImagePaths.h"
#include "core/Settings.h"
#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"

namespace core {

using platform::TwipsRect;

namespace {

// Set on a list while its edit field holds what the clerk typed rather than a chosen entry.
const char* const kTyped = "typedNotChosen";

QComboBox* PrinterList(QWidget* parent, double top) {
  auto* list = new QComboBox(parent);
  list->setGeometry(TwipsRect(1860, top, 3255, 315));
  list->setEditable(true);  // a list with an edit field; typing adds nothing to the list
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setCompleter(nullptr);  // typing never chooses an entry by itself
  // Typing into the edit field leaves the list without a chosen entry, even when the
  // text typed is a printer's name; choosing an entry from the list chooses it again.
  QObject::connect(list->lineEdit(), &QLineEdit::textEdited, list, [list] { list->setProperty(kTyped, true); });
  QObject::connect(list, &QComboBox::currentIndexChanged, list, [list] { list->setProperty(kTyped, false); });
  QObject::connect(list, &QComboBox::activated, list, [list] { list->setProperty(kTyped, false); });
  return list;
}

// The entry of the list that is chosen, or -1 when none is (nothing chosen, or the
// clerk typed into the edit field afterwards).
int SelectedEntry(const QComboBox* list) {
  if (list->property(kTyped).toBool()) return -1;
  const int index = list->currentIndex();
  return index >= 0 && list->itemText(index) == list->currentText() ? index : -1;
}

// Adds every printer's device name and selects the last one named `stored` exactly.
void Fill(QComboBox* list, const QString& stored) {
  int selected = -1;
  for (const platform::Printer& printer : platform::Printers()) {
    list->addItem(printer.DeviceName());
    if (printer.DeviceName() == stored) selected = list->count() - 1;
  }
  list->setCurrentIndex(selected);
}

}  // namespace

frmPrinterSetup::frmPrinterSetup()
    : SetupDialog({QStringLiteral("PrinterSetup"), 5505, 2940, QStringLiteral("Printer setup"),
                   QStringLiteral("MS Sans Serif"), Qt::AlignHCenter}) {
  Label4 = new QLabel(
      QStringLiteral("Selectati imprimanta catre care dorit sa trimiteti Fisa, respectiv actele si rapoartele:"), this);
  Label4->setGeometry(TwipsRect(120, 795, 5265, 420));
  Label4->setWordWrap(true);
  Label1 = new QLabel(QStringLiteral("Print Fisa"), this);
  Label1->setGeometry(TwipsRect(360, 1305, 1380, 255));
  cboPrintFisa = PrinterList(this, 1260);
  Label2 = new QLabel(QStringLiteral("Print Acte"), this);
  Label2->setGeometry(TwipsRect(360, 1725, 1380, 255));
  cboPrintActe = PrinterList(this, 1680);

  connect(cmdOK, &platform::PictureButton::clicked, this, &frmPrinterSetup::cmdOK_Click);
  connect(cmdCancel, &platform::PictureButton::clicked, this, &frmPrinterSetup::cmdCancel_Click);
  Form_Load();
}

void frmPrinterSetup::Form_Load() {
  FillPrinterLists();
  LoadButtonPictures();
}

void frmPrinterSetup::FillPrinterLists() {
  Fill(cboPrintFisa, settings::Fisa);
  Fill(cboPrintActe, settings::Acte);
}

void frmPrinterSetup::LoadButtonPictures() {
  if (!images::ImgPrint.isEmpty()) {
    const QPixmap picture(images::ImgPrint);
    if (!picture.isNull()) imgInfo->setPixmap(picture);
  }
  SetupDialog::LoadButtonPictures();
}

void frmPrinterSetup::cmdOK_Click() {
  if (SelectedEntry(cboPrintFisa) < 0 || SelectedEntry(cboPrintActe) < 0) {
    platform::MsgBox(QStringLiteral("Obligatoriu trebuie sa selectati o imprimanta valida"), platform::vbOKOnly);
    return;
  }
  settings::Fisa = cboPrintFisa->currentText();
  settings::Acte = cboPrintActe->currentText();
  const bool saved =
      platform::SaveSetting(settings::kApplication, settings::kSection, QStringLiteral("Fisa"), settings::Fisa) &
      platform::SaveSetting(settings::kApplication, settings::kSection, QStringLiteral("Acte"), settings::Acte);
  if (!saved) platform::ReportSettingsNotSaved(settings::kApplication);
  close();
}

void frmPrinterSetup::cmdCancel_Click() { close(); }

}  // namespace core
