#include "main_window/RubricLayout.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "core/CaseBoxTable.h"
#include "core/FontSubstitutions.h"
#include "platform/Twips.h"

using namespace main_window;
using core::BoxArray;
using core::BoxRef;

namespace {

MeasureText CaptionMeasure() {
  core::RegisterFontSubstitutions();
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSizeF(8.25);
  return [metrics = QFontMetrics(font)](const QString& text) {
    return platform::PixelsToTwips(metrics.horizontalAdvance(text));
  };
}

bool Overlap(const TwipsBox& a, const TwipsBox& b) {
  return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

struct PaneCase {
  const char* name;
  const RubricPane& pane;
  int boxCount;
  TwipsBox content;  // picInput1 / picInput3
};

}  // namespace

class RubricPanes : public testing::TestWithParam<int> {
 protected:
  PaneCase Pane() const {
    return GetParam() == 1 ? PaneCase{"Fisa fata", FisaFataRubrics(), core::kCampCount, {30, 30, 8055, 8745}}
                           : PaneCase{"Fisa Verso", FisaVersoRubrics(), core::kVersoCount, {0, 0, 8325, 9915}};
  }
};

TEST_P(RubricPanes, EveryBoxStandsOnceInTheRubricOfItsRow) {
  const PaneCase c = Pane();
  const auto placed = LayOutRubrics(c.pane, CaptionMeasure());
  std::map<int, TwipsBox> rubrics;
  for (const Placed& p : placed)
    if (p.kind == PlacedKind::Rubric) rubrics[p.rubric] = p.place;

  std::multiset<int> boxes;
  for (const Placed& p : placed) {
    if (p.kind != PlacedKind::Box) continue;
    boxes.insert(p.box);
    const int row = core::Spec({c.pane.array, p.box}).row;
    EXPECT_EQ(p.rubric, row) << c.name << " box " << p.box;
    const TwipsBox& r = rubrics.at(row);
    EXPECT_TRUE(p.place.Left >= r.Left && p.place.Right() <= r.Right() && p.place.Top >= r.Top &&
                p.place.Bottom() <= r.Bottom())
        << c.name << " box " << p.box << " outside rubric " << row;
    EXPECT_EQ(p.place.Height, 315);
    EXPECT_GE(p.place.Width, 500) << c.name << " box " << p.box << " squeezed";
  }
  ASSERT_EQ(static_cast<int>(boxes.size()), c.boxCount);
  for (int i = 0; i < c.boxCount; ++i) EXPECT_EQ(boxes.count(i), 1u) << c.name << " box " << i;
}

TEST_P(RubricPanes, CaptionsAndBoxesNeitherOverlapNorLeaveTheContent) {
  const PaneCase c = Pane();
  const MeasureText measure = CaptionMeasure();
  const auto placed = LayOutRubrics(c.pane, measure);
  std::vector<const Placed*> items;
  for (const Placed& p : placed) {
    if (p.kind == PlacedKind::Rubric) continue;
    EXPECT_GE(p.place.Left, 0);
    EXPECT_LE(p.place.Right(), c.content.Width) << c.name << " " << p.text.toStdString();
    EXPECT_LE(p.place.Bottom(), c.content.Height) << c.name << " " << p.text.toStdString();
    if (p.kind == PlacedKind::Caption || p.kind == PlacedKind::Lead) {
      EXPECT_GE(p.place.Width, measure(p.text)) << "cut caption: " << p.text.toStdString();
    }
    if (p.kind == PlacedKind::Group && p.groupStyle == GroupStyle::Left) {
      EXPECT_GE(p.place.Width, measure(p.text.trimmed())) << "cut caption: " << p.text.toStdString();
    }
    items.push_back(&p);
  }
  for (std::size_t i = 0; i < items.size(); ++i)
    for (std::size_t j = i + 1; j < items.size(); ++j)
      EXPECT_FALSE(Overlap(items[i]->place, items[j]->place))
          << c.name << ": '" << items[i]->text.toStdString() << "' (box " << items[i]->box << ") and '"
          << items[j]->text.toStdString() << "' (box " << items[j]->box << ")";
}

INSTANTIATE_TEST_SUITE_P(BothDataPanes, RubricPanes, testing::Values(1, 2));

TEST(RubricLayout, TabOrderIsTheGivenOne) {
  std::vector<BoxRef> expected;
  auto camp = [&](int i) { expected.push_back({BoxArray::txtCamp, i}); };
  auto verso = [&](int i) { expected.push_back({BoxArray::txtVerso, i}); };
  for (int i = 0; i <= 4; ++i) camp(i);
  for (int i : {44, 5, 6, 42, 7, 43, 8, 10, 9}) camp(i);
  for (int i = 11; i <= 41; ++i) camp(i);
  expected.push_back({BoxArray::txtSpecificatii, 0});
  verso(0);
  verso(39);
  for (int i = 1; i <= 38; ++i) verso(i);
  EXPECT_EQ(BoxTabOrder(), expected);
}
