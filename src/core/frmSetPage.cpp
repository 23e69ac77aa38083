#include "core/frmSetPage.h"

#include <QFontMetricsF>

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

#include "core/FocusColour.h"
#include "core/MDIVelorast.h"
#include "core/Settings.h"
#include "platform/CommonDialog.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"

namespace core {

using platform::TwipsRect;

namespace {

// The offsets in the order in which the dialog loads, reads and stores them, each with
// its box, its settings key, its tab and frame, and whether it is the top offset.
struct Offset {
  QLineEdit* frmSetPage::*box;
  const char* key;
  qint16* value;
  int tab;
  const char* frame;
  bool rightFrame;
  bool top;
};

const std::array<Offset, 16>& Offsets() {
  using S = frmSetPage;
  namespace s = settings;
  static const std::array<Offset, 16> offsets = {{
      {&S::txtTop, "Top", &s::Top, 0, "Fisa Fata", false, true},
      {&S::txtLeft, "Left", &s::Left, 0, "Fisa Fata", false, false},
      {&S::txtTopV, "TopV", &s::TopV, 0, "Fisa Verso", true, true},
      {&S::txtLeftV, "LeftV", &s::LeftV, 0, "Fisa Verso", true, false},
      {&S::txtTopCVRad, "TopCVRad", &s::TopCVRad, 4, "Fata", false, true},
      {&S::txtLeftCVRad, "LeftCVRad", &s::LeftCVRad, 4, "Fata", false, false},
      {&S::txtTopPF, "TopPF", &s::TopPF, 1, "Fata", false, true},
      {&S::txtLeftPF, "LeftPF", &s::LeftPF, 1, "Fata", false, false},
      {&S::txtTopPJF, "TopPJF", &s::TopPJF, 2, "Fata", false, true},
      {&S::txtLeftPJF, "LeftPJF", &s::LeftPJF, 2, "Fata", false, false},
      {&S::txtTopPJV, "TopPJV", &s::TopPJV, 2, "Verso", true, true},
      {&S::txtLeftPJV, "LeftPJV", &s::LeftPJV, 2, "Verso", true, false},
      {&S::txtTopFPF, "TopFPF", &s::TopFPF, 3, "Fata", false, true},
      {&S::txtLeftFPF, "LeftFPF", &s::LeftFPF, 3, "Fata", false, false},
      {&S::txtTopFPV, "TopFPV", &s::TopFPV, 3, "Verso", true, true},
      {&S::txtLeftFPV, "LeftFPV", &s::LeftFPV, 3, "Verso", true, false},
  }};
  return offsets;
}

const char* const kTabs[5] = {"Fisa", "Impunere PF", "Impunere PJ", "Fisa Permis", "CV + Rad."};

QString Caption(bool top) { return top ? QStringLiteral("Inaltime") : QStringLiteral("Stanga"); }

bool Save(const QString& key, const QString& text) {
  return platform::SaveSetting(settings::kApplication, settings::kSection, key, text);
}

QString FlagText(bool flag) { return flag ? QStringLiteral("True") : QStringLiteral("False"); }

}  // namespace

frmSetPage::frmSetPage()
    : SetupDialog({QStringLiteral("Setari"), 5850, 3855, QStringLiteral("Setari"), QStringLiteral("Arial"),
                   Qt::AlignLeft}) {
  SSTab1 = new QTabWidget(this);
  SSTab1->setGeometry(TwipsRect(60, 795, 5730, 1665));
  QFont tabFont(QStringLiteral("MS Sans Serif"));
  tabFont.setPointSizeF(8.25);
  SSTab1->tabBar()->setFont(tabFont);
  SSTab1->tabBar()->setExpanding(true);
  SSTab1->setUsesScrollButtons(false);
  std::array<QWidget*, 5> pages;
  for (int t = 0; t < 5; ++t) {
    pages[t] = new QWidget;
    SSTab1->addTab(pages[t], QString::fromLatin1(kTabs[t]));
  }
  // Each frame: "Inaltime", the top box and "mm"; below, "Stanga", the left box and "mm".
  QHash<QString, QGroupBox*> frames;
  for (const Offset& o : Offsets()) {
    const QString frameKey = QString::number(o.tab) + QLatin1Char('/') + QLatin1String(o.frame);
    QGroupBox*& frame = frames[frameKey];
    if (!frame) {
      frame = new QGroupBox(QString::fromLatin1(o.frame), pages[o.tab]);
      frame->setGeometry(TwipsRect(o.rightFrame ? 2880 : 120, 90, 2610, 1035));
    }
    const double row = o.top ? 300 : 660;
    auto* caption = new QLabel(Caption(o.top), frame);
    caption->setGeometry(TwipsRect(120, row + 30, 900, 255));
    QLineEdit* box = new QLineEdit(frame);
    box->setGeometry(TwipsRect(1080, row, 975, 315));
    auto* unit = new QLabel(QStringLiteral("mm"), frame);
    unit->setGeometry(TwipsRect(2130, row + 30, 400, 255));
    this->*(o.box) = box;
  }

  auto* switches = new QFrame(this);
  switches->setGeometry(TwipsRect(60, 2490, 5730, 615));
  switches->setFrameShape(QFrame::StyledPanel);
  chkContract = new QCheckBox(QStringLiteral("Contractul se tipareste integral"), switches);
  chkContract->setGeometry(TwipsRect(120, 45, 3480, 255));
  chkUsesBD = new QCheckBox(QStringLiteral("Se utilizeaza Baza de Date"), switches);
  chkUsesBD->setGeometry(TwipsRect(120, 315, 3480, 255));
  drvBackground = new platform::PictureButton(QStringLiteral("Culoare focus"), switches);
  drvBackground->setGeometry(TwipsRect(3720, 90, 1335, 435));
  QFont buttonFont(QStringLiteral("Arial"));
  buttonFont.setPointSizeF(9.75);
  buttonFont.setBold(true);
  drvBackground->setFont(buttonFont);
  drvBackground->setAutoDefault(false);
  lblFundal = new QLabel(QStringLiteral("TEXT"), switches);
  lblFundal->setGeometry(TwipsRect(5100, 90, 555, 435));
  lblFundal->setAlignment(Qt::AlignCenter);
  lblFundal->setFrameShape(QFrame::Box);
  lblFundal->setAutoFillBackground(true);

  connect(cmdOK, &platform::PictureButton::clicked, this, &frmSetPage::cmdOK_Click);
  connect(cmdCancel, &platform::PictureButton::clicked, this, &frmSetPage::cmdCancel_Click);
  connect(drvBackground, &platform::PictureButton::clicked, this, &frmSetPage::drvBackground_Click);
  Form_Load();
}

void frmSetPage::Form_Load() {
  for (const Offset& o : Offsets()) (this->*(o.box))->setText(QString::number(*o.value));
  chkContract->setChecked(settings::ContractInGrid);
  chkUsesBD->setChecked(settings::UsesBD);
  LoadButtonPictures();
  if (const std::optional<QColor> colour = FocusColour(settings::CuloareFocus)) ShowSample(*colour);
}

void frmSetPage::ShowSample(const QColor& colour) {
  QPalette p = lblFundal->palette();
  p.setColor(QPalette::Window, colour);
  lblFundal->setPalette(p);
}

// The colour's number in the sample, in a font small enough for the whole number to
// fit the sample's width (a colour has up to eight digits).
void frmSetPage::ShowSampleCaption(const QString& caption) {
  QFont font = lblFundal->font();
  const int room = lblFundal->contentsRect().width() - 2;
  while (font.pointSizeF() > 4 && QFontMetricsF(font).horizontalAdvance(caption) > room)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  lblFundal->setFont(font);
  lblFundal->setText(caption);
}

void frmSetPage::cmdOK_Click() {
  // An offset that cannot be held is refused before anything changes.
  for (const Offset& o : Offsets()) {
    QLineEdit* box = this->*(o.box);
    if (settings::NumberRule(box->text()).fits16) continue;
    SSTab1->setCurrentIndex(o.tab);
    platform::MsgBox(QStringLiteral("Valoarea \"%1\" din caseta %2 a cadrului \"%3\" (fila \"%4\") nu este "
                                    "admisa: deplasarea trebuie sa fie intre -32768 si 32767 mm.")
                         .arg(box->text(), Caption(o.top), QString::fromLatin1(o.frame), QString::fromLatin1(kTabs[o.tab])),
                     platform::vbExclamation);
    box->setFocus();
    box->selectAll();
    return;
  }
  for (QLineEdit* box : {txtTop, txtLeft, txtTopV, txtLeftV})
    if (box->text().isEmpty()) box->setText(QStringLiteral("0"));
  for (const Offset& o : Offsets()) *o.value = settings::NumberRule((this->*(o.box))->text()).Offset();
  settings::ContractInGrid = chkContract->isChecked();
  settings::UsesBD = chkUsesBD->isChecked();

  bool saved = true;
  for (const Offset& o : Offsets()) saved &= Save(QString::fromLatin1(o.key), QString::number(*o.value));
  saved &= Save(QStringLiteral("ContractInGrid"), FlagText(settings::ContractInGrid));
  saved &= Save(QStringLiteral("UsesBD"), FlagText(settings::UsesBD));
  saved &= Save(QStringLiteral("CuloareFocus"), settings::CuloareFocus);
  if (!saved) platform::ReportSettingsNotSaved(settings::kApplication);
  close();
}

void frmSetPage::cmdCancel_Click() { close(); }

void frmSetPage::drvBackground_Click() {
  try {
    // No colour is preset: the dialog opens on whatever the shared dialog holds.
    platform::CommonDialog& cdgOpen = platform::Forms::Get<MDIVelorast>()->cdgOpen;
    cdgOpen.CancelError = true;
    cdgOpen.ShowColor();
    const int colour = cdgOpen.Color;
    ShowSampleCaption(QString::number(colour));
    ShowSample(platform::ColorFromValue(colour));
    settings::CuloareFocus = QString::number(colour);
  } catch (const std::exception&) {
    // Cancelled, or the dialog failed: nothing changes.
  }
}

}  // namespace core
