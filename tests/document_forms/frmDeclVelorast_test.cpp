// The registration declaration: its page, its fill from the case, and its print.

#include <QFontInfo>
#include <QLineEdit>

#include "FormFixture.h"
#include "FormPrintTest.h"
#include "core/Fonts.h"
#include "document_forms/frmDeclVelorast.h"

using document_forms::frmDeclVelorast;

namespace {

class DeclVelorast : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmDeclVelorast>();
    FormFixture::TearDown();
  }
};

TEST_F(DeclVelorast, FillsTheBuyerTheSellerTheVehicleAndTheDate) {
  const testsupport::FillCase cases[] = {
      {"every main-window box empty: a single blank for the seller's card, and the date", {},
       {{7, " "}, {18, "07-03-2026"}}},
      {"a natural buyer and seller",
       {{"CumparatorNume", "POPESCU ION"}, {"CumparatorLocalitate", "BUCURESTI"}, {"CumparatorStrada", "Lunga"},
        {"CumparatorNumar", "12"}, {"CumparatorApartament", "3"}, {"CumparatorCNP", "1800101123456"},
        {"CumparatorBloc", "B1"}, {"VanzatorNume", "IONESCU ANA"}, {"VanzatorSerieBI", "RX"},
        {"VanzatorNrBI", "123456"}, {"VanzatorCNP", "2750202123456"}, {"Marca", "DACIA"},
        {"NrIdentificare", "UU1SDF"}, {"NrCarteIdentitate", "C123"}, {"Culoarea", "ALB"},
        {"NrVelorastulare", "B-01-XYZ"}},
       {{0, "POPESCU ION"}, {1, "BUCURESTI"}, {2, "Lunga"}, {3, "12"}, {4, "3"}, {5, "1800101123456"},
        {6, "IONESCU ANA"}, {7, "RX 123456"}, {8, "2750202123456"}, {9, "DACIA"}, {10, "UU1SDF"},
        {11, "C123"}, {12, "ALB"}, {18, "07-03-2026"}}},
      {"a buyer whose fiscal code holds only blanks counts as a person",
       {{"CumparatorCodFiscal", "   "}, {"CumparatorCNP", "1800101123456"}},
       {{5, "1800101123456"}, {7, " "}, {18, "07-03-2026"}}},
      {"a buyer firm: its fiscal code with its blanks as typed",
       {{"CumparatorCodFiscal", " RO123 "}, {"CumparatorCNP", "1800101123456"}},
       {{5, " RO123 "}, {7, " "}, {18, "07-03-2026"}}},
      {"a seller firm: its fiscal code, the CNP box empty",
       {{"VanzatorCodFiscal", "RO999"}, {"VanzatorSerieBI", "RX"}, {"VanzatorNrBI", "1"},
        {"VanzatorCNP", "2750202123456"}},
       {{7, "RO999"}, {18, "07-03-2026"}}},
      {"a seller with only a series", {{"VanzatorSerieBI", "RX"}}, {{7, "RX "}, {18, "07-03-2026"}}},
  };
  ExpectFills<frmDeclVelorast>(cases);
}

TEST_F(DeclVelorast, TheBoxesTakeOnlyTheFaceOfTheDocumentFont) {
  QFont drav(QStringLiteral("Arial"));
  drav.setPointSizeF(20);
  drav.setBold(true);
  core::fonts::FontDrav = drav;
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  for (int i = 0; i < form->BoxCount(); ++i) {
    const QFont f = form->BoxWidget(i)->font();
    EXPECT_EQ(f.family(), QStringLiteral("Arial")) << i;
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 12) << i;
    EXPECT_FALSE(f.bold()) << i;
  }
  core::fonts::FontDrav = QFont();
}

TEST_F(DeclVelorast, WhatTheClerkTypedIsGoneAfterClosingAndReopening) {
  case_.Type({{"CumparatorNume", "POPESCU"}});
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  form->SetText(13, QStringLiteral("VASILE"));
  form->SetText(0, QStringLiteral("ALTUL"));
  form->Find<platform::FormCheckBox>("Check2")->SetValue(1);
  CloseForm<frmDeclVelorast>();
  case_.Type({{"CumparatorNume", "POPESCU ION"}});
  form = OpenForm<frmDeclVelorast>();
  EXPECT_EQ(form->Text(13), QString());
  EXPECT_EQ(form->Text(0), QStringLiteral("POPESCU ION"));
  EXPECT_EQ(form->Find<platform::FormCheckBox>("Check2")->Value(), 0);
}

TEST_F(DeclVelorast, ThePageHasItsGivenTextsAndPlaces) {
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  EXPECT_EQ(form->BoxCount(), 19);
  struct Place {
    int box;
    double left, top, width;
  };
  for (const Place& p : {Place{0, 3600, 5430, 2775}, Place{5, 8340, 5760, 2415}, Place{18, 2760, 12930, 1665}}) {
    const QRectF r = form->Box(p.box)->Twips();
    EXPECT_EQ(r, QRectF(p.left, p.top, p.width, 285)) << p.box;
  }
  const auto* check3 = form->Find<platform::FormCheckBox>("Check3");
  EXPECT_EQ(check3->Twips(), QRectF(8880, 7080, 585, 285));
  const auto* footer = form->Find<platform::FormLabel>("lblFooter");
  ASSERT_NE(footer, nullptr);
  EXPECT_EQ(footer->Caption(),
            QStringLiteral("Act generat de aplicatia DRAVENCO-VELORASTULARE (office@velorast.example)"));
  EXPECT_EQ(footer->Twips(), QRectF(1320, 15450, 9135, 225));
  EXPECT_EQ(form->cmdPrint(1)->Twips(), QRectF(1080, 13770, 975, 645));
}

TEST_F(DeclVelorast, PrintsThePageOnACupsQueueAtItsPlaces) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmDeclVelorast>(
      *this, {{"DECLARATIE", 3402, 2835}, {"Subsemnatul", 2100, 5415}, {"mostenire", 7530, 7080},
              {"Semnatura,", 7260, 12900}, {"Localitatea", 1380, 12180}});
}

TEST_F(DeclVelorast, APrinterThatRefusesTheJobIsReportedAndTheFormStaysOpen) {
  testsupport::ExpectRefusedPrintKeepsTheForm<frmDeclVelorast>(*this);
}

}  // namespace
