#include "main_window/frmVelorast.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include "core/CaseWindow.h"
#include "core/AppState.h"
#include "core/ErrorGuard.h"
#include "core/FocusColour.h"
#include "core/Modul.h"
#include "core/frmAbout.h"
#include "core/frmHelp.h"
#include "core/frmPrinterSetup.h"
#include "core/frmSetPage.h"
#include "core/Settings.h"
#include "main_window/StoredRecords.h"
#include "platform/CommandButton.h"
#include "platform/Forms.h"
#include "platform/Keystrokes.h"
#include "platform/MessageBox.h"
#include "platform/MultiLineTextBox.h"
#include "platform/Program.h"
#include "platform/RuntimeError.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "platform/database/Database.h"
#include "report_grid/ReportGridView.h"

using main_window::TwipsBox;

namespace {

void Place(QWidget* w, const TwipsBox& b) {
  w->setGeometry(platform::TwipsRect(b.Left, b.Top, b.Width, b.Height));
}

TwipsBox PlaceOf(const QWidget* w) {
  const QRect r = w->geometry();
  return {platform::PixelsToTwips(r.x()), platform::PixelsToTwips(r.y()),
          platform::PixelsToTwips(r.width()), platform::PixelsToTwips(r.height())};
}

bool IsEnter(int keyCode) { return keyCode == platform::vbKeyReturn; }

}  // namespace

frmVelorast::frmVelorast(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  CreateWindowControls();
  ConnectHandlers();
  Form_Load();
  // The document forms read the case from here and show this window when they close.
  core::RegisterCaseWindow(this, this);
}

frmVelorast::~frmVelorast() {
  if (core::CaseWindow() == this) core::RegisterCaseWindow(nullptr, nullptr);
}

frmVelorast* frmVelorast::Load() {
  try {
    return platform::Forms::Get<frmVelorast>();
  } catch (const platform::DatabaseFileError&) {
    throw;  // a file that cannot be read: the start-up offers another folder
  } catch (const platform::RuntimeError& error) {
    core::ReportUncaught(error);
    platform::End(1);
  }
}

QList<QMenu*> frmVelorast::ChildMenus() const { return {mnuMeniu, mnuSetari, mnuHelp}; }

int frmVelorast::SelectedTab() const { return tabVelorast->currentIndex() + 1; }

QString frmVelorast::CampText(int index) const { return txtCamp.at(index)->text(); }
QString frmVelorast::VersoText(int index) const { return txtVerso.at(index)->text(); }
QString frmVelorast::SpecificatiiText() const { return txtSpecificatii->Text(); }

namespace {

// One array of data boxes: each box's events reach the array's handlers with its index.
template <std::size_t N>
void ConnectBoxes(frmVelorast* window, const std::array<platform::TextBox*, N>& boxes,
                  void (frmVelorast::*gotFocus)(int), void (frmVelorast::*lostFocus)(int),
                  void (frmVelorast::*keyDown)(int, int, Qt::KeyboardModifiers)) {
  for (int i = 0; i < static_cast<int>(N); ++i) {
    platform::TextBox* box = boxes[i];
    QObject::connect(box, &platform::TextBox::GotFocus, window, [=] { (window->*gotFocus)(i); });
    QObject::connect(box, &platform::TextBox::LostFocus, window, [=] { (window->*lostFocus)(i); });
    QObject::connect(box, &platform::TextBox::KeyDown, window,
                     [=](int key, Qt::KeyboardModifiers shift) { (window->*keyDown)(i, key, shift); });
  }
}

}  // namespace

void frmVelorast::ConnectHandlers() {
  ConnectBoxes(this, txtCamp, &frmVelorast::txtCamp_GotFocus, &frmVelorast::txtCamp_LostFocus,
               &frmVelorast::txtCamp_KeyDown);
  ConnectBoxes(this, txtVerso, &frmVelorast::txtVerso_GotFocus, &frmVelorast::txtVerso_LostFocus,
               &frmVelorast::txtVerso_KeyDown);
  connect(txtCriteriu, &platform::TextBox::KeyDown, this, &frmVelorast::txtCriteriu_KeyDown);
  connect(txtCriteriu2, &platform::TextBox::KeyDown, this, &frmVelorast::txtCriteriu2_KeyDown);
  connect(tabVelorast, &QTabWidget::currentChanged, this, [this] { tabVelorast_Click(); });
  // The bar's value changes both when it is clicked and while its thumb is dragged.
  connect(vscInput1, &QScrollBar::valueChanged, this, [this] { vscInput1_Change(); });
  connect(vscInput3, &QScrollBar::valueChanged, this, [this] { vscInput3_Change(); });
  connect(mnuEnd, &QAction::triggered, this, [this] { mnuEnd_Click(); });
  connect(mnuPageSetup, &QAction::triggered, this, [this] { mnuPageSetup_Click(); });
  connect(mnuPrinterSetup, &QAction::triggered, this, [this] { mnuPrinterSetup_Click(); });
  connect(mnuContents, &QAction::triggered, this, [this] { mnuContents_Click(); });
  connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
  ConnectRecordHandlers();
  ConnectListariPane();
}

