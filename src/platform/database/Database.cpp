#include "platform/database/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>
#include <sqlite3.h>

#include "platform/database/Like.h"
#include "platform/database/QueryText.h"
#include "platform/database/Statement.h"

namespace platform {
using db_detail::Phase;
using db_detail::Raise;
using db_detail::RaiseEngineError;

namespace {

// The cipher settings of every file this program makes, written at creation and given
// again at every open, so that the file reads the same whatever defaults the library
// has. (Libraries that choose these algorithms themselves take the two algorithm
// settings as no-ops; theirs are the same.)
constexpr int kCipherPageSize = 4096;
const char* const kCipherSettings[] = {
    "PRAGMA cipher_page_size = 4096",
    "PRAGMA kdf_iter = 64000",
    "PRAGMA cipher_use_hmac = ON",
    "PRAGMA cipher_hmac_algorithm = HMAC_SHA1",
    "PRAGMA cipher_kdf_algorithm = PBKDF2_HMAC_SHA1",
};

constexpr char kPlainHeader[] = "SQLite format 3";  // 16 bytes with its NUL

// The password of a connect string ";PWD=secret" (other parts, if any, are ignored).
QString PasswordOf(const QString& connect) {
  const QStringList parts = connect.split(QLatin1Char(';'));
  for (const QString& part : parts)
    if (part.startsWith(QLatin1String("PWD="), Qt::CaseInsensitive)) return part.mid(4);
  return QString();
}

void Exec(sqlite3* db, const char* sql, Phase phase) {
  const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) RaiseEngineError(db, rc, phase);
}

// Keys the connection and applies the cipher settings; nothing is read yet.
void ApplyKey(sqlite3* db, const QString& password) {
  if (password.isEmpty()) return;
  const QByteArray key = password.toUtf8();
  if (sqlite3_key(db, key.constData(), int(key.size())) != SQLITE_OK)
    Raise(kDbWriteFailed, QStringLiteral("Baza de date \"%1\" nu poate fi deschisa: cheia ei nu a putut fi aplicata. "
                                         "Reinstalati programul (sau cereti administratorului sa o faca).")
                              .arg(QDir::toNativeSeparators(QFile::decodeName(sqlite3_db_filename(db, "main")))));
  for (const char* setting : kCipherSettings) Exec(db, setting, Phase::Read);
}

void Prepare(sqlite3* db) {
  db_detail::RegisterLike(db);
  sqlite3_busy_timeout(db, Database::kBusyTimeoutMs);
}

struct Connection {
  sqlite3* db = nullptr;
  ~Connection() { if (db) sqlite3_close_v2(db); }
  sqlite3* Release() { return std::exchange(db, nullptr); }
};

// A file that does not read under the program's password: the clerk never types one, so
// the message tells the three things that this can mean.
[[noreturn]] void RaiseNotOurs(const QString& path) {
  db_detail::RaiseFileError(
      kDbWrongPassword,
      QStringLiteral("Fisierul \"%1\" nu poate fi deschis: nu este o baza de date a acestui program, este "
                     "deteriorat sau a fost creat cu alta parola. %2")
          .arg(QDir::toNativeSeparators(path), db_detail::kRestoreAdvice));
}

}  // namespace

