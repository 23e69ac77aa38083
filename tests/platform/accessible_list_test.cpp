#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <gtest/gtest.h>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <set>
#include <string>

#include "platform/ListView.h"

namespace {

// Rows made up as they are asked for, "row N" and "N" counted from 1, which remember
// which rows were read.
class ReadRows : public platform::ListRows {
 public:
  explicit ReadRows(int count) : count_(count) {}
  int Count() const override { return count_; }
  QStringList Texts(int row) override {
    read.insert(row);
    return {QStringLiteral("row %1").arg(row + 1), QString::number(row + 1)};
  }
  void Remove(int) override { --count_; }
  bool Selectable(int row) override {
    read.insert(row);
    return true;
  }
  std::set<int> read;

 private:
  int count_;
};

// Rows given as texts, where a row without texts cannot be chosen.
struct RowsWithGaps : platform::FixedListRows {
  using FixedListRows::FixedListRows;
  bool Selectable(int row) override { return !Texts(row).isEmpty(); }
};

// A screen reader starting or stopping, as the platform tells Qt of it; the offscreen
// platform has none, and QAccessible::setActive only passes the news on.
void ScreenReader(bool on) {
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
  ASSERT_EQ(QAccessible::isActive(), on);
}

// What a screen reader would have been told.
struct Told {
  QAccessible::Event type;
  int child = -1;  // Focus, SelectionAdd, SelectionRemove
  QAccessibleTableModelChangeEvent::ModelChangeType change{};  // TableModelChanged
  int firstRow = -1;
  int lastRow = -1;
  bool operator==(const Told& o) const {
    return type == o.type && child == o.child && change == o.change && firstRow == o.firstRow && lastRow == o.lastRow;
  }
};
std::ostream& operator<<(std::ostream& out, const Told& t) {
  return out << "{" << t.type << " child " << t.child << " change " << t.change << " rows " << t.firstRow << ".."
             << t.lastRow << "}";
}
Told Event(QAccessible::Event type, int child) { return {type, child}; }
Told Model(QAccessibleTableModelChangeEvent::ModelChangeType change, int first = -1, int last = -1) {
  return {QAccessible::TableModelChanged, -1, change, first, last};
}

std::vector<Told> told;
const QObject* watched = nullptr;  // the list whose events are kept

void Record(QAccessibleEvent* event) {
  if (event->object() != watched) return;
  Told t{event->type()};
  if (event->type() == QAccessible::TableModelChanged) {
    const auto* change = static_cast<QAccessibleTableModelChangeEvent*>(event);
    t.change = change->modelChangeType();
    t.firstRow = change->firstRow();
    t.lastRow = change->lastRow();
  } else if (event->type() == QAccessible::Focus || event->type() == QAccessible::SelectionAdd ||
             event->type() == QAccessible::SelectionRemove) {
    t.child = event->child();
  } else {
    return;  // what the widgets tell of themselves
  }
  told.push_back(t);
}

// A list of four rows under two columns, the third of which cannot be chosen, watched as
// a screen reader would watch it.
class AccessibleListTest : public testing::Test {
 protected:
  void SetUp() override {
    told.clear();
    watched = &list;
    previous_ = QAccessible::installUpdateHandler(&Record);
    ScreenReader(true);
    list.SetColumns({{"Nume", 60}, {"Număr", 40}});
    list.SetRows(std::make_unique<RowsWithGaps>(QList<QStringList>{{"a", "1"}, {"b", "2"}, {}, {"d", "4"}}));
    list.resize(200, 300);
    list.show();
    QApplication::processEvents();
    table = QAccessible::queryAccessibleInterface(&list);
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    told.clear();
  }
  void TearDown() override {
    ScreenReader(false);
    QAccessible::installUpdateHandler(previous_);
  }
  QAccessibleTableInterface* Table() const { return table->tableInterface(); }
  QAccessibleTableCellInterface* CellAt(int row, int column) const {
    QAccessibleInterface* cell = Table()->cellAt(row, column);
    return cell ? cell->tableCellInterface() : nullptr;
  }
  QRect OnScreen(int row, int column) const {
    const QRect rect = list.visualRect(list.model()->index(row, column));
    return QRect(list.viewport()->mapToGlobal(rect.topLeft()), rect.size());
  }

  platform::ListView list;
  QAccessibleInterface* table = nullptr;
  QAccessible::UpdateHandler previous_ = nullptr;
};

}  // namespace

