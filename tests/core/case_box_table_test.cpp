#include "core/CaseBoxTable.h"

#include <gtest/gtest.h>
#include <set>

#include "core/CaseBoxes.h"
#include "platform/RuntimeError.h"

using core::BoxArray;
using core::BoxRef;

TEST(CaseBoxTable, IndexesFollowPositionsAndFieldNamesAreUnique) {
  std::set<std::string_view> names;
  for (int i = 0; i < core::kCampCount; ++i) {
    EXPECT_EQ(core::kCampBoxes[i].index, i);
    EXPECT_TRUE(names.insert(core::kCampBoxes[i].fieldName).second) << core::kCampBoxes[i].fieldName;
  }
  for (int i = 0; i < core::kVersoCount; ++i) {
    EXPECT_EQ(core::kVersoBoxes[i].index, i);
    EXPECT_TRUE(names.insert(core::kVersoBoxes[i].fieldName).second) << core::kVersoBoxes[i].fieldName;
  }
  EXPECT_TRUE(names.insert(core::kSpecificatiiBox.fieldName).second);
}

TEST(CaseBoxTable, FieldNamesFindTheirBoxes) {
  static_assert(core::Box("CumparatorCNP") == BoxRef{BoxArray::txtVerso, 4});
  static_assert(core::Box("NrIdentificare") == BoxRef{BoxArray::txtCamp, 5});
  static_assert(core::Box("AnFabricatie") == BoxRef{BoxArray::txtCamp, 44});
  static_assert(core::Box("PretLitere") == BoxRef{BoxArray::txtVerso, 39});
  static_assert(core::Box("Specificatii") == BoxRef{BoxArray::txtSpecificatii, 0});

  EXPECT_EQ(core::FindBox(u"VanzatorCNP"), (BoxRef{BoxArray::txtVerso, 26}));
  EXPECT_EQ(core::FindBox(u"Culoarea"), (BoxRef{BoxArray::txtCamp, 38}));
  EXPECT_EQ(core::FindBox(u"culoarea"), std::nullopt) << "names compare exactly";
  EXPECT_EQ(core::FindBox(u""), std::nullopt);
  EXPECT_EQ(core::FieldName({BoxArray::txtVerso, 22}), "NrVelorastulare");
  EXPECT_EQ(core::Caption({BoxArray::txtVerso, 1}), "  Detinatorul (numele sau         denumirea firmei)");
}

TEST(CaseBoxTable, OnlyTheIdentityCardAndCnpBoxesHaveLimits) {
  for (const core::BoxSpec& b : core::kCampBoxes) EXPECT_EQ(b.maxLength, 0) << b.fieldName;
  for (const core::BoxSpec& b : core::kVersoBoxes) {
    int expected = 0;
    if (b.index == 2 || b.index == 24) expected = 2;
    if (b.index == 3 || b.index == 25) expected = 6;
    if (b.index == 4 || b.index == 26) expected = 13;
    EXPECT_EQ(b.maxLength, expected) << b.fieldName;
  }
}

namespace {
class FakeBoxes : public core::CaseBoxes {
 public:
  QString txtCamp(int index) const override { return QStringLiteral("camp%1").arg(index); }
  QString txtVerso(int index) const override { return QStringLiteral("verso%1").arg(index); }
  QString txtSpecificatii() const override { return QStringLiteral("spec"); }
};
}  // namespace

TEST(CaseBoxes, ReadsABoxByFieldName) {
  const FakeBoxes boxes;
  EXPECT_EQ(boxes.Text(core::Box("CumparatorCNP")), "verso4");
  EXPECT_EQ(boxes.Text(u"NrIdentificare"), "camp5");
  EXPECT_EQ(boxes.Text(u"Specificatii"), "spec");
  try {
    boxes.Text(u"CNP");
    FAIL() << "an unknown field name must raise";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Number(), platform::kErrSubscriptOutOfRange);
  }
}
