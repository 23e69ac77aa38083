#include <sqlite3.h>

#include <algorithm>
#include <bit>
#include <limits>
#include <optional>
#include <unordered_set>
#include <vector>

#include "platform/database/Database.h"
#include "platform/database/QueryText.h"
#include "platform/database/Statement.h"

namespace platform {
using db_detail::BoundSql;
using db_detail::Phase;
using db_detail::QuoteName;
using db_detail::Raise;
using db_detail::Statement;

namespace {

[[noreturn]] void NoCurrentRecord() {
  Raise(kDbNoCurrentRecord, QStringLiteral("Nu exista inregistrare curenta."));
}
[[noreturn]] void RecordDeleted() {
  Raise(kDbRecordDeleted, QStringLiteral("Inregistrarea a fost stearsa."));
}
// An edit or a delete of a row that is no longer the one the set read.
[[noreturn]] void RecordReplaced(bool deleting) {
  Raise(kDbRecordDeleted,
        (deleting ? QStringLiteral("Inregistrarea nu a fost stearsa: ")
                  : QStringLiteral("Inregistrarea nu a fost modificata: ")) +
            QStringLiteral("intre timp a fost stearsa sau inlocuita de alt post de lucru. Cautati-o din nou."));
}

// Columns with text affinity (declared type holding CHAR, CLOB or TEXT, and no INT),
// lower case: a range on them compares as text, like the LIKE it stands beside.
QSet<QString> TextColumns(sqlite3* db, const QString& table) {
  QSet<QString> out;
  Statement info(db, QStringLiteral("PRAGMA table_info(%1)").arg(QuoteName(table)));
  info.Bind({});
  while (info.Step()) {
    const QString type = info.Value(2).toString().toUpper();
    if (!type.contains(QLatin1String("INT")) &&
        (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB")) ||
         type.contains(QLatin1String("TEXT"))))
      out.insert(info.Value(1).toString().toLower());
  }
  return out;
}

// Sorts distinct row ids. Ids that lie close together (those of a condition over most
// of a table) are sorted by marking each in a bit map of their range and reading the
// map in order, which takes a fraction of a comparison sort; others are sorted as usual.
void SortRowids(std::vector<qint64>& rowids) {
  if (std::is_sorted(rowids.begin(), rowids.end())) return;
  const auto [low, high] = std::minmax_element(rowids.begin(), rowids.end());
  const qint64 first = *low;
  const quint64 span = quint64(*high) - quint64(first) + 1;
  if (span / 64 > rowids.size()) {
    std::sort(rowids.begin(), rowids.end());
    return;
  }
  std::vector<quint64> marks(size_t(span / 64 + 1), 0);
  for (const qint64 rowid : rowids) {
    const quint64 offset = quint64(rowid) - quint64(first);
    marks[size_t(offset / 64)] |= quint64(1) << (offset % 64);
  }
  size_t out = 0;
  for (size_t word = 0; word < marks.size(); ++word)
    for (quint64 bits = marks[word]; bits; bits &= bits - 1)
      rowids[out++] = qint64(quint64(first) + word * 64 + quint64(std::countr_zero(bits)));
}

}  // namespace

struct Recordset::Impl {
  std::shared_ptr<Database> database;
  sqlite3* db = nullptr;
  QString table;      // as written in the SQL
  QString bareTable;  // without quotes
  QSet<QString> textColumns;
  BoundSql keyset;    // "SELECT rowid FROM table ..." with its values
  bool sortRowids = false;  // the set is in the order of its row ids

  // A set of the whole table reads its row ids in chunks, in row id order, as it is
  // walked: opening it costs what its first rows cost, whatever the size of the table.
  // Only the rows that were in the table when the set was opened (row ids up to
  // `lastRowid`) belong to it; no statement stays open between chunks, so the set
  // holds no lock on the file.
  bool chunked = false;
  std::optional<Statement> chunkQuery;  // ids after ?1 up to ?2, at most ?3 of them
  bool complete = true;                 // every row id of the set has been read
  qint64 lastRowid = 0;
  qint64 readThrough = 0;  // the last row id read
  int chunk = 0;
  static constexpr int kFirstChunk = 64;
  static constexpr int kLargestChunk = 1 << 16;