std::shared_ptr<Database> Database::OpenDatabase(const QString& path, bool exclusive,
                                                 bool readOnly, const QString& connect) {
  const QFileInfo info(path);
  if (!info.exists() || info.isDir())
    Raise(kDbFileNotFound, QStringLiteral("Fisierul \"%1\" nu exista. Alegeti dosarul in care se afla baza de date a "
                                          "programului; o baza de date noua o face administratorul, cu comanda "
                                          "velorast-createdb.")
                               .arg(QDir::toNativeSeparators(path)));
  const QString password = PasswordOf(connect);

  // What the file itself tells before any key is tried: an encrypted file is whole
  // pages of our size and never begins with the plain header.
  {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
      db_detail::RaiseFileError(kDbWriteFailed,
                                QStringLiteral("Fisierul \"%1\" nu poate fi citit. Cereti administratorului dreptul "
                                               "de citire in el si verificati ca discul pe care se afla este accesibil.")
                                    .arg(QDir::toNativeSeparators(path)));
    const QByteArray head = file.read(16);
    const bool plain = head == QByteArray(kPlainHeader, 16);
    if (!password.isEmpty() &&
        (plain || info.size() < kCipherPageSize || info.size() % kCipherPageSize != 0))
      db_detail::RaiseFileError(kDbUnrecognizedFormat, db_detail::UnrecognizedFile(path));
    if (password.isEmpty() && !plain && info.size() > 0)
      RaiseNotOurs(path);
  }

  Connection c;
  const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
  const QByteArray file = QFile::encodeName(path);
  int rc = sqlite3_open_v2(file.constData(), &c.db, flags, nullptr);
  if (rc != SQLITE_OK) RaiseEngineError(c.db, rc, Phase::Read);
  sqlite3_extended_result_codes(c.db, 1);
  ApplyKey(c.db, password);

  // A wrong key shows only at the first read: read the schema now. The file is whole
  // pages, so a page that does not decrypt means another password.
  rc = sqlite3_exec(c.db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  if ((rc & 0xff) == SQLITE_NOTADB)
    RaiseNotOurs(path);
  if (rc != SQLITE_OK) {
    if ((rc & 0xff) == SQLITE_CORRUPT) db_detail::RaiseFileError(kDbUnrecognizedFormat, db_detail::UnrecognizedFile(path));
    RaiseEngineError(c.db, rc, Phase::Read);
  }
  if (exclusive) Exec(c.db, "PRAGMA locking_mode = EXCLUSIVE", Phase::Read);
  Prepare(c.db);
  return std::shared_ptr<Database>(new Database(c.Release(), path));
}

std::shared_ptr<Database> Database::CreateDatabase(const QString& path, const QString& password) {
  // Made new, never over an existing file.
  {
    QFile file(path);
    if (file.exists())
      Raise(kDbWriteFailed, QStringLiteral("Fisierul \"%1\" exista deja, iar o baza de date existenta nu se "
                                           "inlocuieste. Alegeti alt dosar.")
                                .arg(QDir::toNativeSeparators(path)));
    // Readable by its owner only: it holds every person's CNP and address.
    if (!file.open(QIODevice::NewOnly | QIODevice::WriteOnly, QFile::ReadOwner | QFile::WriteOwner))
      Raise(kDbWriteFailed, QStringLiteral("Fisierul \"%1\" nu poate fi creat. Verificati ca dosarul exista si ca "
                                           "aveti dreptul de scriere in el.")
                                .arg(QDir::toNativeSeparators(path)));
  }
  Connection c;
  try {
    const QByteArray file = QFile::encodeName(path);
    const int rc = sqlite3_open_v2(file.constData(), &c.db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) RaiseEngineError(c.db, rc, Phase::Write);
    sqlite3_extended_result_codes(c.db, 1);
    ApplyKey(c.db, password);
    // Writes the first page, so that the file is a database from now on.
    Exec(c.db, "PRAGMA user_version = 1", Phase::Write);
  } catch (...) {
    sqlite3_close_v2(c.Release());
    QFile::remove(path);
    throw;
  }
  Prepare(c.db);
  return std::shared_ptr<Database>(new Database(c.Release(), path));
}

Database::~Database() { sqlite3_close_v2(db_); }

bool Database::AutoCommit() const { return sqlite3_get_autocommit(db_) != 0; }

void Database::Execute(const QString& sql, const QVariantList& params) {
  const QByteArray text = sql.toUtf8();
  const char* tail = text.constData();
  const char* end = tail + text.size();
  int used = 0;
  while (tail < end) {
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db_, tail, int(end - tail), &raw, &tail);
    if (rc != SQLITE_OK) {
      sqlite3_finalize(raw);
      RaiseEngineError(db_, rc, Phase::Prepare);
    }
    if (!raw) continue;  // blanks or a comment after the last statement
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, sqlite3_finalize);
    const int count = sqlite3_bind_parameter_count(raw);
    if (used + count > params.size())
      Raise(kDbSyntax, QStringLiteral("Instructiunea asteapta mai multe valori decat a primit."));
    for (int i = 0; i < count; ++i) db_detail::BindValue(raw, i + 1, params[used + i]);
    used += count;
    int step;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW) {}
    if (step != SQLITE_DONE) RaiseEngineError(db_, step, Phase::Write);
  }
  if (used != params.size())
    Raise(kDbSyntax, QStringLiteral("Instructiunea asteapta mai putine valori decat a primit."));
}

