#include "platform/database/Statement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <sqlite3.h>
#include <unistd.h>

#include "platform/database/Database.h"
#include "platform/database/Like.h"

namespace platform::db_detail {

void Raise(int number, const QString& description) {
  throw RuntimeError(number, description, kDatabaseErrorSource);
}

void RaiseFileError(int number, const QString& description) {
  throw DatabaseFileError(number, description, kDatabaseErrorSource);
}

void RaiseBusy(const QString& description) {
  throw DatabaseBusyError(kDbWriteFailed, description, kDatabaseErrorSource);
}

void RaiseFull(const QString& description) {
  throw DatabaseFullError(kDbWriteFailed, description, kDatabaseErrorSource);
}

namespace {

// The file of the connection's main database, as the clerk knows it.
QString FileOf(sqlite3* db) {
  const char* name = db ? sqlite3_db_filename(db, "main") : nullptr;
  return name ? QDir::toNativeSeparators(QFile::decodeName(name)) : QString();
}

bool Writable(const QString& path) { return ::access(QFile::encodeName(path).constData(), W_OK) == 0; }

// A write that a desk began and never ended (its program stopped in the middle) leaves
// its journal beside the file; the next reader must put the file back from it and then
// remove it, which needs the right to write both the file and its folder. Told as what
// it is, and what the administrator can do, when that right is missing.
void RaiseIfLeftoverJournal(sqlite3* db, int rc) {
  const int primary = rc & 0xff;
  if (!db || (rc != SQLITE_READONLY_ROLLBACK && primary != SQLITE_IOERR && primary != SQLITE_CANTOPEN)) return;
  const char* name = sqlite3_db_filename(db, "main");
  if (!name || !*name) return;
  const QFileInfo file(QFile::decodeName(name));
  const QString journal = file.filePath() + QStringLiteral("-journal");
  if (!QFileInfo::exists(journal)) return;
  const QString start =
      QStringLiteral("Citirea din baza de date \"%1\" a esuat: o scriere neterminata (a unui post de lucru oprit in "
                     "timpul ei) a lasat langa ea fisierul \"%2\", din care programul trebuie sa refaca baza de "
                     "date, ")
          .arg(QDir::toNativeSeparators(file.filePath()), QDir::toNativeSeparators(journal));
  if (!Writable(file.filePath()))
    RaiseFileError(kDbWriteFailed, start + QStringLiteral("dar fisierul bazei de date este doar pentru citire. Cereti "
                                                          "administratorului dreptul de scriere in el."));
  if (!Writable(file.path()))
    RaiseFileError(kDbWriteFailed,
                   start + QStringLiteral("apoi sa-l stearga, dar dosarul \"%1\" este doar pentru citire. Cereti "
                                          "administratorului dreptul de scriere in dosar.")
                               .arg(QDir::toNativeSeparators(file.path())));
}

// Why a write was refused, when the file or its folder may not be written: the file
// itself read-only, or a folder in which the engine cannot make its journal file.
void RaiseIfReadOnly(sqlite3* db, int rc, Phase phase) {
  const int primary = rc & 0xff;
  const bool refused = primary == SQLITE_READONLY || (primary == SQLITE_CANTOPEN && phase == Phase::Write);
  if (!db || !refused) return;
  const char* name = sqlite3_db_filename(db, "main");
  if (!name || !*name) return;
  const QFileInfo file(QFile::decodeName(name));
  if (!Writable(file.filePath()))
    RaiseFileError(kDbWriteFailed,
                   QStringLiteral("Baza de date nu poate fi modificata: fisierul \"%1\" este doar pentru citire. "
                                  "Cereti administratorului dreptul de scriere in el.")
                       .arg(QDir::toNativeSeparators(file.filePath())));
  if (!Writable(file.path()))
    RaiseFileError(kDbWriteFailed,
                   QStringLiteral("Baza de date nu poate fi modificata: dosarul \"%1\" este doar pentru citire, "
                                  "iar programul trebuie sa poata crea in el fisierele sale de lucru. Cereti "
                                  "administratorului dreptul de scriere in dosar.")
                       .arg(QDir::toNativeSeparators(file.path())));
}

}  // namespace

void RaiseEngineError(sqlite3* db, int rc, Phase phase) {
  const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
  const QString file = FileOf(db);
  // A statement is made from the schema, which is read from the file when it has not
  // been read yet or has changed: the file's failures met then are those of a read.
  if (phase == Phase::Prepare && (rc & 0xff) != SQLITE_ERROR) phase = Phase::Read;
  switch (rc & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
      RaiseFileError(kDbUnrecognizedFormat, UnrecognizedFile(file));
    default: break;
  }
  RaiseIfLeftoverJournal(db, rc);
  RaiseIfReadOnly(db, rc, phase);
  if (message.contains(QLatin1String(kInvalidLikePatternMessage))) RaiseInvalidPattern();
  if (phase == Phase::Prepare) {
    static const QLatin1String noSuchTable("no such table: ");
    if (message.startsWith(noSuchTable))
      Raise(kDbTableNotFound, QStringLiteral("Tabelul \"%1\" nu exista in baza de date \"%2\": fisierul nu este o baza "
                                             "de date completa a programului. %3")
                                  .arg(message.mid(noSuchTable.size()).section(QLatin1Char('.'), -1), file,
                                       kRestoreAdvice));
    Raise(kDbSyntax, QStringLiteral("Interogarea nu este corecta (%1).").arg(message));
  }
  const QString failed = phase == Phase::Write
                             ? QStringLiteral("Scrierea in baza de date \"%1\" a esuat: ").arg(file)
                             : QStringLiteral("Citirea din baza de date \"%1\" a esuat: ").arg(file);
  switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      RaiseBusy(failed + QStringLiteral("baza de date este folosita chiar acum de alt post de lucru. "
                                        "Incercati din nou peste cateva momente."));
    case SQLITE_FULL:
      RaiseFull(failed + QStringLiteral("discul pe care se afla este plin. Eliberati spatiu pe disc "
                                        "si incercati din nou."));
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
      RaiseFileError(kDbWriteFailed,
                     failed + QStringLiteral("discul pe care se afla nu poate fi citit sau scris. Verificati "
                                             "discul (sau legatura cu calculatorul pe care se afla baza de "
                                             "date) si incercati din nou."));
    case SQLITE_NOMEM:
      Raise(kDbWriteFailed, failed + QStringLiteral("memoria calculatorului nu ajunge. Inchideti alte "
                                                    "programe si incercati din nou."));
    default:
      Raise(kDbWriteFailed, failed + QStringLiteral("motorul bazei de date a raspuns cu codul %1. Incercati din "
                                                    "nou; daca se repeta, cereti ajutorul administratorului.")
                                         .arg(rc));
  }
}