  QStringList fieldNames;
  QStringList tableColumns;  // per field: the table column it shows, empty when computed
  std::optional<Statement> rowQuery;  // the fields of one row, by rowid (then the key)
  int keyColumn = -1;                 // the row query's column of the key; -1 without one
  QString keyName;                    // the key column's name, quoted

  // The set's rows in order; a deleted row stays as a hole. The ids of the query come
  // first, those read so far, then those of the rows the set added. The query's ids are
  // only ever appended to (running the query again makes new ones), so that what
  // RowIds, which reads them all, hands out shares them; the added ones are kept apart,
  // so that an add never moves the query's ids (a million of them) to grow their room.
  // Until every id of the query has been read, the ids of the rows still unread,
  // (readThrough, lastRowid], come between the two, and are put there as they are read.
  std::shared_ptr<std::vector<qint64>> queryIds = std::make_shared<std::vector<qint64>>();
  std::vector<char> queryDeleted;
  std::vector<qint64> addedIds;
  std::vector<char> addedDeleted;
  // Ids among those still unread that are holes where they are read: rows the set
  // deleted before it read their ids, and ids that the engine gave again to rows the set
  // added (after another desk deleted the rows that had them), which are the set's added
  // rows already. Sorted.
  std::vector<qint64> unreadHoles;
  int live = 0;  // rows not deleted, of those whose ids have been read
  // The position: an index among the ids held, -1 before the first row (BOF), Size()
  // after the last (EOF). A find that reaches a row among those still unread does not
  // read the ids before it: the position is then that row, held by its id in `ahead`
  // (and `cur` is Base(), where the unread ids go), until the ids are read as far as it.
  int cur = -1;
  std::optional<qint64> ahead;

  // The values of the current row, read once per row and change of the database.
  qint64 cachedRowid = 0;
  qint64 cachedChanges = -1;
  QVariantList cached;
  // The row the set read at its position, taken at the first read after each move: its
  // id and its key. Edit's Update and Delete write only while the table's row is still it.
  bool identified = false;
  qint64 identityRowid = 0;
  QVariant identityKey;

  // The query's ids read, where the added rows begin.
  int Base() const { return int(queryIds->size()); }
  int Size() const { return Base() + int(addedIds.size()); }
  qint64 Id(int i) const { return i < Base() ? (*queryIds)[size_t(i)] : addedIds[size_t(i - Base())]; }
  char& Deleted(int i) { return i < Base() ? queryDeleted[size_t(i)] : addedDeleted[size_t(i - Base())]; }
  bool IsDeleted(int i) const { return i < Base() ? queryDeleted[size_t(i)] : addedDeleted[size_t(i - Base())]; }
  // The row id at the position.
  qint64 CurrentId() const { return ahead ? *ahead : Id(cur); }

  enum class Mode { None, Adding, Editing } mode = Mode::None;
  QVariantList buffer;
  std::vector<char> dirty;

  bool OnRow() const { return ahead || (cur >= 0 && cur < Size()); }

