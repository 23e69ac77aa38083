#include "main_window/ListedRecords.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

#include "core/ErrorGuard.h"
#include "main_window/StoredRecords.h"

namespace main_window {

ListedRecords::ListedRecords(std::shared_ptr<platform::Database> db, const RecordKind& kind,
                             platform::RowIdList rowids, const ListCondition& condition, int shown)
    : columns_(kind.listColumns.begin(), kind.listColumns.end()),
      reader_(db, kind.table, columns_, condition.sql, condition.params),
      search_(db, kind.table, condition.sql, condition.params),
      rowids_(std::move(rowids)) {
  Q_ASSERT(std::is_sorted(rowids_.begin(), rowids_.end()));
  Read(0, std::min(shown, Count()), true);
}

void ListedRecords::Read(int first, int count, bool raise) {
  std::vector<qint64> missing;
  for (int row = first; row < first + count; ++row) {
    const qint64 rowid = RowIdAt(row);
    if (!texts_.count(rowid) && !kept_.count(rowid) && !missing_.count(rowid)) missing.push_back(rowid);
  }
  if (missing.empty()) return;
  if (fileFailed_) {
    Unread(missing);
    return;
  }
  // Too many held: those far from the rows wanted now go (the list is in row id order).
  if (texts_.size() + missing.size() > size_t(kHeld)) {
    const qint64 low = RowIdAt(std::max(0, first - kHeld / 2));
    const qint64 high = RowIdAt(std::min(Count() - 1, first + count + kHeld / 2 - 1));
    std::erase_if(texts_, [&](const auto& entry) { return entry.first < low || entry.first > high; });
  }
  QList<QStringList> read;
  try {
    read = reader_.Texts(missing);
  } catch (const platform::RuntimeError& error) {
    if (raise) throw;
    if (error.Number() != platform::kDbUnrecognizedFormat) {
      Failed(error, missing);  // the file is held by another desk, or cannot be read at all
      return;
    }
    // A damaged page: the rows on other pages still read, one by one.
    for (const qint64 rowid : missing) {
      QStringList texts;
      if (fileFailed_) {
        Unread({rowid});
      } else {
        try {
          texts = reader_.Texts({rowid}).value(0);
        } catch (const platform::RuntimeError& rowError) {
          Failed(rowError, {rowid});
        }
      }
      read << texts;
    }
  }
  for (size_t i = 0; i < missing.size(); ++i) {
    if (missing_.count(missing[i])) continue;
    if (read[qsizetype(i)].isEmpty())
      missing_.emplace(missing[i], Missing::Gone);
    else
      texts_.emplace(missing[i], read[qsizetype(i)]);
  }
}

void ListedRecords::Unread(const std::vector<qint64>& rowids) {
  for (const qint64 rowid : rowids) missing_.emplace(rowid, Missing::Unread);
}

void ListedRecords::Failed(const platform::RuntimeError& error, const std::vector<qint64>& rowids) {
  if (error.Number() != platform::kDbUnrecognizedFormat) fileFailed_ = true;
  Unread(rowids);
  Tell(error);
}

void ListedRecords::Tell(const platform::RuntimeError& error) {
  if (told_) return;
  told_ = true;
  // After a failure of the whole file the list reads nothing more until the next
  // search: trying again in the list does nothing, and the clerk is told what does.
  platform::RuntimeError told = error;
  if (fileFailed_)
    told = platform::RuntimeError(
        error.Number(),
        error.Description() +
            QStringLiteral(" Randurile listei care nu s-au putut citi raman goale: apasati din nou Cauta pentru a le "
                           "citi."),
        error.Source());
  // Told once the paint or the handler that read the rows has ended: a message box
  // never opens inside a paint.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [told] { core::ReportUncaught(told); }, Qt::QueuedConnection);
}

QStringList ListedRecords::Texts(int row) {
  const qint64 rowid = RowIdAt(row);
  if (auto kept = kept_.find(rowid); kept != kept_.end()) return kept->second;
  auto it = texts_.find(rowid);
  if (it == texts_.end()) {
    if (missing_.count(rowid)) return {};
    Read(row, std::min(kBlock, Count() - row));
    it = texts_.find(rowid);
    if (it == texts_.end()) return {};
  }
  return it->second;
}

std::vector<int> ListedRecords::PrepareShown(int first, int last) {
  last = std::min(last, Count() - 1);
  if (first < 0 || first > last) return {};
  Read(first, last - first + 1);
  std::vector<int> gone;
  for (int row = first; row <= last; ++row) {
    const auto it = missing_.find(RowIdAt(row));
    if (it != missing_.end() && it->second == Missing::Gone) gone.push_back(row);
  }
  return gone;
}

bool ListedRecords::Selectable(int row) {
  Texts(row);  // read, when it has not been
  return !missing_.count(RowIdAt(row));
}

void ListedRecords::Remove(int row) {
  const size_t place = PlaceOf(row);
  const qint64 rowid = rowids_[place];
  texts_.erase(rowid);
  kept_.erase(rowid);
  missing_.erase(rowid);
  removed_.insert(std::lower_bound(removed_.begin(), removed_.end(), place), place);
}

void ListedRecords::Keep(qint64 rowid) {
  if (kept_.count(rowid)) return;
  auto it = texts_.find(rowid);
  if (it != texts_.end()) {
    kept_.emplace(rowid, std::move(it->second));
    texts_.erase(it);
    return;
  }
  // A row the list has not read: kept only when it is still a row of the search.
  QStringList read = reader_.Texts({rowid}).value(0);
  if (!read.isEmpty()) kept_.emplace(rowid, std::move(read));
}

size_t ListedRecords::PlaceOf(int row) const {
  // The row's place is row + j, j the number of removed places before it: the first j
  // whose removed place lies past row + j (removed_[j] - j does not fall as j rises).
  size_t low = 0, high = removed_.size();
  while (low < high) {
    const size_t mid = (low + high) / 2;
    if (removed_[mid] - mid > size_t(row))
      high = mid;
    else
      low = mid + 1;
  }
  return size_t(row) + low;
}

qint64 ListedRecords::RowIdAt(int row) const { return rowids_[PlaceOf(row)]; }

int ListedRecords::RowOf(qint64 rowid) const {
  const auto it = std::lower_bound(rowids_.begin(), rowids_.end(), rowid);
  if (it == rowids_.end() || *it != rowid) return -1;
  const size_t place = size_t(it - rowids_.begin());
  const auto removedBefore = std::lower_bound(removed_.begin(), removed_.end(), place);
  if (removedBefore != removed_.end() && *removedBefore == place) return -1;
  return int(place - size_t(removedBefore - removed_.begin()));
}

int ListedRecords::FirstStartingWith(int column, const QString& prefix, qint64 from, qint64 before) {
  // The first in the table among the rows the list holds (not those added to the set
  // after the search), passing over the kept ones, whose listed text is not the stored
  // one, and those it shows empty, which it could not read or found gone. A row found
  // is one the list shows with the text found: one it has not read yet is read now (and
  // passed over when it cannot be), and one whose stored text another desk has changed
  // since the list read it is passed over as well.
  const auto held = [this](qint64 rowid) {
    return !kept_.count(rowid) && !missing_.count(rowid) && RowOf(rowid) >= 0;
  };
  int row = -1;
  for (qint64 low = from; row < 0 && low < before;) {
    const std::optional<qint64> found = search_.First(columns_[column], prefix, low, before, held);
    if (!found) break;
    if (ShowsAsStored(*found, column)) row = RowOf(*found);
    low = *found + 1;
  }
  // A kept row before it whose kept text starts with the prefix comes first.
  for (const auto& [rowid, texts] : kept_) {
    if (rowid < from || rowid >= before || !texts.value(column).startsWith(prefix, Qt::CaseInsensitive)) continue;
    const int keptRow = RowOf(rowid);
    if (keptRow >= 0 && (row < 0 || keptRow < row)) row = keptRow;
  }
  return row;
}

bool ListedRecords::ShowsAsStored(qint64 rowid, int column) {
  const auto it = texts_.find(rowid);
  if (it == texts_.end()) {
    const int row = RowOf(rowid);
    Read(row, std::min(kBlock, Count() - row));
    return texts_.count(rowid) > 0;
  }
  const QStringList stored = reader_.Texts({rowid}).value(0);
  return !stored.isEmpty() && stored.value(column) == it->second.value(column);
}

int ListedRecords::FindStartingWith(int column, const QString& prefix, int from) {
  if (Count() == 0 || column < 0 || column >= columns_.size()) return -1;
  // After a failure of the whole file the letters find nothing until the next search,
  // as the rows read nothing: each letter would otherwise wait for the file again.
  if (fileFailed_) return -1;
  const qint64 start = RowIdAt(from);
  try {
    const int row = FirstStartingWith(column, prefix, start, std::numeric_limits<qint64>::max());
    return row >= 0 ? row : FirstStartingWith(column, prefix, std::numeric_limits<qint64>::min(), start);
  } catch (const platform::RuntimeError& error) {
    // A letter whose look-up met a damaged page, or a file that another desk holds,
    // finds nothing; the fault is told as a read of the rows tells it, once a search.
    Failed(error, {});
    return -1;
  }
}

}  // namespace main_window
