#pragma once
// The main window: three tabs over the vehicle boxes ("Fisa fata"), the price, buyer
// and seller boxes ("Fisa Verso") and the documents with the report grid ("Listari").
// A maximised child of the MDI parent, created once through platform::Forms and unloaded
// only when the clerk closes it and answers Yes.
//
// The controls keep their given names and are public: the persons, vehicles, document
// and print handlers work on them. The documents read the boxes through core::CaseBoxes.

#include <QWidget>
#include <array>
#include <memory>

#include "core/CaseBoxes.h"
#include "core/MDIVelorast.h"
#include "main_window/DocumentButtons.h"
#include "main_window/ShellLayout.h"
#include "platform/ListView.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QAction;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace platform {
class CommandButton;
class MultiLineTextBox;
class PictureButton;
class Recordset;
class TextBox;
}  // namespace platform

namespace report_grid {
class ReportGridView;
}

namespace main_window {

// core::CaseBoxes answered by the window; a base of its own, since the window's control
// arrays carry the names of the interface's functions.
class CaseBoxesOfWindow : public core::CaseBoxes {
 public:
  QString txtCamp(int index) const final { return CampText(index); }
  QString txtVerso(int index) const final { return VersoText(index); }
  QString txtSpecificatii() const final { return SpecificatiiText(); }

 protected:
  virtual QString CampText(int index) const = 0;
  virtual QString VersoText(int index) const = 0;
  virtual QString SpecificatiiText() const = 0;
};

}  // namespace main_window

class frmVelorast : public QWidget, public main_window::CaseBoxesOfWindow, public core::MdiChildMenus {
  Q_OBJECT
 public:
  // Creates the controls, then loads the window (Form_Load), which raises
  // platform::RuntimeError when the record sets do not open.
  explicit frmVelorast(QWidget* parent = nullptr);
  ~frmVelorast() override;

  // The window, loaded on its first use, for the MDI parent. When the load fails the
  // program cannot work: the error is shown ("number description") and the program ends.
  // A database file that cannot be read (platform::DatabaseFileError) is passed on to the
  // start-up, which offers the choice of another folder.
  static frmVelorast* Load();

  // The window's caption.
  static inline const QString kCaption = QStringLiteral("Aplicatia Velorastulare si Radiere");
  static inline const QString kClosingQuestion =
      QStringLiteral("Sigur vreti sa iesiti din aceasta fereastra?");

  // ---- Form-level values
  std::unique_ptr<platform::Recordset> rsPersoane;
  std::unique_ptr<platform::Recordset> rsMasini;
  int ScrollStep1 = 0;
  int ScrollStep3 = 0;
  bool IsFisa = false;
  bool IsFisaFata = false;
  bool HasDocument = false;

  // ---- Controls on the window
  QTabWidget* tabVelorast = nullptr;
  QWidget* picParent1 = nullptr;
  QWidget* picParent3 = nullptr;
  QWidget* picParent4 = nullptr;
  QScrollBar* vscInput1 = nullptr;
  QScrollBar* vscInput3 = nullptr;

  // ---- "Fisa fata": the vehicle
  QWidget* picInput1 = nullptr;
  QLabel* Label79 = nullptr;  // "FISA FATA"
  QLabel* Label36 = nullptr;  // "Motorul", written downwards
  QPushButton* cmdClear3 = nullptr;
  QLabel* Image3 = nullptr;
  QLabel* Label72 = nullptr;  // "Specificatii"
  std::array<platform::TextBox*, core::kCampCount> txtCamp{};
  platform::MultiLineTextBox* txtSpecificatii = nullptr;
  QGroupBox* fra3 = nullptr;
  platform::TextBox* txtCriteriu2 = nullptr;
  QPushButton* cmdCauta2 = nullptr;
  platform::ListView* lvwMasini = nullptr;
  QPushButton* cmdSave3 = nullptr;
  QPushButton* cmdEdit3 = nullptr;
  QPushButton* cmdDelete2 = nullptr;

