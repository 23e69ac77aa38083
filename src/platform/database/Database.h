#pragma once
// The data-access layer: one open database and its record sets, over SQLCipher.
//
// A database file is opened with a connect string ";PWD=<password>". A record set is
// opened from SQL text; every value that comes from the clerk is passed as a bound
// parameter (a "?" in the SQL text), never pasted into it.
//
// LIKE keeps the wildcards the clerk knows: * any run of characters, ? one character,
// # one digit, [abc] / [a-z] / [!abc] a set; compared without regard to letter case
// (Romanian letters with diacritics included). Such a LIKE cannot walk an index by
// itself, so "column LIKE ?" with a pattern that starts with digits or other letters
// without case (a CNP prefix "1850331*") is given the equivalent range condition on the
// column as well, and an index on the column serves the search.
//
// Every failure raises platform::RuntimeError with one of the numbers below, a
// description in Romanian and the source "Velorast.BazaDeDate".

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

// Recordset::EOF() keeps its given name; the C library's EOF macro (from <cstdio>,
// included above so that no later include brings it back) would replace it.
// std::char_traits<char>::eof() is the end-of-file value where one is needed.
#undef EOF

#include "platform/RuntimeError.h"

struct sqlite3;

namespace platform {

enum RecordsetType : int { dbOpenDynaset = 2 };

enum DatabaseError : int {
  kDbUpdateWithoutEdit = 3020,   // Update or field write without AddNew or Edit
  kDbNoCurrentRecord = 3021,     // no current record
  kDbFileNotFound = 3024,        // the file does not exist
  kDbWrongPassword = 3031,       // the file is a database but not under this password
  kDbSyntax = 3075,              // SQL or criterion the engine refuses
  kDbTableNotFound = 3078,       // no table of that name
  kDbRecordDeleted = 3167,       // the current record has been deleted
  kDbItemNotFound = 3265,        // no field of that name or ordinal
  kDbWriteFailed = 3146,         // the engine refused a write
  kDbUnrecognizedFormat = 3343,  // the file is damaged or not a database
};

class Recordset;

// A failure of the database file as a whole rather than of one query: the file is
// damaged or not a database of this program, another desk holds it, or its disk is full
// or fails. Raised with the numbers above; whoever cannot go on without the file (the
// start-up) tells it from an error of one query by this type.
class DatabaseFileError : public RuntimeError {
 public:
  using RuntimeError::RuntimeError;
};

// Another desk holds the file for longer than a statement waits for it (kDbWriteFailed):
// the file itself is sound, and the same work may be tried again later.
class DatabaseBusyError : public DatabaseFileError {
 public:
  using DatabaseFileError::DatabaseFileError;
};

// The disk that holds the file is full (kDbWriteFailed): what was stored stays, and the
// write may be tried again once room has been made.
class DatabaseFullError : public DatabaseFileError {
 public:
  using DatabaseFileError::DatabaseFileError;
};

// The source of every error that this layer raises.
inline const QString kDatabaseErrorSource = QStringLiteral("Velorast.BazaDeDate");

class Database : public std::enable_shared_from_this<Database> {
 public:
  // Opens an existing file, shared, read-write unless readOnly. Never creates a file.
  // connect is ";PWD=<password>" (an empty password opens an unencrypted file).
  // Distinct errors: kDbFileNotFound, kDbWrongPassword, kDbUnrecognizedFormat.
  static std::shared_ptr<Database> OpenDatabase(const QString& path, bool exclusive, bool readOnly,
                                                const QString& connect);

  // Creates a new, empty encrypted file with explicit cipher settings.
  // Refuses (kDbWriteFailed) when the file already exists.
  static std::shared_ptr<Database> CreateDatabase(const QString& path, const QString& password);

  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // A dynaset over a single-table SELECT ("SELECT * FROM T [WHERE ...] [ORDER BY ...]",
  // or a column list instead of *). Positioned on its first row, at BOF and EOF when
  // empty. keyColumn, when given, is the table's column that tells its rows apart: the
  // engine may give the id of a deleted row to a row added later, so the set edits and
  // deletes a row only while that column still holds what the set read of the row (the
  // column need not be one of the set's fields).
  std::unique_ptr<Recordset> OpenRecordset(const QString& sql, const QVariantList& params = {},
                                           int type = dbOpenDynaset, const QString& keyColumn = {});

  // Runs statements that return no rows (CREATE, INSERT, ...), one after another; the
  // parameters are taken in order by the "?" of each statement.
  void Execute(const QString& sql, const QVariantList& params = {});

  // Runs a query and returns the first column of its first row (Null when none).
  QVariant Scalar(const QString& sql, const QVariantList& params = {});

  // Runs fn inside one transaction: committed when fn returns, rolled back when it
  // throws; gives what fn returns.
  template <class F>
  auto InTransaction(F&& fn) { return Transaction(QStringLiteral("BEGIN"), std::forward<F>(fn)); }

