// The document buttons: the three flags each button sets, the sheet front laid complete
// or data-only by the check box, buttons whose documents come later, and an error inside
// a layout shown without losing the case.

#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

#include "ListariFixture.h"
#include "document_forms/frmAnexa.h"
#include "document_forms/frmCerRadiere.h"
#include "document_forms/frmCertifVelorast.h"
#include "document_forms/frmDeclScoatEvid.h"
#include "document_forms/frmDeclTranscriere.h"
#include "document_forms/frmDeclVelorast.h"
#include "document_forms/frmFisa2.h"
#include "document_forms/frmImpuneF.h"
#include "document_forms/frmFiscalPF.h"
#include "document_forms/frmFiscalPJ.h"
#include "document_forms/frmProvizorie.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "report_grid/Printing.h"

namespace {

const Flags kStart{false, false, false};

// Closes the annex editor, which its button shows modally, as soon as it runs.
void CloseAnexaWhenShown() {
  QTimer::singleShot(0, [] {
    if (auto* anexa = platform::Forms::IfLoaded<document_forms::frmAnexa>()) anexa->close();
  });
}

}  // namespace

TEST_F(ListariPane, EachButtonSetsTheFlagsOfItsDocument) {
  EXPECT_EQ(FlagsNow(), kStart);
  platform::MessageBoxScript messages;  // the contract's form tells that its paper's picture is missing here
  struct Step {
    const char* name;
    platform::CommandButton* frmVelorast::*button;
    bool contractInGrid;
    Flags after;
  };
  const Step steps[] = {
      {"Certif Velorast first: nothing", &frmVelorast::cmdCertifVelorast, false, kStart},
      {"Fisa Fata", &frmVelorast::cmdFisaFata, false, {true, true, true}},
      {"Fisa Verso", &frmVelorast::cmdFisaVerso, false, {true, true, false}},
      {"Fisa Fata again", &frmVelorast::cmdFisaFata, false, {true, true, true}},
      {"Certif Velorast", &frmVelorast::cmdCertifVelorast, false, {true, true, true}},
      {"Scoatere Evidenta", &frmVelorast::cmdScoatereEvidenta, false, {true, true, true}},
      {"Fiscal PJ", &frmVelorast::cmdFiscalPJ, false, {true, true, true}},
      {"Fiscal PF", &frmVelorast::cmdFiscalPF, false, {true, true, true}},
      {"Impunere PF (empty handler)", &frmVelorast::cmdPF, false, {true, true, true}},
      {"Anexa la Contract", &frmVelorast::cmdAnexa, false, {true, true, true}},
      {"Vanzare-Cumparare: the front stays IsFisaFata", &frmVelorast::cmdCV, false, {true, false, true}},
      {"Fisa Verso", &frmVelorast::cmdFisaVerso, false, {true, true, false}},
      {"Certificat radiere", &frmVelorast::cmdCertifRadiere, false, {true, false, false}},
      {"Fisa Fata", &frmVelorast::cmdFisaFata, false, {true, true, true}},
      {"CV + Certificat, as a form", &frmVelorast::cmdCVCertifRadiere, false, {true, false, true}},
      {"Fisa Fata", &frmVelorast::cmdFisaFata, false, {true, true, true}},
      {"CV + Certificat, in the grid", &frmVelorast::cmdCVCertifRadiere, true, {true, false, true}},
  };
  for (const Step& s : steps) {
    core::settings::ContractInGrid = s.contractInGrid;
    if (s.button == &frmVelorast::cmdAnexa) CloseAnexaWhenShown();
    (w->*s.button)->click();
    EXPECT_EQ(FlagsNow(), s.after) << s.name;
  }

  // Every form button but the four above records another document.
  for (auto button : {&frmVelorast::cmdFisaComplet, &frmVelorast::cmdEvidenta, &frmVelorast::cmdVelorastulare,
                      &frmVelorast::cmdAnexaAP1, &frmVelorast::cmdCerereRadiere, &frmVelorast::cmdTranscriere,
                      &frmVelorast::cmdPJF, &frmVelorast::cmdPJV, &frmVelorast::cmdFPF, &frmVelorast::cmdFPV,
                      &frmVelorast::cmdPierdere}) {
    w->cmdFisaVerso->click();
    (w->*button)->click();
    EXPECT_EQ(FlagsNow(), (Flags{true, false, false})) << (w->*button)->objectName().toStdString();
  }
}