  // Runs the set's query; a query that fails leaves the set as it was.
  void RunKeyset() {
    auto fresh = std::make_shared<std::vector<qint64>>();
    if (chunked) {
      Statement last(db, QStringLiteral("SELECT max(rowid) FROM %1").arg(table));
      last.Bind({});
      const bool none = !last.Step() || last.Value(0).isNull();
      const qint64 lastOfTable = none ? 0 : last.Int64(0);
      last.Reset();
      bool all = none;
      if (!none) *fresh = ReadIds(std::numeric_limits<qint64>::min(), lastOfTable, kFirstChunk, all);
      complete = all || int(fresh->size()) < kFirstChunk;
      lastRowid = lastOfTable;
      readThrough = fresh->empty() ? std::numeric_limits<qint64>::min() : fresh->back();
      chunk = std::min(kFirstChunk * 4, kLargestChunk);
    } else {
      Statement query(db, keyset.sql);
      query.Bind(keyset.params);
      while (query.Step()) fresh->push_back(query.Int64(0));
      query.Reset();
      if (sortRowids) SortRowids(*fresh);
    }
    queryIds = std::move(fresh);
    queryDeleted.assign(queryIds->size(), 0);
    addedIds.clear();
    addedDeleted.clear();
    unreadHoles.clear();
    live = Size();
    cur = queryIds->empty() ? -1 : 0;
    ahead.reset();
    cachedChanges = -1;
    identified = false;
    mode = Mode::None;
  }

  // The row ids after `after` up to `through`, in order, at most `limit` (none when
  // negative) of them.
  std::vector<qint64> ReadChunk(qint64 after, qint64 through, int limit) {
    chunkQuery->Bind({after, through, limit});
    std::vector<qint64> read;
    while (chunkQuery->Step()) read.push_back(chunkQuery->Int64(0));
    chunkQuery->Reset();
    return read;
  }

  // The same, where a damaged page of the table's rows does not let them be read in
  // order: every row id in the range, read from an index of the table (which holds the
  // id of every row, on pages of its own) and sorted; all is then set, since the rest
  // has been read. A failure that is not of a damaged page, or a table whose indexes
  // do not read either, raises as the read in order did.
  std::vector<qint64> ReadIds(qint64 after, qint64 through, int limit, bool& all) {
    try {
      return ReadChunk(after, through, limit);
    } catch (const RuntimeError& damaged) {
      if (damaged.Number() != kDbUnrecognizedFormat) throw;
      QStringList indexes;
      Statement list(db, QStringLiteral("PRAGMA index_list(%1)").arg(QuoteName(bareTable)));
      list.Bind({});
      while (list.Step())
        if (list.Value(4).toInt() == 0) indexes << list.Value(1).toString();  // not partial
      list.Reset();
      for (const QString& index : indexes) {
        try {
          Statement query(db, QStringLiteral("SELECT rowid FROM %1 INDEXED BY %2 WHERE rowid > ?1 AND rowid <= ?2")
                                  .arg(table, QuoteName(index)));
          query.Bind({after, through});
          std::vector<qint64> read;
          while (query.Step()) read.push_back(query.Int64(0));
          query.Reset();
          if (!read.empty()) SortRowids(read);
          all = true;
          return read;
        } catch (const RuntimeError& error) {
          if (error.Number() != kDbUnrecognizedFormat && error.Number() != kDbSyntax) throw;
        }
      }
      throw;
    }
  }