  // The same for a read that decides a write: the database is reserved for this
  // connection from the start (BEGIN IMMEDIATE), so that no other connection writes
  // between what fn reads and what it writes. A database that another connection is
  // writing is waited for (kBusyTimeoutMs) before it is reported.
  template <class F>
  auto InWriteTransaction(F&& fn) { return Transaction(QStringLiteral("BEGIN IMMEDIATE"), std::forward<F>(fn)); }

  // How long a statement waits for a database that another connection holds, from the
  // first statement of a connection on (the check of the password included).
  static constexpr int kBusyTimeoutMs = 5000;
  // The wait of the connections opened from now on (kBusyTimeoutMs until set; tests
  // shorten it).
  static void SetBusyTimeout(int ms);

  // Whether no transaction is open on this connection.
  bool AutoCommit() const;

  const QString& Path() const { return path_; }
  sqlite3* Handle() const { return db_; }

 private:
  Database(sqlite3* db, QString path) : db_(db), path_(std::move(path)) {}

  template <class F>
  auto Transaction(const QString& begin, F&& fn) {
    Execute(begin);
    try {
      if constexpr (std::is_void_v<decltype(fn())>) {
        fn();
        Execute(QStringLiteral("COMMIT"));
      } else {
        auto result = fn();
        Execute(QStringLiteral("COMMIT"));
        return result;
      }
    } catch (...) {
      if (!AutoCommit()) Execute(QStringLiteral("ROLLBACK"));
      throw;
    }
  }
  sqlite3* db_ = nullptr;
  QString path_;
};

// One field of the current row. A Null value is a QVariant that isNull(); the empty
// text is a non-null QVariant holding "".
class Field {
 public:
  QString Name() const;
  QVariant Value() const;
  void SetValue(const QVariant& value);  // only between AddNew/Edit and Update
  bool IsNull() const { return Value().isNull(); }
  QString Text() const { return Value().toString(); }  // Null reads as ""

 private:
  friend class Recordset;
  Field(Recordset* rs, int ordinal) : rs_(rs), ordinal_(ordinal) {}
  Recordset* rs_;
  int ordinal_;
};

// Row ids as a record set held them when they were asked for, in its order: later
// changes of the set do not change them. They share the set's own ids where they can,
// so that the ids of a million rows are held once.
class RowIdList {
 public:
  using value_type = qint64;
  using const_iterator = const qint64*;  // valid until the set that gave them changes
  using iterator = const_iterator;

  RowIdList() = default;
  explicit RowIdList(std::vector<qint64> ids)
      : ids_(std::make_shared<const std::vector<qint64>>(std::move(ids))), count_(ids_->size()) {}
  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  qint64 operator[](size_t i) const { return (*ids_)[i]; }
  const_iterator begin() const { return ids_ ? ids_->data() : nullptr; }
  const_iterator end() const { return begin() + count_; }
  friend bool operator==(const RowIdList& a, const std::vector<qint64>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  friend class Recordset;
  // The first `count` ids of a vector that is only ever appended to.
  RowIdList(std::shared_ptr<const std::vector<qint64>> ids, size_t count) : ids_(std::move(ids)), count_(count) {}
  std::shared_ptr<const std::vector<qint64>> ids_;
  size_t count_ = 0;
};

// A dynaset: the rows of its query, with their row ids, and a current position.
// - Rows it added stay in the set even when they do not match its query.
// - A deleted row stays as a hole: the position stays on it (fields raise
//   kDbRecordDeleted) until a move; moves skip deleted rows.
// - It never holds one row id twice: where the engine gives a row it adds the id of a
//   row that another connection deleted, the deleted row leaves the set.
// - Values are read from the database when the row is reached, and again after any
//   write through this Database object, so they show changes made through other sets.
// - Edit's Update and Delete write only the row the set read at its position: when the
//   row has since gone, or (for a set with a key column) another row holds its id, they
//   raise kDbRecordDeleted and write nothing.
class Recordset {
 public:
  ~Recordset();

  bool BOF() const;
  bool EOF() const;
  int RecordCount() const;  // rows not deleted
  // The row ids of the rows not deleted, in the set's order; RowId that of the current
  // row (kDbNoCurrentRecord without one).
  RowIdList RowIds() const;
  qint64 RowId() const;

  void MoveFirst();     // kDbNoCurrentRecord on an empty set
  void MoveNext();      // kDbNoCurrentRecord when already at EOF
  void MovePrevious();  // kDbNoCurrentRecord when already at BOF
  void MoveLast();      // kDbNoCurrentRecord on an empty set

  // Makes the first row of the set that meets the criterion current; NoMatch() tells
  // whether one did. The criterion is an SQL condition on the set's table, with "?" for
  // bound values: FindFirst("CNP = ?", {cnp}). On no match the position stays.
  void FindFirst(const QString& criterion, const QVariantList& params = {});
  bool NoMatch() const { return noMatch_; }

