#pragma once
// The rows of a search as its list shows them: the record set's row ids as the search
// found them, and the listed columns of a row read only when the list first shows it
// (a block of rows at a time). The texts of a row, once read, stay as they were read:
// the list shows what the search found, and a later modify does not change it.

#include <QStringList>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/ListView.h"
#include "platform/database/Database.h"

namespace main_window {

struct RecordKind;

class ListedRecords : public platform::ListRows {
 public:
  // Reads the first `shown` rows at once: those on screen when the list is filled.
  ListedRecords(std::shared_ptr<platform::Database> db, const RecordKind& kind, std::vector<qint64> rowids,
                int shown);

  int Count() const override { return int(rowids_.size()); }
  QStringList Texts(int row) override;
  void Remove(int row) override;

  // Reads the texts of a record before it changes, so that the list keeps showing them.
  void Keep(qint64 rowid);
  // How many rows have been read from the database.
  qint64 RowsRead() const { return reader_.RowsRead(); }

  // Rows read together when the list shows one that has not been read.
  static constexpr int kBlock = 32;

 private:
  void Read(int first, int count);

  platform::RowReader reader_;
  std::vector<qint64> rowids_;
  std::unordered_map<qint64, QStringList> texts_;
};

}  // namespace main_window
