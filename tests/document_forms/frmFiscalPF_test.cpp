// The fiscal-certificate request of a natural person: its fill from the seller with the
// vehicles' address line, its odd tab order, its page and its print.

#include "FormCases.h"
#include "FormFixture.h"
#include "FormPrintTest.h"
#include "document_forms/frmFiscalPF.h"

using document_forms::frmFiscalPF;

namespace {

class FiscalPF : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmFiscalPF>();
    FormFixture::TearDown();
  }
};

TEST_F(FiscalPF, FillsThePersonTheAddressOfTheVehiclesAndTheDate) {
  const testsupport::FillCase cases[] = {
      {"every main-window box empty: C.I. and the date, the address line empty", {},
       {{8, "C.I."}, {12, "07-03-2026"}}},
      {"a person: name, domicile, identity card, CNP; the floor box stays empty",
       {{"VanzatorNume", "IONESCU ANA"}, {"VanzatorLocalitate", "Rovi-Dedevi"}, {"VanzatorStrada", "Florilor"},
        {"VanzatorNumar", "3"}, {"VanzatorApartament", "12"}, {"VanzatorJudet", "Vuda"},
        {"VanzatorSerieBI", "RX"}, {"VanzatorNrBI", "123456"}, {"VanzatorCNP", "2750202123456"},
        {"VanzatorCodPostal", "123456"}},
       {{0, "IONESCU ANA"}, {1, "Rovi-Dedevi"}, {2, "Florilor"}, {3, "3"}, {7, "12"}, {8, "C.I."}, {9, "RX"},
        {10, "123456"}, {11, "2750202123456"}, {12, "07-03-2026"},
        {13, "Rovi-Dedevi, str Florilor, nr 3, ap 12, jud Vuda"}}},
      {"block and staircase go to their boxes and the line",
       {{"VanzatorLocalitate", "L"}, {"VanzatorBloc", "B1"}, {"VanzatorScara", "2"}},
       {{1, "L"}, {4, "B1"}, {5, "2"}, {8, "C.I."}, {12, "07-03-2026"}, {13, "L, bl B1, sc 2"}}},
      {"an empty locality: the line starts with \", str \"", {{"VanzatorStrada", "Lunga"}},
       {{2, "Lunga"}, {8, "C.I."}, {12, "07-03-2026"}, {13, ", str Lunga"}}},
      {"a seller firm fills the person's boxes all the same; blanks kept",
       {{"VanzatorNume", " ALFA SRL "}, {"VanzatorCodFiscal", "RO1"}, {"VanzatorNumar", " "}},
       {{0, " ALFA SRL "}, {3, " "}, {8, "C.I."}, {12, "07-03-2026"}, {13, ", nr  "}}},
  };
  ExpectFills<frmFiscalPF>(cases);
}

TEST_F(FiscalPF, TheButtonsComeInTheMiddleOfTheTabOrder) {
  frmFiscalPF* form = OpenForm<frmFiscalPF>();
  ASSERT_TRUE(form->BoxWidget(0)->hasFocus());
  form->BoxWidget(12)->setFocus();
  testsupport::PressKey(Qt::Key_Return);  // Enter moves on as Tab does
  EXPECT_TRUE(form->cmdPrint(0)->Widget()->hasFocus());
  const QWidget* expected[] = {form->cmdExit(0)->Widget(), form->cmdPrint(1)->Widget(), form->cmdExit(1)->Widget(),
                               form->BoxWidget(13),        form->BoxWidget(16),         form->BoxWidget(14),
                               form->BoxWidget(15)};
  for (const QWidget* next : expected) {
    testsupport::PressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
}

TEST_F(FiscalPF, ThePageHasItsBoxes) {
  frmFiscalPF* form = OpenForm<frmFiscalPF>();
  EXPECT_EQ(form->BoxCount(), 17);
  EXPECT_EQ(form->Frame()->windowTitle(),
            QStringLiteral("Cerere pentru eliberarea certificatului de atestare fiscala persoane fizice "));
  EXPECT_EQ(form->Box(12)->Twips(), QRectF(9150, 11940, 1665, 285));
  EXPECT_EQ(form->Box(13)->Twips(), QRectF(1320, 8220, 9525, 285));
  EXPECT_EQ(form->Box(14)->Twips(), QRectF(1320, 8820, 9525, 225));
  EXPECT_EQ(form->Box(15)->Twips(), QRectF(1320, 8550, 9525, 225));
  EXPECT_EQ(form->cmdPrint(0)->Twips(), QRectF(690, 120, 975, 645));
}

// A line's first caption too.
TEST_F(FiscalPF, CaptionsStandDirectlyBeforeTheirBoxes) {
  testsupport::ExpectCaptionsBeforeTheirBoxes<frmFiscalPF>(
      *this, {{"(a)", 4530, 3690}, {"localitatea", 4530, 8880}, {"Str.", 4890, 1860}, {"act", 5250, 8580},
              {"Seria,", 5610, 4320}, {"Nr.", 5610, 5580}, {"CNP", 5610, 8640}, {"3)", 6300, 3300},
              {"Semnatura,", 11910, 2640}});
}

// A line of text alone begins at the form's left.
TEST_F(FiscalPF, ALineOfTextBeginsAtTheLeft) {
  testsupport::ExpectLinesStartAt<frmFiscalPF>(
      *this, {{"solicit", 5970, 1320}, {"-pentru", 6630, 1320}, {"fiindu-mi", 9120, 1320}});
}

TEST_F(FiscalPF, PrintsOneA4PageWithItsLabelsAtTheirPlaces) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmFiscalPF>(
      *this, {{"CERERE", 465, 2835}, {"solicit", 1320, 5970}, {"-pentru", 1320, 6630}, {"fiindu-mi", 1320, 9120},
              {"2)", 1320, 13050}, {"3)Daca", 1320, 13320}});
}

}  // namespace
