#include "platform/ListView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <string>

#include "platform/KeyCodes.h"
#include "platform/RuntimeError.h"

namespace {

// The left button going down or coming up at a point of the list's viewport.
void Press(platform::ListView& list, QEvent::Type type, const QPoint& at) {
  QMouseEvent event(type, at, list.viewport()->mapToGlobal(at), Qt::LeftButton,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(list.viewport(), &event);
}
void ClickAt(platform::ListView& list, const QPoint& at) {
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) Press(list, type, at);
}
void Key(platform::ListView& list, QEvent::Type type, Qt::Key key, bool autoRepeat = false) {
  QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
  QApplication::sendEvent(&list, &event);
}

struct Events {
  int clicks = 0;
  QList<int> keysUp;
};

class ListViewTest : public testing::Test {
 protected:
  void SetUp() override {
    list.SetColumns({{"A", 50}, {"B", 50}});
    list.Fill({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    list.resize(200, 300);
    list.show();
    QObject::connect(&list, &platform::ListView::Click, [this] { ++events.clicks; });
    QObject::connect(&list, &platform::ListView::KeyUp, [this](int key, Qt::KeyboardModifiers) { events.keysUp << key; });
  }
  void Press(QEvent::Type type, const QPoint& at) { ::Press(list, type, at); }
  void Click(const QPoint& at) { ClickAt(list, at); }
  void ClickRow(int index) { Click(list.ItemRect(list.Item(index)).center()); }
  void Key(QEvent::Type type, Qt::Key key, bool autoRepeat = false) { ::Key(list, type, key, autoRepeat); }
  platform::ListView list;
  Events events;
};

}  // namespace

TEST_F(ListViewTest, RowsAreCountedFromOneAndAMissingRowIsError35600) {
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Item(3).text(1), "3");
  EXPECT_EQ(list.Index(list.Item(2)), 2);
  EXPECT_TRUE(list.SelectedItem().IsNull());
  for (int missing : {0, 4}) {
    try {
      list.Item(missing);
      ADD_FAILURE() << missing;
    } catch (const platform::RuntimeError& e) {
      EXPECT_EQ(e.Number(), platform::kErrIndexOutOfBounds);
    }
  }
}

TEST_F(ListViewTest, RemovingTheSelectedRowLeavesNoRowCurrentOrSelected) {
  list.EnsureVisibleAndSelect(list.Item(2));
  EXPECT_TRUE(platform::ListView::Selected(list.SelectedItem()));
  list.Remove(2);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_TRUE(list.SelectedItem().IsNull());
  EXPECT_FALSE(list.selectionModel()->hasSelection());
}

TEST_F(ListViewTest, EveryLeftClickIsAClickAndOnlyTheLastReleaseOfAHeldKeyIsAKeyUp) {
  for (QPoint at : {list.ItemRect(list.Item(1)).center(), QPoint(5, list.viewport()->height() - 3)}) Click(at);
  EXPECT_EQ(events.clicks, 2);
  EXPECT_EQ(list.Index(list.SelectedItem()), 1);

  Key(QEvent::KeyPress, Qt::Key_Down);
  Key(QEvent::KeyRelease, Qt::Key_Down, true);
  Key(QEvent::KeyPress, Qt::Key_Down, true);
  Key(QEvent::KeyRelease, Qt::Key_Down);
  EXPECT_EQ(events.keysUp, QList<int>{platform::vbKeyDown});
  EXPECT_EQ(list.Index(list.SelectedItem()), 3) << "the list moved before the key came up";
}

// A click on a row that cannot be chosen is no click: the row chosen before stays
// current and selected, and nothing is told to the handlers that would load it again.
TEST_F(ListViewTest, AClickOnARowThatCannotBeChosenIsNoClick) {
  struct SecondRowUnreadable : platform::FixedListRows {
    using FixedListRows::FixedListRows;
    bool Selectable(int row) override { return row != 1; }
  };
  list.SetRows(std::make_unique<SecondRowUnreadable>(QList<QStringList>{{"a", "1"}, {""}, {"c", "3"}}));
  ClickRow(1);
  ASSERT_EQ(events.clicks, 1);
  ClickRow(2);
  EXPECT_EQ(events.clicks, 1);
  EXPECT_EQ(list.Index(list.SelectedItem()), 1);
  EXPECT_TRUE(platform::ListView::Selected(list.SelectedItem()));
  ClickRow(3);
  EXPECT_EQ(events.clicks, 2);
  EXPECT_EQ(list.Index(list.SelectedItem()), 3);

  // Pressed on one row and released on the other: the row pressed decides.
  const auto pressAndRelease = [this](int pressed, int released) {
    Press(QEvent::MouseButtonPress, list.ItemRect(list.Item(pressed)).center());
    Press(QEvent::MouseButtonRelease, list.ItemRect(list.Item(released)).center());
  };
  pressAndRelease(2, 1);
  EXPECT_EQ(events.clicks, 2);
  EXPECT_EQ(list.Index(list.SelectedItem()), 3);
  pressAndRelease(1, 2);
  EXPECT_EQ(events.clicks, 3);
  EXPECT_EQ(list.Index(list.SelectedItem()), 1);
}

// A typed letter selects the next row whose text in the current column starts with it,
// letters compared without regard to case, wrapping to the first row; letters typed
// quickly after each other are one prefix, the same letter again moves on. A wildcard
// of the database's patterns is an ordinary character here.
TEST(ListViewKeyboardSearch, SelectsTheNextRowThatStartsWithTheTypedLetters) {
  struct Case {
    int current;   // 0: no row current
    QStringList letters;  // typed quickly after each other
    int selected;  // the row selected afterwards, 0 for none
  };
  const Case cases[] = {
      {0, {"b"}, 2},         // from the first row when none is current
      {2, {"b"}, 3},         // after the current row, in either case
      {3, {"b"}, 2},         // past the last row, from the first again
      {1, {"a"}, 5},         // the current row itself is passed over
      {1, {"a", "n", "a", " "}, 5},  // "ana " as one prefix
      {0, {"b", "b"}, 3},    // the same letter again: the next row with it
      {4, {"s"}, 4},         // the only row with it, and it is the current one
      {0, {"ş"}, 4},         // a Romanian letter matches its capital
      {6, {"x"}, 6},         // no row: the selection stays
      {0, {"*"}, 6},         // a star is itself
      {0, {"?"}, 0},
  };
  for (const Case& c : cases) {
    platform::ListView list;
    list.SetColumns({{"A", 50}, {"B", 50}});
    list.Fill({{"Ana", "1"}, {"bogdan", "2"}, {"Barbu", "3"}, {"Şerban", "4"}, {"ana maria", "5"}, {"*stea", "6"}});
    if (c.current) list.EnsureVisibleAndSelect(list.Item(c.current));
    for (const QString& letter : c.letters) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, letter);
      QApplication::sendEvent(&list, &press);
    }
    const platform::ListItem item = list.SelectedItem();
    EXPECT_EQ(platform::ListView::Selected(item) ? list.Index(item) : 0, c.selected)
        << c.current << " " << c.letters.join("").toStdString();
  }
}

