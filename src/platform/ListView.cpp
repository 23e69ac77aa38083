#include "platform/ListView.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>

#include "platform/KeyCodes.h"
#include "platform/ListViewAccessible.h"
#include "platform/RuntimeError.h"

namespace platform {

// The list's rows as a flat table for the view; a cell's text is asked of the rows
// only when the view needs it.
class ListView::Model : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() || !rows_ ? 0 : rows_->Count();
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : int(headers_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !rows_ || !index.isValid()) return {};
    return Text(index.row(), index.column());
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!rows_ || !index.isValid()) return Qt::NoItemFlags;
    if (!rows_->Selectable(index.row())) return Qt::ItemNeverHasChildren;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= headers_.size()) return {};
    return headers_[section];
  }

  QString Text(int row, int column) const { return rows_ ? rows_->Texts(row).value(column) : QString(); }

  void SetHeaders(const QStringList& headers) {
    beginResetModel();
    headers_ = headers;
    endResetModel();
  }
  void SetRows(std::unique_ptr<ListRows> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
  }
  ListRows* Rows() const { return rows_.get(); }
  void RemoveRows(int first, int last) {
    beginRemoveRows({}, first, last);
    for (int row = last; row >= first; --row) rows_->Remove(row);
    endRemoveRows();
  }

 private:
  QStringList headers_;
  std::unique_ptr<ListRows> rows_;
};

std::vector<int> ListRows::PrepareShown(int, int) { return {}; }

bool ListRows::Selectable(int) { return true; }

int ListRows::FindStartingWith(int column, const QString& prefix, int from) {
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    const int row = (from + i) % count;
    if (Texts(row).value(column).startsWith(prefix, Qt::CaseInsensitive)) return row;
  }
  return -1;
}

QString ListItem::text(int column) const {
  if (IsNull()) return QString();
  return static_cast<const QAbstractItemModel*>(index_.model())->data(index_.sibling(index_.row(), column)).toString();
}

bool ListItem::isSelectable() const { return !IsNull() && (index_.flags() & Qt::ItemIsSelectable); }

bool ListItem::isSelected() const {
  if (IsNull()) return false;
  const auto* list = qobject_cast<const ListView*>(index_.model()->parent());
  return list && list->selectionModel()->isSelected(index_);
}

ListView::ListView(QWidget* parent)
    : QAbstractItemView(parent),
      model_(new Model(this)),
      header_(new QHeaderView(Qt::Horizontal, this)),
      rowHeight_(fontMetrics().height() + 4) {
  ListViewAccessible::InstallFactory();
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);  // Tab leaves the list for the next control
  setModel(model_);
  header_->setSectionsClickable(true);
  header_->setHighlightSections(false);
  header_->setStretchLastSection(false);
  header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header_->setModel(model_);
  header_->setSelectionModel(selectionModel());
  const auto relaidOut = [this] {
    updateGeometries();
    viewport()->update();
  };
  connect(header_, &QHeaderView::sectionResized, this, relaidOut);
  connect(header_, &QHeaderView::sectionCountChanged, this, relaidOut);
  connect(header_, &QHeaderView::geometriesChanged, this, &ListView::updateGeometries);
  connect(header_, &QHeaderView::sectionHandleDoubleClicked, this, &ListView::ResizeColumnToContents);
  // The rows placed again at once, but not while a paint is under way (rows left out by
  // PrepareShownRows): scrolling or resizing the viewport in its own paint is not done.
  const auto rowsChanged = [this, relaidOut] {
    if (painting_)
      QMetaObject::invokeMethod(this, relaidOut, Qt::QueuedConnection);
    else
      relaidOut();
  };
  connect(model_, &QAbstractItemModel::rowsRemoved, this, rowsChanged);
  connect(model_, &QAbstractItemModel::modelReset, this, rowsChanged);
}

ListView::~ListView() = default;

void ListView::SetColumns(const QList<std::pair<QString, int>>& columns) {
  QStringList headers;
  for (const auto& column : columns) headers << column.first;
  model_->SetHeaders(headers);
  for (int i = 0; i < columns.size(); ++i) setColumnWidth(i, columns[i].second);
}

int ListView::ColumnCount() const { return model_->columnCount(); }

