// The transcription declaration: its fill from the case, and its print.

#include "FormFixture.h"
#include "FormPrintTest.h"
#include "document_forms/frmDeclTranscriere.h"

using document_forms::frmDeclTranscriere;

namespace {

class DeclTranscriere : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmDeclTranscriere>();
    FormFixture::TearDown();
  }
};

TEST_F(DeclTranscriere, FillsBothHoldersThePlateTheVehicleAndTheDate) {
  const testsupport::FillCase cases[] = {
      {"every main-window box empty: only the date", {}, {{24, "07-03-2026"}}},
      {"a whole case: counties, not sectors; no postal codes, cards or CNPs",
       {{"CumparatorNume", "POPESCU ION"}, {"CumparatorLocalitate", "IASI"}, {"CumparatorStrada", "Lunga"},
        {"CumparatorNumar", "3"}, {"CumparatorBloc", "B2"}, {"CumparatorScara", "C"},
        {"CumparatorApartament", "14"}, {"CumparatorJudet", "IASI JUD"}, {"CumparatorCodPostal", "700000"},
        {"CumparatorCNP", "1800101123456"}, {"NrVelorastulare", "IS-01-AAA"}, {"Marca", "FORD"},
        {"NrIdentificare", "WF0XXX"}, {"Culoarea", "GRI"}, {"AnFabricatie", "2004"},
        {"VanzatorNume", "IONESCU ANA"}, {"VanzatorLocalitate", "VASLUI"}, {"VanzatorStrada", "Scurta"},
        {"VanzatorNumar", "9"}, {"VanzatorBloc", "A1"}, {"VanzatorScara", "2"}, {"VanzatorApartament", "5"},
        {"VanzatorJudet", "VS"}, {"VanzatorCodPostal", "730000"}, {"VanzatorSerieBI", "VS"},
        {"VanzatorCNP", "2750202123456"}},
       {{0, "POPESCU ION"}, {1, "IASI"}, {2, "Lunga"}, {3, "3"}, {4, "B2"}, {5, "C"}, {6, "14"}, {8, "IASI JUD"},
        {9, "IS-01-AAA"}, {10, "FORD"}, {11, "WF0XXX"}, {12, "GRI"}, {13, "2004"}, {14, "IONESCU ANA"},
        {15, "VASLUI"}, {16, "Scurta"}, {17, "9"}, {18, "A1"}, {19, "2"}, {20, "5"}, {21, "VS"},
        {24, "07-03-2026"}}},
  };
  ExpectFills<frmDeclTranscriere>(cases);
}

TEST_F(DeclTranscriere, WhatTheClerkTypedIsGoneAfterClosingAndReopening) {
  frmDeclTranscriere* form = OpenForm<frmDeclTranscriere>();
  form->SetText(22, QStringLiteral("mentiune"));
  CloseForm<frmDeclTranscriere>();
  form = OpenForm<frmDeclTranscriere>();
  EXPECT_EQ(form->Text(22), QString());
}

TEST_F(DeclTranscriere, PrintsThePageOnACupsQueueAtItsPlaces) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmDeclTranscriere>(
      *this, {{"Anexă", 2430, 2890}, {"Domnule", 4819, 4536}, {"Subsemnatul(a)", 2220, 5790},
              {"Anexez,", 2070, 11730}, {"SEMNATURA", 7185, 13980}});
}

}  // namespace