namespace {

// Rows made up as they are asked for: "row N" and N, counted from 1; some cannot be
// chosen.
class MadeUpRows : public platform::ListRows {
 public:
  MadeUpRows(int count, QList<int> unchoosable = {}) : count_(count), unchoosable_(std::move(unchoosable)) {}
  int Count() const override { return count_; }
  QStringList Texts(int row) override { return {QStringLiteral("row %1").arg(row + 1), QString::number(row + 1)}; }
  void Remove(int) override { --count_; }
  bool Selectable(int row) override { return !unchoosable_.contains(row + 1); }

 private:
  int count_;
  QList<int> unchoosable_;  // positions counted from 1
};

// A list shown with a viewport exactly `shown` rows high.
void ShowRows(platform::ListView& list, int shown, int width = 300) {
  list.resize(width, 300);
  list.show();
  QApplication::processEvents();
  list.resize(width, 300 - list.viewport()->height() + shown * list.rowHeight());
  QApplication::processEvents();
  ASSERT_EQ(list.viewport()->height(), shown * list.rowHeight());
}

int FirstShown(const platform::ListView& list) { return list.rowAt(0) + 1; }

void PressKey(platform::ListView& list, Qt::Key key) {
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) Key(list, type, key);
}

}  // namespace

// The keys move the current row over thirty rows, ten on screen: a row at a time, a
// page at a time, to either end, passing over the rows that cannot be chosen, and the
// list scrolls to keep the current row whole on screen.
TEST(ListViewKeys, MoveTheCurrentRowAndKeepItOnScreen) {
  struct Case {
    QList<int> unchoosable;
    int from;  // the row made current first, scrolled into view from the top
    Qt::Key key;
    int current;     // afterwards
    int firstShown;  // afterwards
  };
  const Case cases[] = {
      {{}, 1, Qt::Key_Down, 2, 1},
      {{}, 2, Qt::Key_Up, 1, 1},
      {{}, 1, Qt::Key_Up, 1, 1},     // nothing above the first row
      {{}, 30, Qt::Key_Down, 30, 21},  // nor below the last
      {{}, 10, Qt::Key_Down, 11, 2},   // just below the viewport: it scrolls a row
      {{}, 1, Qt::Key_PageDown, 11, 2},  // to the row that stood below the last shown
      {{}, 11, Qt::Key_PageUp, 1, 1},   // and back
      {{}, 25, Qt::Key_PageDown, 30, 21},
      {{}, 3, Qt::Key_PageUp, 1, 1},
      {{}, 15, Qt::Key_Home, 1, 1},
      {{}, 1, Qt::Key_End, 30, 21},
      {{}, 5, Qt::Key_Right, 5, 1},  // no column of its own to go to
      {{2}, 1, Qt::Key_Down, 3, 1},
      {{2}, 3, Qt::Key_Up, 1, 1},
      {{1}, 2, Qt::Key_Up, 2, 1},        // none above that can be chosen: it stays
      {{29, 30}, 28, Qt::Key_Down, 28, 19},
      {{11}, 1, Qt::Key_PageDown, 10, 1},  // the nearest before the row that cannot be chosen
      {{1, 2}, 11, Qt::Key_PageUp, 3, 2},  // the nearest after it
      {{30}, 1, Qt::Key_End, 1, 1},        // a last row that cannot be chosen is not gone to
  };
  for (const Case& c : cases) {
    platform::ListView list;
    list.SetColumns({{"A", 100}, {"B", 100}});
    list.SetRows(std::make_unique<MadeUpRows>(30, c.unchoosable));
    ShowRows(list, 10);
    list.EnsureVisibleAndSelect(list.Item(c.from));
    PressKey(list, c.key);
    const std::string label = std::to_string(c.from) + " key " + std::to_string(c.key);
    ASSERT_FALSE(list.SelectedItem().IsNull()) << label;
    EXPECT_EQ(list.Index(list.SelectedItem()), c.current) << label;
    EXPECT_TRUE(platform::ListView::Selected(list.SelectedItem())) << label;
    EXPECT_EQ(FirstShown(list), c.firstShown) << label;
    EXPECT_TRUE(list.viewport()->rect().contains(list.ItemRect(list.SelectedItem()))) << label;
  }
}

