#pragma once
// What a screen reader is told of a ListView: a table whose children are the column
// headers, then the cells of the rows, row by row. A child is made only when it is
// asked for and kept until its row goes, so a list of millions of rows costs what the
// cells asked for cost; the count of children, and which child stands where, are
// arithmetic.

#include <QAccessibleWidget>
#include <QHash>
#include <QItemSelection>
#include <QModelIndex>

namespace platform {

class ListView;

class ListViewAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit ListViewAccessible(ListView* list);
  ~ListViewAccessible() override;

  // Makes the interface for ListView objects; installed once, by the first list made.
  static void InstallFactory();

  // The child the cell of a list is: after the column headers, row by row.
  static int ChildIndex(const ListView& list, const QModelIndex& index);
  // Tell a screen reader of the current cell and of the selection, as the list changes
  // them; nothing is made or sent when no screen reader is active.
  static void CurrentChanged(ListView* list, const QModelIndex& current);
  static void SelectionChanged(ListView* list, const QItemSelection& selected, const QItemSelection& deselected);

  ListView* list() const;

  // QAccessibleInterface
  QAccessible::Role role() const override { return QAccessible::Table; }
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  QString columnDescription(int column) const override;
  QString rowDescription(int) const override { return QString(); }
  int columnCount() const override;
  int rowCount() const override;
  int selectedCellCount() const override;
  int selectedColumnCount() const override;
  int selectedRowCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QList<int> selectedColumns() const override;
  QList<int> selectedRows() const override;
  bool isColumnSelected(int column) const override;
  bool isRowSelected(int row) const override;
  bool selectRow(int row) override;
  bool selectColumn(int) override { return false; }  // the list selects whole rows
  bool unselectRow(int row) override;
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent* event) override;

 private:
  // The child at an index, made and kept when it has not been asked for before.
  QAccessibleInterface* Kept(int index, QAccessibleInterface* (*make)(ListView*, int row, int column)) const;
  // The children asked for, by their index; each registered with QAccessible, which
  // hands out its id.
  mutable QHash<int, QAccessible::Id> children_;
};

}  // namespace platform
