// What frmCVRad's fill writes: each party by its trade-register box, the date as the
// official paper wants it, and every copy into its box.

#include <gtest/gtest.h>

#include <map>

#include "BoxTexts.h"
#include "FormFixture.h"
#include "document_forms/frmCVRadFill.h"

using document_forms::BoxText;
using document_forms::CVRadDate;
using document_forms::CVRadFill;
using document_forms::CVRadPartyFill;
using testsupport::TypedCase;

using testsupport::AsMap;

namespace {

TEST(CVRadDate, DayAndMonthAsPlainNumbersJoinedByBlankDashBlank) {
  const std::pair<QDate, const char*> cases[] = {
      {QDate(2025, 1, 1), "1 - 1 - 2025"},
      {QDate(2024, 12, 25), "25 - 12 - 2024"},
      {QDate(2024, 3, 7), "7 - 3 - 2024"},
  };
  for (const auto& [date, text] : cases) EXPECT_EQ(CVRadDate(date), QString::fromLatin1(text));
}

struct PartyCase {
  const char* what;
  const char* regCom;
  const char* codFiscal;
  std::map<int, QString> seller;  // what the seller's rule writes
};

TEST(CVRadParty, ThePartyIsAFirmWhenItsRegisterBoxHoldsAnyText) {
  const PartyCase cases[] = {
      {"empty register number: a natural person", "", "RO123",
       {{72, "X"}, {0, "POPESCU ION"}, {1, "RT"}, {2, "123456"}}},
      {"a register number: a firm, register and fiscal code run together", "J12/345/2001", "RO123",
       {{73, "X"}, {3, "POPESCU ION"}, {4, "J12/345/2001CUI: RO123"}}},
      {"blanks only count as a register number", "  ", "",
       {{73, "X"}, {3, "POPESCU ION"}, {4, "  CUI: "}}},
      {"a firm without a fiscal code", "J40/1/2000", "", {{73, "X"}, {3, "POPESCU ION"}, {4, "J40/1/2000CUI: "}}},
  };
  for (const PartyCase& c : cases) {
    TypedCase seller, buyer;
    seller.Type({{"VanzatorNume", "POPESCU ION"}, {"VanzatorSerieBI", "RT"}, {"VanzatorNrBI", "123456"},
                 {"VanzatorRegCom", c.regCom}, {"VanzatorCodFiscal", c.codFiscal}});
    EXPECT_EQ(AsMap(CVRadPartyFill(document_forms::kCVRadSeller, seller)), c.seller) << c.what;
    // The buyer's rule is the same, on the buyer's boxes of both sides.
    buyer.Type({{"CumparatorNume", "POPESCU ION"}, {"CumparatorSerieBI", "RT"}, {"CumparatorNrBI", "123456"},
                {"CumparatorRegCom", c.regCom}, {"CumparatorCodFiscal", c.codFiscal}});
    const std::map<int, int> sellerToBuyer{{72, 74}, {73, 75}, {0, 14}, {1, 15}, {2, 16}, {3, 17}, {4, 18}};
    std::map<int, QString> expected;
    for (const auto& [box, text] : c.seller) expected[sellerToBuyer.at(box)] = text;
    EXPECT_EQ(AsMap(CVRadPartyFill(document_forms::kCVRadBuyer, buyer)), expected) << c.what;
  }
}

TEST(CVRadFill, APersonSellsToAFirm) {
  TypedCase boxes;
  boxes.Type({{"VanzatorNume", "POPESCU ION"}, {"VanzatorSerieBI", "RT"}, {"VanzatorNrBI", "123456"},
              {"VanzatorLocalitate", "PLOIESTI"}, {"VanzatorStrada", "REPUBLICII"}, {"VanzatorNumar", "7"},
              {"VanzatorBloc", "B2"}, {"VanzatorScara", "1"}, {"VanzatorApartament", "9"},
              {"VanzatorJudet", "PRAHOVA"}, {"VanzatorCodPostal", "100066"},
              {"CumparatorNume", "SC TRANS SRL"}, {"CumparatorSerieBI", "XX"}, {"CumparatorNrBI", "999"},
              {"CumparatorRegCom", "J40/12/1999"}, {"CumparatorCodFiscal", "R 77"},
              {"CumparatorLocalitate", "BUCURESTI"}, {"CumparatorStrada", "VICTORIEI"}, {"CumparatorNumar", "12"},
              {"CumparatorBloc", "A3"}, {"CumparatorScara", "2"}, {"CumparatorApartament", "45"},
              {"CumparatorJudet", "SECTOR 1"}, {"CumparatorCodPostal", "010061"},
              {"Marca", "DACIA"}, {"Tipul", "LOGAN"}, {"NrIdentificare", "UU1LSDAAH38765432"},
              {"MotorSerie", "C123456"}, {"Cilindree", "1390"}, {"NrVelorastulare", "B 123 ABC"},
              {"ExpirareInspectie", "01-02-2027"}, {"NrCarteIdentitate", "K 123456"},
              {"PretCifre", "12500"}, {"PretLitere", "douasprezecemiicincisute"}});
  const std::map<int, QString> expected{
      {72, "X"}, {0, "POPESCU ION"}, {1, "RT"}, {2, "123456"},
      {6, "PLOIESTI"}, {7, "REPUBLICII"}, {8, "7"}, {9, "B2"}, {10, "1"}, {11, "9"}, {12, "PRAHOVA"}, {13, "100066"},
      {75, "X"}, {17, "SC TRANS SRL"}, {18, "J40/12/1999CUI: R 77"},
      {20, "BUCURESTI"}, {21, "VICTORIEI"}, {22, "12"}, {23, "A3"}, {24, "2"}, {25, "45"}, {26, "SECTOR 1"},
      {27, "010061"},
      {28, "DACIA"}, {29, "LOGAN"}, {30, "UU1LSDAAH38765432"}, {31, "C123456"}, {32, "1390"}, {33, "B 123 ABC"},
      {34, "01-02-2027"}, {35, "K 123456"}, {36, "12500"}, {37, "douasprezecemiicincisute"},
      {38, "Rovi-Dedevi"}, {39, "25 - 12 - 2024"},
      // The certificate: the vehicle, its holder without the postal code, the buyer.
      {43, "DACIA"}, {44, "LOGAN"}, {45, "UU1LSDAAH38765432"}, {46, "C123456"}, {47, "1390"}, {48, "B 123 ABC"},
      {49, "POPESCU ION"}, {50, "PLOIESTI"}, {51, "REPUBLICII"}, {52, "7"}, {53, "B2"}, {54, "1"}, {55, "9"},
      {56, "PRAHOVA"},
      {57, "SC TRANS SRL"}, {58, "BUCURESTI"}, {59, "VICTORIEI"}, {60, "12"}, {61, "A3"}, {62, "2"}, {63, "45"},
      {64, "SECTOR 1"},
  };
  EXPECT_EQ(AsMap(CVRadFill(boxes, QDate(2024, 12, 25))), expected);
}

TEST(CVRadFill, EmptyCaseBoxesLeaveEveryBoxEmptyButThePlaceTheDateAndTheTicks) {
  TypedCase empty;
  for (const auto& [box, text] : AsMap(CVRadFill(empty, QDate(2025, 1, 1)))) {
    if (box == 38) EXPECT_EQ(text, QStringLiteral("Rovi-Dedevi"));
    else if (box == 39) EXPECT_EQ(text, QStringLiteral("1 - 1 - 2025"));
    else if (box == 72 || box == 74) EXPECT_EQ(text, QStringLiteral("X"));  // both natural persons
    else EXPECT_EQ(text, QString()) << box;
  }
}

}  // namespace