// ---- Load

void frmVelorast::Form_Load() {
  vscInput1->setMinimum(0);
  vscInput3->setMinimum(0);
  shell_.vscInput1.Min = shell_.vscInput3.Min = 0;
  ScrollStep1 = main_window::kScrollStep;
  ScrollStep3 = main_window::kScrollStep;
  SetCaptions();
  PositionPanes();
  rsPersoane = main_window::OpenRecords(main_window::kPersoane, QStringLiteral("SELECT * FROM Persoane"));
  rsMasini = main_window::OpenRecords(main_window::kMasini, QStringLiteral("SELECT * FROM Masini"));
  SetupListColumns();
  if (core::settings::UsesBD) ShowDatabaseControls();
}

void frmVelorast::SetCaptions() {
  setWindowTitle(kCaption);
  Label36->setText(QStringLiteral("M\r\no\r\nt\r\no\r\nr\r\nu\r\nl"));
}

void frmVelorast::PositionPanes() {
  for (TwipsBox* pane : {&shell_.picParent1, &shell_.picParent3, &shell_.picParent4}) {
    pane->Left = 39;
    pane->Top = 390;
  }
  ApplyShell();
}

void frmVelorast::SetupListColumns() {
  auto addColumns = [](platform::ListView* list, const QList<std::pair<QString, int>>& twips) {
    QList<std::pair<QString, int>> columns;
    for (const auto& [header, width] : twips) columns.append({header, platform::TwipsToPixels(width)});
    list->SetColumns(columns);
  };
  addColumns(lvwResult, {{QStringLiteral("Nume"), 1000},
                         {QStringLiteral("Ser"), 500},
                         {QStringLiteral("Nr"), 800},
                         {QStringLiteral("CNP"), 1500}});
  addColumns(lvwMasini, {{QStringLiteral("Nr Ident"), 1500},
                         {QStringLiteral("Categorie"), 800},
                         {QStringLiteral("Marca"), 1000},
                         {QStringLiteral("Tip"), 1000}});
}

void frmVelorast::ShowDatabaseControls() {
  for (QWidget* w : std::initializer_list<QWidget*>{fra1, fra2, cmdSave1, cmdClear1, cmdSave2, cmdClear2, cmdEdit1,
                                                    cmdEdit2, fra3, cmdSave3, cmdClear3, cmdEdit3})
    w->show();
}

// ---- Layout

void frmVelorast::ApplyShell() {
  Place(tabVelorast, shell_.tabVelorast);
  Place(picParent1, shell_.picParent1);
  Place(picParent3, shell_.picParent3);
  Place(picParent4, shell_.picParent4);
  Place(picInput1, shell_.picInput1);
  Place(picInput3, shell_.picInput3);
  Place(picTop, shell_.picTop);
  Place(picLeftMic, shell_.picLeftMic);
  Place(Grid, shell_.Grid);
  Place(fra1, shell_.fra1);
  Place(lvwResult, shell_.lvwResult);
  ShowPaneCaptions();
  picParent1->setVisible(shell_.picParent1Visible);
  picParent3->setVisible(shell_.picParent3Visible);
  picParent4->setVisible(shell_.picParent4Visible);
  for (auto [bar, state] : {std::pair{vscInput1, &shell_.vscInput1}, std::pair{vscInput3, &shell_.vscInput3}}) {
    Place(bar, state->place);
    bar->setRange(state->Min, state->Max);  // a value beyond the new end moves the content
    bar->setVisible(state->Visible);
    if (state->Visible) bar->update();
  }
}

