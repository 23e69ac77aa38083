// The removal-from-tax-records declaration: the seller as the taxpayer firm or as the
// declarant, the vehicle, the new owner and the date; its page and its print.

#include <cmath>

#include "FormCases.h"
#include "FormFixture.h"
#include "FormPrintTest.h"
#include "document_forms/frmDeclScoatEvid.h"

using document_forms::frmDeclScoatEvid;

namespace {

class DeclScoatEvid : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmDeclScoatEvid>();
    FormFixture::TearDown();
  }
};

// The seller's address and identity, the vehicle and the buyer.
#define SELLER                                                                                                    \
  {"VanzatorNume", "VANZATOR"}, {"VanzatorLocalitate", "Rovi-Dedevi"}, {"VanzatorStrada", "Florilor"},           \
      {"VanzatorNumar", "3"}, {"VanzatorBloc", "B2"}, {"VanzatorScara", "A"}, {"VanzatorApartament", "12"},      \
      {"VanzatorJudet", "Vuda"}, {"VanzatorCNP", "1800101123456"}, {"VanzatorSerieBI", "RX"},                   \
      {"VanzatorNrBI", "123456"}, {"VanzatorRegCom", "J1"}
#define VEHICLE_AND_BUYER                                                                                          \
  {"Marca", "DACIA"}, {"MotorSerie", "M123"}, {"NrIdentificare", "UU1"}, {"Cilindree", "1390"},                    \
      {"MasaTotalaMax", "1,5"}, {"CumparatorNume", "CUMPARATOR"}, {"CumparatorJudet", "Ilfov"},                    \
      {"CumparatorLocalitate", "Otopeni"}, {"CumparatorStrada", "Mare"}, {"CumparatorNumar", "9"},                 \
      {"CumparatorBloc", "C"}, {"CumparatorScara", "1"}, {"CumparatorApartament", "4"}
#define VEHICLE_AND_BUYER_BOXES                                                                                    \
  {10, "DACIA"}, {11, "M123"}, {12, "UU1"}, {13, "1390"}, {14, "1,5"}, {19, "CUMPARATOR"}, {20, "Ilfov"},          \
      {22, "Otopeni"}, {23, "Mare"}, {24, "9"}, {25, "C"}, {26, "1"}, {27, "4"}, {28, "07-03-2026"}

TEST_F(DeclScoatEvid, FillsTheSellerByItsKindTheVehicleTheNewOwnerAndTheDate) {
  const testsupport::FillCase cases[] = {
      {"every main-window box empty: only the date", {}, {{28, "07-03-2026"}}},
      {"a seller with a fiscal code: the taxpayer block, the declarant lines empty",
       {SELLER, {"VanzatorCodFiscal", "RO123"}, VEHICLE_AND_BUYER},
       {{29, "VANZATOR"}, {30, "Rovi-Dedevi, str Florilor, nr 3, bl B2, sc A, ap 12, jud Vuda"}, {31, "RO123"},
        VEHICLE_AND_BUYER_BOXES}},
      {"a seller without a fiscal code: the declarant lines, the block empty; no identity card",
       {SELLER, VEHICLE_AND_BUYER},
       {{0, "VANZATOR"}, {1, "Rovi-Dedevi"}, {2, "Florilor"}, {3, "3"}, {4, "B2"}, {5, "A"}, {6, "12"},
        {9, "1800101123456"}, VEHICLE_AND_BUYER_BOXES}},
      {"a fiscal code of one blank makes a firm",
       {{"VanzatorNume", "X"}, {"VanzatorCodFiscal", " "}, {"VanzatorCNP", "1800101123456"}},
       {{29, "X"}, {31, " "}, {28, "07-03-2026"}}},
      {"a firm's address without locality starts with \", str \"; a part of blanks keeps its prefix",
       {{"VanzatorCodFiscal", "RO1"}, {"VanzatorStrada", "Lunga"}, {"VanzatorScara", " "}},
       {{30, ", str Lunga, sc  "}, {31, "RO1"}, {28, "07-03-2026"}}},
      {"blanks kept as typed", {{"VanzatorNume", " ION "}, {"CumparatorNume", " ANA "}},
       {{0, " ION "}, {19, " ANA "}, {28, "07-03-2026"}}},
  };
  ExpectFills<frmDeclScoatEvid>(cases);
}

