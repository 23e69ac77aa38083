#pragma once
// Inside the data-access layer: one prepared SQLite statement, and the mapping of the
// engine's failures to the layer's numbered errors.

#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::db_detail {

// What was being done when the engine failed; it chooses the error number.
enum class Phase { Prepare, Read, Write };

[[noreturn]] void Raise(int number, const QString& description);
// A failure of the file as a whole (platform::DatabaseFileError).
[[noreturn]] void RaiseFileError(int number, const QString& description);
// The file held by another desk past the wait (platform::DatabaseBusyError).
[[noreturn]] void RaiseBusy(const QString& description);
// The disk of the file full (platform::DatabaseFullError).
[[noreturn]] void RaiseFull(const QString& description);
// The engine's failure in the clerk's words, naming the file and what can be done.
[[noreturn]] void RaiseEngineError(sqlite3* db, int rc, Phase phase);
// The description of a file that is damaged or not a database.
QString UnrecognizedFile(const QString& path);
// What the clerk can do about a database file that cannot be read, whenever it is met:
// its words close the messages of a damaged or foreign file. (The start-up, which offers
// the choice of another folder, says so itself.)
inline const QString kRestoreAdvice =
    QStringLiteral("Inlocuiti fisierul cu o copie de siguranta a bazei de date (sau cereti administratorului "
                   "sa o faca), apoi porniti din nou programul.");
// A text as the engine stores it (UTF-8), every character kept, a U+FEFF at its start
// among them.
QString StoredText(QByteArrayView utf8);
// A LIKE pattern that the clerk's wildcards do not form (an unclosed "[").
[[noreturn]] void RaiseInvalidPattern();

// "Name" with the quotes doubled, for table and column names put into SQL text.
QString QuoteName(const QString& name);

class Statement {
 public:
  Statement(sqlite3* db, const QString& sql, Phase phase = Phase::Read);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Binds the values in order to ?1, ?2, ...; their number must match the statement's.
  void Bind(const QVariantList& params);
  // One step: true when a row is there to read, false when the statement has finished.
  bool Step();
  // Ends the run so that the statement holds no lock; the bindings stay.
  void Reset();

  int ColumnCount() const;
  QString ColumnName(int column) const;
  // The table and column a result column comes from; empty for an expression.
  QString OriginTable(int column) const;
  QString OriginColumn(int column) const;
  // A Null column gives a null QVariant; text a QString (the empty text not null).
  QVariant Value(int column) const;
  qint64 Int64(int column) const;

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  Phase phase_;
};

void BindValue(sqlite3_stmt* stmt, int index, const QVariant& value);

}  // namespace platform::db_detail
