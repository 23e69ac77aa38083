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
  for (QPoint at : {list.ItemRect(list.Item(1)).center(), QPoint(5, list.viewport()->height() - 3)}) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, at, list.viewport()->mapToGlobal(at), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(list.viewport(), &event);
    }
  }
  EXPECT_EQ(events.clicks, 2);
  EXPECT_EQ(list.Index(list.SelectedItem()), 1);

  Key(QEvent::KeyPress, Qt::Key_Down);
  Key(QEvent::KeyRelease, Qt::Key_Down, true);
  Key(QEvent::KeyPress, Qt::Key_Down, true);
  Key(QEvent::KeyRelease, Qt::Key_Down);
  EXPECT_EQ(events.keysUp, QList<int>{platform::vbKeyDown});
  EXPECT_EQ(list.Index(list.SelectedItem()), 3) << "the list moved before the key came up";
}