  void AddNew();        // starts a new row; Update inserts it and appends it to the set
  void Edit();          // the current row becomes changeable; kDbNoCurrentRecord without one
  void Update();        // writes the new or changed row
  void CancelUpdate();
  void Delete();        // deletes the current row from the table
  void Requery();       // runs the set's SQL again; positioned on the first row

  int FieldCount() const;
  Field Fields(int ordinal);            // kDbItemNotFound when out of range
  Field Fields(const QString& name);    // by name, case-insensitive; kDbItemNotFound
  QString FieldName(int ordinal) const;

 private:
  friend class Database;
  friend class Field;
  struct Impl;
  explicit Recordset(std::unique_ptr<Impl> impl);
  QVariant ValueAt(int ordinal) const;
  void SetValueAt(int ordinal, const QVariant& value);

  std::unique_ptr<Impl> impl_;
  bool noMatch_ = false;
};

namespace db_detail {
class Statement;
}

// Chosen columns of single rows of one table, found by row id with one statement
// prepared once: what a list reads of the rows it shows. With a condition (SQL on the
// table with "?" for params) only rows that still meet it are read.
class RowReader {
 public:
  RowReader(std::shared_ptr<Database> db, const QString& table, const QStringList& columns,
            const QString& condition = {}, const QVariantList& params = {});
  ~RowReader();
  RowReader(const RowReader&) = delete;
  RowReader& operator=(const RowReader&) = delete;

  // The columns' texts of each row (Null as the empty text), read in one read
  // transaction; a row that is no longer in the table, or no longer meets the
  // condition, gives an empty list.
  QList<QStringList> Texts(const std::vector<qint64>& rowids);
  // How many rows have been read so far.
  qint64 RowsRead() const { return rowsRead_; }

 private:
  std::shared_ptr<Database> db_;
  std::unique_ptr<db_detail::Statement> statement_;
  QVariantList params_;  // the condition's, then the row id
  int columns_ = 0;
  qint64 rowsRead_ = 0;
};

// An index of a column by blocks of row ids is declared on (RowBlockOf(k), column), k
// the table's INTEGER PRIMARY KEY column: the rows in blocks of kRowBlock row ids, and
// in each block the column's texts in order.
inline constexpr int kRowBlock = 4096;
QString RowBlockOf(const QString& rowIdColumn);

// The rows of one table that meet a condition (or that a list holds), in row id order,
// as a list of them shows them: the first row in a range of row ids whose column's text
// starts with a given text, letters compared without regard to case as LIKE compares
// them. Where an index on the column serves ranges, the answer comes from its entries
// (text and row id): none where no text starts so; the rows just after the start of
// the range where many do; else the index's range of the texts that start so, read
// once, a run of rows that share one text costing a seek. A single character is
// answered by a seek where an index on the column's first character serves it (entries
// of that character and row id): a key whose first character half the rows share (the
// sex of a CNP) is found as fast as any. Where an index of the column by blocks of row
// ids serves it, a prefix that many texts start with is found block after block from
// the start of the range, a seek for each block that holds none of them: however many
// rows lie between the start and the row found, and however many texts start so. The
// table itself is walked in row id order only where the column has no such index.
class PrefixSearch {
 public:
  // condition: an SQL condition on the table with "?" for params; empty for every row.
  PrefixSearch(std::shared_ptr<Database> db, const QString& table, const QString& condition,
               const QVariantList& params);
  ~PrefixSearch();
  PrefixSearch(const PrefixSearch&) = delete;
  PrefixSearch& operator=(const PrefixSearch&) = delete;

  // The smallest row id in [from, before) of a row that meets the condition and whose
  // column starts with prefix (a star or other wildcard in it is itself); none when no
  // row does. held, when given, tells the rows that count in place of the condition: a
  // list's own rows, which met it when the list was filled, and are told without
  // reading them. A search of [min, from) right after one of [from, ...) that found
  // nothing is answered by what that one read.
  std::optional<qint64> First(const QString& column, const QString& prefix, qint64 from, qint64 before,
                              const std::function<bool(qint64)>& held = {});

 private:
  std::shared_ptr<Database> db_;
  QString table_;
  QString condition_;  // its "?" numbered ?1, ?2, ...
  QVariantList params_;
  std::map<QString, bool> indexed_;  // whether an index on the column serves ranges
  std::map<QString, bool> initialIndexed_;  // whether one on its first character serves seeks
  std::map<QString, bool> blockIndexed_;  // whether one by blocks of row ids serves seeks
  QString rowIdColumn_;  // the table's INTEGER PRIMARY KEY, once an index by blocks is looked for
  // What a search that found nothing in [from, ...) read of the rows before `from`: the
  // first of them, for the search of [min, from) that follows it.
  struct Below {
    QString column, prefix;
    qint64 from = 0;
    bool held = false;
    std::optional<qint64> first;
  };
  std::optional<Below> below_;
  // The spellings of the prefix (or of its first characters) in every case with which
  // some text of the column begins, found through an index on the column: empty when
  // no text begins so; none without such an index.
  std::optional<QStringList> Spellings(const QString& column, const QString& prefix);
};

}  // namespace platform