  // ---- "Fisa Verso": the price, the buyer and the seller
  QWidget* picInput3 = nullptr;
  QLabel* Label136 = nullptr;  // "CUMPARATOR"
  QLabel* Label102 = nullptr;  // "VANZATOR"
  std::array<platform::TextBox*, core::kVersoCount> txtVerso{};
  QPushButton* cmdClear1 = nullptr;
  QPushButton* cmdSave1 = nullptr;
  QPushButton* cmdEdit1 = nullptr;
  QPushButton* cmdClear2 = nullptr;
  QPushButton* cmdSave2 = nullptr;
  QPushButton* cmdEdit2 = nullptr;
  QGroupBox* fra1 = nullptr;
  QRadioButton* optCNP = nullptr;
  QRadioButton* optNume = nullptr;
  platform::TextBox* txtCriteriu = nullptr;
  QPushButton* cmdCauta = nullptr;
  platform::ListView* lvwResult = nullptr;
  QGroupBox* fra2 = nullptr;
  QRadioButton* optCumparator = nullptr;
  QRadioButton* optVanzator = nullptr;
  QPushButton* cmdDelete = nullptr;

  // ---- "Listari": the print bar, the document buttons and the grid
  QWidget* picTop = nullptr;
  platform::PictureButton* cmdPrint = nullptr;
  platform::PictureButton* cmdPrintPreview = nullptr;
  QCheckBox* chkPrintComplet = nullptr;
  QWidget* picLeftMic = nullptr;
  report_grid::ReportGridView* Grid = nullptr;
  platform::CommandButton* cmdFisaFata = nullptr;
  platform::CommandButton* cmdFisaVerso = nullptr;
  platform::CommandButton* cmdFisaComplet = nullptr;
  platform::CommandButton* cmdCV = nullptr;
  platform::CommandButton* cmdCertifRadiere = nullptr;
  platform::CommandButton* cmdCVCertifRadiere = nullptr;
  platform::CommandButton* cmdEvidenta = nullptr;
  platform::CommandButton* cmdVelorastulare = nullptr;
  platform::CommandButton* cmdAnexaAP1 = nullptr;
  platform::CommandButton* cmdCerereRadiere = nullptr;
  platform::CommandButton* cmdTranscriere = nullptr;
  platform::CommandButton* cmdPJF = nullptr;
  platform::CommandButton* cmdPJV = nullptr;
  platform::CommandButton* cmdFPF = nullptr;
  platform::CommandButton* cmdFPV = nullptr;
  platform::CommandButton* cmdCertifVelorast = nullptr;
  platform::CommandButton* cmdScoatereEvidenta = nullptr;
  platform::CommandButton* cmdFiscalPJ = nullptr;
  platform::CommandButton* cmdFiscalPF = nullptr;
  platform::CommandButton* cmdPierdere = nullptr;
  platform::CommandButton* cmdPF = nullptr;
  platform::CommandButton* cmdAnexa = nullptr;

  // ---- Menus: the MDI parent shows them while this window is its active child
  QList<QMenu*> ChildMenus() const override;
  QMenu* mnuMeniu = nullptr;
  QAction* mnuEnd = nullptr;
  QMenu* mnuSetari = nullptr;
  QAction* mnuPageSetup = nullptr;
  QAction* mnuPrinterSetup = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuContents = nullptr;
  QAction* mnuA1 = nullptr;
  QAction* mnuAbout = nullptr;

  // ---- The layout in twips, as Form_Resize and the scrolling leave it
  const main_window::ShellGeometry& Shell() const { return shell_; }
  int SelectedTab() const;  // 1..3

  // ---- Event handlers
  void Form_Resize();
  void Form_QueryUnload(bool& Cancel);
  void tabVelorast_Click();
  void vscInput1_Change();
  void vscInput3_Change();
  void txtCamp_GotFocus(int Index);
  void txtCamp_LostFocus(int Index);
  void txtCamp_KeyDown(int Index, int KeyCode, Qt::KeyboardModifiers Shift);
  void txtVerso_GotFocus(int Index);
  void txtVerso_LostFocus(int Index);
  void txtVerso_KeyDown(int Index, int KeyCode, Qt::KeyboardModifiers Shift);
  void txtCriteriu_KeyDown(int KeyCode, Qt::KeyboardModifiers Shift);
  void txtCriteriu2_KeyDown(int KeyCode, Qt::KeyboardModifiers Shift);
  void mnuEnd_Click();
  void mnuPageSetup_Click();
  void mnuPrinterSetup_Click();
  void mnuContents_Click();
  void mnuAbout_Click();

