// The certificate exchange request: its fill from the case, and its print.

#include "FormFixture.h"
#include "FormPrintTest.h"
#include "document_forms/frmCertifVelorast.h"

using document_forms::frmCertifVelorast;

namespace {

class CertifVelorast : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmCertifVelorast>();
    FormFixture::TearDown();
  }
};

TEST_F(CertifVelorast, FillsTheHolderTheVehicleTheRegistrationNumberAndTheDate) {
  const testsupport::FillCase cases[] = {
      {"every main-window box empty: only the date", {}, {{15, "07-03-2026"}}},
      {"a holder and a vehicle; the plate box is not read",
       {{"CumparatorNume", "POPESCU ION"}, {"CumparatorLocalitate", "CLUJ"}, {"CumparatorStrada", "Mare"},
        {"CumparatorNumar", "7"}, {"CumparatorApartament", "2"}, {"CumparatorCNP", "1800101123456"},
        {"Marca", "DACIA"}, {"NrIdentificare", "UU1"}, {"NrCarteIdentitate", "C12"}, {"Culoarea", "ROSU"},
        {"PrimaVelorastulare", "01.02.2003/CJ-01-ABC"}, {"NrVelorastulare", "B-99-ZZZ"},
        {"VanzatorNume", "IONESCU"}},
       {{0, "POPESCU ION"}, {1, "CLUJ"}, {2, "Mare"}, {3, "7"}, {4, "2"}, {5, "1800101123456"}, {6, "DACIA"},
        {7, "UU1"}, {8, "C12"}, {9, "ROSU"}, {10, "CJ-01-ABC"}, {15, "07-03-2026"}}},
      {"a first registration without a slash goes whole", {{"PrimaVelorastulare", "CJ-01-ABC"}},
       {{10, "CJ-01-ABC"}, {15, "07-03-2026"}}},
      {"one that ends in a slash leaves the box empty", {{"PrimaVelorastulare", "01.02.2003/"}},
       {{15, "07-03-2026"}}},
      {"two slashes: everything after the first", {{"PrimaVelorastulare", "a/b/c"}},
       {{10, "b/c"}, {15, "07-03-2026"}}},
      {"a fiscal code of blanks only counts as a person",
       {{"CumparatorCodFiscal", "  "}, {"CumparatorCNP", "2750202123456"}},
       {{5, "2750202123456"}, {15, "07-03-2026"}}},
      {"a firm's fiscal code with its blanks", {{"CumparatorCodFiscal", " RO12 "}, {"CumparatorCNP", "1"}},
       {{5, " RO12 "}, {15, "07-03-2026"}}},
      {"a tab is more than blanks: a firm", {{"CumparatorCodFiscal", "\t"}, {"CumparatorCNP", "1"}},
       {{5, "\t"}, {15, "07-03-2026"}}},
  };
  ExpectFills<frmCertifVelorast>(cases);
}

TEST_F(CertifVelorast, WhatTheClerkTypedIsGoneAfterClosingAndReopening) {
  frmCertifVelorast* form = OpenForm<frmCertifVelorast>();
  EXPECT_EQ(form->Frame()->windowTitle(), QStringLiteral("Cerere de preschimbare a certificatului de velorastulare "));
  form->SetText(11, QStringLiteral("VASILE"));
  CloseForm<frmCertifVelorast>();
  form = OpenForm<frmCertifVelorast>();
  EXPECT_EQ(form->Text(11), QString());
  EXPECT_EQ(form->Text(15), QStringLiteral("07-03-2026"));
}

TEST_F(CertifVelorast, PrintsThePageOnACupsQueueAtItsPlaces) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmCertifVelorast>(
      *this, {{"CERERE", 3405, 2835}, {"Subsemnatul", 2100, 5415}, {"Localitatea", 1380, 12180}, {"Legitimat", 1380, 9900},
              {"DATA", 1410, 12930}});
}

}  // namespace
