// The fiscal-certificate request of a legal person: its fill from the seller, its page
// and its print.

#include "FormCases.h"
#include "FormFixture.h"
#include "FormPrintTest.h"
#include "document_forms/frmFiscalPJ.h"

using document_forms::frmFiscalPJ;

namespace {

class FiscalPJ : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmFiscalPJ>();
    FormFixture::TearDown();
  }
};

TEST_F(FiscalPJ, FillsTheFirmFromTheSellerAndTheDate) {
  const testsupport::FillCase cases[] = {
      {"every main-window box empty: only the date", {}, {{36, "07-03-2026"}}},
      {"a firm: its identification; the postal code never reaches txt(4)",
       {{"VanzatorNume", "SC ALFA SRL"}, {"VanzatorCodFiscal", "RO123456"}, {"VanzatorJudet", "Vuda"},
        {"VanzatorLocalitate", "Rovi-Dedevi"}, {"VanzatorStrada", "Florilor"}, {"VanzatorNumar", "3"},
        {"VanzatorBloc", "B2"}, {"VanzatorScara", "A"}, {"VanzatorApartament", "12"},
        {"VanzatorRegCom", "J40/1/2000"}, {"VanzatorCodPostal", "123456"}, {"VanzatorCNP", "1800101123456"},
        {"CumparatorNume", "CUMPARATOR"}},
       {{0, "SC ALFA SRL"}, {1, "RO123456"}, {2, "Vuda"}, {3, "Rovi-Dedevi"}, {6, "Florilor"}, {7, "3"},
        {8, "B2"}, {9, "A"}, {11, "12"}, {16, "J40/1/2000"}, {36, "07-03-2026"}}},
      {"a person without a fiscal code still fills the request",
       {{"VanzatorNume", "IONESCU ANA"}, {"VanzatorLocalitate", "Vuda"}, {"VanzatorStrada", "Lunga"}},
       {{0, "IONESCU ANA"}, {3, "Vuda"}, {6, "Lunga"}, {36, "07-03-2026"}}},
      {"blanks kept as typed, a fiscal code of one blank too",
       {{"VanzatorNume", " ALFA "}, {"VanzatorCodFiscal", " "}, {"VanzatorNumar", "3 "}},
       {{0, " ALFA "}, {1, " "}, {7, "3 "}, {36, "07-03-2026"}}},
  };
  ExpectFills<frmFiscalPJ>(cases);
}

TEST_F(FiscalPJ, ThePageHasItsBoxesButtonsAndTabOrder) {
  frmFiscalPJ* form = OpenForm<frmFiscalPJ>();
  EXPECT_EQ(form->BoxCount(), 37);
  EXPECT_EQ(form->Frame()->windowTitle(),
            QStringLiteral("Cerere pentru eliberarea certificatului de atestare fiscala persoane juridice "));
  EXPECT_EQ(form->Box(0)->Twips(), QRectF(3060, 3510, 5445, 285));
  EXPECT_EQ(form->Box(35)->Twips(), QRectF(1410, 9750, 9795, 285));
  EXPECT_EQ(form->Box(36)->Twips(), QRectF(2100, 12210, 1665, 285));
  EXPECT_EQ(form->cmdPrint(0)->Twips(), QRectF(960, 90, 975, 645));
  EXPECT_EQ(form->cmdExit(1)->Twips(), QRectF(2160, 14010, 975, 645));
  EXPECT_TRUE(form->BoxWidget(0)->hasFocus()) << "the first focus on txt(0)";
  // After the last box the bottom pair, then the top pair.
  form->BoxWidget(36)->setFocus();
  for (const QWidget* next : {form->cmdPrint(1)->Widget(), form->cmdExit(1)->Widget(), form->cmdPrint(0)->Widget(),
                              form->cmdExit(0)->Widget()}) {
    testsupport::PressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
}

// A line's first caption too: the work point's "judet" ends where the firm's does.
TEST_F(FiscalPJ, CaptionsStandDirectlyBeforeTheirBoxes) {
  testsupport::ExpectCaptionsBeforeTheirBoxes<frmFiscalPJ>(
      *this, {{"inregistrare", 840, 3300}, {"Subscrisa", 3510, 3060}, {"judet", 3870, 2970}, {"postal", 3870, 8970},
              {"comertului", 4980, 4470}, {"nr.", 4980, 6360}, {"lucru:", 5340, 3750}, {"judet", 5700, 2970},
              {"comertului", 6810, 4470}, {"prin", 7200, 3150}, {"judet", 7560, 8790}, {"e-mail", 8640, 3060},
              {"Seria,", 8640, 9360}, {"DATA", 12210, 2100}, {"nume", 12600, 8400}});
}

// A line of text alone begins at the form's left.
TEST_F(FiscalPJ, ALineOfTextBeginsAtTheLeft) {
  testsupport::ExpectLinesStartAt<frmFiscalPJ>(*this, {{"DATE", 2970, 1410}, {"solicit", 9390, 1410}});
}

TEST_F(FiscalPJ, PrintsOneA4PageWithItsLabelsAtTheirPlaces) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmFiscalPJ>(
      *this, {{"CERERE", 465, 1365}, {"D-le/D-na", 4500, 2460}, {"DATE", 1410, 2970}, {"solicit", 1410, 9390},
              {"institutiei", 1320, 10530}, {"urgenta.", 1320, 11520}});
}

}  // namespace