// The list is a table: the column headers first, then the cells row by row, each where
// the list paints it, with the text it paints there.
TEST_F(AccessibleListTest, IsATableOfHeaderCellsThenTheCellsOfTheRows) {
  EXPECT_EQ(table->role(), QAccessible::Table);
  EXPECT_EQ(Table()->rowCount(), 4);
  EXPECT_EQ(Table()->columnCount(), 2);
  EXPECT_EQ(table->childCount(), (4 + 1) * 2);
  EXPECT_EQ(Table()->columnDescription(1), "Număr");

  const QHeaderView* header = list.horizontalHeader();
  for (int column : {0, 1}) {
    QAccessibleInterface* cell = table->child(column);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(cell->text(QAccessible::Name), list.HeaderText(column));
    EXPECT_EQ(cell->rect(), QRect(header->mapToGlobal(QPoint(header->sectionViewportPosition(column), 0)),
                                  QSize(list.columnWidth(column), header->height())));
    EXPECT_EQ(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
  }

  struct Case {
    int row, column;
    QString text;
    bool enabled;
  };
  for (const Case& c : {Case{0, 0, "a", true}, Case{3, 1, "4", true}, Case{2, 0, "", false},
                        Case{2, 1, "", false}}) {
    SCOPED_TRACE(testing::Message() << c.row << "," << c.column);
    QAccessibleInterface* cell = Table()->cellAt(c.row, c.column);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), c.text);
    EXPECT_EQ(cell->text(QAccessible::Name), list.model()->index(c.row, c.column).data().toString());
    EXPECT_EQ(cell->state().disabled, !c.enabled);
    EXPECT_EQ(cell->state().selectable, c.enabled);
    EXPECT_EQ(cell->rect(), OnScreen(c.row, c.column));
    EXPECT_EQ(cell->parent(), table);
    ASSERT_NE(cell->tableCellInterface(), nullptr);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), c.row);
    EXPECT_EQ(cell->tableCellInterface()->columnIndex(), c.column);
    EXPECT_EQ(cell->tableCellInterface()->table(), table);
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells(), QList<QAccessibleInterface*>{table->child(c.column)});
    const int index = (c.row + 1) * 2 + c.column;
    EXPECT_EQ(table->child(index), cell);  // made once, kept while asked again
    EXPECT_EQ(table->indexOfChild(cell), index);
    EXPECT_EQ(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
  }
  for (int index = 0; index < table->childCount(); ++index) EXPECT_EQ(table->indexOfChild(table->child(index)), index);
  for (int outside : {-1, table->childCount()}) EXPECT_EQ(table->child(outside), nullptr);
  EXPECT_EQ(Table()->cellAt(4, 0), nullptr);
  EXPECT_EQ(Table()->cellAt(0, 2), nullptr);
  // Below the last row there is no cell.
  const QPoint below = list.viewport()->mapToGlobal(QPoint(5, list.viewport()->height() - 2));
  EXPECT_EQ(table->childAt(below.x(), below.y()), nullptr);
}

// A list of a million rows answers for the rows asked about, reading those rows alone.
TEST(AccessibleList, AMillionRowsAreAnsweredWithoutReadingThem) {
  platform::ListView list;
  list.SetColumns({{"Nume", 60}, {"Număr", 40}});
  auto made = std::make_unique<ReadRows>(1000000);
  ReadRows* rows = made.get();
  list.SetRows(std::move(made));
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&list);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->tableInterface()->rowCount(), 1000000);
  EXPECT_EQ(table->childCount(), 1000001 * 2);
  QAccessibleInterface* last = table->child(table->childCount() - 1);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->text(QAccessible::Name), "1000000");
  EXPECT_EQ(last->tableCellInterface()->rowIndex(), 999999);
  EXPECT_EQ(table->indexOfChild(last), table->childCount() - 1);
  EXPECT_EQ(table->tableInterface()->cellAt(500000, 0)->text(QAccessible::Name), "row 500001");
  EXPECT_EQ(table->tableInterface()->selectedRowCount(), 0);
  EXPECT_EQ(rows->read, (std::set<int>{500000, 999999}));
}

// Choosing a row through the table is a click on it: it becomes the current and the only
// selected row, and a row that cannot be chosen is not selected. No click leaves the
// list without a selected row.
TEST_F(AccessibleListTest, SelectsARowAsAClickDoes) {
  struct Case {
    const char* action;
    int row;
    bool done;
    int selected;  // the row selected and current after it; -1: none
  };
  const Case cases[] = {
      {"select", 1, true, 1},    {"select", 3, true, 3},  {"select", 2, false, 3},
      {"unselect", 3, false, 3}, {"unselect", 0, true, 3}, {"select", 4, false, 3},
      {"select", -1, false, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.action << " " << c.row);
    const bool done = std::string(c.action) == "select" ? Table()->selectRow(c.row) : Table()->unselectRow(c.row);
    EXPECT_EQ(done, c.done);
    EXPECT_EQ(list.Index(list.SelectedItem()), c.selected + 1);
    EXPECT_TRUE(platform::ListView::Selected(list.SelectedItem()));
    EXPECT_EQ(Table()->selectedRows(), QList<int>{c.selected});
    EXPECT_EQ(Table()->selectedRowCount(), 1);
    for (int row = 0; row < 4; ++row) EXPECT_EQ(Table()->isRowSelected(row), row == c.selected) << row;
    const QList<QAccessibleInterface*> cells = Table()->selectedCells();
    ASSERT_EQ(cells.size(), 2);
    for (QAccessibleInterface* cell : cells) {
      EXPECT_EQ(cell->tableCellInterface()->rowIndex(), c.selected);
      EXPECT_TRUE(cell->tableCellInterface()->isSelected());
      EXPECT_TRUE(cell->state().selected);
    }
    EXPECT_EQ(table->focusChild(), Table()->cellAt(c.selected, 0));
    EXPECT_TRUE(table->focusChild()->state().focused);
    EXPECT_FALSE(Table()->cellAt(c.selected, 1)->state().focused);
    EXPECT_FALSE(Table()->isColumnSelected(0));
    EXPECT_EQ(Table()->selectedColumnCount(), 0);
  }
  EXPECT_FALSE(Table()->selectColumn(0));
}