// A form button hides the main window and opens its form filled from the boxes; the
// form's closing brings the main window back.
TEST_F(ListariPane, FormButtonsOpenTheirFormsOverTheHiddenMainWindow) {
  struct Case {
    platform::CommandButton* frmVelorast::*button;
    std::function<document_forms::DocumentForm*()> loaded;
    int buyerBox;
  };
  const Case cases[] = {
      {&frmVelorast::cmdVelorastulare, [] { return platform::Forms::IfLoaded<document_forms::frmDeclVelorast>(); }, 0},
      {&frmVelorast::cmdCertifVelorast, [] { return platform::Forms::IfLoaded<document_forms::frmCertifVelorast>(); }, 0},
      {&frmVelorast::cmdAnexaAP1, [] { return platform::Forms::IfLoaded<document_forms::frmProvizorie>(); }, 1},
      {&frmVelorast::cmdTranscriere, [] { return platform::Forms::IfLoaded<document_forms::frmDeclTranscriere>(); }, 0},
      {&frmVelorast::cmdFisaComplet, [] { return platform::Forms::IfLoaded<document_forms::frmFisa2>(); }, 1},
      {&frmVelorast::cmdPJF, [] { return platform::Forms::IfLoaded<document_forms::frmImpuneF>(); }, 0},
  };
  for (const Case& c : cases) {
    w->txtVerso[1]->setText(QStringLiteral("POPESCU ION"));
    (w->*c.button)->click();
    QApplication::processEvents();
    const QString name = (w->*c.button)->objectName();
    EXPECT_FALSE(w->isVisible()) << name.toStdString();
    document_forms::DocumentForm* form = c.loaded();
    ASSERT_NE(form, nullptr) << name.toStdString();
    EXPECT_FALSE(form->isHidden());
    EXPECT_EQ(form->Text(c.buyerBox), QStringLiteral("POPESCU ION")) << name.toStdString();
    EXPECT_DOUBLE_EQ(form->Left(), 10);
    EXPECT_DOUBLE_EQ(form->Top(), 0);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w->isVisible()) << name.toStdString();
    EXPECT_EQ(c.loaded(), nullptr);
  }
}

// The fiscal and police forms open from their buttons over the hidden main window,
// filled from the seller; closing them brings the main window back.
TEST_F(ListariPane, TheFiscalAndPoliceFormButtonsOpenTheirFormsFromTheSeller) {
  struct Case {
    platform::CommandButton* frmVelorast::*button;
    std::function<document_forms::DocumentForm*()> loaded;
    int sellerBox;  // the form's box of VanzatorNume
  };
  const Case cases[] = {
      {&frmVelorast::cmdFiscalPJ, [] { return platform::Forms::IfLoaded<document_forms::frmFiscalPJ>(); }, 0},
      {&frmVelorast::cmdFiscalPF, [] { return platform::Forms::IfLoaded<document_forms::frmFiscalPF>(); }, 0},
      {&frmVelorast::cmdScoatereEvidenta,
       [] { return platform::Forms::IfLoaded<document_forms::frmDeclScoatEvid>(); }, 0},
      {&frmVelorast::cmdCerereRadiere, [] { return platform::Forms::IfLoaded<document_forms::frmCerRadiere>(); }, 1},
  };
  for (const Case& c : cases) {
    w->txtVerso[23]->setText(QStringLiteral("IONESCU ANA"));
    (w->*c.button)->click();
    QApplication::processEvents();
    const std::string name = (w->*c.button)->objectName().toStdString();
    EXPECT_FALSE(w->isVisible()) << name;
    document_forms::DocumentForm* form = c.loaded();
    ASSERT_NE(form, nullptr) << name;
    EXPECT_EQ(form->Text(c.sellerBox), QStringLiteral("IONESCU ANA")) << name;
    EXPECT_DOUBLE_EQ(form->Left(), 10) << name;
    EXPECT_DOUBLE_EQ(form->Top(), 0) << name;
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w->isVisible()) << name;
  }
}

