#pragma once
// The rows of a search as its list shows them: the record set's row ids as the search
// found them (in row id order, shared with the set), and the listed columns of a row
// read only when the list shows it (a block of rows at a time), before the list paints
// them. Only the rows around those last shown are held: walking a long list does not
// fill memory. The texts of a record that the clerk modifies are kept as they were
// read: the list shows what the search found, and a later modify does not change it.
//
// A row that another desk has deleted since the search (or changed so that it no longer
// meets the search's condition) and that the list had not yet shown is left out of the
// list. A row that cannot be read (a damaged page of the file, or the file held by
// another desk past the wait) is shown empty and cannot be chosen; the fault is told to
// the clerk once, after the paint, and the rows it left unread are not read again until
// the next search. After a fault of the whole file rather than of one page, no further
// rows are read either.
//
// A letter typed in the list is answered by the database, from the index of the column
// it is typed in, over the rows the list holds and can show: the next row, in the
// list's order, whose listed text starts with the letters.

#include <QStringList>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/ListView.h"
#include "platform/database/Database.h"

namespace main_window {

struct RecordKind;

// The condition that chose a list's rows: an SQL condition on the kind's table with "?"
// for its values; empty for every row.
struct ListCondition {
  QString sql;
  QVariantList params;
};

class ListedRecords : public platform::ListRows {
 public:
  // Reads the first `shown` rows at once: those on screen when the list is filled.
  // rowids are those of the rows of the kind's table that meet the condition, in
  // row id order.
  // A failure to read those raises.
  ListedRecords(std::shared_ptr<platform::Database> db, const RecordKind& kind, platform::RowIdList rowids,
                const ListCondition& condition, int shown);

  int Count() const override { return int(rowids_.size() - removed_.size()); }
  QStringList Texts(int row) override;
  void Remove(int row) override;
  int FindStartingWith(int column, const QString& prefix, int from) override;
  std::vector<int> PrepareShown(int first, int last) override;
  bool Selectable(int row) override;

  // Reads the texts of a record before it changes, so that the list keeps showing them.
  void Keep(qint64 rowid);
  // How many rows have been read from the database, and how many are held now.
  qint64 RowsRead() const { return reader_.RowsRead(); }
  int RowsHeld() const { return int(texts_.size() + kept_.size()); }

  // Rows read together when the list shows one that has not been read.
  static constexpr int kBlock = 32;
  // Rows held at most besides the kept ones: a few screens on each side of those shown.
  static constexpr int kHeld = 16 * kBlock;

 private:
  // Reads the rows from `first` on that are not held; a failure is told once and leaves
  // them unread, or raises when `raise`.
  void Read(int first, int count, bool raise = false);
  void Unread(const std::vector<qint64>& rowids);
  // A read of the rows that failed: they are left unread, and the fault is told; after
  // a fault of the whole file rather than of a damaged page, nothing more is read.
  void Failed(const platform::RuntimeError& error, const std::vector<qint64>& rowids);
  // Tells the clerk the first fault, once the paint or the handler has ended.
  void Tell(const platform::RuntimeError& error);
  // A row's place in rowids_, its row id, and the position of a row id in the list (-1
  // when the list does not hold it).
  size_t PlaceOf(int row) const;
  qint64 RowIdAt(int row) const;
  int RowOf(qint64 rowid) const;
  // The first listed row at or after `from` and before `before` (row ids) whose text in
  // `column` starts with prefix; -1 when none.
  int FirstStartingWith(int column, const QString& prefix, qint64 from, qint64 before);
  // Whether the list shows the row's text in `column` as it is stored: read now when it
  // has not been read (false when it cannot be), compared with the stored text when it
  // has.
  bool ShowsAsStored(qint64 rowid, int column);

  QStringList columns_;
  platform::RowReader reader_;
  platform::PrefixSearch search_;
  platform::RowIdList rowids_;
  std::vector<size_t> removed_;  // the places in rowids_ of the rows removed, rising
  std::unordered_map<qint64, QStringList> texts_;
  std::unordered_map<qint64, QStringList> kept_;
  // Rows that cannot be shown: gone from the table, or not read.
  enum class Missing { Gone, Unread };
  std::unordered_map<qint64, Missing> missing_;
  bool told_ = false;       // a fault has been told to the clerk
  bool fileFailed_ = false;  // the file as a whole failed: nothing more is read
};

}  // namespace main_window
