#pragma once
// A list view in report mode: rows of a text and its sub-items under column headers,
// with the events and members the program's handlers are written against.
//
// - Click after any click of the left button in the list, on a row or on empty space;
//   KeyUp when a key is released (not for the repeats of a key held down), after the
//   list has moved its current row.
// - SelectedItem is the current row, which may be missing (nullptr) or not selected;
//   Selected tells which. Rows are counted from 1 (Index, Item, Remove); Item of a
//   position where no row stands raises error 35600.

#include <QList>
#include <QStringList>
#include <QTreeWidget>

namespace platform {

inline constexpr int kErrIndexOutOfBounds = 35600;

class ListView : public QTreeWidget {
  Q_OBJECT
 public:
  explicit ListView(QWidget* parent = nullptr);

  int Count() const { return topLevelItemCount(); }
  QTreeWidgetItem* SelectedItem() const { return currentItem(); }
  static bool Selected(const QTreeWidgetItem* item) { return item && item->isSelected(); }
  int Index(const QTreeWidgetItem* item) const;  // 1-based; 0 for a row not in the list

  // The row at a position counted from 1; kErrIndexOutOfBounds when none stands there.
  QTreeWidgetItem* Item(int index) const;

  // Removes all rows, then adds one row per entry: its text, then its sub-items.
  void Fill(const QList<QStringList>& rows);
  // Removes the row at a position counted from 1; afterwards no row is current.
  void Remove(int index);
  // Scrolls the row into view, and makes it the current and the selected row.
  void EnsureVisibleAndSelect(QTreeWidgetItem* item);

 signals:
  void Click();
  void KeyUp(int keyCode, Qt::KeyboardModifiers shift);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace platform