TEST_F(DeclScoatEvid, TheFirstFocusIsOnTheTaxpayerAndTheBoxesFollowIt) {
  frmDeclScoatEvid* form = OpenForm<frmDeclScoatEvid>();
  EXPECT_TRUE(form->BoxWidget(29)->hasFocus());
  testsupport::PressKey(Qt::Key_Tab);
  testsupport::PressKey(Qt::Key_Tab);
  EXPECT_TRUE(form->BoxWidget(31)->hasFocus());
  testsupport::PressKey(Qt::Key_Tab);
  EXPECT_TRUE(form->BoxWidget(0)->hasFocus());
  form->BoxWidget(28)->setFocus();
  testsupport::PressKey(Qt::Key_Tab);
  EXPECT_TRUE(form->cmdPrint(1)->Widget()->hasFocus());
}

TEST_F(DeclScoatEvid, ThePageHasItsBoxes) {
  frmDeclScoatEvid* form = OpenForm<frmDeclScoatEvid>();
  EXPECT_EQ(form->BoxCount(), 32);
  EXPECT_EQ(form->Frame()->windowTitle(),
            QStringLiteral("Declaratia pentru scoaterea din evidenta a mijloacelor de transport"));
  EXPECT_EQ(form->Box(29)->Twips(), QRectF(3780, 150, 4065, 285));
  EXPECT_EQ(form->Box(19)->Twips(), QRectF(3510, 4425, 2685, 255));
  EXPECT_EQ(form->Box(0)->Twips(), QRectF(3600, 2070, 2775, 225));
  EXPECT_EQ(form->cmdExit(1)->Twips(), QRectF(1380, 14070, 975, 645));
}

// A line's first caption too, in the framed block as in the declaration and the notices.
TEST_F(DeclScoatEvid, CaptionsStandDirectlyBeforeTheirBoxes) {
  testsupport::ExpectCaptionsBeforeTheirBoxes<frmDeclScoatEvid>(
      *this, {{"Contribuabilul", 150, 3780}, {"Sediul", 510, 3060}, {"inregistrare", 840, 4800},
              {"Subsemnatul(a)", 2070, 3600}, {"str.", 2370, 1860}, {"nr.", 2370, 5310}, {"seria", 2670, 3090},
              {"CNP", 2670, 7410}, {"marca", 2970, 7470}, {"**)", 3570, 2850}, {"proprietar:", 4440, 3510},
              {"judet", 4440, 6900}, {"localitatea", 4740, 2400}, {"DATA", 5070, 2160}, {"Judetul", 6270, 2400},
              {"cilindrica", 9270, 9360}, {"exemplar", 14490, 7800}});
}

// A line of text alone begins at the form's left.
TEST_F(DeclScoatEvid, ALineOfTextBeginsAtTheLeft) {
  testsupport::ExpectLinesStartAt<frmDeclScoatEvid>(*this, {{"*)", 5460, 1290}, {"conform", 9870, 1290}});
}

// On paper: the seal of each signature block and the two cut labels at their lines, and
// no ruled line through the letters of a word (above its baseline) that it runs under.
TEST_F(DeclScoatEvid, SealsCutLabelsAndLinesClearOfTheLettersOnPaper) {
  frmDeclScoatEvid* form = OpenForm<frmDeclScoatEvid>();
  const QList<testsupport::PdfWord> words = testsupport::PrintedPage(*form).words;

  const struct { const char* word; double top; } places[] = {
      {"L.", 10470}, {"L.", 13890}, {"aici", 6000}, {"aici", 11190}};
  for (const auto& p : places) {
    double nearest = 1e9;
    for (const testsupport::PdfWord& w : words)
      if (w.text == QLatin1String(p.word) && std::abs(w.yMin * 56.7 - p.top) < std::abs(nearest - p.top))
        nearest = w.yMin * 56.7;
    EXPECT_NEAR(nearest, p.top, 20) << p.word << " at " << p.top;
  }

  for (const document_forms::Item& item : form->PageTable().items) {
    if (item.kind != document_forms::Kind::kLine || item.top != item.height) continue;  // horizontal only
    const double y = item.top / 56.7, x1 = item.left / 56.7, x2 = item.width / 56.7;
    for (const testsupport::PdfWord& w : words) {
      if (w.xMax <= x1 || w.xMin >= x2) continue;
      const double baseline = w.yMin + 0.8 * (w.yMax - w.yMin);
      EXPECT_FALSE(y > w.yMin && y < baseline)
          << "the line at " << item.top << " crosses \"" << w.text.toStdString() << "\" at " << w.yMin * 56.7;
    }
  }
}

TEST_F(DeclScoatEvid, PrintsOneA4PageWithItsLabelsAtTheirPlaces) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmDeclScoatEvid>(
      *this, {{"pentru", 3420, 1590}, {"Se", 8130, 120}, {"conform", 1290, 9870}, {"*)", 1290, 5460},
              {"L.", 1800, 10470}});
}

}  // namespace
