#pragma once
// A list view in report mode: rows of a text and its sub-items under column headers,
// with the events and members the program's handlers are written against.
//
// - Click after any click of the left button in the list, on a row or on empty space,
//   but not on a row that cannot be chosen (see below): a click pressed there does
//   nothing, wherever it is released;
//   KeyUp when a key is released (not for the repeats of a key held down), after the
//   list has moved its current row.
// - SelectedItem is the current row, which may be missing (a null item) or not
//   selected; Selected tells which. Rows are counted from 1 (Index, Item, Remove); Item
//   of a position where no row stands raises error 35600.
// - A letter typed in the list (and the letters typed quickly after it) makes the next
//   row whose text in the current column starts with them current, wrapping to the
//   first row, letters compared without regard to case: the rows answer it themselves,
//   so a long list need not give the list every row's text.
// - The rows come from a ListRows, which gives a row's texts only when the list asks
//   for them (when the row is painted, or its texts are read through an item): a list
//   of a million rows costs what its rows on screen cost. The rows all have one height
//   and the list keeps nothing of its own for each row, so that where a row stands, which row
//   stands at a point, and removing a row are arithmetic, however many rows. The rows
//   about to be painted are asked for before the paint begins, and those that have gone
//   meanwhile are left out of the list then; a row that cannot be shown is painted
//   empty, and neither a click nor a key selects it.
// - A screen reader sees a table of the rows under the column headers
//   (ListViewAccessible), told of the current row and the selection as they change.

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QList>
#include <QPersistentModelIndex>
#include <QStringList>
#include <memory>
#include <vector>

namespace platform {

inline constexpr int kErrIndexOutOfBounds = 35600;

// The rows a list shows, counted from 0.
class ListRows {
 public:
  virtual ~ListRows() = default;
  virtual int Count() const = 0;
  // The texts of a row: its text, then its sub-items.
  virtual QStringList Texts(int row) = 0;
  // Forgets the row; the rows after it move up by one.
  virtual void Remove(int row) = 0;
  // The rows from `first` to `last` are about to be painted: rows that read their texts
  // from elsewhere read them now, outside the paint. Gives those among them that are to
  // be left out of the list, in rising order; the list removes them before it paints.
  virtual std::vector<int> PrepareShown(int first, int last);
  // Whether the row can be chosen; one that cannot is shown empty.
  virtual bool Selectable(int row);
  // The first row from `from` on, then from the first row up to `from`, whose text in
  // `column` starts with prefix, compared without regard to case; -1 when none. This
  // one asks every row for its texts; rows that can answer more cheaply answer here.
  virtual int FindStartingWith(int column, const QString& prefix, int from);
};

// Rows given as texts, all held by the list.
class FixedListRows : public ListRows {
 public:
  explicit FixedListRows(QList<QStringList> rows) : rows_(std::move(rows)) {}
  int Count() const override { return int(rows_.size()); }
  QStringList Texts(int row) override { return rows_[row]; }
  void Remove(int row) override { rows_.removeAt(row); }

 private:
  QList<QStringList> rows_;
};

class ListView;

// One row of a list, as the list's members hand it out; it follows its row when rows
// before it are removed, and becomes null when its own row is.
class ListItem {
 public:
  ListItem() = default;
  bool IsNull() const { return !index_.isValid(); }
  explicit operator bool() const { return !IsNull(); }
  // Column 0 is the row's text, 1 and on its sub-items; "" for a null item.
  QString text(int column) const;
  bool isSelected() const;
  // Whether the row may be chosen (see ListRows::Selectable); false for a null item.
  bool isSelectable() const;
  bool operator==(const ListItem& other) const { return index_ == other.index_; }

 private:
  friend class ListView;
  explicit ListItem(const QModelIndex& index) : index_(index) {}
  QPersistentModelIndex index_;
};

// The rows are painted under a header of the columns, one cell a column, the whole row
// selected, without grid lines; the scroll bars go from row to row and from column to
// column, and the last row or column reached by a scroll bar stands at the edge of the
// view.
class ListView : public QAbstractItemView {
  Q_OBJECT
 public:
  explicit ListView(QWidget* parent = nullptr);
  ~ListView() override;

