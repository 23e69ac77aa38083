#pragma once
// Shared by the letter tests: the case boxes by field name, the day the letters are
// laid on, the document font a known one, and short readers of a laid grid.

#include <gtest/gtest.h>

#include <QDate>
#include <QFont>

#include "core/CaseBoxTable.h"
#include "core/Fonts.h"
#include "platform/Clock.h"
#include "report_grid/ReportGrid.h"
#include "support/SheetFixtures.h"

namespace lettertest {

// Case boxes set by field name.
class Boxes : public sheettest::Boxes {
 public:
  Boxes& Set(QStringView field, const QString& text) {
    const core::BoxRef box = *core::FindBox(field);
    if (box.array == core::BoxArray::txtCamp)
      camp[box.index] = text;
    else if (box.array == core::BoxArray::txtVerso)
      verso[box.index] = text;
    else
      specificatii = text;
    return *this;
  }
  // Every box holding its own field name, so that a cell shows where its text came from;
  // the two register boxes empty (both parties natural persons).
  static Boxes Named() {
    Boxes b;
    for (const core::BoxSpec& s : core::kVersoBoxes) b.verso[s.index] = QString::fromLatin1(s.fieldName);
    for (const core::BoxSpec& s : core::kCampBoxes) b.camp[s.index] = QString::fromLatin1(s.fieldName);
    b.Set(u"VanzatorRegCom", {}).Set(u"CumparatorRegCom", {});
    return b;
  }
};

inline const QDate kLayDay(2026, 3, 5);
inline const QString kLayDayText = QStringLiteral("05-03-2026");

// The clock on kLayDay and FontDrav a face no layout uses, large, bold and italic, so
// that a cell that took more than its name shows it.
class LetterTest : public testing::Test {
 protected:
  void SetUp() override {
    platform::SetToday(kLayDay);
    saved_ = core::fonts::FontDrav;
    QFont drav(QStringLiteral("Courier New"));
    drav.setPointSizeF(20);
    drav.setBold(true);
    drav.setItalic(true);
    core::fonts::FontDrav = drav;
  }
  void TearDown() override {
    platform::SetToday(QDate());
    core::fonts::FontDrav = saved_;
  }

  report_grid::ReportGrid grid;

 private:
  QFont saved_;
};

inline const QString kDravName = QStringLiteral("Courier New");
inline const QString kLayoutFont = QStringLiteral("times new roman");

inline int Edge(const report_grid::ReportGrid& g, int row, int col, int edge) {
  return g.EffectiveEdge(row, col, edge).style;
}

// The four edges of a cell or area: left, right, top, bottom.
inline std::array<int, 4> Edges(const report_grid::ReportGrid& g, int row, int col) {
  return {Edge(g, row, col, 0), Edge(g, row, col, 1), Edge(g, row, col, 2), Edge(g, row, col, 3)};
}

inline int SumOfWidths(const report_grid::ReportGrid& g) {
  int sum = 0;
  for (int c = 0; c < g.Cols(); ++c) sum += g.ColumnWidth(c);
  return sum;
}
inline int SumOfHeights(const report_grid::ReportGrid& g) {
  int sum = 0;
  for (int r = 0; r < g.Rows(); ++r) sum += g.RowHeight(r);
  return sum;
}

}  // namespace lettertest