QString ListView::HeaderText(int column) const {
  return model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

int ListView::Count() const { return model_->rowCount(); }

ListItem ListView::SelectedItem() const { return ListItem(currentIndex()); }

int ListView::Index(const ListItem& item) const { return item.IsNull() ? 0 : item.index_.row() + 1; }

ListItem ListView::Item(int index) const {
  if (index < 1 || index > Count())
    throw RuntimeError(kErrIndexOutOfBounds, QStringLiteral("Indexul este in afara limitelor"),
                       QStringLiteral("ListView"));
  return ListItem(model_->index(index - 1, 0));
}

void ListView::SetRows(std::unique_ptr<ListRows> rows) { model_->SetRows(std::move(rows)); }

void ListView::Fill(const QList<QStringList>& rows) { SetRows(std::make_unique<FixedListRows>(rows)); }

ListRows* ListView::Rows() const { return model_->Rows(); }

void ListView::Remove(int index) {
  const ListItem item = Item(index);
  // Without this the list would make a neighbour current (and selected) by itself.
  SetCurrentItem({});
  model_->RemoveRows(item.index_.row(), item.index_.row());
  SetCurrentItem({});
}

void ListView::SetCurrentItem(const ListItem& item) {
  if (item.IsNull()) {
    selectionModel()->clear();
    return;
  }
  setCurrentIndex(item.index_);
}

void ListView::EnsureVisibleAndSelect(const ListItem& item) {
  scrollTo(item.index_);
  selectionModel()->setCurrentIndex(item.index_, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QRect ListView::ItemRect(const ListItem& item) const { return visualRect(item.index_); }

bool ListView::Enabled(int row, int column) const {
  return model_->flags(model_->index(row, column)) & Qt::ItemIsEnabled;
}

QModelIndex ListView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
  const int last = Count() - 1;
  const QModelIndex current = currentIndex();
  switch (action) {
    case MoveHome: return last >= 0 ? model_->index(0, 0) : QModelIndex();
    case MoveEnd: return last >= 0 ? model_->index(last, 0) : QModelIndex();
    case MoveLeft:
    case MoveRight: return current;
    default: break;
  }
  if (last < 0 || ColumnCount() == 0) return {};
  if (!current.isValid()) return model_->index(0, 0);
  const int column = current.column();
  switch (action) {
    // The nearest row above or below that can be chosen; none: the row stays.
    case MoveUp:
    case MoveDown: {
      const int step = action == MoveUp ? -1 : 1;
      for (int row = current.row() + step; row >= 0 && row <= last; row += step)
        if (Enabled(row, column)) return model_->index(row, column);
      return current;
    }
    // A viewport higher: the first row that can be chosen from the row standing there
    // on (before the last row), else that row; a viewport lower: the nearest that can
    // be chosen from the row standing there back to the first.
    case MovePageUp: {
      const int to = rowAt(visualRect(current).bottom() - viewport()->height());
      const int from = to < 0 ? 0 : to;
      for (int row = from; row < last; ++row)
        if (Enabled(row, column)) return model_->index(row, column);
      return model_->index(from, column);
    }
    case MovePageDown: {
      const int to = rowAt(visualRect(current).top() + viewport()->height());
      int row = to < 0 ? last : to;
      while (row > -1 && !Enabled(row, column)) --row;
      return model_->index(row, column);
    }
    default: return current;
  }
}

void ListView::keyboardSearch(const QString& search) {
  if (Count() == 0 || ColumnCount() == 0) return;
  const QModelIndex current = currentIndex();
  // An empty text ends the letters typed so far; the next letter starts afresh.
  if (search.isEmpty()) {
    typed_.clear();
    typing_.invalidate();
    return;
  }
  const bool continued = typing_.isValid() &&
                         typing_.elapsed() <= QApplication::keyboardInputInterval();
  typing_.start();
  // A new search starts after the current row; letters typed quickly after each other
  // look again from the current row, which may itself start with all of them.
  bool skipCurrent = false;
  if (continued) {
    typed_ += search;
  } else {
    typed_ = search;
    skipCurrent = current.isValid();
  }
  // The same letter typed again and again moves on from match to match.
  QString prefix = typed_;
  if (typed_.size() > 1 && typed_.count(typed_.back()) == typed_.size()) {
    skipCurrent = true;
    prefix = typed_.left(1);
  }
  int from = current.isValid() ? current.row() : 0;
  if (skipCurrent) from = from + 1 < Count() ? from + 1 : 0;
  const int column = current.isValid() ? current.column() : 0;
  const int row = model_->Rows()->FindStartingWith(column, prefix, from);
  if (row < 0) return;
  const QModelIndex found = model_->index(row, column);
  scrollTo(found);
  selectionModel()->setCurrentIndex(found, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListView::PrepareShownRows() {
  ListRows* rows = model_->Rows();
  while (rows && Count() > 0) {
    const int first = rowAt(0);
    if (first < 0) return;
    int last = rowAt(viewport()->height() - 1);
    if (last < 0) last = Count() - 1;
    const std::vector<int> gone = rows->PrepareShown(first, last);
    if (gone.empty()) return;
    // A current row that goes leaves no row current, as with Remove.
    if (std::binary_search(gone.begin(), gone.end(), currentIndex().row())) SetCurrentItem({});
    // The runs of rows that follow each other, each at once, from the last.
    for (size_t end = gone.size(); end > 0;) {
      size_t begin = end - 1;
      while (begin > 0 && gone[begin - 1] == gone[begin] - 1) --begin;
      model_->RemoveRows(gone[begin], gone[end - 1]);
      end = begin;
    }
  }
}

void ListView::paintEvent(QPaintEvent* event) {
  painting_ = true;
  PrepareShownRows();
  painting_ = false;
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  QPainter painter(viewport());
  const int rows = Count();
  const int columns = header_->count();
  if (rows == 0 || columns == 0 || !itemDelegate()) return;
  // The rows in the viewport, and which of their cells are painted: a cell under two
  // rectangles of the region is painted once.
  const int firstRow = int(std::min<qint64>(rows, yOffset_ / rowHeight_));
  const int lastRow = int(std::min<qint64>(rows - 1, (qint64(yOffset_) + viewport()->height() - 1) / rowHeight_));
  if (firstRow > lastRow) return;
  std::vector<bool> drawn(size_t(lastRow - firstRow + 1) * size_t(columns));
  const int right = header_->length() - header_->offset() - 1;
  const qint64 bottom = qint64(rows) * rowHeight_ - yOffset_ - 1;
  for (QRect dirty : event->region()) {
    dirty.setBottom(int(std::min<qint64>(dirty.bottom(), bottom)));
    dirty.setRight(std::min(dirty.right(), right));
    if (!dirty.isValid()) continue;
    int left = header_->visualIndexAt(dirty.left());
    int rightColumn = header_->visualIndexAt(dirty.right());
    if (left < 0) left = 0;
    if (rightColumn < 0) rightColumn = columns - 1;
    const int top = std::max(firstRow, rowAt(std::max(dirty.top(), 0)));
    const int bottomRow = std::min(lastRow, rowAt(dirty.bottom()) < 0 ? lastRow : rowAt(dirty.bottom()));
    for (int row = top; row <= bottomRow; ++row) {
      const int y = int(qint64(row) * rowHeight_ - yOffset_);
      for (int visual = left; visual <= rightColumn; ++visual) {
        const size_t bit = size_t(row - firstRow) * size_t(columns) + size_t(visual);
        if (drawn[bit]) continue;
        drawn[bit] = true;
        const int column = header_->logicalIndex(visual);
        if (header_->isSectionHidden(column)) continue;
        option.rect = QRect(header_->sectionViewportPosition(column), y, header_->sectionSize(column), rowHeight_);
        PaintCell(painter, option, model_->index(row, column));
      }
    }
  }
}

// A cell as an item view paints it: the row's panel, then the cell through the delegate,
// selected with its row, the focus on the current cell.
void ListView::PaintCell(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  if (selectionModel()->isSelected(index)) cell.state |= QStyle::State_Selected;
  if (index == hover_) cell.state |= QStyle::State_MouseOver;
  if (option.state & QStyle::State_Enabled) {
    QPalette::ColorGroup group = QPalette::Normal;
    if (!(model_->flags(index) & Qt::ItemIsEnabled)) {
      cell.state &= ~QStyle::State_Enabled;
      group = QPalette::Disabled;
    }
    cell.palette.setCurrentColorGroup(group);
  }
  if (index == currentIndex() && (hasFocus() || viewport()->hasFocus())) cell.state |= QStyle::State_HasFocus;
  style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &cell, &painter, this);
  itemDelegateForIndex(index)->paint(&painter, cell, index);
}

void ListView::initViewItemOption(QStyleOptionViewItem* option) const {
  QAbstractItemView::initViewItemOption(option);
  option->showDecorationSelected = true;
}

int ListView::rowAt(int y) const {
  const qint64 at = qint64(y) + yOffset_;
  if (at < 0) return -1;
  const qint64 row = at / rowHeight_;
  return row < Count() ? int(row) : -1;
}

QModelIndex ListView::indexAt(const QPoint& point) const {
  const int row = rowAt(point.y());
  const int column = columnAt(point.x());
  return row >= 0 && column >= 0 ? model_->index(row, column) : QModelIndex();
}

QRect ListView::visualRect(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != model_ || index.parent() != rootIndex()) return {};
  const qint64 y = qint64(index.row()) * rowHeight_ - yOffset_;
  return QRect(header_->sectionViewportPosition(index.column()), int(std::clamp<qint64>(y, INT_MIN / 2, INT_MAX / 2)),
               header_->sectionSize(index.column()), rowHeight_);
}

QRegion ListView::visualRegionForSelection(const QItemSelection& selection) const {
  QRegion region;
  const QRect shown = viewport()->rect();
  for (const QItemSelectionRange& range : selection) {
    if (range.parent() != rootIndex() || !range.isValid()) continue;
    const QRect top = visualRect(range.topLeft());
    const QRect bottom = visualRect(range.bottomRight());
    const QRect rect(top.topLeft(), bottom.bottomRight());
    if (shown.intersects(rect)) region += rect;
  }
  return region;
}

void ListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  const QRect area = rect.normalized();
  const QModelIndex topLeft = indexAt(area.topLeft());
  const QModelIndex bottomRight = indexAt(area.bottomRight());
  if (!topLeft.isValid() || !bottomRight.isValid()) return;
  if (!Enabled(topLeft.row(), topLeft.column()) || !Enabled(bottomRight.row(), bottomRight.column())) return;
  selectionModel()->select(QItemSelection(topLeft, bottomRight), command);
}

void ListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  if (!index.isValid() || index.model() != model_ || index.parent() != rootIndex() ||
      header_->isSectionHidden(index.column()))
    return;
  // Across, by columns: the cell's column first, or as far left as leaves the cell
  // whole at the right edge (or the middle).
  const int width = viewport()->width();
  const int cellLeft = header_->sectionPosition(index.column()) - header_->offset();
  const int cellWidth = header_->sectionSize(index.column());
  const bool pastLeft = cellLeft < 0;
  const bool pastRight = cellLeft + cellWidth > width;
  int visualColumn = header_->visualIndex(index.column());
  if (hint == PositionAtCenter || pastRight) {
    const int room = hint == PositionAtCenter ? width / 2 : width;
    for (int x = cellWidth; visualColumn > 0; --visualColumn) {
      x += header_->sectionSize(header_->logicalIndex(visualColumn - 1));
      if (x > room) break;
    }
  }
  if (pastLeft || pastRight || hint == PositionAtCenter) {
    int hidden = 0;
    for (int visual = 0; visual < visualColumn; ++visual) hidden += header_->isSectionHidden(header_->logicalIndex(visual));
    horizontalScrollBar()->setValue(visualColumn - hidden);
  }
  // Down, by rows: the row at the top, the bottom or the middle, as far as it is from
  // the viewport.
  const int height = viewport()->height();
  const qint64 cellTop = qint64(index.row()) * rowHeight_ - yOffset_;
  if (cellTop < 0 || rowHeight_ > height) {
    if (hint == EnsureVisible) hint = PositionAtTop;
  } else if (cellTop + rowHeight_ > height) {
    if (hint == EnsureVisible) hint = PositionAtBottom;
  }
  if (hint != EnsureVisible) {
    int top = index.row();
    if (hint == PositionAtBottom || hint == PositionAtCenter) {
      const int room = hint == PositionAtCenter ? height / 2 : height;
      top = std::max(0, top - std::max(0, room / rowHeight_ - 1));  // the rows above that fit with it
    }
    verticalScrollBar()->setValue(top);
  }
  update(index);
}

