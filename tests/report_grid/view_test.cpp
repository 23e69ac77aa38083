// The view: drawing as the page, repainting only when Redraw is True, typing and
// ticking in unlocked cells, and locked cells refusing both.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "report_grid/ReportGridView.h"

using namespace report_grid;

namespace {

// A 4 x 4 grid whose document cells are 50 x 20 units, shown in a view at 96 dpi so
// that one grid unit is one pixel.
class ViewTest : public testing::Test {
 protected:
  void SetUp() override {
    ReportGrid& g = view.Model();
    g.SetRows(4);
    g.SetCols(4);
    g.Column(0).SetWidth(0);
    for (int c = 1; c < 4; ++c) g.Column(c).SetWidth(50);
    for (int r = 1; r < 4; ++r) g.SetRowHeight(r, 20);
    view.resize(300, 200);
    view.show();
    QApplication::processEvents();
    ASSERT_EQ(view.viewport()->logicalDpiX(), 96);
  }

  // The centre of a cell on the viewport.
  static QPoint Centre(int row, int col) { return QPoint((col - 1) * 50 + 25, (row - 1) * 20 + 10); }

  void Click(int row, int col, bool twice = false) {
    const QPoint at = Centre(row, col);
    QMouseEvent press(QEvent::MouseButtonPress, at, view.viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view.viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &release);
    if (twice) {
      QMouseEvent dbl(QEvent::MouseButtonDblClick, at, view.viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(view.viewport(), &dbl);
    }
  }

  static void Key(QWidget* to, int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
  }

  void Type(const QString& text) {
    // The first character goes to the view and opens the editor; the rest to it.
    Key(&view, 0, text.left(1));
    if (QLineEdit* editor = Editor()) {
      for (QChar ch : text.mid(1)) Key(editor, 0, QString(ch));
      Key(editor, Qt::Key_Return);
    }
  }

  QLineEdit* Editor() const {
    QLineEdit* e = view.viewport()->findChild<QLineEdit*>();
    return e && e->isVisible() ? e : nullptr;
  }

  QImage Shot() { return view.viewport()->grab().toImage(); }

  ReportGridView view;
};

}  // namespace

TEST_F(ViewTest, TypingReachesUnlockedCellsAndLockedCellsRefuse) {
  ReportGrid& g = view.Model();
  g.Cell(1, 2).SetLocked(true);
  g.Cell(1, 2).SetText("eticheta");
  g.Range(2, 1, 2, 3).Merge();  // typing into a merged area writes its anchor

  struct Case { int row, col; QString typed; QString row1col1, expect; } cases[] = {
      {1, 1, "B-123-ABC", "", "B-123-ABC"},
      {1, 2, "peste", "eticheta", "eticheta"},
      {2, 3, "zona", "", "zona"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    Click(c.row, c.col);
    Type(c.typed);
    const CellRect area = g.AreaOf(c.row, c.col);
    EXPECT_EQ(g.Cell(area.row1, area.col1).Text(), c.expect);
  }
  EXPECT_FALSE(view.IsEditing());

  // Esc drops an edit; a double click edits the text that is there.
  Click(1, 1, true);
  ASSERT_TRUE(Editor());
  EXPECT_EQ(Editor()->text(), "B-123-ABC");
  Key(Editor(), 0, "x");
  Key(Editor(), Qt::Key_Escape);
  EXPECT_EQ(g.Cell(1, 1).Text(), "B-123-ABC");
  Click(1, 2, true);
  EXPECT_FALSE(Editor());  // locked: no editor
}

TEST_F(ViewTest, TickBoxesToggleByClickAndSpaceUnlessLocked) {
  ReportGrid& g = view.Model();
  g.Cell(1, 1).SetCellType(kCellTickBox);
  g.Cell(1, 3).SetCellType(kCellTickBox);
  g.Cell(1, 3).SetLocked(true);
  g.Cell(1, 3).SetText("1");

  Click(1, 1);
  EXPECT_EQ(g.Cell(1, 1).Text(), "1");
  Key(&view, Qt::Key_Space, " ");
  EXPECT_EQ(g.Cell(1, 1).Text(), "");
  Type("7");  // a tick box takes no typing
  EXPECT_EQ(g.Cell(1, 1).Text(), "");

  Click(1, 3);
  Key(&view, Qt::Key_Space, " ");
  EXPECT_EQ(g.Cell(1, 3).Text(), "1");
}

TEST_F(ViewTest, RepaintsOnlyWhenRedrawIsTrue) {
  ReportGrid& g = view.Model();
  view.clearFocus();  // the focus frame is drawn over the picture
  const QImage empty = Shot();
  g.SetRedraw(false);
  g.Cell(1, 1).SetBorder(kEdgeBottom, kLineThick);
  g.Range(2, 1, 3, 3).Merge();
  view.viewport()->repaint();
  EXPECT_EQ(Shot(), empty);  // the layout is not seen while it works
  g.Refresh();
  EXPECT_EQ(Shot(), empty);
  g.SetRedraw(true);
  g.Refresh();
  EXPECT_NE(Shot(), empty);
}

TEST_F(ViewTest, DrawsLinesMergesAndTickBoxesWhereThePageHasThem) {
  ReportGrid& g = view.Model();
  g.Range(1, 1, 1, 3).SetBorder(kEdgeBottom, kLineThick);
  g.Range(2, 1, 3, 2).Merge();
  g.Cell(2, 3).SetCellType(kCellTickBox);
  g.Cell(2, 3).SetText("1");
  view.clearFocus();
  g.Refresh();
  const QImage shot = Shot();
  auto gray = [&](int x, int y) { return qGray(shot.pixel(x, y)); };
  EXPECT_LT(gray(75, 19), 60);                  // the thick line under row 1,
  EXPECT_LT(gray(75, 20), 60);                  // two pixels wide
  EXPECT_EQ(gray(75, 22), 255);
  EXPECT_EQ(gray(25, 40), 255);                 // no guide inside the merged area
  EXPECT_LT(gray(50, 10), 255);                 // a light guide where no line is set
  EXPECT_GT(gray(50, 10), 150);
  int dark = 0;                                 // the ticked box of (2, 3)
  for (int x = 101; x < 150; ++x)
    for (int y = 21; y < 40; ++y) dark += gray(x, y) < 128;
  EXPECT_GT(dark, 20);
}

TEST(ReportGridViewDesign, StartsAsDesigned) {
  ReportGridView view;
  EXPECT_EQ(view.Model().Rows(), 2);
  EXPECT_EQ(view.Model().Cols(), 2);
  EXPECT_DOUBLE_EQ(view.Model().DefaultFont().Size(), 8.25);
}
