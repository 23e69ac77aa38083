#include "main_window/ListedRecords.h"

#include <algorithm>

#include "main_window/StoredRecords.h"

namespace main_window {

ListedRecords::ListedRecords(std::shared_ptr<platform::Database> db, const RecordKind& kind,
                             std::vector<qint64> rowids, int shown)
    : reader_(std::move(db), kind.table, QStringList(kind.listColumns.begin(), kind.listColumns.end())),
      rowids_(std::move(rowids)) {
  Read(0, std::min(shown, Count()));
}

void ListedRecords::Read(int first, int count) {
  std::vector<qint64> missing;
  for (int row = first; row < first + count; ++row)
    if (!texts_.count(rowids_[size_t(row)])) missing.push_back(rowids_[size_t(row)]);
  if (missing.empty()) return;
  const QList<QStringList> read = reader_.Texts(missing);
  for (size_t i = 0; i < missing.size(); ++i) texts_.emplace(missing[i], read[qsizetype(i)]);
}

QStringList ListedRecords::Texts(int row) {
  const qint64 rowid = rowids_[size_t(row)];
  auto it = texts_.find(rowid);
  if (it == texts_.end()) {
    Read(row, std::min(kBlock, Count() - row));
    it = texts_.find(rowid);
  }
  return it->second;
}

void ListedRecords::Remove(int row) {
  texts_.erase(rowids_[size_t(row)]);
  rowids_.erase(rowids_.begin() + row);
}

void ListedRecords::Keep(qint64 rowid) {
  if (texts_.count(rowid)) return;
  texts_.emplace(rowid, reader_.Texts({rowid}).value(0));
}

}  // namespace main_window