  // Reads the next chunk of row ids; false when the set had none left to read.
  bool ReadMore(bool rest = false) {
    if (complete) return false;
    const int wanted = rest ? -1 : chunk;  // a negative limit is none
    // Taken into the set only once the whole chunk has been read: a read that fails
    // leaves the set as it was.
    bool all = rest;
    std::vector<qint64> read = ReadIds(readThrough, lastRowid, wanted, all);
    const bool last = all || int(read.size()) < wanted;
    // A position ahead among the ids read becomes its place; a row that has left the
    // table since it was found stays there as a row gone, as it would had its id been
    // read before.
    std::optional<size_t> reached;
    if (ahead && (last || (!read.empty() && *ahead <= read.back()))) {
      const auto it = std::lower_bound(read.begin(), read.end(), *ahead);
      reached = size_t(it - read.begin());
      if (it == read.end() || *it != *ahead) read.insert(it, *ahead);
    }
    const int count = int(read.size());
    const int base = Base();
    queryIds->insert(queryIds->end(), read.begin(), read.end());
    queryDeleted.resize(queryIds->size(), 0);
    live += count;
    for (int i = 0; i < count && !unreadHoles.empty(); ++i) {
      if (!std::binary_search(unreadHoles.begin(), unreadHoles.end(), read[size_t(i)])) continue;
      queryDeleted[size_t(base + i)] = 1;
      --live;
    }
    if (reached) {
      cur = base + int(*reached);
      ahead.reset();
    } else if (cur >= base) {
      cur += count;  // on an added row, past the end, or still ahead
    }
    if (!read.empty()) readThrough = std::max(readThrough, read.back());
    complete = last;
    chunk = std::min(chunk * 4, kLargestChunk);
    return !read.empty();
  }
  void ReadAll() { ReadMore(true); }
  // Reads row ids until the set holds `rowid`, or until every one is read.
  void ReadThrough(qint64 rowid) {
    while (!complete && readThrough < rowid) ReadMore();
  }
  // Reads the ids as far as a position ahead, which becomes its place.
  void ReachAhead() {
    if (ahead) ReadThrough(*ahead);
  }
  // Whether the query's ids are in row id order (the whole table, or a condition's rows
  // sorted): the place of an id among them is found by a binary search.
  bool Ordered() const { return chunked || sortRowids; }
  // Whether a row id lies among the query's ids still unread, and is no hole there: a
  // row of the table with that id is one of the set's rows not yet read.
  bool AmongUnread(qint64 rowid) const {
    return !complete && rowid > readThrough && rowid <= lastRowid &&
           !std::binary_search(unreadHoles.begin(), unreadHoles.end(), rowid);
  }
  // The place of a row id among the query's ids read (in row id order); -1 when the set
  // does not hold it there (or holds it deleted).
  int PlaceInQuery(qint64 rowid) const {
    const auto it = std::lower_bound(queryIds->begin(), queryIds->end(), rowid);
    if (it == queryIds->end() || *it != rowid || queryDeleted[size_t(it - queryIds->begin())]) return -1;
    return int(it - queryIds->begin());
  }
  // The first place before `end` that holds the row id and is not deleted; -1 when none.
  int FirstLive(qint64 rowid, int end) const {
    const auto look = [rowid](const std::vector<qint64>& ids, const std::vector<char>& holes, int count) {
      const auto last = ids.begin() + std::clamp(count, 0, int(ids.size()));
      for (auto it = std::find(ids.begin(), last, rowid); it != last; it = std::find(it + 1, last, rowid))
        if (!holes[size_t(it - ids.begin())]) return int(it - ids.begin());
      return -1;
    };
    if (const int place = look(*queryIds, queryDeleted, end); place >= 0) return place;
    const int added = look(addedIds, addedDeleted, end - Base());
    return added < 0 ? -1 : Base() + added;
  }
  // Ids among the unread that are holes when read, once each.
  void HoleWhenRead(qint64 rowid) {
    const auto it = std::lower_bound(unreadHoles.begin(), unreadHoles.end(), rowid);
    if (it == unreadHoles.end() || *it != rowid) unreadHoles.insert(it, rowid);
  }
  // Whether the set holds no row that is not deleted.
  bool Empty() {
    while (live == 0 && ReadMore()) {}
    return live == 0;
  }

