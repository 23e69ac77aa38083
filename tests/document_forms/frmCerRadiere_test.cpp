// The deregistration request: its fill, the reasons' check boxes with their documents,
// the label clicks, the flat and sunken looks on focus, its page and its print.

#include <vector>

#include "FormCases.h"
#include "FormFixture.h"
#include "FormPrintTest.h"
#include "document_forms/frmCerRadiere.h"

using document_forms::frmCerRadiere;
using platform::FormCheckBox;

namespace {

class CerRadiere : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmCerRadiere>();
    FormFixture::TearDown();
  }

  static void MouseClick(QWidget* widget) {
    Click(widget, widget->rect().center());
    QApplication::processEvents();
  }

  static std::vector<int> Ticks(const frmCerRadiere& form) {
    std::vector<int> out;
    for (int i = 0; i < frmCerRadiere::kCheckCount; ++i) out.push_back(form.chk(i)->Value() ? 1 : 0);
    return out;
  }
  static std::vector<int> Looks(const frmCerRadiere& form) {
    std::vector<int> out;
    for (int i = 0; i < frmCerRadiere::kCheckCount; ++i) out.push_back(form.chk(i)->SpecialEffect());
    return out;
  }
  static constexpr int F = FormCheckBox::kFlat;
  static constexpr int S = FormCheckBox::kSunken;
};

TEST_F(CerRadiere, FillsTheHolderTheVehicleAndTwoDates) {
  const testsupport::FillCase cases[] = {
      {"every main-window box empty: the two dates", {}, {{0, "07-03-2026"}, {15, "07-03-2026"}}},
      {"the holder and the vehicle; the county in txt(9), the sector box empty",
       {{"VanzatorNume", "IONESCU ANA"}, {"VanzatorLocalitate", "Vuda"}, {"VanzatorStrada", "Lunga"},
        {"VanzatorNumar", "3"}, {"VanzatorBloc", "B"}, {"VanzatorScara", "1"}, {"VanzatorApartament", "12"},
        {"VanzatorJudet", "Ilfov"}, {"NrVelorastulare", "B-01-ABC"}, {"Marca", "DACIA"},
        {"NrIdentificare", "UU1"}, {"Culoarea", "ALB"}, {"AnFabricatie", "2004"}, {"VanzatorCNP", "1800101"},
        {"VanzatorCodPostal", "123456"}, {"VanzatorCodFiscal", "RO1"}},
       {{0, "07-03-2026"}, {1, "IONESCU ANA"}, {2, "Vuda"}, {3, "Lunga"}, {4, "3"}, {5, "B"}, {6, "1"},
        {7, "12"}, {9, "Ilfov"}, {10, "B-01-ABC"}, {11, "DACIA"}, {12, "UU1"}, {13, "ALB"}, {14, "2004"},
        {15, "07-03-2026"}}},
      {"blanks kept as typed", {{"VanzatorNume", " ION "}, {"Culoarea", " "}},
       {{0, "07-03-2026"}, {1, " ION "}, {13, " "}, {15, "07-03-2026"}}},
  };
  ExpectFills<frmCerRadiere>(cases);
}

