// The fills of both faces of the tax declaration: the category word, the capacity bands
// and the rows they choose, and the taxpayer blocks of the front.

#include <gtest/gtest.h>

#include "FormFixture.h"
#include "document_forms/TaxDeclaration.h"

namespace {

using document_forms::BoxTexts;
using testsupport::TypedCase;

TEST(TaxDeclaration, CategoryWord) {
  struct Case { const char* categoria; const char* word; } cases[] = {
      {"AUTOTURISM M1", "AUTOTURISM"},
      {"autoturism m1", "AUTOTURISM"},
      {" AUTOTURISM M1", "AUTOTURISM"},
      {"AUTOTURISM", "AUTOTURISM"},
      {"AUTOTURISM DE TEREN M1G", "AUTOTURISM DE TEREN"},  // its last blank in 20 is the 20th
      {"ATAS PENTRU MOTOCICLETA", "ATAS PENTRU"},
      {"motocicleta L3e", "MOTOCICLETA"},
      {"SEMIREMORCA O4", "SEMIREMORCA"},
      {"AUTOUTILITARA  N1", "AUTOUTILITARA"},
      {"AUTOSPECIALIZATAXXXXXX N3", "AUTOSPECIALIZATAXXXXXX N3"},  // no blank within 20: whole
      {" ", ""},
      {"", ""},
      {"AUTOTURISM\t", "AUTOTURISM\t"},  // blanks only are trimmed: a tab stays
      {"\xC2\xA0" "AUTOTURISM M1", "\xC2\xA0" "AUTOTURISM"},  // so does a no-break space
  };
  for (const Case& c : cases)
    EXPECT_EQ(document_forms::CategoryWord(QString::fromUtf8(c.categoria)), QString::fromUtf8(c.word)) << c.categoria;
}

TEST(TaxDeclaration, FrontGroupByCategoryAndCapacity) {
  const QString thousandDigits(1000, QLatin1Char('9'));
  struct Case { const char* categoria; QString cilindree; int group; } cases[] = {
      {"AUTOTURISM M1", "1390", 1},     {"AUTOTURISM M1", "1600", 1},
      {"AUTOTURISM M1", "1601", 2},     {"AUTOTURISM M1", "2000", 2},
      {"AUTOTURISM M1", "2001", 3},     {"AUTOTURISM M1", "2600", 3},
      {"AUTOTURISM M1", "2601", 4},     {"AUTOTURISM M1", "3000", 4},  // the first band that holds it
      {"AUTOTURISM M1", "3001", 5},     {"AUTOTURISM M1", "10000", 5},
      {"AUTOTURISM M1", "10001", 0},    {"AUTOTURISM M1", "1600.5", 0},  // between two bands
      {"AUTOTURISM M1", "2000.5", 0},   {"AUTOTURISM M1", "2600.9", 0},
      {"AUTOTURISM M1", "-1", 0},       {"AUTOTURISM M1", "0", 1},
      {"AUTOTURISM M1", "", 1},         {"AUTOTURISM M1", "fara", 1},  // no number reads as 0
      {"AUTOTURISM M1", "1 998 cm3", 2}, {"AUTOTURISM M1", "2.000", 1},
      {"AUTOTURISM M1", "1e4", 1},      {"AUTOTURISM M1", "0x7D0", 1},  // no exponent, no hex
      {"AUTOTURISM M1", thousandDigits, 0},
      {"autoturism", "1390", 1},        {" AUTOTURISM M1", "2500", 3},
      {"AUTOTURISM", "3500", 5},        {"AUTOTURISM DE TEREN M1G", "1390", 0},
      {"AUTOBUZ", "9000", 6},           {"AUTOCAR M3", "", 6},
      {"microbuz M2", "99999", 6},      {"AUTOUTILITARA N1", "1390", 0},
      {"MOTOCICLETA L3", "600", 0},     {"", "1390", 0},
      {"AUTOTURISM\t", "1390", 0},      {"AUTOBUZ\t", "9000", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(document_forms::VehicleGroupFront(QString::fromUtf8(c.categoria), c.cilindree), c.group)
        << c.categoria << " / " << c.cilindree.left(20).toStdString();
}

TypedCase Buyer() {
  TypedCase boxes;
  boxes.Type({{"CumparatorNume", "POPESCU ION"}, {"CumparatorSerieBI", "RT"},
          {"CumparatorNrBI", "123456"},      {"CumparatorCNP", "1850331460012"},
          {"CumparatorRegCom", "J40/1/2001"}, {"CumparatorLocalitate", "BUCURESTI"},
          {"CumparatorStrada", "VICTORIEI"},  {"CumparatorNumar", "12"},
          {"CumparatorBloc", "A3"},           {"CumparatorScara", "2"},
          {"CumparatorApartament", "45"},     {"CumparatorJudet", "SECTOR 1"},
          {"CumparatorCodPostal", "010061"},  {"CumparatorTelefoane", "021 312"}});
  return boxes;
}

TEST(TaxDeclaration, FrontFillsTheNaturalPersonBlock) {
  for (const char* fiscalCode : {"", "   "}) {  // blanks only: still a natural person
    TypedCase boxes = Buyer();
    boxes.Type(QStringLiteral("CumparatorCodFiscal"), QString::fromLatin1(fiscalCode));
    const document_forms::ImpuneFTexts f = document_forms::FillImpuneF(boxes);
    const BoxTexts expected = {{0, "POPESCU ION"}, {1, "1850331460012"}, {2, "RT"},       {3, "123456"},
                               {4, "SECTOR 1"},    {5, "BUCURESTI"},     {8, "VICTORIEI"}, {9, "12"},
                               {10, "A3"},         {11, "2"},            {13, "45"},       {14, "021 312"}};
    EXPECT_EQ(f.boxes, expected) << "fiscal code '" << fiscalCode << "'";
    EXPECT_EQ(f.lblPers, " PERSOANE FIZICE");
    EXPECT_EQ(f.lblTitlu,
              "in cazul contribuabillilor PERSOANA FIZICA depusa pentru dobandire mijloace de transport, modificare,");
    EXPECT_EQ(f.lblIBAN, "RO93TREZ2162116020201XXX");
  }
}

TEST(TaxDeclaration, FrontFillsTheLegalPersonBlock) {
  TypedCase boxes = Buyer();
  boxes.Type(QStringLiteral("CumparatorCodFiscal"), QStringLiteral(" R 123 "));
  const document_forms::ImpuneFTexts f = document_forms::FillImpuneF(boxes);
  // A fiscal code of a tab or a no-break space is more than blanks: a firm too.
  for (const char* code : {"\t", "\xC2\xA0"}) {
    TypedCase other = Buyer();
    other.Type(QStringLiteral("CumparatorCodFiscal"), QString::fromUtf8(code));
    EXPECT_EQ(document_forms::FillImpuneF(other).lblPers, " PERSOANE JURIDICE") << int(code[0]);
  }
  // The fiscal code with its blanks; the CNP, the identity card and the postal code
  // appear nowhere.
  const BoxTexts expected = {{114, "POPESCU ION"}, {115, " R 123 "}, {116, "SECTOR 1"}, {117, "BUCURESTI"},
                             {120, "VICTORIEI"},   {121, "12"},      {128, "A3"},       {127, "2"},
                             {125, "45"},          {124, "021 312"}, {130, "J40/1/2001"}};
  EXPECT_EQ(f.boxes, expected);
  EXPECT_EQ(f.lblPers, " PERSOANE JURIDICE");
  EXPECT_EQ(f.lblTitlu,
            "in cazul contribuabillilor PERSOANA JURIDICA depusa pentru dobandire mijloace de transport, modificare,");
  EXPECT_EQ(f.lblIBAN, "RO43TREZ2162116020202XXX");
}

// The vehicle boxes of a fill: everything but the taxpayer blocks (0..16, 114..132).
BoxTexts VehicleBoxes(const BoxTexts& all) {
  BoxTexts out;
  for (const auto& [box, text] : all)
    if (box > 16 && box < 114) out[box] = text;
  return out;
}

TEST(TaxDeclaration, FrontWritesTheFirstRowOfTheGroup) {
  struct Case { const char* categoria; const char* cilindree; const char* marca; const char* tipul;
                const char* vin; BoxTexts row; } cases[] = {
      {"AUTOTURISM M1", "1390", "DACIA", "LOGAN", "UU1LSDAAH38765432",
       {{17, "DACIA LOGAN"}, {19, "765432"}, {20, "C123456"}, {21, "1390"}}},
      {"AUTOTURISM M1", "1 998 cm3", "VW", "", "ABCD",  // the capacity as typed; a short VIN whole
       {{32, "VW "}, {34, "ABCD"}, {35, "C123456"}, {36, "1 998 cm3"}}},
      {"AUTOTURISM", "2500", "", "X5", "123456",
       {{47, " X5"}, {49, "123456"}, {50, "C123456"}, {51, "2500"}}},
      {"AUTOTURISM", "2700", "", "", "",
       {{62, " "}, {65, ""}, {66, "C123456"}, {68, "2700"}}},
      {"AUTOTURISM", "3000.5", "M", "T", "1234567", {{84, "M T"}, {86, "234567"}, {87, "C123456"}, {88, "3000.5"}}},
      {"AUTOBUZ M3", "12000", "M", "T", "V", {{99, "M T"}, {101, "V"}, {102, "C123456"}, {103, "12000"}}},
      {"AUTOTURISM M1", "1600.5", "M", "T", "V", {}},
      {"AUTOUTILITARA N1", "1390", "M", "T", "V", {}},
  };
  for (const Case& c : cases) {
    TypedCase boxes;
    boxes.Type({{"Categoria", c.categoria}, {"Cilindree", c.cilindree}, {"Marca", c.marca},
                {"Tipul", c.tipul},         {"NrIdentificare", c.vin}, {"MotorSerie", "C123456"}});
    EXPECT_EQ(VehicleBoxes(document_forms::FillImpuneF(boxes).boxes), c.row) << c.categoria << " " << c.cilindree;
  }
}

TEST(TaxDeclaration, BackWritesTheFirstRowOfTheCategory) {
  struct Case { const char* categoria; BoxTexts row; } cases[] = {
      {"AUTOUTILITARA N1", {{0, "MAN TGL"}, {2, "765432"}, {3, "E99"}, {4, "4580"}}},
      {"AUTOSPECIALIZATA N3G", {{0, "MAN TGL"}, {2, "765432"}, {3, "E99"}, {4, "4580"}}},
      {"TRACTOR", {{15, "MAN TGL"}, {17, "765432"}, {18, "E99"}, {19, "4580"}}},
      {"motocicleta L3e", {{30, "MAN TGL"}, {32, "765432"}, {33, "E99"}, {34, "4580"}}},
      {"MOTORETA L1", {{30, "MAN TGL"}, {32, "765432"}, {33, "E99"}, {34, "4580"}}},
      {"SCUTER", {{30, "MAN TGL"}, {32, "765432"}, {33, "E99"}, {34, "4580"}}},
      {"ATAS L4", {{30, "MAN TGL"}, {32, "765432"}, {33, "E99"}, {34, "4580"}}},
      // A trailer: the total mass; neither the capacity nor the engine series.
      {"SEMIREMORCA O4", {{59, "MAN TGL"}, {57, "765432"}, {56, "18000"}}},
      {"REMORCA O2", {{59, "MAN TGL"}, {57, "765432"}, {56, "18000"}}},
      {"RULOTA", {{59, "MAN TGL"}, {57, "765432"}, {56, "18000"}}},
      {"ATAS PENTRU MOTOCICLETA", {}},  // split at its later blank
      {"AUTOTURISM M1", {}},
      {"AUTOBUZ", {}},
      {"", {}},
  };
  for (const Case& c : cases) {
    TypedCase boxes;
    boxes.Type({{"Categoria", c.categoria}, {"Marca", "MAN"},         {"Tipul", "TGL"},
                {"NrIdentificare", "WMA12345678765432"}, {"MotorSerie", "E99"},
                {"Cilindree", "4580"},   {"MasaTotalaMax", "18000"}});
    EXPECT_EQ(document_forms::FillImpuneV(boxes), c.row) << c.categoria;
  }
}

TEST(TaxDeclaration, ChassisSeriesIsTheLastSixCharacters) {
  EXPECT_EQ(document_forms::ChassisSeries("UU1LSDAAH38765432"), "765432");
  EXPECT_EQ(document_forms::ChassisSeries("AB12"), "AB12");
  EXPECT_EQ(document_forms::ChassisSeries("123456"), "123456");
  EXPECT_EQ(document_forms::ChassisSeries(""), "");
}

}  // namespace