  // Reads the current row's values (the row must still be in the table).
  const QVariantList& Current() {
    const qint64 rowid = CurrentId();
    const qint64 changes = sqlite3_total_changes(db);
    const bool known = identified && identityRowid == rowid;
    if (known && cachedChanges == changes && cachedRowid == rowid) return cached;
    rowQuery->Bind({rowid});
    if (!rowQuery->Step()) {
      rowQuery->Reset();
      RecordDeleted();  // deleted through another record set
    }
    cached.clear();
    for (int i = 0; i < fieldNames.size(); ++i) cached.append(rowQuery->Value(i));
    if (!known) {
      identified = true;
      identityRowid = rowid;
      identityKey = keyColumn >= 0 ? rowQuery->Value(keyColumn) : QVariant();
    }
    rowQuery->Reset();
    cachedRowid = rowid;
    cachedChanges = changes;
    return cached;
  }
  // Moves to another position (or to the same again): its row is read afresh.
  void MoveTo(int position) {
    mode = Mode::None;
    cur = position;
    ahead.reset();
    identified = false;
  }
  // Moves to a row among those still unread, without reading the ids before it.
  void MoveAhead(qint64 rowid) {
    MoveTo(Base());
    ahead = rowid;
  }
  // The condition that the table's row at the current position is the one the set
  // read there, with its values after `values`: "rowid = ?n [AND key IS ?m]".
  QString IsTheRowRead(QVariantList& values) {
    if (!identified || identityRowid != CurrentId()) Current();
    values << identityRowid;
    QString condition = QStringLiteral("rowid = ?%1").arg(values.size());
    if (keyColumn >= 0) {
      values << identityKey;
      condition += QStringLiteral(" AND %1 IS ?%2").arg(keyName).arg(values.size());
    }
    return condition;
  }

  void RequireCurrent() const {
    if (!OnRow()) NoCurrentRecord();
    if (ahead ? std::binary_search(unreadHoles.begin(), unreadHoles.end(), *ahead) : IsDeleted(cur)) RecordDeleted();
  }