void frmVelorast::Form_Resize() {
  for (const QWidget* w = this; w; w = w->parentWidget())
    if (w->isMinimized()) return;
  main_window::ResizeShell(shell_, platform::PixelsToTwips(width()), platform::PixelsToTwips(height()),
                           SelectedTab());
  ApplyShell();
}

void frmVelorast::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void frmVelorast::tabVelorast_Click() {
  main_window::ShowTab(shell_, SelectedTab());
  ApplyShell();
  if (SelectedTab() == 2) txtVerso[0]->setFocus();
}

void frmVelorast::vscInput1_Change() {
  shell_.picInput1.Top = -(vscInput1->value() * ScrollStep1);
  Place(picInput1, shell_.picInput1);
}

void frmVelorast::vscInput3_Change() {
  shell_.picInput3.Top = -(vscInput3->value() * ScrollStep3);
  Place(picInput3, shell_.picInput3);
}

// ---- The data boxes

void frmVelorast::FocusRule(QWidget* box, QWidget* content, TwipsBox& contentPlace, int paneHeight) {
  contentPlace.Top = main_window::ScrollIntoView(contentPlace.Top, PlaceOf(box), paneHeight);
  Place(content, contentPlace);
}

namespace {
void ApplyFocusColour(platform::TextBox* box) {
  if (core::settings::CuloareFocus.isEmpty()) return;
  if (const auto colour = core::FocusColour(core::settings::CuloareFocus)) box->SetBackColor(*colour);
}
}  // namespace

void frmVelorast::txtCamp_GotFocus(int Index) {
  FocusRule(txtCamp.at(Index), picInput1, shell_.picInput1, shell_.picParent1.Height);
  ApplyFocusColour(txtCamp.at(Index));
}

void frmVelorast::txtVerso_GotFocus(int Index) {
  FocusRule(txtVerso.at(Index), picInput3, shell_.picInput3, shell_.picParent3.Height);
  platform::SendSelectAll();
  ApplyFocusColour(txtVerso.at(Index));
}

void frmVelorast::txtCamp_LostFocus(int Index) { txtCamp.at(Index)->SetBackColor(Qt::white); }

// Leaving a CNP box with text in it writes the birth date that the CNP holds.
void frmVelorast::txtVerso_LostFocus(int Index) {
  platform::TextBox* box = txtVerso.at(Index);
  if (!box->text().isEmpty()) {
    if (Index == 4) txtVerso[7]->setText(core::DateFromCnp(txtVerso[4]->text()));
    if (Index == 26) txtVerso[27]->setText(core::DateFromCnp(txtVerso[26]->text()));
  }
  box->SetBackColor(Qt::white);
}

void frmVelorast::txtCamp_KeyDown(int, int KeyCode, Qt::KeyboardModifiers) {
  if (IsEnter(KeyCode)) platform::SendTab();
}

void frmVelorast::txtVerso_KeyDown(int, int KeyCode, Qt::KeyboardModifiers) {
  if (IsEnter(KeyCode)) platform::SendTab();
}

void frmVelorast::txtCriteriu_KeyDown(int KeyCode, Qt::KeyboardModifiers) {
  if (IsEnter(KeyCode)) cmdCauta->click();
}

void frmVelorast::txtCriteriu2_KeyDown(int KeyCode, Qt::KeyboardModifiers) {
  if (IsEnter(KeyCode)) cmdCauta2->click();
}

// ---- Menus

void frmVelorast::mnuEnd_Click() { platform::End(); }

// The dialogs are created on their first use and unload when they close, so each
// opening loads them afresh.
void frmVelorast::mnuPageSetup_Click() { platform::Forms::Get<core::frmSetPage>()->exec(); }

void frmVelorast::mnuPrinterSetup_Click() { platform::Forms::Get<core::frmPrinterSetup>()->exec(); }

void frmVelorast::mnuContents_Click() {
  core::frmHelp* help = platform::Forms::Get<core::frmHelp>();
  help->show();
  help->raise();
  help->activateWindow();
}

void frmVelorast::mnuAbout_Click() { platform::Forms::Get<core::frmAbout>()->exec(); }

// ---- Closing

void frmVelorast::Form_QueryUnload(bool& Cancel) {
  if (platform::MsgBox(kClosingQuestion, platform::vbYesNo + platform::vbQuestion) == platform::vbNo) Cancel = true;
}

void frmVelorast::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  Form_QueryUnload(cancel);
  if (cancel)
    event->ignore();
  else
    event->accept();
}