TEST_F(ListariPane, FisaFataLaysTheCompleteSheetOnlyWhenTheBoxIsTicked) {
  FillVehicle();
  struct Case {
    Qt::CheckState state;
    bool complete;
  };
  for (const Case& c : {Case{Qt::Checked, true}, Case{Qt::Unchecked, false}, Case{Qt::PartiallyChecked, false},
                        Case{Qt::Checked, true}}) {
    SCOPED_TRACE(c.state);
    SetComplete(c.state);
    w->cmdFisaFata->click();
    EXPECT_EQ(Grid().Rows(), 37);
    EXPECT_EQ(Grid().RowHeight(3), c.complete ? 16 : 12);
    EXPECT_EQ(Grid().Cell(35, 1).Text(), c.complete ? "ATENTIE!" : "");
    EXPECT_EQ(Grid().Cell(4, 4).Text(), "C0");
    EXPECT_EQ(Grid().Cell(8, 7).Text(), "C4   C44");
    EXPECT_EQ(Grid().Cell(34, 2).Text(), "Spec");
    EXPECT_TRUE(Grid().Redraw());
  }
  // Laid again from the boxes as they are now.
  w->txtCamp[2]->setText("Dacia");
  w->cmdFisaFata->click();
  EXPECT_EQ(Grid().Cell(6, 4).Text(), "Dacia");
}

// The hidden button that has no document leaves the grid and the window as they were.
TEST_F(ListariPane, TheButtonWithoutADocumentLeavesTheGridAndTheWindowAsTheyWere) {
  FillVehicle();
  w->cmdFisaFata->click();
  const report_grid::CellState before = Grid().State(4, 4);
  w->cmdPF->click();
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Grid().Rows(), 37);
  EXPECT_EQ(Grid().State(4, 4).text, before.text);
}

// The hidden button "Anexa la Contract" shows the annex editor modally over the main
// window, which stays visible, and leaves the grid as it was.
TEST_F(ListariPane, AnexaIsShownModallyOverTheVisibleMainWindow) {
  FillVehicle();
  w->cmdFisaFata->click();
  const report_grid::CellState before = Grid().State(4, 4);
  bool shownModally = false, mainVisible = false;
  QTimer::singleShot(0, [&] {
    auto* anexa = platform::Forms::IfLoaded<document_forms::frmAnexa>();
    shownModally = anexa && anexa->isVisible() && anexa->isModal();
    mainVisible = w->isVisible();
    if (anexa) anexa->close();
  });
  w->cmdAnexa->click();
  EXPECT_TRUE(shownModally);
  EXPECT_TRUE(mainVisible);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Grid().State(4, 4).text, before.text);
}

TEST_F(ListariPane, AnErrorInsideALayoutIsShownAndTheCaseIsKept) {
  FillVehicle();
  w->txtVerso[1]->setText("Popescu Ion");
  QFont pixels(QStringLiteral("Arial"));
  pixels.setPixelSize(12);  // a font without a size in points: the grid refuses it in the fill
  core::fonts::FontFisa = pixels;
  SetComplete(Qt::Checked);
  platform::MessageBoxScript script;
  w->cmdFisaFata->click();

  ASSERT_EQ(script.Shown().size(), 1);
  EXPECT_TRUE(script.Shown()[0].prompt.startsWith("5 Argument nepermis: marimea fontului -1"))
      << script.Shown()[0].prompt.toStdString();
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(Grid().Redraw());  // the grid repaints with what was laid
  EXPECT_EQ(Grid().Cell(1, 1).Text(), "FISA DE VELORASTULARE");
  EXPECT_EQ(FlagsNow(), (Flags{true, true, true}));  // as the button set them
  EXPECT_EQ(w->txtCamp[0]->text(), "C0");           // the boxes keep their texts
  EXPECT_EQ(w->txtVerso[1]->text(), "Popescu Ion");
  EXPECT_EQ(w->txtSpecificatii->toPlainText(), "Spec");

  // Preview then shows the sheet as far as it was laid.
  report_grid::PreviewScript preview;
  w->cmdPrintPreview->click();
  EXPECT_EQ(preview.Shown().size(), 1);
}