  // The next row not deleted after `from`, reading row ids as needed (those still
  // unread come before the added rows); Size() when none.
  int NextLive(int from) {
    for (int i = from + 1;; ++i) {
      while (i == Base() && !complete) ReadMore();
      if (i >= Size()) return Size();
      if (!IsDeleted(i)) return i;
    }
  }
  // The row not deleted before the current one, reading the ids still unread first when
  // they lie before it.
  int PreviousLive() {
    if (!complete && cur >= Base()) ReadAll();
    for (int i = cur - 1; i >= 0; --i)
      if (!IsDeleted(i)) return i;
    return -1;
  }
};

Recordset::Recordset(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Recordset::~Recordset() = default;

std::unique_ptr<Recordset> Database::OpenRecordset(const QString& sql, const QVariantList& params,
                                                   int type, const QString& keyColumn) {
  if (type != dbOpenDynaset)
    Raise(kDbSyntax, QStringLiteral("Se pot deschide doar seturi de tip dynaset."));
  const db_detail::SelectParts parts = db_detail::ParseSelect(sql);
  auto impl = std::make_unique<Recordset::Impl>();
  impl->database = shared_from_this();
  impl->db = db_;
  impl->table = parts.table;
  impl->bareTable = db_detail::BareName(parts.table);

  // The key is read after the fields, whether or not it is one of them.
  QString columns = parts.columns;
  if (!keyColumn.isEmpty()) {
    impl->keyName = QuoteName(keyColumn);
    columns += QStringLiteral(", ") + impl->keyName;
  }
  impl->rowQuery.emplace(db_, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1").arg(columns, parts.table));
  const int fields = impl->rowQuery->ColumnCount() - (keyColumn.isEmpty() ? 0 : 1);
  if (!keyColumn.isEmpty()) impl->keyColumn = fields;
  for (int i = 0; i < fields; ++i) {
    impl->fieldNames << impl->rowQuery->ColumnName(i);
    const bool fromTable =
        impl->rowQuery->OriginTable(i).compare(impl->bareTable, Qt::CaseInsensitive) == 0;
    impl->tableColumns << (fromTable ? impl->rowQuery->OriginColumn(i) : QString());
  }
  impl->textColumns = TextColumns(db_, impl->bareTable);

  BoundSql rest = db_detail::WithLikeRanges(parts.rest, params, impl->textColumns);
  // Without an order of its own the set keeps the order in which rows were added. The
  // whole table is read in that order as it stands; the rows of a condition are sorted
  // here, so that the engine may walk whichever index serves the condition best.
  if (parts.rest.trimmed().isEmpty()) {
    impl->chunked = true;
    impl->chunkQuery.emplace(db_, QStringLiteral("SELECT rowid FROM %1 WHERE rowid > ?1 AND rowid <= ?2 "
                                                 "ORDER BY rowid LIMIT ?3")
                                      .arg(parts.table));
  } else {
    impl->sortRowids = !db_detail::HasOrderOrLimit(parts.rest);
  }
  impl->keyset = {QStringLiteral("SELECT rowid FROM %1 %2").arg(parts.table, rest.sql), rest.params};
  impl->RunKeyset();
  return std::unique_ptr<Recordset>(new Recordset(std::move(impl)));
}

bool Recordset::BOF() const {
  if (impl_->ahead) return false;
  return impl_->cur < 0 || (impl_->cur >= impl_->Size() && impl_->Empty());
}

bool Recordset::EOF() const {
  if (impl_->ahead) return false;
  return impl_->cur >= impl_->Size() || (impl_->cur < 0 && impl_->Empty());
}

int Recordset::RecordCount() const {
  impl_->ReadAll();
  return impl_->live;
}

RowIdList Recordset::RowIds() const {
  impl_->ReadAll();
  const Impl& d = *impl_;
  if (d.live == d.Size() && d.addedIds.empty()) return RowIdList(d.queryIds, d.queryIds->size());
  std::vector<qint64> out;
  out.reserve(size_t(d.live));
  for (int i = 0; i < d.Size(); ++i)
    if (!d.IsDeleted(i)) out.push_back(d.Id(i));
  return RowIdList(std::move(out));
}

qint64 Recordset::RowId() const {
  impl_->RequireCurrent();
  return impl_->CurrentId();
}

void Recordset::MoveFirst() {
  if (impl_->Empty()) NoCurrentRecord();
  impl_->MoveTo(impl_->NextLive(-1));
}

void Recordset::MoveLast() {
  impl_->ReadAll();
  if (impl_->live == 0) NoCurrentRecord();
  impl_->cur = impl_->Size();
  impl_->MoveTo(impl_->PreviousLive());
}

void Recordset::MoveNext() {
  if (EOF()) NoCurrentRecord();
  impl_->ReachAhead();
  impl_->MoveTo(impl_->NextLive(impl_->cur));
}

void Recordset::MovePrevious() {
  if (BOF()) NoCurrentRecord();
  impl_->ReachAhead();
  impl_->MoveTo(impl_->PreviousLive());
}

void Recordset::FindFirst(const QString& criterion, const QVariantList& params) {
  const BoundSql where = db_detail::WithLikeRanges(criterion, params, impl_->textColumns);
  Statement query(impl_->db,
                  QStringLiteral("SELECT rowid FROM %1 WHERE (%2)").arg(impl_->table, where.sql));
  query.Bind(where.params);
  std::vector<qint64> rows;
  while (query.Step()) rows.push_back(query.Int64(0));
  query.Reset();
  impl_->mode = Impl::Mode::None;
  Impl& d = *impl_;
  int first = -1;
  if (d.Ordered()) {
    // The query's ids in row id order, then the added rows: the first row found among
    // the query's ids is the smallest found that the set holds, each looked for by a
    // binary search among the ids read, or taken where it lies among those still unread
    // without reading them; else the first added row found.
    std::sort(rows.begin(), rows.end());
    for (const qint64 rowid : rows) {
      if (d.AmongUnread(rowid)) {
        noMatch_ = false;
        d.MoveAhead(rowid);
        return;
      }
      if ((first = d.PlaceInQuery(rowid)) >= 0) break;
    }
    for (int i = d.Base(); i < d.Size() && first < 0 && !rows.empty(); ++i)
      if (!d.IsDeleted(i) && std::binary_search(rows.begin(), rows.end(), d.Id(i))) first = i;
    noMatch_ = first < 0;
    if (!noMatch_) d.MoveTo(first);
    return;
  }
  // The set of a condition with an order of its own, read at once: walked in its order.
  const std::unordered_set<qint64> found(rows.begin(), rows.end());
  if (found.size() <= 4) {
    // A key's few rows: each looked for in the set, which may hold a million.
    for (const qint64 rowid : found)
      if (const int place = d.FirstLive(rowid, first < 0 ? d.Size() : first); place >= 0) first = place;
  } else {
    for (int i = 0; i < d.Size() && first < 0; ++i)
      if (!d.IsDeleted(i) && found.count(d.Id(i))) first = i;
  }
  noMatch_ = first < 0;
  if (!noMatch_) d.MoveTo(first);
}

void Recordset::AddNew() {
  impl_->mode = Impl::Mode::Adding;
  impl_->buffer.clear();
  for (int i = 0; i < impl_->fieldNames.size(); ++i) impl_->buffer.append(QVariant());
  impl_->dirty.assign(size_t(impl_->fieldNames.size()), 0);
}

void Recordset::Edit() {
  impl_->RequireCurrent();
  impl_->buffer = impl_->Current();
  impl_->dirty.assign(size_t(impl_->fieldNames.size()), 0);
  impl_->mode = Impl::Mode::Editing;
}

void Recordset::CancelUpdate() {
  if (impl_->mode == Impl::Mode::None)
    Raise(kDbUpdateWithoutEdit, QStringLiteral("Actualizare fara AddNew sau Edit."));
  impl_->mode = Impl::Mode::None;
}

void Recordset::Update() {
  Impl& d = *impl_;
  if (d.mode == Impl::Mode::None)
    Raise(kDbUpdateWithoutEdit, QStringLiteral("Actualizare fara AddNew sau Edit."));
  QStringList columns;
  QVariantList values;
  for (int i = 0; i < d.fieldNames.size(); ++i) {
    if (!d.dirty[size_t(i)]) continue;
    columns << QuoteName(d.tableColumns[i]);
    values << d.buffer[i];
  }
  if (d.mode == Impl::Mode::Adding) {
    QString sql;
    if (columns.isEmpty()) {
      sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(d.table);
    } else {
      QStringList marks;
      for (int i = 1; i <= columns.size(); ++i) marks << QStringLiteral("?%1").arg(i);
      sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(d.table, columns.join(QLatin1String(", ")), marks.join(QLatin1String(", ")));
    }
    // The new row is the set's last, after the rows of its query still unread, which are
    // not read for it.
    Statement insert(d.db, sql, Phase::Write);
    insert.Bind(values);
    insert.Step();
    const bool atEnd = !d.ahead && d.cur >= d.Size();
    const qint64 added = sqlite3_last_insert_rowid(d.db);
    // The engine gives a new row the id after the table's largest: the id of a last row
    // that another connection deleted comes back, and that row leaves the set. It is
    // looked for where it can be: among the query's ids read (in row id order, or
    // walked), among those still unread (where it is a hole when read), and among the
    // rows added before.
    const auto gone = [&d](std::vector<char>& holes, size_t place) {
      if (!holes[place]) --d.live;
      holes[place] = 1;
    };
    std::vector<qint64>& query = *d.queryIds;
    if (d.Ordered()) {
      for (auto it = std::lower_bound(query.begin(), query.end(), added); it != query.end() && *it == added; ++it)
        gone(d.queryDeleted, size_t(it - query.begin()));
      if (!d.complete && added > d.readThrough && added <= d.lastRowid) d.HoleWhenRead(added);
    } else {
      for (auto it = std::find(query.begin(), query.end(), added); it != query.end();
           it = std::find(it + 1, query.end(), added))
        gone(d.queryDeleted, size_t(it - query.begin()));
    }
    for (size_t i = 0; i < d.addedIds.size(); ++i)
      if (d.addedIds[i] == added) gone(d.addedDeleted, i);
    d.addedIds.push_back(added);
    d.addedDeleted.push_back(0);
    ++d.live;
    if (atEnd) d.cur = d.Size();  // the set stays past its end
  } else if (!columns.isEmpty()) {
    d.RequireCurrent();
    QStringList sets;
    for (int i = 0; i < columns.size(); ++i) sets << QStringLiteral("%1 = ?%2").arg(columns[i]).arg(i + 1);
    const QString where = d.IsTheRowRead(values);
    Statement update(d.db,
                     QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(d.table, sets.join(QLatin1String(", ")), where),
                     Phase::Write);
    update.Bind(values);
    update.Step();
    if (sqlite3_changes(d.db) == 0) RecordReplaced(false);
    // A key changed through the set is the key of the row it holds from now on.
    if (d.keyColumn >= 0) {
      for (int i = 0; i < d.fieldNames.size(); ++i)
        if (d.dirty[size_t(i)] && QuoteName(d.tableColumns[i]).compare(d.keyName, Qt::CaseInsensitive) == 0)
          d.identityKey = d.buffer[i];
    }
  }
  d.mode = Impl::Mode::None;
}

void Recordset::Delete() {
  Impl& d = *impl_;
  d.RequireCurrent();
  d.mode = Impl::Mode::None;
  QVariantList values;
  const QString where = d.IsTheRowRead(values);
  Statement del(d.db, QStringLiteral("DELETE FROM %1 WHERE %2").arg(d.table, where), Phase::Write);
  del.Bind(values);
  del.Step();
  if (sqlite3_changes(d.db) == 0) RecordReplaced(true);
  if (d.ahead) {
    d.HoleWhenRead(*d.ahead);  // not yet counted among the rows
  } else {
    d.Deleted(d.cur) = 1;
    --d.live;
  }
}

void Recordset::Requery() { impl_->RunKeyset(); }

int Recordset::FieldCount() const { return int(impl_->fieldNames.size()); }

QString Recordset::FieldName(int ordinal) const {
  if (ordinal < 0 || ordinal >= FieldCount())
    Raise(kDbItemNotFound, QStringLiteral("Campul %1 nu exista in set.").arg(ordinal));
  return impl_->fieldNames[ordinal];
}

Field Recordset::Fields(int ordinal) {
  FieldName(ordinal);  // raises when out of range
  return Field(this, ordinal);
}

Field Recordset::Fields(const QString& name) {
  for (int i = 0; i < FieldCount(); ++i)
    if (impl_->fieldNames[i].compare(name, Qt::CaseInsensitive) == 0) return Field(this, i);
  Raise(kDbItemNotFound, QStringLiteral("Campul \"%1\" nu exista in set.").arg(name));
}

QVariant Recordset::ValueAt(int ordinal) const {
  Impl& d = *impl_;
  if (d.mode != Impl::Mode::None) return d.buffer[ordinal];
  d.RequireCurrent();
  return d.Current()[ordinal];
}

void Recordset::SetValueAt(int ordinal, const QVariant& value) {
  Impl& d = *impl_;
  if (d.mode == Impl::Mode::None)
    Raise(kDbUpdateWithoutEdit, QStringLiteral("Campul se poate scrie doar dupa AddNew sau Edit."));
  if (d.tableColumns[ordinal].isEmpty())
    Raise(kDbWriteFailed,
          QStringLiteral("Campul \"%1\" nu poate fi modificat.").arg(d.fieldNames[ordinal]));
  d.buffer[ordinal] = value;
  d.dirty[size_t(ordinal)] = 1;
}

QString Field::Name() const { return rs_->FieldName(ordinal_); }
QVariant Field::Value() const { return rs_->ValueAt(ordinal_); }
void Field::SetValue(const QVariant& value) { rs_->SetValueAt(ordinal_, value); }

}  // namespace platform