// A removed row is gone from the table and its cells with it; the cells asked for below
// it follow their rows, the headers stay.
TEST_F(AccessibleListTest, ARemovedRowIsGoneFromTheTable) {
  QAccessibleInterface* header = table->child(1);
  const QAccessible::Id removed = QAccessible::uniqueId(Table()->cellAt(1, 0));
  QAccessibleInterface* below = Table()->cellAt(3, 1);
  QAccessibleInterface* above = Table()->cellAt(0, 1);
  list.Remove(2);
  EXPECT_EQ(Table()->rowCount(), 3);
  EXPECT_EQ(table->childCount(), (3 + 1) * 2);
  EXPECT_EQ(QAccessible::accessibleInterface(removed), nullptr);
  EXPECT_EQ(Table()->cellAt(2, 1), below);
  EXPECT_EQ(below->tableCellInterface()->rowIndex(), 2);
  EXPECT_EQ(below->text(QAccessible::Name), "4");
  EXPECT_EQ(below->rect(), OnScreen(2, 1));
  EXPECT_EQ(Table()->cellAt(0, 1), above);
  EXPECT_EQ(table->child(1), header);
  EXPECT_EQ(Table()->cellAt(1, 0)->text(QAccessible::Name), "");  // the row that cannot be chosen
  EXPECT_EQ(Table()->cellAt(3, 0), nullptr);
  for (int index = 0; index < table->childCount(); ++index) EXPECT_EQ(table->indexOfChild(table->child(index)), index);

  // Rows removed while no screen reader listened: the cells asked for then are where
  // their rows stand now.
  ScreenReader(false);
  for (int row = 0; row < 3; ++row) Table()->cellAt(row, 1);
  list.Remove(1);
  ScreenReader(true);
  EXPECT_EQ(Table()->rowCount(), 2);
  for (int row : {0, 1}) EXPECT_EQ(CellAt(row, 1)->rowIndex(), row);
  EXPECT_EQ(Table()->cellAt(0, 1)->text(QAccessible::Name), "");
  EXPECT_EQ(Table()->cellAt(1, 1)->text(QAccessible::Name), "4");

  // Rows replaced: every cell asked for before is gone.
  const QAccessible::Id first = QAccessible::uniqueId(Table()->cellAt(0, 0));
  list.Fill({{"x", "y"}});
  EXPECT_EQ(QAccessible::accessibleInterface(first), nullptr);
  EXPECT_EQ(Table()->rowCount(), 1);
  EXPECT_EQ(Table()->cellAt(0, 0)->text(QAccessible::Name), "x");
}

// A screen reader is told of the current cell, the selection and the rows removed or
// replaced, as they change; with none active nothing is told.
TEST_F(AccessibleListTest, AScreenReaderIsToldOfChangesOnlyWhenOneIsActive) {
  using Change = QAccessibleTableModelChangeEvent;
  struct Case {
    const char* what;
    std::function<void(platform::ListView&)> change;
    std::vector<Told> expected;
  };
  const Case cases[] = {
      {"row 2 chosen", [](platform::ListView& l) { l.SetCurrentItem(l.Item(2)); },
       {Event(QAccessible::SelectionAdd, 4), Event(QAccessible::Focus, 4)}},
      {"row 4 chosen", [](platform::ListView& l) { l.EnsureVisibleAndSelect(l.Item(4)); },
       {Event(QAccessible::SelectionAdd, 8), Event(QAccessible::SelectionRemove, 4), Event(QAccessible::Focus, 8)}},
      {"row 4 removed", [](platform::ListView& l) { l.Remove(4); },
       {Event(QAccessible::SelectionRemove, 8), Model(Change::RowsRemoved, 3, 3)}},
      {"rows replaced", [](platform::ListView& l) { l.Fill({{"x", "y"}}); }, {Model(Change::ModelReset)}},
  };
  for (bool active : {false, true}) {
    list.Fill({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
    ScreenReader(active);
    told.clear();
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.what << (active ? " with a screen reader" : " without"));
      c.change(list);
      EXPECT_EQ(told, active ? c.expected : std::vector<Told>{});
      told.clear();
    }
  }
}
