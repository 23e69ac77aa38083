#include "platform/ListView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "platform/RuntimeError.h"

namespace {

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
  // The left button going down or coming up at a point of the viewport.
  void Press(QEvent::Type type, const QPoint& at) {
    QMouseEvent event(type, at, list.viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &event);
  }
  void Click(const QPoint& at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) Press(type, at);
  }
  void ClickRow(int index) { Click(list.ItemRect(list.Item(index)).center()); }
  void Key(QEvent::Type type, Qt::Key key, bool autoRepeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(&list, &event);
  }
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
