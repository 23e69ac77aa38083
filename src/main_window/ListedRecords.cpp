#include "main_window/ListedRecords.h"

#include <algorithm>
#include <limits>

#include "main_window/StoredRecords.h"

namespace main_window {

ListedRecords::ListedRecords(std::shared_ptr<platform::Database> db, const RecordKind& kind,
                             std::vector<qint64> rowids, const ListCondition& condition, int shown)
    : columns_(kind.listColumns.begin(), kind.listColumns.end()),
      reader_(db, kind.table, columns_),
      search_(db, kind.table, condition.sql, condition.params),
      rowids_(std::move(rowids)) {
  Q_ASSERT(std::is_sorted(rowids_.begin(), rowids_.end()));
  Read(0, std::min(shown, Count()));
}

void ListedRecords::Read(int first, int count) {
  std::vector<qint64> missing;
  for (int row = first; row < first + count; ++row) {
    const qint64 rowid = rowids_[size_t(row)];
    if (!texts_.count(rowid) && !kept_.count(rowid)) missing.push_back(rowid);
  }
  if (missing.empty()) return;
  // Too many held: those far from the rows wanted now go (the list is in row id order).
  if (texts_.size() + missing.size() > size_t(kHeld)) {
    const qint64 low = rowids_[size_t(std::max(0, first - kHeld / 2))];
    const qint64 high = rowids_[size_t(std::min(Count() - 1, first + count + kHeld / 2 - 1))];
    std::erase_if(texts_, [&](const auto& entry) { return entry.first < low || entry.first > high; });
  }
  const QList<QStringList> read = reader_.Texts(missing);
  for (size_t i = 0; i < missing.size(); ++i) texts_.emplace(missing[i], read[qsizetype(i)]);
}

QStringList ListedRecords::Texts(int row) {
  const qint64 rowid = rowids_[size_t(row)];
  if (auto kept = kept_.find(rowid); kept != kept_.end()) return kept->second;
  auto it = texts_.find(rowid);
  if (it == texts_.end()) {
    Read(row, std::min(kBlock, Count() - row));
    it = texts_.find(rowid);
  }
  return it->second;
}

void ListedRecords::Remove(int row) {
  texts_.erase(rowids_[size_t(row)]);
  kept_.erase(rowids_[size_t(row)]);
  rowids_.erase(rowids_.begin() + row);
}

void ListedRecords::Keep(qint64 rowid) {
  if (kept_.count(rowid)) return;
  auto it = texts_.find(rowid);
  kept_.emplace(rowid, it != texts_.end() ? it->second : reader_.Texts({rowid}).value(0));
  if (it != texts_.end()) texts_.erase(it);
}

int ListedRecords::RowOf(qint64 rowid) const {
  const auto it = std::lower_bound(rowids_.begin(), rowids_.end(), rowid);
  return it != rowids_.end() && *it == rowid ? int(it - rowids_.begin()) : -1;
}

int ListedRecords::FirstStartingWith(int column, const QString& prefix, qint64 from, qint64 before) {
  // The first in the table among the rows the list holds (not those added to the set
  // after the search), passing over the kept ones, whose listed text is not the stored
  // one.
  const std::optional<qint64> found = search_.First(
      columns_[column], prefix, from, before, [this](qint64 rowid) { return !kept_.count(rowid) && RowOf(rowid) >= 0; });
  int row = found ? RowOf(*found) : -1;
  // A kept row before it whose kept text starts with the prefix comes first.
  for (const auto& [rowid, texts] : kept_) {
    if (rowid < from || rowid >= before || !texts.value(column).startsWith(prefix, Qt::CaseInsensitive)) continue;
    const int keptRow = RowOf(rowid);
    if (keptRow >= 0 && (row < 0 || keptRow < row)) row = keptRow;
  }
  return row;
}

int ListedRecords::FindStartingWith(int column, const QString& prefix, int from) {
  if (Count() == 0 || column < 0 || column >= columns_.size()) return -1;
  const qint64 start = rowids_[size_t(from)];
  const int row = FirstStartingWith(column, prefix, start, std::numeric_limits<qint64>::max());
  return row >= 0 ? row : FirstStartingWith(column, prefix, std::numeric_limits<qint64>::min(), start);
}

}  // namespace main_window