int ListView::sizeHintForColumn(int column) const {
  if (column < 0 || column >= ColumnCount()) return -1;
  ensurePolished();
  const int rows = Count();
  // The rows on screen, then the rows above and below them in turn, as many in all as
  // the header's precision says (-1: every row).
  const int precision = header_->resizeContentsPrecision();
  const int top = std::max(0, rowAt(0));
  int bottom = rowAt(viewport()->height());
  if (!isVisible() || bottom < 0) bottom = rows - 1;
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  int hint = 0;
  int processed = 0;
  const auto take = [&](int row) {
    const QModelIndex index = model_->index(row, column);
    hint = std::max(hint, itemDelegateForIndex(index)->sizeHint(option, index).width());
    ++processed;
  };
  int row = top;
  for (; row <= bottom; ++row) {
    take(row);
    if (processed == precision) break;
  }
  if (precision == 0) return hint;
  int above = top;
  int below = row - 1;
  while (processed != precision && (above > 0 || below < rows - 1)) {
    if ((processed % 2 && above > 0) || below == rows - 1)
      take(--above);
    else
      take(++below);
  }
  return hint;
}

void ListView::ResizeColumnToContents(int column) {
  header_->resizeSection(column, std::max(sizeHintForColumn(column), header_->sectionSizeHint(column)));
}

