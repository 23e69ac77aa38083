#include "platform/ListViewAccessible.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPointer>
#include <algorithm>
#include <climits>

#include "platform/ListView.h"

namespace platform {

namespace {

QAccessibleInterface* TableOf(ListView* list) { return list ? QAccessible::queryAccessibleInterface(list) : nullptr; }

// A rectangle of a widget's, on screen.
QRect OnScreen(const QWidget* widget, const QRect& rect) {
  return rect.isValid() ? QRect(widget->mapToGlobal(rect.topLeft()), rect.size()) : QRect();
}

// The children of a table are its own; they have neither an object nor children.
class ChildOfList : public QAccessibleInterface {
 public:
  explicit ChildOfList(ListView* list) : list_(list) {}
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    QAccessibleInterface* table = TableOf(list_);
    return table ? table->window() : nullptr;
  }
  QAccessibleInterface* parent() const override { return TableOf(list_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

 protected:
  QPointer<ListView> list_;
};

// The header of a column.
class HeaderCell : public ChildOfList {
 public:
  HeaderCell(ListView* list, int column) : ChildOfList(list), column_(column) {}
  int column() const { return column_; }
  bool isValid() const override { return list_ && column_ < list_->ColumnCount(); }
  QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
  QString text(QAccessible::Text t) const override {
    return isValid() && t == QAccessible::Name ? list_->HeaderText(column_) : QString();
  }
  QRect rect() const override {
    if (!isValid()) return {};
    const QHeaderView* header = list_->horizontalHeader();
    return OnScreen(header, QRect(header->sectionViewportPosition(column_), 0, header->sectionSize(column_),
                                  header->height()));
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid() || list_->horizontalHeader()->isHidden()) state.invisible = true;
    return state;
  }

 private:
  int column_;
};

// A cell of a row; it follows its row when rows before it are removed.
class Cell : public ChildOfList, public QAccessibleTableCellInterface {
 public:
  Cell(ListView* list, const QModelIndex& index) : ChildOfList(list), index_(index) {}
  const QPersistentModelIndex& index() const { return index_; }
  bool isValid() const override { return list_ && index_.isValid(); }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  // What the list paints in the cell.
  QString text(QAccessible::Text t) const override {
    return isValid() && t == QAccessible::Name ? index_.data().toString() : QString();
  }
  QRect rect() const override { return isValid() ? OnScreen(list_->viewport(), list_->visualRect(index_)) : QRect(); }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    const Qt::ItemFlags flags = index_.flags();
    state.selectable = state.focusable = bool(flags & Qt::ItemIsSelectable);
    state.disabled = !(flags & Qt::ItemIsEnabled);
    state.selected = isSelected();
    state.focused = list_->currentIndex() == index_;
    state.invisible = !list_->viewport()->rect().intersects(list_->visualRect(index_));
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return isValid() && list_->selectionModel()->isSelected(index_); }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    QAccessibleInterface* table = TableOf(list_);
    QAccessibleInterface* header = isValid() && table ? table->child(index_.column()) : nullptr;
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return isValid() ? index_.column() : -1; }
  int rowIndex() const override { return isValid() ? index_.row() : -1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return TableOf(list_); }

 private:
  QPersistentModelIndex index_;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className != QLatin1String(ListView::staticMetaObject.className())) return nullptr;
  auto* list = qobject_cast<ListView*>(object);
  return list ? new ListViewAccessible(list) : nullptr;
}

void Send(ListView* list, QAccessible::Event type, const QModelIndex& index) {
  const int child = ListViewAccessible::ChildIndex(*list, index);
  if (child < 0) return;
  QAccessibleEvent event(list, type);
  event.setChild(child);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

ListViewAccessible::ListViewAccessible(ListView* list) : QAccessibleWidget(list, QAccessible::Table) {}

ListViewAccessible::~ListViewAccessible() {
  for (QAccessible::Id id : std::as_const(children_)) QAccessible::deleteAccessibleInterface(id);
}

void ListViewAccessible::InstallFactory() {
  static const bool installed = (QAccessible::installFactory(&Factory), true);
  (void)installed;
}

ListView* ListViewAccessible::list() const { return static_cast<ListView*>(widget()); }

int ListViewAccessible::ChildIndex(const ListView& list, const QModelIndex& index) {
  const int columns = list.ColumnCount();
  if (!index.isValid() || index.column() >= columns) return -1;
  const qint64 child = (qint64(index.row()) + 1) * columns + index.column();
  return child <= INT_MAX ? int(child) : -1;
}

void ListViewAccessible::CurrentChanged(ListView* list, const QModelIndex& current) {
  if (QAccessible::isActive() && current.isValid()) Send(list, QAccessible::Focus, current);
}

void ListViewAccessible::SelectionChanged(ListView* list, const QItemSelection& selected,
                                          const QItemSelection& deselected) {
  if (!QAccessible::isActive()) return;
  // The first cell of each, as the rows are selected whole.
  if (!selected.isEmpty()) Send(list, QAccessible::SelectionAdd, selected.first().topLeft());
  if (!deselected.isEmpty()) Send(list, QAccessible::SelectionRemove, deselected.first().topLeft());
}

int ListViewAccessible::childCount() const {
  const qint64 count = (qint64(list()->Count()) + 1) * list()->ColumnCount();
  return int(std::min<qint64>(count, INT_MAX));
}

QAccessibleInterface* ListViewAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  if (auto kept = children_.find(index); kept != children_.end()) {
    QAccessibleInterface* child = QAccessible::accessibleInterface(kept.value());
    if (child && indexOfChild(child) == index) return child;
    // The rows changed while no screen reader was told: the child is made anew.
    if (child) QAccessible::deleteAccessibleInterface(kept.value());
    children_.erase(kept);
  }
  const int columns = list()->ColumnCount();
  const int row = index / columns - 1;
  const int column = index % columns;
  QAccessibleInterface* made = row < 0 ? static_cast<QAccessibleInterface*>(new HeaderCell(list(), column))
                                       : new Cell(list(), list()->model()->index(row, column));
  children_.insert(index, QAccessible::registerAccessibleInterface(made));
  return made;
}

int ListViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (!child || child->parent() != this) return -1;
  if (const auto* header = dynamic_cast<const HeaderCell*>(child)) return header->isValid() ? header->column() : -1;
  if (const auto* cell = dynamic_cast<const Cell*>(child)) return ChildIndex(*list(), cell->index());
  return -1;
}

QAccessibleInterface* ListViewAccessible::childAt(int x, int y) const {
  const QPoint at(x, y);
  const QHeaderView* header = list()->horizontalHeader();
  if (header->isVisible() && header->rect().contains(header->mapFromGlobal(at))) {
    const int column = header->logicalIndexAt(header->mapFromGlobal(at));
    return column >= 0 ? child(column) : nullptr;
  }
  const QWidget* viewport = list()->viewport();
  if (!viewport->rect().contains(viewport->mapFromGlobal(at))) return nullptr;
  return child(ChildIndex(*list(), list()->indexAt(viewport->mapFromGlobal(at))));
}

QAccessibleInterface* ListViewAccessible::focusChild() const {
  return child(ChildIndex(*list(), list()->currentIndex()));
}

void* ListViewAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* ListViewAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
  return child(ChildIndex(*list(), list()->model()->index(row, column)));
}

QString ListViewAccessible::columnDescription(int column) const { return list()->HeaderText(column); }

int ListViewAccessible::columnCount() const { return list()->ColumnCount(); }

int ListViewAccessible::rowCount() const { return list()->Count(); }

int ListViewAccessible::selectedCellCount() const { return int(list()->selectionModel()->selectedIndexes().size()); }

int ListViewAccessible::selectedColumnCount() const { return int(selectedColumns().size()); }

int ListViewAccessible::selectedRowCount() const { return int(selectedRows().size()); }

QList<QAccessibleInterface*> ListViewAccessible::selectedCells() const {
  QList<QAccessibleInterface*> cells;
  for (const QModelIndex& index : list()->selectionModel()->selectedIndexes())
    if (QAccessibleInterface* cell = child(ChildIndex(*list(), index))) cells << cell;
  return cells;
}

// A column is selected when every row is.
QList<int> ListViewAccessible::selectedColumns() const {
  QList<int> columns;
  if (rowCount() == 0 || selectedRowCount() != rowCount()) return columns;
  for (int column = 0; column < columnCount(); ++column) columns << column;
  return columns;
}

QList<int> ListViewAccessible::selectedRows() const {
  QList<int> rows;
  for (const QModelIndex& index : list()->selectionModel()->selectedRows()) rows << index.row();
  std::sort(rows.begin(), rows.end());
  return rows;
}

bool ListViewAccessible::isColumnSelected(int column) const {
  return column >= 0 && column < columnCount() && rowCount() > 0 && selectedRowCount() == rowCount();
}

bool ListViewAccessible::isRowSelected(int row) const {
  return row >= 0 && row < rowCount() && list()->selectionModel()->isRowSelected(row, {});
}

// As a click on the row: it becomes the current and the only selected row, unless it
// cannot be chosen.
bool ListViewAccessible::selectRow(int row) {
  if (row < 0 || row >= rowCount()) return false;
  const ListItem item = list()->Item(row + 1);
  if (!item.isSelectable()) return false;
  list()->SetCurrentItem(item);
  return true;
}

// No click leaves the list without a selected row: the selected row stays selected.
bool ListViewAccessible::unselectRow(int row) { return row >= 0 && row < rowCount() && !isRowSelected(row); }

void ListViewAccessible::modelChange(QAccessibleTableModelChangeEvent* event) {
  switch (event->modelChangeType()) {
    case QAccessibleTableModelChangeEvent::DataChanged: return;
    case QAccessibleTableModelChangeEvent::ModelReset:
      for (QAccessible::Id id : std::as_const(children_)) QAccessible::deleteAccessibleInterface(id);
      children_.clear();
      return;
    default: break;
  }
  // Rows came or went: the children still standing are where their rows stand now,
  // the others are dropped.
  QHash<int, QAccessible::Id> standing;
  for (auto it = children_.constBegin(); it != children_.constEnd(); ++it) {
    QAccessibleInterface* child = QAccessible::accessibleInterface(it.value());
    const int index = child ? indexOfChild(child) : -1;
    if (index >= 0)
      standing.insert(index, it.value());
    else
      QAccessible::deleteAccessibleInterface(it.value());
  }
  children_ = std::move(standing);
}

}  // namespace platform