QString UnrecognizedFile(const QString& path) {
  return QStringLiteral("Fisierul \"%1\" nu este o baza de date recunoscuta sau este deteriorat. %2")
      .arg(QDir::toNativeSeparators(path), kRestoreAdvice);
}

QString StoredText(QByteArrayView utf8) {
  // QString::fromUtf8 drops a U+FEFF at the start, which is a character of the text here
  // (a value pasted from a file saved with a byte-order mark begins with it).
  static constexpr char kMark[] = "\xEF\xBB\xBF";
  if (!utf8.startsWith(QByteArrayView(kMark, 3))) return QString::fromUtf8(utf8);
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  return decoder.decode(utf8);
}

void RaiseInvalidPattern() { Raise(kDbSyntax, QStringLiteral("Sablonul de cautare nu este valid.")); }

QString QuoteName(const QString& name) {
  QString inner = name;
  inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + inner + QLatin1Char('"');
}

Statement::Statement(sqlite3* db, const QString& sql, Phase phase) : db_(db), phase_(phase) {
  const QByteArray text = sql.toUtf8();
  const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &stmt_, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    RaiseEngineError(db_, rc, Phase::Prepare);
  }
  if (!stmt_) Raise(kDbSyntax, QStringLiteral("Interogarea este goala."));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void BindValue(sqlite3_stmt* stmt, int index, const QVariant& value) {
  if (!value.isValid() || value.isNull()) {
    sqlite3_bind_null(stmt, index);
    return;
  }
  switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
      sqlite3_bind_int64(stmt, index, value.toLongLong());
      return;
    case QMetaType::Double:
    case QMetaType::Float:
      sqlite3_bind_double(stmt, index, value.toDouble());
      return;
    case QMetaType::QByteArray: {
      const QByteArray bytes = value.toByteArray();
      sqlite3_bind_blob(stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
      return;
    }
    default: {
      // The empty text is bound as a text of length 0, never as Null.
      const QByteArray text = value.toString().toUtf8();
      sqlite3_bind_text(stmt, index, text.isNull() ? "" : text.constData(), int(text.size()),
                        SQLITE_TRANSIENT);
      return;
    }
  }
}

void Statement::Bind(const QVariantList& params) {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
  const int expected = sqlite3_bind_parameter_count(stmt_);
  if (expected != params.size())
    Raise(kDbSyntax, QStringLiteral("Interogarea asteapta %1 valori si a primit %2.")
                         .arg(expected)
                         .arg(params.size()));
  for (int i = 0; i < params.size(); ++i) BindValue(stmt_, i + 1, params[i]);
}

bool Statement::Step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  sqlite3_reset(stmt_);
  RaiseEngineError(db_, rc, phase_);
}

void Statement::Reset() { sqlite3_reset(stmt_); }

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }

QString Statement::ColumnName(int column) const {
  return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

QString Statement::OriginTable(int column) const {
  return QString::fromUtf8(sqlite3_column_table_name(stmt_, column));
}

QString Statement::OriginColumn(int column) const {
  return QString::fromUtf8(sqlite3_column_origin_name(stmt_, column));
}

QVariant Statement::Value(int column) const {
  switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL: return QVariant();
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(stmt_, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt_, column));
    case SQLITE_BLOB: {
      const void* data = sqlite3_column_blob(stmt_, column);
      return QVariant(QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(stmt_, column)));
    }
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
      return QVariant(StoredText(QByteArrayView(text, sqlite3_column_bytes(stmt_, column))));
    }
  }
}

qint64 Statement::Int64(int column) const { return sqlite3_column_int64(stmt_, column); }

}  // namespace platform::db_detail
