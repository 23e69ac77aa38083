// The fill of the one-page registration sheet: which box takes which case box, and the
// person texts composed by the sheet's shared rules (their cases are in
// tests/core/sheet_person_text_test.cpp).

#include <gtest/gtest.h>

#include "FormFixture.h"
#include "core/SheetPersonText.h"
#include "document_forms/frmFisa2Fill.h"

namespace {

using document_forms::BoxTexts;
using testsupport::TypedCase;

TEST(Fisa2Fill, EveryVehicleBoxTakesItsItem) {
  const struct { int box; const char* field; } copies[] = {
      {8, "NrVelorastulare"},     {13, "Categoria"},          {14, "Caroseria"},
      {15, "Marca"},              {16, "Tipul"},              {18, "NrIdentificare"},
      {19, "MasaProprie"},        {20, "MasaTotalaMax"},      {21, "SarcinaUtila"},
      {22, "SarcinaCarlig"},      {23, "AxaFata"},            {24, "AxaMijloc"},
      {25, "AxaSpate"},           {26, "RolaSenila"},         {27, "RemorcabilaCuFrana"},
      {28, "RemorcabilaFaraFrana"}, {29, "LocuriTotal"},      {30, "LocuriFata"},
      {31, "LocuriScaune"},       {32, "LocuriPicioare"},     {33, "Lungime"},
      {34, "Latime"},             {35, "Inaltime"},           {36, "ExpirareInspectie"},
      {37, "NrCarteIdentitate"},  {38, "MotorTip"},           {39, "MotorSerie"},
      {40, "Cilindree"},          {41, "PutereTuratie"},      {42, "SursaEnergie"},
      {43, "NrAxe"},              {44, "Tractiunea"},         {45, "AnvelopeFata"},
      {46, "AnvelopeFataSau"},    {47, "AnvelopeMijlocSpate"}, {48, "AnvelopeMijlocSpateSau"},
      {49, "ZgomotMers"},         {50, "ZgomotStationare"},   {51, "PresiuneOConducta"},
      {52, "PresiuneDouaConducte"}, {53, "VitezaMax"},        {54, "CapacitateRezervor"},
      {55, "Culoarea"},           {56, "PrimaVelorastulare"}, {58, "Specificatii"},
      {2, "CumparatorTata"},      {3, "CumparatorMama"},      {5, "CumparatorLocNasterii"},
  };
  TypedCase boxes;
  for (const auto& c : copies) boxes.Type(QString::fromLatin1(c.field), QString::fromLatin1(c.field));
  boxes.Type({{"NrOmologare", "B 13445"}, {"AnFabricatie", "2008"}});
  const BoxTexts texts = document_forms::FillFisa2(boxes);
  for (const auto& c : copies) {
    ASSERT_TRUE(texts.count(c.box)) << c.box;
    EXPECT_EQ(texts.at(c.box), QString::fromLatin1(c.field)) << c.box;
  }
  EXPECT_EQ(texts.at(17), "B 13445   2008");
  EXPECT_FALSE(texts.count(0));   // the card's system series and the inspection station
  EXPECT_FALSE(texts.count(57));  // are the clerk's
}

TEST(Fisa2Fill, EachPartyIsComposedFromItsOwnBoxes) {
  TypedCase boxes;
  boxes.Type({{"CumparatorNume", "POPESCU ION"}, {"CumparatorNrBI", "123456"},
                   {"CumparatorCodFiscal", " "},      {"CumparatorDataNasterii", "31.03.85"},
                   {"CumparatorRegCom", ""},          {"CumparatorCNP", "1850331460012"},
                   {"CumparatorStrada", "LUNGA"},     {"CumparatorLocalitate", "ARAD"},
                   {"VanzatorNume", ""},              {"VanzatorSerieBI", "AR"},
                   {"VanzatorDataNasterii", "15.08.72"}, {"VanzatorNumar", "7"}});
  const BoxTexts texts = document_forms::FillFisa2(boxes);
  EXPECT_EQ(texts.at(1), "POPESCU ION    123456");
  EXPECT_EQ(texts.at(4), "CUI:  ");  // a blank fiscal code counts as filled
  EXPECT_EQ(texts.at(6), "CNP: 1850331460012");
  EXPECT_EQ(texts.at(7), "str LUNGA, loc ARAD");
  EXPECT_EQ(texts.at(9), "\r\nAR");  // an empty name with a series begins with the break
  EXPECT_EQ(texts.at(10), "15.08.72");
  EXPECT_FALSE(texts.count(11));      // neither register number nor CNP: left untouched
  EXPECT_EQ(texts.at(12), "nr 7");   // nothing of the holder's address
  for (core::SheetParty party : {core::SheetParty::Buyer, core::SheetParty::Seller}) {
    const core::SheetPersonTexts composed = core::ComposeSheetPerson(boxes, party);
    const bool buyer = party == core::SheetParty::Buyer;
    EXPECT_EQ(texts.at(buyer ? 1 : 9), composed.nameWithIdCard);
    EXPECT_EQ(texts.at(buyer ? 7 : 12), composed.address);
  }
}

TEST(Fisa2Fill, AnEmptyCaseLeavesEveryBoxEmptyButTheApprovalLine) {
  const BoxTexts texts = document_forms::FillFisa2(TypedCase{});
  for (const auto& [box, text] : texts) EXPECT_EQ(text, box == 17 ? "   " : "") << box;
  EXPECT_FALSE(texts.count(6));
  EXPECT_FALSE(texts.count(11));
}

}  // namespace