QVariant Database::Scalar(const QString& sql, const QVariantList& params) {
  db_detail::Statement stmt(db_, sql);
  stmt.Bind(params);
  const QVariant value = stmt.Step() ? stmt.Value(0) : QVariant();
  stmt.Reset();
  return value;
}

// ---- RowReader

RowReader::RowReader(std::shared_ptr<Database> db, const QString& table, const QStringList& columns,
                     const QString& condition, const QVariantList& params)
    : db_(std::move(db)), columns_(int(columns.size())) {
  QStringList names;
  for (const QString& column : columns) names << db_detail::QuoteName(column);
  QString where = QStringLiteral("rowid = ?1");
  params_ << QVariant();  // the row id
  if (!condition.trimmed().isEmpty()) {
    // Numbered only: the row id finds the row, the condition is tested on it.
    const db_detail::BoundSql numbered = db_detail::WithLikeRanges(condition, params, {});
    where = QStringLiteral("rowid = ?%1 AND (%2)").arg(numbered.params.size() + 1).arg(numbered.sql);
    params_ = numbered.params;
    params_ << QVariant();
  }
  statement_ = std::make_unique<db_detail::Statement>(
      db_->Handle(),
      QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(names.join(QLatin1String(", ")), table, where));
}

RowReader::~RowReader() = default;

QList<QStringList> RowReader::Texts(const std::vector<qint64>& rowids) {
  QList<QStringList> out;
  out.reserve(qsizetype(rowids.size()));
  auto readAll = [&] {
    for (const qint64 rowid : rowids) {
      QStringList texts;
      params_.back() = rowid;
      statement_->Bind(params_);
      if (statement_->Step()) {
        texts.reserve(columns_);
        for (int i = 0; i < columns_; ++i) texts << statement_->Value(i).toString();
      }
      statement_->Reset();
      out << std::move(texts);
      ++rowsRead_;
    }
  };
  // One read transaction for all the rows: the file is locked and checked once, not
  // once a row. Inside a transaction of the caller's, the rows are read in that one.
  if (db_->AutoCommit() && rowids.size() > 1) db_->InTransaction(readAll);
  else readAll();
  return out;
}

// ---- PrefixSearch

PrefixSearch::PrefixSearch(std::shared_ptr<Database> db, const QString& table, const QString& condition,
                           const QVariantList& params)
    : db_(std::move(db)), table_(table) {
  if (condition.trimmed().isEmpty()) return;
  // Numbered only: a range on the condition's column would lead the engine to that
  // column's index, away from the row id order the search walks in.
  const db_detail::BoundSql numbered = db_detail::WithLikeRanges(condition, params, {});
  condition_ = numbered.sql;
  params_ = numbered.params;
}

PrefixSearch::~PrefixSearch() = default;

namespace {

// Whether an index of the table has the column as its first key, compared as stored
// (the engine's BINARY collation), and covers every row: one that serves ranges on it.
bool HasRangeIndex(sqlite3* db, const QString& table, const QString& column) {
  db_detail::Statement list(db, QStringLiteral("PRAGMA index_list(%1)").arg(table));
  list.Bind({});
  QStringList indexes;
  while (list.Step())
    if (list.Value(4).toInt() == 0) indexes << list.Value(1).toString();  // not partial
  list.Reset();
  for (const QString& index : indexes) {
    db_detail::Statement info(db, QStringLiteral("PRAGMA index_xinfo(%1)").arg(db_detail::QuoteName(index)));
    info.Bind({});
    const bool serves = info.Step() && info.Value(2).toString().compare(column, Qt::CaseInsensitive) == 0 &&
                        info.Value(4).toString().compare(QLatin1String("BINARY"), Qt::CaseInsensitive) == 0;
    info.Reset();
    if (serves) return true;
  }
  return false;
}

// The text just past every text that starts with `spelling`: its last character
// followed by the next one (texts compare by code point, as their UTF-8 bytes do).
QString PastEveryTextStartingWith(const QString& spelling) {
  const char16_t last = spelling.back().unicode();
  const QString head = spelling.chopped(1);
  if (last == 0xD7FF) return head + QChar(0xE000);
  if (last == 0xFFFF) return head + QString::fromUcs4(U"\U00010000");
  return head + QChar(char16_t(last + 1));
}

}  // namespace