// A row far down a long list scrolled into view stands whole in the viewport, where a
// click finds it; at the end the last row stands at the bottom edge, and stays there
// when a row is removed.
TEST(ListViewScrolling, AFarRowIsShownWhereAClickFindsIt) {
  platform::ListView list;
  list.SetColumns({{"A", 100}, {"B", 100}});
  list.SetRows(std::make_unique<MadeUpRows>(1000000));
  ShowRows(list, 10);
  int clicks = 0;
  QObject::connect(&list, &platform::ListView::Click, [&] { ++clicks; });

  list.EnsureVisibleAndSelect(list.Item(700000));
  const QRect far = list.ItemRect(list.Item(700000));
  EXPECT_TRUE(list.viewport()->rect().contains(far));
  list.EnsureVisibleAndSelect(list.Item(1));
  ClickAt(list, list.ItemRect(list.Item(2)).center());
  list.EnsureVisibleAndSelect(list.Item(700000));
  QApplication::processEvents();
  EXPECT_EQ(list.ItemRect(list.Item(700000)), far) << "the same place coming from above";
  ClickAt(list, QPoint(150, far.center().y() - list.rowHeight()));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(list.Index(list.SelectedItem()), 699999);
  EXPECT_EQ(list.SelectedItem().text(0), "row 699999");
  EXPECT_EQ(list.SelectedItem().text(1), "699999");

  list.EnsureVisibleAndSelect(list.Item(1000000));
  QApplication::processEvents();
  const auto lastAtTheBottom = [&](int last) {
    EXPECT_EQ(list.ItemRect(list.Item(last)).bottom(), list.viewport()->height() - 1) << last;
    EXPECT_EQ(list.rowAt(list.viewport()->height() - 1) + 1, last);
    EXPECT_EQ(list.rowAt(list.viewport()->height()), -1) << "no row below the last";
  };
  lastAtTheBottom(1000000);
  list.Remove(999990);
  QApplication::processEvents();
  lastAtTheBottom(999999);
  ClickAt(list, list.ItemRect(list.Item(999999)).center());
  EXPECT_EQ(list.Index(list.SelectedItem()), 999999);
}