TEST_F(CerRadiere, AReasonCarriesItsDocumentAndALabelTogglesItsBox) {
  enum class By { kBox, kMarker, kText, kCode };
  struct Step {
    By by;
    int index;
  };
  struct Case {
    const char* what;
    std::vector<Step> steps;
    std::vector<int> ticks;
  };
  const Case cases[] = {
      {"ticking reason b) ticks document b)", {{By::kBox, 1}}, {0, 1, 0, 0, 1, 0}},
      {"unticking it unticks both", {{By::kBox, 1}, {By::kBox, 1}}, {0, 0, 0, 0, 0, 0}},
      {"a document ticked by hand leaves its reason alone", {{By::kBox, 4}}, {0, 0, 0, 0, 1, 0}},
      {"its reason ticked later leaves it ticked", {{By::kBox, 4}, {By::kBox, 1}}, {0, 1, 0, 0, 1, 0}},
      {"and unticking the reason unticks it", {{By::kBox, 4}, {By::kBox, 1}, {By::kBox, 1}}, {0, 0, 0, 0, 0, 0}},
      {"a document alone", {{By::kBox, 3}}, {0, 0, 0, 1, 0, 0}},
      {"two reasons", {{By::kBox, 0}, {By::kBox, 2}}, {1, 0, 1, 1, 0, 1}},
      {"the marker of reason b)", {{By::kMarker, 1}}, {0, 1, 0, 0, 1, 0}},
      {"the text of reason b), twice", {{By::kText, 1}, {By::kText, 1}}, {0, 0, 0, 0, 0, 0}},
      {"the label of document c) toggles its box only", {{By::kText, 5}}, {0, 0, 0, 0, 0, 1}},
      {"a value set by code follows the same rule", {{By::kCode, 0}}, {1, 0, 0, 1, 0, 0}},
  };
  for (const Case& c : cases) {
    frmCerRadiere* form = OpenForm<frmCerRadiere>();
    for (const Step& step : c.steps) {
      switch (step.by) {
        case By::kBox: MouseClick(form->chk(step.index)); break;
        case By::kMarker: MouseClick(form->lbl1(step.index)); break;
        case By::kText: MouseClick(form->lbl2(step.index)); break;
        case By::kCode: form->chk(step.index)->SetValue(!form->chk(step.index)->Value()); break;
      }
    }
    EXPECT_EQ(Ticks(*form), c.ticks) << c.what;
    CloseForm<frmCerRadiere>();
  }
}

TEST_F(CerRadiere, ALabelClickDrawsItsBoxFlatTheOthersSunkenAndLeavesTheFocus) {
  frmCerRadiere* form = OpenForm<frmCerRadiere>();
  EXPECT_TRUE(form->BoxWidget(1)->hasFocus()) << "the first focus on txt(1)";
  EXPECT_EQ(Looks(*form), std::vector<int>({S, S, S, S, S, S}));
  form->chk(2)->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(Looks(*form), std::vector<int>({S, S, F, S, S, S}));
  MouseClick(form->lbl2(1));
  EXPECT_TRUE(form->chk(2)->hasFocus()) << "labels take no focus";
  EXPECT_EQ(Looks(*form), std::vector<int>({S, F, S, S, S, S}));
  EXPECT_EQ(Ticks(*form), std::vector<int>({0, 1, 0, 0, 1, 0}));
}

TEST_F(CerRadiere, TabIntoACheckBoxMakesItFlatAndLeavingItSunken) {
  frmCerRadiere* form = OpenForm<frmCerRadiere>();
  form->BoxWidget(14)->setFocus();
  QApplication::processEvents();
  testsupport::PressKey(Qt::Key_Tab);
  ASSERT_TRUE(form->chk(0)->hasFocus());
  EXPECT_EQ(Looks(*form), std::vector<int>({F, S, S, S, S, S}));
  testsupport::PressKey(Qt::Key_Tab);
  EXPECT_TRUE(form->chk(1)->hasFocus());
  EXPECT_EQ(Looks(*form), std::vector<int>({S, F, S, S, S, S}));
  // The last check box goes on to txt(15); the receipt box comes last of all.
  form->chk(5)->setFocus();
  testsupport::PressKey(Qt::Key_Tab);
  EXPECT_TRUE(form->BoxWidget(15)->hasFocus());
  EXPECT_EQ(Looks(*form), std::vector<int>({S, S, S, S, S, S}));
  form->cmdExit(1)->Widget()->setFocus();
  testsupport::PressKey(Qt::Key_Tab);
  EXPECT_TRUE(form->BoxWidget(0)->hasFocus());
}

