#include "platform/database/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <limits>
#include <utility>
#include <sqlite3.h>

#include "platform/database/Like.h"
#include "platform/database/QueryText.h"
#include "platform/database/Statement.h"

namespace platform {
void RegisterHeldRows(sqlite3* db);  // below, with the prefix search that asks it
using db_detail::Phase;
using db_detail::Raise;
using db_detail::RaiseEngineError;

namespace {

// The page cache of every connection, 64 MB: room for the pages of a letter's range of
// names, read again at each letter typed, so that they are decrypted once rather than at
// every key (the cache fills only as pages are read).
constexpr char kPageCache[] = "PRAGMA cache_size = -65536";

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

int g_busyTimeoutMs = Database::kBusyTimeoutMs;

// Made ready before its first statement: another desk that holds the file is waited for
// by every statement, the key's first read included.
void Prepare(sqlite3* db) {
  db_detail::RegisterLike(db);
  RegisterHeldRows(db);
  sqlite3_busy_timeout(db, g_busyTimeoutMs);
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
  Prepare(c.db);
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
  Exec(c.db, kPageCache, Phase::Read);
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
    Prepare(c.db);
    ApplyKey(c.db, password);
    // Writes the first page, so that the file is a database from now on.
    Exec(c.db, "PRAGMA user_version = 1", Phase::Write);
    Exec(c.db, kPageCache, Phase::Read);
  } catch (...) {
    sqlite3_close_v2(c.Release());
    QFile::remove(path);
    throw;
  }
  return std::shared_ptr<Database>(new Database(c.Release(), path));
}

Database::~Database() { sqlite3_close_v2(db_); }

void Database::SetBusyTimeout(int ms) { g_busyTimeoutMs = ms; }

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
  if (!condition.trimmed().isEmpty()) {
    // Numbered only: the row id finds the row, the condition is tested on it.
    const db_detail::BoundSql numbered = db_detail::WithLikeRanges(condition, params, {});
    params_ = numbered.params;
    where = QStringLiteral("rowid = ?%1 AND (%2)").arg(params_.size() + 1).arg(numbered.sql);
  }
  params_ << QVariant();  // the row id, last
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

// The first character of a column's text, as an index on it is declared.
QString Initial(const QString& quotedColumn) { return QStringLiteral("substr(%1, 1, 1)").arg(quotedColumn); }

// Whether an index of the table serves seeks on the column's first character in row id
// order, as the engine plans them.
bool HasInitialIndex(sqlite3* db, const QString& table, const QString& column) {
  db_detail::Statement plan(db, QStringLiteral("EXPLAIN QUERY PLAN SELECT rowid FROM %1 WHERE %2 = ?1 AND rowid >= ?2 "
                                               "ORDER BY rowid LIMIT 1")
                                    .arg(table, Initial(db_detail::QuoteName(column))));
  plan.Bind({QString(), 0});
  bool served = false;
  while (plan.Step()) served |= plan.Value(plan.ColumnCount() - 1).toString().contains(QLatin1String("(<expr>=?"));
  plan.Reset();
  return served;
}

// The table's INTEGER PRIMARY KEY column, the row id under its own name; empty when it
// has none.
QString RowIdColumn(sqlite3* db, const QString& table) {
  db_detail::Statement info(db, QStringLiteral("PRAGMA table_info(%1)").arg(table));
  info.Bind({});
  QStringList keys;
  bool integer = false;
  while (info.Step())
    if (info.Value(5).toInt() > 0) {
      keys << info.Value(1).toString();
      integer = info.Value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
    }
  info.Reset();
  return keys.size() == 1 && integer ? keys.front() : QString();
}

// The statement that reads, from an index of the column by blocks of row ids, the
// smallest row id of one block whose text starts with a spelling, among those in a
// range of row ids that `terms` keep (written over entry_id and entry_text, with the
// values numbered up to `numbered`). Its values after those: the block, the spelling
// and the text past those that start with it, the two ends of the range.
QString BlockSql(const QString& table, const QString& rowIdColumn, const QString& quotedColumn, const QString& terms,
                 qsizetype numbered) {
  auto n = [numbered](int i) { return QStringLiteral("?%1").arg(numbered + i); };
  return QStringLiteral("SELECT min(CASE WHEN entry_id >= %1 AND entry_id < %2 AND %3 THEN entry_id END) FROM "
                        "(SELECT rowid AS entry_id, %4 AS entry_text FROM %5 WHERE %6 = %7 AND %4 >= %8 AND %4 < %9)")
      .arg(n(4), n(5), terms, quotedColumn, table, RowBlockOf(db_detail::QuoteName(rowIdColumn)), n(1), n(2), n(3));
}

// Whether an index of the table by blocks of row ids serves the column, as the engine
// plans the statement of a block.
bool HasBlockIndex(sqlite3* db, const QString& table, const QString& rowIdColumn, const QString& column) {
  if (rowIdColumn.isEmpty()) return false;
  db_detail::Statement plan(db, QStringLiteral("EXPLAIN QUERY PLAN ") +
                                    BlockSql(table, rowIdColumn, db_detail::QuoteName(column), QStringLiteral("1"), 0));
  plan.Bind({0, QString(), QString(), 0, 0});
  bool served = false;
  while (plan.Step()) served |= plan.Value(plan.ColumnCount() - 1).toString().contains(QLatin1String("(<expr>=? AND "));
  plan.Reset();
  return served;
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

namespace {

// The rows a list holds, as held_row(rowid) asks them in the statements of a prefix
// search: set only while such a statement runs, on this thread.
thread_local const std::function<bool(qint64)>* t_heldRows = nullptr;

void HeldRowFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_result_int(ctx, t_heldRows && (*t_heldRows)(sqlite3_value_int64(argv[0])) ? 1 : 0);
}

class AskingHeldRows {
 public:
  explicit AskingHeldRows(const std::function<bool(qint64)>& held) : before_(t_heldRows) {
    if (held) t_heldRows = &held;
  }
  ~AskingHeldRows() { t_heldRows = before_; }
  AskingHeldRows(const AskingHeldRows&) = delete;
  AskingHeldRows& operator=(const AskingHeldRows&) = delete;

 private:
  const std::function<bool(qint64)>* before_;
};

// The prefix as a LIKE pattern of the texts that start with it: its wildcard characters
// in brackets, where each stands for itself, and a star.
QString StartingWith(const QString& prefix) {
  QString pattern;
  for (const QChar c : prefix) {
    if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#') || c == QLatin1Char('['))
      pattern += QLatin1Char('[') + c + QLatin1Char(']');
    else
      pattern += c;
  }
  return pattern + QLatin1Char('*');
}

// SQL text and its values, numbered as they are added.
struct Sql {
  QString text;
  QVariantList values;
  QString Value(const QVariant& value) {
    values << value;
    return QStringLiteral("?%1").arg(values.size());
  }
};

}  // namespace

QString RowBlockOf(const QString& rowIdColumn) { return QStringLiteral("%1 / %2").arg(rowIdColumn).arg(kRowBlock); }

void RegisterHeldRows(sqlite3* db) {
  sqlite3_create_function_v2(db, "held_row", 1, SQLITE_UTF8, nullptr, HeldRowFunction, nullptr, nullptr, nullptr);
}

std::optional<qint64> PrefixSearch::First(const QString& column, const QString& prefix, qint64 from, qint64 before,
                                          const std::function<bool(qint64)>& held) {
  // The search that follows one which found nothing from `from` on, for the rows before
  // it, is answered by what that search read.
  const std::optional<Below> below = std::exchange(below_, std::nullopt);
  if (below && from == std::numeric_limits<qint64>::min() && before == below->from && below->column == column &&
      below->prefix == prefix && below->held == bool(held))
    return below->first;
  if (from >= before) return std::nullopt;
  const std::optional<QStringList> spellings = Spellings(column, prefix);
  if (spellings && spellings->isEmpty()) return std::nullopt;  // no text of the column starts so
  const AskingHeldRows asking(held);
  const QString col = db_detail::QuoteName(column);
  const QString pattern = StartingWith(prefix);

  // The terms that tell whether the row `id` counts, given its text `text`: whether the
  // text starts with the prefix (unless known), then whether the list holds the row or,
  // without a list, whether the row meets the condition (`id` is the table's own rowid,
  // or that of a query over the index's entries, whose row is then read for it). The
  // condition's values come first, under the numbers it was given.
  auto counts = [&](Sql& sql, const QString& id, const QString& text, bool knownToStart) {
    QStringList terms;
    if (!knownToStart) terms << QStringLiteral("%1 LIKE %2").arg(text, sql.Value(pattern));
    if (held) terms << QStringLiteral("held_row(%1)").arg(id);
    else if (!condition_.isEmpty() && id == QLatin1String("rowid")) terms << QStringLiteral("(%1)").arg(condition_);
    else if (!condition_.isEmpty())
      terms << QStringLiteral("EXISTS (SELECT 1 FROM %1 WHERE rowid = %2 AND (%3))").arg(table_, id, condition_);
    return terms.isEmpty() ? QStringLiteral("1") : terms.join(QLatin1String(" AND "));
  };
  auto start = [&] { return Sql{QString(), held ? QVariantList() : params_}; };
  auto run = [&](db_detail::Statement& statement, const QVariantList& values) {
    statement.Bind(values);
    const bool row = statement.Step();
    QVariantList out;
    for (int i = 0; row && i < statement.ColumnCount(); ++i) out << statement.Value(i);
    statement.Reset();
    return out;
  };
  auto id = [](const QVariant& value) {
    return value.isNull() ? std::nullopt : std::optional<qint64>(value.toLongLong());
  };

  // A single character, where an index on the first character serves it: the first row
  // from `from` on of each spelling of the character is a seek, and so is the first of
  // the rows before `from` (for the search of those rows that follows one that found
  // nothing).
  auto [initialKnown, initialAdded] = initialIndexed_.try_emplace(column.toLower(), false);
  if (initialAdded) initialKnown->second = HasInitialIndex(db_->Handle(), table_, column);
  if (initialKnown->second && prefix.size() == 1 && !prefix.front().isSurrogate()) {
    const QString alike = db_detail::FoldsAlike(prefix.front());
    QStringList initials = spellings ? *spellings : QStringList();
    if (!spellings)
      for (const QChar c : alike) initials << QString(c);
    Sql seek = start();
    const QString terms = counts(seek, QStringLiteral("rowid"), col, true);
    const qsizetype at = seek.values.size();  // the initial, then the two ends
    const QString initial = seek.Value(QString());
    const QString low = seek.Value(from);
    const QString high = seek.Value(before);
    seek.text = QStringLiteral("SELECT rowid FROM %1 WHERE %2 = %3 AND rowid >= %4 AND rowid < %5 AND %6 ORDER BY "
                               "rowid LIMIT 1")
                    .arg(table_, Initial(col), initial, low, high, terms);
    db_detail::Statement statement(db_->Handle(), seek.text);
    auto firstIn = [&](qint64 low, qint64 high) {
      std::optional<qint64> first;
      for (const QString& initial : initials) {
        QVariantList values = seek.values;
        values[at] = initial;
        values[at + 1] = low;
        values[at + 2] = first.value_or(high);
        if (const std::optional<qint64> f = id(run(statement, values).value(0))) first = f;
      }
      return first;
    };
    const std::optional<qint64> found = firstIn(from, before);
    if (!found) below_ = Below{column, prefix, from, bool(held), firstIn(std::numeric_limits<qint64>::min(), from)};
    return found;
  }

  // Without an index on the column: the table walked in row id order.
  if (!spellings) {
    Sql walk = start();
    const QString terms = counts(walk, QStringLiteral("rowid"), col, false);
    walk.text = QStringLiteral("SELECT rowid FROM %1 WHERE rowid >= %2 AND rowid < %3 AND %4 ORDER BY rowid LIMIT 1")
                    .arg(table_, walk.Value(from), walk.Value(before), terms);
    db_detail::Statement statement(db_->Handle(), walk.text);
    return id(run(statement, walk.values).value(0));
  }

  // The spellings stop short of the prefix where too many case spellings live on: the
  // texts in their ranges are compared with the whole prefix too.
  const bool whole = spellings->front().size() == prefix.size();

  // Where many texts start with the prefix, the rows just after `from` are looked at
  // first, in row id order: where the rows are mixed, one of them is soon met.
  {
    constexpr int kFew = 64;
    Sql counting;
    QStringList arms;
    for (const QString& spelling : *spellings)
      arms << QStringLiteral("SELECT 1 FROM %1 WHERE %2 >= %3 AND %2 < %4")
                  .arg(table_, col, counting.Value(spelling), counting.Value(PastEveryTextStartingWith(spelling)));
    counting.text = QStringLiteral("SELECT count(*) FROM (%1 LIMIT %2)").arg(arms.join(QLatin1String(" UNION ALL ")))
                        .arg(kFew + 1);
    db_detail::Statement count(db_->Handle(), counting.text);
    if (run(count, counting.values).value(0).toInt() > kFew) {
      constexpr int kNear = 1024;
      Sql near = start();
      const QString terms = counts(near, QStringLiteral("near_id"), QStringLiteral("near_text"), false);
      near.text = QStringLiteral("SELECT min(CASE WHEN %1 THEN near_id END), count(*) FROM (SELECT rowid AS near_id, "
                                 "%2 AS near_text FROM %3 WHERE rowid >= %4 AND rowid < %5 ORDER BY rowid LIMIT %6)")
                      .arg(terms, col, table_, near.Value(from), near.Value(before))
                      .arg(kNear);
      // Read from the table's own pages: where one of them is damaged, the index below
      // answers instead, from its own pages.
      db_detail::Statement walk(db_->Handle(), near.text);
      QVariantList found;
      try {
        found = run(walk, near.values);
      } catch (const RuntimeError& error) {
        if (error.Number() != kDbUnrecognizedFormat) throw;
      }
      if (!found.value(0).isNull()) return found.value(0).toLongLong();
      if (!found.isEmpty() && found.value(1).toInt() < kNear) return std::nullopt;  // the whole range walked

      // The blocks of row ids from that of `from` on, each a seek for each spelling: the
      // first block that holds a row found holds the smallest. (The rows before `from`
      // are the next search's, made the same way.)
      auto [blockKnown, blockAdded] = blockIndexed_.try_emplace(column.toLower(), false);
      if (blockAdded) {
        rowIdColumn_ = RowIdColumn(db_->Handle(), db_detail::BareName(table_));
        blockKnown->second = HasBlockIndex(db_->Handle(), table_, rowIdColumn_, column);
      }
      if (blockKnown->second) {
        Sql bounds;
        bounds.text = QStringLiteral("SELECT (SELECT min(rowid) FROM %1), (SELECT max(rowid) FROM %1)").arg(table_);
        db_detail::Statement ends(db_->Handle(), bounds.text);
        const QVariantList rows = run(ends, {});
        if (rows.value(0).isNull()) return std::nullopt;  // no row at all
        const qint64 first = std::max(from, rows.value(0).toLongLong());
        const qint64 last = std::min(before - 1, rows.value(1).toLongLong());
        Sql block = start();
        const QString terms = counts(block, QStringLiteral("entry_id"), QStringLiteral("entry_text"), whole);
        const qsizetype at = block.values.size();  // the block, the spelling's range, the row ids' range
        db_detail::Statement statement(db_->Handle(), BlockSql(table_, rowIdColumn_, col, terms, at));
        QVariantList values = block.values;
        values << 0 << QString() << QString() << from << before;
        for (qint64 b = first / kRowBlock; first <= last && b <= last / kRowBlock; ++b) {
          std::optional<qint64> best;
          for (const QString& spelling : *spellings) {
            values[at] = b;
            values[at + 1] = spelling;
            values[at + 2] = PastEveryTextStartingWith(spelling);
            values[at + 4] = best.value_or(before);
            if (const std::optional<qint64> f = id(run(statement, values).value(0))) best = f;
          }
          if (best) return best;
        }
        return std::nullopt;
      }
    }
  }

  // The column's index holds (text, row id) in that order: the range of each spelling is
  // read from it, keeping the smallest row id in [from, before) and the smallest before
  // `from` (for the search of the rows before it that follows one that found nothing).
  // It is read a block of entries at a time while one text fills a whole block: the
  // rest of that text's entries is skipped, by a seek to the first of them in each
  // part, so that a text that many rows share (a series, a make) costs about what one
  // that few do. Where a block holds several texts, the rest of the range is read in one
  // statement. Each value a number: ?1 from, ?2 the end of the first part, ?3 that of
  // the second, ?4 the lower end of the texts (or the one text), ?5 their upper end.
  constexpr int kBlock = 1024;
  Sql sql = start();
  const QString blockTerms = counts(sql, QStringLiteral("entry_id"), QStringLiteral("entry_text"), whole);
  const QString rowTerms = counts(sql, QStringLiteral("rowid"), col, whole);
  const QVariantList fixed = sql.values;
  auto n = [&](int i) { return QStringLiteral("?%1").arg(fixed.size() + i); };
  auto blockSql = [&](const char* lower) {
    return QStringLiteral("SELECT min(CASE WHEN entry_id >= %1 AND entry_id < %2 AND %3 THEN entry_id END), "
                          "min(CASE WHEN entry_id < %4 AND %3 THEN entry_id END), min(entry_text), max(entry_text), "
                          "count(*) FROM (SELECT rowid AS entry_id, %5 AS entry_text FROM %6 WHERE %5 %7 %8 AND "
                          "%5 < %9 ORDER BY %5 LIMIT %10)")
        .arg(n(1), n(2), blockTerms, n(3), col, table_, QLatin1String(lower), n(4), n(5))
        .arg(kBlock);
  };
  // Made when first needed: most ranges end within their first block.
  struct Made {
    std::function<QString()> sql;
    std::unique_ptr<db_detail::Statement> statement;
  };
  auto made = [&](Made& m) -> db_detail::Statement& {
    if (!m.statement) m.statement = std::make_unique<db_detail::Statement>(db_->Handle(), m.sql());
    return *m.statement;
  };
  Made firstBlock{[&] { return blockSql(">="); }, nullptr};
  Made nextBlock{[&] { return blockSql(">"); }, nullptr};
  Made restFrom{[&] {
                  return QStringLiteral("SELECT rowid FROM %1 WHERE %2 = %3 AND rowid >= %4 AND rowid < %5 AND %6 "
                                        "ORDER BY rowid LIMIT 1")
                      .arg(table_, col, n(4), n(1), n(2), rowTerms);
                },
                nullptr};
  Made restBefore{[&] {
                    return QStringLiteral("SELECT rowid FROM %1 WHERE %2 = %3 AND rowid < %4 AND %5 ORDER BY rowid "
                                          "LIMIT 1")
                        .arg(table_, col, n(4), n(3), rowTerms);
                  },
                  nullptr};
  Made wholeRest{[&] {
                   return QStringLiteral("SELECT min(CASE WHEN rowid >= %1 AND rowid < %2 AND %3 THEN rowid END), "
                                         "min(CASE WHEN rowid < %4 AND %3 THEN rowid END) FROM %5 WHERE %6 > %7 AND "
                                         "%6 < %8")
                       .arg(n(1), n(2), rowTerms, n(3), table_, col, n(4), n(5));
                 },
                 nullptr};

  std::optional<qint64> best, bestBefore;
  auto keep = [&](const QVariantList& found) {
    if (const std::optional<qint64> f = id(found.value(0))) best = f;
    if (const std::optional<qint64> f = id(found.value(1))) bestBefore = f;
    return best && *best == from;  // none can come before it
  };
  auto values = [&](std::initializer_list<QVariant> more) {
    QVariantList out = fixed;
    for (const QVariant& v : more) out << v;
    return out;
  };
  // The ends of the two parts that can still hold a smaller row id; the rows before
  // `from` matter only while none from it on has been found.
  auto end = [&] { return best.value_or(before); };
  auto endBefore = [&] { return best ? std::numeric_limits<qint64>::min() : bestBefore.value_or(from); };
  for (const QString& spelling : *spellings) {
    const QString high = PastEveryTextStartingWith(spelling);
    QString low = spelling;
    for (bool past = false;; past = true) {
      const QVariantList block =
          run(made(past ? nextBlock : firstBlock), values({from, end(), endBefore(), low, high}));
      if (keep(block)) return best;
      if (block.value(4).toInt() < kBlock) break;  // the range read to its end
      low = block.value(3).toString();
      if (const std::optional<qint64> f = id(run(made(restFrom), values({from, end(), {}, low})).value(0))) best = f;
      if (best && *best == from) return best;
      if (!best)
        if (const std::optional<qint64> f = id(run(made(restBefore), values({{}, {}, endBefore(), low})).value(0)))
          bestBefore = f;
      if (block.value(2).toString() != low) {
        if (keep(run(made(wholeRest), values({from, end(), endBefore(), low, high})))) return best;
        break;
      }
    }
  }
  if (!best) below_ = Below{column, prefix, from, bool(held), bestBefore};
  return best;
}

}  // namespace platform
