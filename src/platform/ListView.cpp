#include "platform/ListView.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "platform/KeyCodes.h"
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

ListView::ListView(QWidget* parent) : QTableView(parent), model_(new Model(this)) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);  // Tab leaves the list for the next control
  setShowGrid(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setModel(model_);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setStretchLastSection(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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

QModelIndex ListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex current = currentIndex();
  switch (action) {
    case MoveHome: return Count() ? model_->index(0, 0) : QModelIndex();
    case MoveEnd: return Count() ? model_->index(Count() - 1, 0) : QModelIndex();
    case MoveLeft:
    case MoveRight: return current;
    default: return QTableView::moveCursor(action, modifiers);
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
  PrepareShownRows();
  QTableView::paintEvent(event);
}

void ListView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QModelIndex at = indexAt(event->position().toPoint());
    pressedUnchoosable_ = at.isValid() && !(model_->flags(at) & Qt::ItemIsSelectable);
  }
  QTableView::mousePressEvent(event);
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  // A row that cannot be chosen leaves the current row as it was: a click pressed on it
  // is no click on the row chosen before, whose record would be loaded again.
  if (pressedUnchoosable_) return;
  emit Click();
}

void ListView::keyReleaseEvent(QKeyEvent* event) {
  QTableView::keyReleaseEvent(event);
  if (!event->isAutoRepeat()) emit KeyUp(KeyCode(event->key()), event->modifiers());
}

}  // namespace platform