int ListView::RowsOffset() const {
  const QScrollBar* bar = verticalScrollBar();
  // At the end the last row stands at the bottom edge.
  if (bar->maximum() > 0 && bar->value() == bar->maximum())
    return int(std::clamp<qint64>(qint64(Count()) * rowHeight_ - viewport()->height(), 0, INT_MAX));
  return int(std::min<qint64>(qint64(bar->value()) * rowHeight_, INT_MAX));
}

int ListView::ColumnsOffset() const {
  const QScrollBar* bar = horizontalScrollBar();
  if (bar->maximum() > 0 && bar->value() == bar->maximum())
    return std::max(0, header_->length() - viewport()->width());
  if (bar->value() >= header_->count()) return 0;
  return header_->sectionPosition(header_->logicalIndex(bar->value()));
}

bool ListView::TakeOffsets() {
  const int y = RowsOffset();
  const int x = ColumnsOffset();
  const bool changed = y != yOffset_ || x != header_->offset();
  yOffset_ = y;
  header_->setOffset(x);
  return changed;
}

void ListView::scrollContentsBy(int, int) {
  const int x = header_->offset();
  const int y = yOffset_;
  TakeOffsets();
  const int dx = x - header_->offset();
  const int dy = y - yOffset_;
  if (!dx && !dy) return;
  if (painting_)
    viewport()->update();
  else
    viewport()->scroll(dx, dy);
}