  // The column headers, above the rows.
  QHeaderView* horizontalHeader() const { return header_; }
  int columnWidth(int column) const { return header_->sectionSize(column); }
  void setColumnWidth(int column, int width) { header_->resizeSection(column, width); }
  // The height of every row, in pixels.
  int rowHeight() const { return rowHeight_; }
  // The row (from 0) or the column at a height or across the viewport; -1 where none is.
  int rowAt(int y) const;
  int columnAt(int x) const { return header_->logicalIndexAt(x); }

  // The column headers with their widths in pixels.
  void SetColumns(const QList<std::pair<QString, int>>& columns);
  int ColumnCount() const;
  QString HeaderText(int column) const;

  int Count() const;
  ListItem SelectedItem() const;
  static bool Selected(const ListItem& item) { return item.isSelected(); }
  int Index(const ListItem& item) const;  // 1-based; 0 for a null item

  // The row at a position counted from 1; kErrIndexOutOfBounds when none stands there.
  ListItem Item(int index) const;

  // Replaces all rows; no row is current afterwards.
  void SetRows(std::unique_ptr<ListRows> rows);
  // The same with rows given as texts: one entry a row, its text then its sub-items.
  void Fill(const QList<QStringList>& rows);
  ListRows* Rows() const;
  // Removes the row at a position counted from 1; afterwards no row is current.
  void Remove(int index);
  // Makes the row current and selected, as a click does; a null item leaves no row
  // current or selected.
  void SetCurrentItem(const ListItem& item);
  // Scrolls the row into view, and makes it the current and the selected row.
  void EnsureVisibleAndSelect(const ListItem& item);
  // Where the row stands in the viewport.
  QRect ItemRect(const ListItem& item) const;
  // A letter typed in the list, as the view's key handling gives it; an empty text ends
  // the letters typed so far.
  void keyboardSearch(const QString& search) override;

  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& point) const override;
  // The width of the widest text in the column among the rows on screen and those about
  // them, as a double click on the column's edge in the header sizes the column.
  int sizeHintForColumn(int column) const override;

 signals:
  void Click();
  void KeyUp(int keyCode, Qt::KeyboardModifiers shift);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // The keys move from row to row, as in a list: Home and End to the first and the
  // last row, the left and right arrows to nowhere.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  int horizontalOffset() const override { return header_->offset(); }
  int verticalOffset() const override { return yOffset_; }
  bool isIndexHidden(const QModelIndex&) const override { return false; }
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
  QRegion visualRegionForSelection(const QItemSelection& selection) const override;
  void updateGeometries() override;
  void scrollContentsBy(int dx, int dy) override;
  void initViewItemOption(QStyleOptionViewItem* option) const override;
  bool viewportEvent(QEvent* event) override;
  // Also tell a screen reader, when one is active.
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

 private:
  class Model;
  // Has the rows on screen prepared, leaving out those that are gone, until the rows
  // that have come up in their place need none left out.
  void PrepareShownRows();
  // The offsets the scroll bars' positions stand for, in pixels.
  int RowsOffset() const;
  int ColumnsOffset() const;
  // Takes the offsets of the scroll bars' positions; whether they changed.
  bool TakeOffsets();
  // Whether the row may be moved to with the keys.
  bool Enabled(int row, int column) const;
  void PaintCell(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
  void ResizeColumnToContents(int column);
  Model* model_;
  QHeaderView* header_;
  int rowHeight_;
  int yOffset_ = 0;      // pixels of the rows above the viewport
  bool painting_ = false;     // within the paint, before the cells are painted
  bool inGeometries_ = false;  // within updateGeometries
  QPersistentModelIndex hover_;  // the cell under the mouse
  bool pressedUnchoosable_ = false;  // the left button went down on such a row
  QString typed_;        // the letters typed quickly after each other
  QElapsedTimer typing_;  // since the last of them
};

}  // namespace platform
