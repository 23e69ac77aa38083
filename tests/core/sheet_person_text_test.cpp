// The registration sheet's person texts, as tables of cases.

#include <gtest/gtest.h>

#include <QMap>

#include "core/CaseBoxes.h"
#include "core/SheetPersonText.h"

namespace {

TEST(SheetPersonText, NameWithIdCard) {
  struct Case { QString name, series, number, text; } cases[] = {
      {"POPESCU ION", "", "", "POPESCU ION"},
      {"POPESCU ION", "RX", "", "POPESCU ION\r\nRX"},                 // no trailing blanks
      {"POPESCU ION", "", "123456", "POPESCU ION    123456"},         // one line, no break
      {"POPESCU ION", "RX", "123456", "POPESCU ION\r\nRX    123456"},
      {"", "RX", "", "\r\nRX"},                                        // begins with the break
      {"", "", "", ""},
      {"SC ALFA SRL", " ", " ", "SC ALFA SRL\r\n      "},               // blanks count as filled
      {QStringLiteral("\u0218TEFAN"), QStringLiteral("\u021a"), "", QStringLiteral("\u0218TEFAN\r\n\u021a")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::NameWithIdCard(c.name, c.series, c.number), c.text)
        << c.name.toStdString() << "|" << c.series.toStdString() << "|" << c.number.toStdString();
}

TEST(SheetPersonText, BirthDateOrFiscalCode) {
  struct Case { QString fiscal, birth, text; } cases[] = {
      {"", "31.03.85", "31.03.85"},
      {"", "", ""},                                // the empty date is written as it is
      {"RO123456", "31.03.85", "CUI: RO123456"},   // the date of birth is shown nowhere
      {"RO123456", "", "CUI: RO123456"},
      {" ", "31.03.85", "CUI:  "},                 // a blank fiscal code counts as filled
      {"   ", "", "CUI:    "},
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::BirthDateOrFiscalCode(c.fiscal, c.birth), c.text)
        << c.fiscal.toStdString() << "|" << c.birth.toStdString();
}

TEST(SheetPersonText, RegisterOrCnp) {
  struct Case { QString regCom, cnp; std::optional<QString> text; } cases[] = {
      {"J08/123/2001", "1850331123456", QString("J08/123/2001")},  // the CNP is shown nowhere
      {"J08/123/2001", "", QString("J08/123/2001")},
      {"", "1850331123456", QString("CNP: 1850331123456")},
      {"", "", std::nullopt},                                     // the place stays untouched
      {" ", "1850331123456", QString(" ")},
      {"", " ", QString("CNP:  ")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::RegisterOrCnp(c.regCom, c.cnp), c.text)
        << c.regCom.toStdString() << "|" << c.cnp.toStdString();
}

TEST(SheetPersonText, JoinedAddress) {
  struct Case { core::AddressParts parts; QString text; } cases[] = {
      {{}, ""},
      {{.street = "Lunga"}, "str Lunga"},
      {{.locality = "Brasov", .postalCode = "500001"}, "loc Brasov, cod 500001"},
      {{"Lunga", "3", "A1", "2", "14", "Brasov", "Brasov", "500001"},
       "str Lunga, nr 3, bl A1, sc 2, ap 14, loc Brasov, jud Brasov, cod 500001"},
      {{.number = "3", .locality = "Sacele"}, "nr 3, loc Sacele"},
      {{.county = "Sector 3"}, "jud Sector 3"},
      {{.street = " "}, "str  "},                          // a part of blanks adds its prefix
      {{.street = "", .number = " "}, "nr  "},
      {{.street = QStringLiteral("\u0218colii"), .locality = QStringLiteral("Bra\u0219ov")},
       QStringLiteral("str \u0218colii, loc Bra\u0219ov")},  // cut by characters
  };
  for (const Case& c : cases) EXPECT_EQ(core::JoinedAddress(c.parts), c.text) << c.text.toStdString();
}

// Boxes whose text is their field name, except those the test sets.
class NamedBoxes : public core::CaseBoxes {
 public:
  QMap<QString, QString> set;
  QString txtCamp(int) const override { return {}; }
  QString txtVerso(int index) const override {
    const QString name = core::FieldName({core::BoxArray::txtVerso, index});
    return set.value(name, name);
  }
  QString txtSpecificatii() const override { return {}; }
};

TEST(SheetPersonText, ComposesEachPartyFromItsOwnBoxes) {
  NamedBoxes boxes;
  const core::SheetPersonTexts buyer = core::ComposeSheetPerson(boxes, core::SheetParty::Buyer);
  EXPECT_EQ(buyer.nameWithIdCard, "CumparatorNume\r\nCumparatorSerieBI    CumparatorNrBI");
  EXPECT_EQ(buyer.birthDateOrFiscalCode, "CUI: CumparatorCodFiscal");
  EXPECT_EQ(buyer.registerOrCnp, QString("CumparatorRegCom"));
  EXPECT_EQ(buyer.address,
            "str CumparatorStrada, nr CumparatorNumar, bl CumparatorBloc, sc CumparatorScara, "
            "ap CumparatorApartament, loc CumparatorLocalitate, jud CumparatorJudet, "
            "cod CumparatorCodPostal");

  const core::SheetPersonTexts seller = core::ComposeSheetPerson(boxes, core::SheetParty::Seller);
  EXPECT_EQ(seller.nameWithIdCard, "VanzatorNume\r\nVanzatorSerieBI    VanzatorNrBI");
  EXPECT_EQ(seller.birthDateOrFiscalCode, "CUI: VanzatorCodFiscal");
  EXPECT_EQ(seller.registerOrCnp, QString("VanzatorRegCom"));
  EXPECT_EQ(seller.address,
            "str VanzatorStrada, nr VanzatorNumar, bl VanzatorBloc, sc VanzatorScara, "
            "ap VanzatorApartament, loc VanzatorLocalitate, jud VanzatorJudet, cod VanzatorCodPostal");

  // A seller with an empty street and no register data borrows nothing from the buyer.
  boxes.set = {{"VanzatorStrada", ""}, {"VanzatorRegCom", ""}, {"VanzatorCNP", ""},
               {"VanzatorCodFiscal", ""}};
  const core::SheetPersonTexts bare = core::ComposeSheetPerson(boxes, core::SheetParty::Seller);
  EXPECT_TRUE(bare.address.startsWith("nr VanzatorNumar")) << bare.address.toStdString();
  EXPECT_EQ(bare.registerOrCnp, std::nullopt);
  EXPECT_EQ(bare.birthDateOrFiscalCode, "VanzatorDataNasterii");
}

TEST(SheetPersonText, RegistrationTypeCaptionIsAShortCapitalAbbreviation) {
  const QString caption = QString::fromLatin1(core::kRegistrationTypeCaption);
  EXPECT_EQ(caption, caption.toUpper());
  EXPECT_LE(caption.size(), 12);
}

}  // namespace