  // ---- Persons (PersonsSearch.cpp, PersonsEdit.cpp) and vehicles (Vehicles.cpp)
  void cmdCauta_Click();
  void lvwResult_Click();
  void lvwResult_KeyUp(int KeyCode, Qt::KeyboardModifiers Shift);
  void LoadPersoana();
  void cmdSave1_Click();
  void cmdSave2_Click();
  void cmdEdit1_Click();
  void cmdEdit2_Click();
  void cmdDelete_Click();
  void cmdClear1_Click();
  void cmdClear2_Click();
  void cmdCauta2_Click();
  void lvwMasini_Click();
  void lvwMasini_KeyUp(int KeyCode, Qt::KeyboardModifiers Shift);
  void LoadMasina();
  void cmdSave3_Click();
  void cmdEdit3_Click();
  void cmdDelete2_Click();
  void cmdClear3_Click();

  // ---- Document buttons (DocumentButtons.cpp)
  void cmdFisaFata_Click();
  void cmdFisaVerso_Click();
  void cmdFisaComplet_Click();
  void cmdCV_Click();
  void cmdCertifRadiere_Click();
  void cmdCVCertifRadiere_Click();
  void cmdEvidenta_Click();
  void cmdVelorastulare_Click();
  void cmdAnexaAP1_Click();
  void cmdCerereRadiere_Click();
  void cmdTranscriere_Click();
  void cmdPJF_Click();
  void cmdPJV_Click();
  void cmdFPF_Click();
  void cmdFPV_Click();
  void cmdCertifVelorast_Click();
  void cmdScoatereEvidenta_Click();
  void cmdFiscalPJ_Click();
  void cmdFiscalPF_Click();
  void cmdPierdere_Click();
  void cmdPF_Click();
  void cmdAnexa_Click();

  // ---- Print path (PrintPath.cpp)
  void cmdPrint_Click();
  void cmdPrintPreview_Click();
  // What Print and Preview do before printing: the printer, a sheet's printable cells,
  // the page (SetupPaginaGrid). False: a sheet's marking failed and was reported; there
  // is then no page set-up, and nothing may be printed or previewed.
  bool PreparePrint();
  void SetupPaginaGrid();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  QString CampText(int index) const override;
  QString VersoText(int index) const override;
  QString SpecificatiiText() const override;

 private:
  // Design: the controls as the window is created, before its load.
  void CreateWindowControls();
  void CreateFisaFataPane();
  void CreateFisaVersoPane();
  void CreateListariPane();
  void CreateMenus();
  void SetTabOrder();
  void ShowPaneCaptions();  // before a pane is shown: what it shows that no code reads
  void ConnectHandlers();
  void ConnectRecordHandlers();  // RecordControls.cpp

  // Form_Load and its steps.
  void Form_Load();
  void SetCaptions();
  void PositionPanes();
  void SetupListColumns();
  void ShowDatabaseControls();

  // The data boxes' shared rule on taking the focus.
  void FocusRule(QWidget* box, QWidget* content, main_window::TwipsBox& contentPlace, int paneHeight);
  void ApplyShell();

  // The document buttons and the print path.
  void ConnectListariPane();
  void SetDocumentFlags(const main_window::DocumentFlags& flags);
  void GridDocumentButton(const main_window::DocumentFlags& flags, main_window::GridLayout layout);
  void FormDocumentButton(const main_window::DocumentFlags& flags, main_window::FormLauncher open);
  bool PrintsComplete() const;  // chkPrintComplet ticked (1); unticked and greyed are not
  void ChoosePrinter();

  main_window::ShellGeometry shell_;
  bool versoCaptionsMade_ = false;
  bool listariHeadingsMade_ = false;
};