TEST_F(CerRadiere, ABoxOrAPrintButtonTakingTheFocusDrawsEveryCheckBoxSunken) {
  frmCerRadiere* form = OpenForm<frmCerRadiere>();
  const auto flatAfterLabelClick = [&] {
    MouseClick(form->lbl1(3));
    ASSERT_EQ(form->chk(3)->SpecialEffect(), F);
  };
  flatAfterLabelClick();
  form->BoxWidget(5)->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(Looks(*form), std::vector<int>({S, S, S, S, S, S})) << "a box";
  for (int index : {0, 1}) {
    flatAfterLabelClick();
    form->cmdPrint(index)->Widget()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Looks(*form), std::vector<int>({S, S, S, S, S, S})) << "cmdPrint(" << index << ")";
  }
  flatAfterLabelClick();
  form->cmdExit(0)->Widget()->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(form->chk(3)->SpecialEffect(), F) << "the Exit button leaves the looks alone";
}

TEST_F(CerRadiere, ACheckBoxTakingTheFocusLowInTheClientAreaScrollsThePage) {
  frmCerRadiere* form = OpenForm<frmCerRadiere>();
  form->chk(5)->setFocus();
  QApplication::processEvents();
  // Its top 11910, 315 high, in a client area 6000 high: brought to 6000 - 315 - 700.
  EXPECT_DOUBLE_EQ(form->Top(), -(11910 - 6000) - 315 - 700);
}

TEST_F(CerRadiere, ThePageHasItsBoxesAndCheckBoxes) {
  frmCerRadiere* form = OpenForm<frmCerRadiere>();
  EXPECT_EQ(form->BoxCount(), 16);
  EXPECT_EQ(form->Frame()->windowTitle(), QStringLiteral("Cerere de radiere"));
  EXPECT_EQ(form->Box(0)->Twips(), QRectF(7680, 3570, 2685, 285));
  EXPECT_EQ(form->Box(15)->Twips(), QRectF(2550, 12900, 1275, 285));
  EXPECT_EQ(form->chk(1)->Twips(), QRectF(2010, 9660, 255, 315));
  EXPECT_EQ(form->chk(3)->Twips(), QRectF(2010, 11280, 255, 285));
  EXPECT_EQ(form->lbl1(4)->Caption(), QStringLiteral("b) "));
  EXPECT_EQ(form->lbl2(5)->Caption(),
            QStringLiteral("documentul care să ateste deţinerea spaţiului necesar pentru depozitarea vehiculului."));
  EXPECT_EQ(form->cmdPrint(1)->Twips(), QRectF(600, 13920, 975, 645));
}

TEST_F(CerRadiere, CaptionsStandDirectlyBeforeTheirBoxes) {
  testsupport::ExpectCaptionsBeforeTheirBoxes<frmCerRadiere>(
      *this, {{"strada", 6180, 5610}, {"nr", 6180, 9840}, {"scara", 6510, 2760}, {"judeţ", 6510, 5820}});
}

// Each row begins where its first caption does, left-aligned, however wide the room
// before its box.
TEST_F(CerRadiere, EachRowBeginsAtItsLeft) {
  testsupport::ExpectLinesStartAt<frmCerRadiere>(
      *this, {{"Subsemnatul(a)", 5820, 1980}, {"în", 6180, 1305}, {"bloc", 6510, 1305}, {"numărul", 7110, 2040},
              {"marca:", 7440, 2040}, {"nr.", 7770, 2040}, {"culoare:", 8100, 2040}, {"an", 8430, 2040},
              {"DATA", 12900, 1785}, {"Semnatura", 3570, 5940}});
}

TEST_F(CerRadiere, PrintsOneA4PageWithItsLabelsAtTheirPlaces) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmCerRadiere>(
      *this, {{"Am", 7365, 2891}, {"Domnule", 4819, 4933}, {"solicit", 1320, 9030}, {"exportul", 2550, 9360},
              {"Anexez", 1980, 10620}, {"SEMNATURA", 7335, 12900}});
}

}  // namespace