// The header shows the columns' texts at their widths above the rows, and the cells
// stand under their headers; columns wider than the view scroll across, a column at a
// time, the last one to the right edge.
TEST(ListViewColumns, TheHeaderStandsAboveCellsOfItsWidthsAndScrollsAcross) {
  platform::ListView list;
  list.SetColumns({{"Nume", 150}, {"Ser", 60}, {"CNP", 130}});
  list.SetRows(std::make_unique<MadeUpRows>(5));
  list.resize(160, 150);
  list.show();
  QApplication::processEvents();
  ASSERT_EQ(list.ColumnCount(), 3);
  EXPECT_EQ(list.HeaderText(0), "Nume");
  EXPECT_EQ(list.HeaderText(2), "CNP");
  QHeaderView* header = list.horizontalHeader();
  ASSERT_TRUE(header->isVisible());
  EXPECT_EQ(header->model()->headerData(1, Qt::Horizontal).toString(), "Ser");
  const QRect headerArea(header->mapTo(&list, QPoint(0, 0)), header->size());
  const QRect rowsArea(list.viewport()->mapTo(&list, QPoint(0, 0)), list.viewport()->size());
  EXPECT_EQ(headerArea.bottom() + 1, rowsArea.top());
  EXPECT_EQ(headerArea.left(), rowsArea.left());
  EXPECT_EQ(headerArea.width(), rowsArea.width());
  EXPECT_GT(headerArea.height(), 0);

  const auto cell = [&](int row, int column) { return list.visualRect(list.model()->index(row, column)); };
  const int widths[] = {150, 60, 130};
  for (int column = 0, x = 0; column < 3; x += widths[column++]) {
    EXPECT_EQ(list.columnWidth(column), widths[column]);
    EXPECT_EQ(cell(2, column), QRect(x, 2 * list.rowHeight(), widths[column], list.rowHeight())) << column;
    EXPECT_EQ(header->sectionViewportPosition(column), x);
    EXPECT_EQ(list.indexAt(cell(2, column).center()), list.model()->index(2, column));
  }

  QScrollBar* across = list.horizontalScrollBar();
  EXPECT_TRUE(across->isVisible());
  across->setValue(1);
  EXPECT_EQ(cell(0, 1).left(), 0) << "the second column first";
  EXPECT_EQ(header->sectionViewportPosition(1), 0);
  across->setValue(across->maximum());
  EXPECT_EQ(cell(0, 2).right(), list.viewport()->width() - 1) << "the last column at the right edge";
  EXPECT_EQ(header->sectionViewportPosition(2), cell(0, 2).left());
  EXPECT_EQ(list.indexAt(QPoint(list.viewport()->width() - 2, 1)), list.model()->index(0, 2));

  list.setColumnWidth(0, 40);  // now all fit
  list.setColumnWidth(2, 40);
  QApplication::processEvents();
  EXPECT_FALSE(across->isVisible());
  EXPECT_EQ(cell(0, 0).left(), 0);
}

// Removing a row before, at or after the current one: the rows after it move up, the
// items held follow their rows (the removed row's becomes null), and no row is current.
TEST(ListViewRemove, ItemsFollowTheirRowsAndNoRowStaysCurrent) {
  for (int removed : {2, 3, 4}) {
    platform::ListView list;
    list.SetColumns({{"A", 50}});
    list.Fill({{"a"}, {"b"}, {"c"}, {"d"}, {"e"}});
    list.resize(200, 300);
    list.show();
    list.EnsureVisibleAndSelect(list.Item(3));
    const QList<platform::ListItem> held{list.Item(2), list.Item(3), list.Item(4)};
    list.Remove(removed);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_TRUE(list.SelectedItem().IsNull()) << removed;
    EXPECT_FALSE(list.selectionModel()->hasSelection()) << removed;
    for (int i = 0; i < held.size(); ++i) {
      const int was = i + 2;
      const QString text(QChar('a' + was - 1));
      if (was == removed) {
        EXPECT_TRUE(held[i].IsNull()) << removed << " " << was;
        continue;
      }
      const int now = was < removed ? was : was - 1;
      EXPECT_EQ(list.Index(held[i]), now) << removed << " " << was;
      EXPECT_EQ(held[i].text(0), text);
      EXPECT_EQ(list.Item(now).text(0), text);
      EXPECT_FALSE(held[i].isSelected());
    }
    QApplication::processEvents();
    EXPECT_EQ(list.rowAt(4 * list.rowHeight()), -1) << "no row where the fifth stood";
  }
}