void ListView::updateGeometries() {
  if (inGeometries_) return;
  inGeometries_ = true;
  // The header above the viewport, as high as it asks.
  const int headerHeight = header_->isHidden() ? 0
                           : std::min(std::max(header_->minimumHeight(), header_->sizeHint().height()),
                                      header_->maximumHeight());
  setViewportMargins(0, headerHeight, 0, 0);
  const QRect area = viewport()->geometry();
  header_->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);
  if (header_->isHidden()) QMetaObject::invokeMethod(header_, "updateGeometries");

  // The scroll bars count columns and rows: a position for each that can stand first,
  // a page of those that fit whole. Where everything fits without scroll bars, none.
  QSize size = viewport()->size();
  const QSize most = maximumViewportSize();
  const int rows = Count();
  if (most.width() >= header_->length() && most.height() >= qint64(rows) * rowHeight_) size = most;
  const int columns = header_->count();
  int columnsInView = 0;
  for (int width = 0, visual = columns - 1; visual >= 0; --visual) {
    const int column = header_->logicalIndex(visual);
    if (header_->isSectionHidden(column)) continue;
    width += header_->sectionSize(column);
    if (width > size.width()) break;
    ++columnsInView;
  }
  columnsInView = std::max(columnsInView, 1);
  const int shownColumns = columns - header_->hiddenSectionCount();
  horizontalScrollBar()->setRange(0, shownColumns - columnsInView);
  horizontalScrollBar()->setPageStep(columnsInView);
  horizontalScrollBar()->setSingleStep(1);
  const int rowsInView = std::max(1, std::min(rows, size.height() / rowHeight_));
  verticalScrollBar()->setRange(0, rows - rowsInView);
  verticalScrollBar()->setPageStep(rowsInView);
  verticalScrollBar()->setSingleStep(1);
  if (TakeOffsets()) viewport()->update();
  inGeometries_ = false;
  QAbstractItemView::updateGeometries();
}

bool ListView::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove: hover_ = indexAt(static_cast<QHoverEvent*>(event)->position().toPoint()); break;
    case QEvent::HoverLeave:
    case QEvent::Leave: hover_ = QPersistentModelIndex(); break;
    default: break;
  }
  return QAbstractItemView::viewportEvent(event);
}

void ListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  ListViewAccessible::CurrentChanged(this, current);
  QAbstractItemView::currentChanged(current, previous);
}

void ListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  ListViewAccessible::SelectionChanged(this, selected, deselected);
  QAbstractItemView::selectionChanged(selected, deselected);
}

void ListView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QModelIndex at = indexAt(event->position().toPoint());
    pressedUnchoosable_ = at.isValid() && !(model_->flags(at) & Qt::ItemIsSelectable);
  }
  QAbstractItemView::mousePressEvent(event);
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
  QAbstractItemView::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  // A row that cannot be chosen leaves the current row as it was: a click pressed on it
  // is no click on the row chosen before, whose record would be loaded again.
  if (pressedUnchoosable_) return;
  emit Click();
}

void ListView::keyReleaseEvent(QKeyEvent* event) {
  QAbstractItemView::keyReleaseEvent(event);
  if (!event->isAutoRepeat()) emit KeyUp(KeyCode(event->key()), event->modifiers());
}

}  // namespace platform
