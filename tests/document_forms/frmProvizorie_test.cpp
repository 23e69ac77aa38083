// The provisional authorisation request: its fill from the case, and its print.

#include "FormFixture.h"
#include "FormPrintTest.h"
#include "core/Fonts.h"
#include "document_forms/frmProvizorie.h"

using document_forms::frmProvizorie;

namespace {

class Provizorie : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmProvizorie>();
    FormFixture::TearDown();
  }
};

TEST_F(Provizorie, FillsTheHolderTheVehicleTheSellerAndTwoDates) {
  const testsupport::FillCase cases[] = {
      {"every main-window box empty: only the two dates", {}, {{0, "07-03-2026"}, {18, "07-03-2026"}}},
      {"a whole case: the county, not the sector; the seller's name alone; no staircase, no plate",
       {{"CumparatorNume", "POPESCU ION"}, {"CumparatorLocalitate", "IASI"}, {"CumparatorStrada", "Lunga"},
        {"CumparatorNumar", "3"}, {"CumparatorBloc", "B2"}, {"CumparatorScara", "C"},
        {"CumparatorApartament", "14"}, {"CumparatorJudet", "IASI JUD"}, {"Marca", "FORD"},
        {"NrIdentificare", "WF0XXX"}, {"Culoarea", "GRI"}, {"AnFabricatie", "2004"},
        {"VanzatorNume", "IONESCU ANA"}, {"VanzatorLocalitate", "VASLUI"}, {"NrVelorastulare", "IS-01-AAA"}},
       {{0, "07-03-2026"}, {1, "POPESCU ION"}, {2, "IASI"}, {3, "Lunga"}, {4, "3"}, {5, "B2"}, {6, "14"},
        {8, "IASI JUD"}, {9, "FORD"}, {10, "WF0XXX"}, {11, "GRI"}, {12, "2004"}, {15, "IONESCU ANA"},
        {18, "07-03-2026"}}},
  };
  ExpectFills<frmProvizorie>(cases);
}

TEST_F(Provizorie, TheBoxesShowInTheDocumentFontsFaceAtThePagesSize) {
  QFont drav(QStringLiteral("Times New Roman"));
  drav.setPointSizeF(16);
  core::fonts::FontDrav = drav;
  frmProvizorie* form = OpenForm<frmProvizorie>();
  EXPECT_EQ(form->BoxWidget(3)->font().family(), QStringLiteral("Times New Roman"));
  EXPECT_DOUBLE_EQ(form->BoxWidget(3)->font().pointSizeF(), 9.75);
  core::fonts::FontDrav = QFont();
  // The first box to take the focus is txt(0), and Tab goes on by index.
  EXPECT_TRUE(form->BoxWidget(0)->hasFocus());
  EXPECT_EQ(platform::NextInTabOrder(form->BoxWidget(17)), form->BoxWidget(18));
  EXPECT_EQ(platform::NextInTabOrder(form->BoxWidget(18)), form->cmdPrint(0));
}

TEST_F(Provizorie, WhatTheClerkTypedIsGoneAfterClosingAndReopening) {
  frmProvizorie* form = OpenForm<frmProvizorie>();
  form->SetText(14, QStringLiteral("cumparare"));
  CloseForm<frmProvizorie>();
  form = OpenForm<frmProvizorie>();
  EXPECT_EQ(form->Text(14), QString());
}

TEST_F(Provizorie, PrintsThePageOnACupsQueueAtItsPlaces) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmProvizorie>(
      *this, {{"Anexa", 1410, 2205}, {"Domnule", 4995, 5160}, {"Subsemnatul(a)", 2040, 6520},
              {"SEMNATURA", 7380, 14970}, {"Anexez", 2160, 11580}});
}

}  // namespace