std::optional<QStringList> PrefixSearch::Spellings(const QString& column, const QString& prefix) {
  auto [known, added] = indexed_.try_emplace(column.toLower(), false);
  if (added) known->second = HasRangeIndex(db_->Handle(), db_detail::BareName(table_), column);
  if (!known->second) return std::nullopt;
  // The prefix spelled character by character with each character LIKE takes for it,
  // keeping only the spellings that some text in the index begins with: a seek each.
  // Stored texts are written mostly in one case, so few spellings live on.
  constexpr int kMostSpellings = 32;
  db_detail::Statement exists(db_->Handle(), QStringLiteral("SELECT 1 FROM %1 WHERE %2 >= ?1 AND %2 < ?2 LIMIT 1")
                                                 .arg(table_, db_detail::QuoteName(column)));
  QStringList spellings{QString()};
  for (const QChar c : prefix) {
    if (c.isSurrogate()) break;
    const QString alike = db_detail::FoldsAlike(c);
    if (spellings.size() * alike.size() > kMostSpellings * 4) break;
    QStringList longer;
    for (const QString& spelling : spellings) {
      for (const QChar a : alike) {
        const QString candidate = spelling + a;
        exists.Bind({candidate, PastEveryTextStartingWith(candidate)});
        if (exists.Step()) longer << candidate;
        exists.Reset();
      }
    }
    if (longer.size() > kMostSpellings) break;
    spellings = std::move(longer);
    if (spellings.isEmpty()) break;
  }
  if (spellings.size() == 1 && spellings.front().isEmpty()) return std::nullopt;
  return spellings;
}

std::optional<qint64> PrefixSearch::First(const QString& column, const QString& prefix, qint64 from,
                                          qint64 before) {
  // The prefix's wildcard characters in brackets, where each stands for itself.
  QString pattern;
  for (const QChar c : prefix) {
    if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#') || c == QLatin1Char('['))
      pattern += QLatin1Char('[') + c + QLatin1Char(']');
    else
      pattern += c;
  }
  // The condition's values, then the range of row ids and the pattern.
  QVariantList values = params_;
  values << from << before << pattern + QLatin1Char('*');
  QString where = QStringLiteral("rowid >= ?%1 AND rowid < ?%2 AND %3 LIKE ?%4")
                      .arg(values.size() - 2)
                      .arg(values.size() - 1)
                      .arg(db_detail::QuoteName(column))
                      .arg(values.size());
  if (!condition_.isEmpty()) where += QStringLiteral(" AND (%1)").arg(condition_);
  QString sql = QStringLiteral("SELECT rowid FROM %1 WHERE %2 ORDER BY rowid LIMIT 1").arg(table_, where);
  const qsizetype walked = values.size();  // the values the walk takes

  // What the column's index tells of the table's rows that start with the prefix in
  // any case: none; a few, which are then looked at one by one in row id order; or
  // many, and the walk from the start of the range soon meets one.
  if (const std::optional<QStringList> spellings = Spellings(column, prefix)) {
    if (spellings->isEmpty()) return std::nullopt;
    // The ranges of the spellings, each compared by the pattern too (read from the
    // index, which holds the column) where the spellings stop short of the prefix.
    QStringList arms;
    for (const QString& spelling : *spellings) {
      values << spelling << PastEveryTextStartingWith(spelling);
      arms << QStringLiteral("SELECT rowid FROM %1 WHERE %2 >= ?%3 AND %2 < ?%4 AND %2 LIKE ?%5")
                  .arg(table_, db_detail::QuoteName(column))
                  .arg(values.size() - 1)
                  .arg(values.size())
                  .arg(walked);
    }
    const QString ranges = arms.join(QLatin1String(" UNION ALL "));
    constexpr int kFew = 64;
    db_detail::Statement counting(db_->Handle(),
                                  QStringLiteral("SELECT count(*) FROM (%1 LIMIT %2)").arg(ranges).arg(kFew + 1));
    counting.Bind(values);
    const int found = counting.Step() ? counting.Value(0).toInt() : 0;
    counting.Reset();
    if (found == 0) return std::nullopt;
    if (found <= kFew)
      sql = QStringLiteral("SELECT rowid FROM %1 WHERE rowid IN (%2) AND %3 ORDER BY rowid LIMIT 1")
                .arg(table_, ranges, where);
    else
      values.resize(walked);
  }
  db_detail::Statement statement(db_->Handle(), sql);
  statement.Bind(values);
  std::optional<qint64> first;
  if (statement.Step()) first = statement.Int64(0);
  statement.Reset();
  return first;
}

}  // namespace platform
