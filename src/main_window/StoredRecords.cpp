#include "main_window/StoredRecords.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>
#include <vector>

#include "core/AppState.h"
#include "core/DatabaseSchema.h"
#include "main_window/ListedRecords.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/MultiLineTextBox.h"
#include "platform/RuntimeError.h"

namespace main_window {

const RecordKind kPersoane{
    .table = QStringLiteral("Persoane"),
    .keyColumn = QStringLiteral("CNP"),
    .listColumns = {QStringLiteral("Nume"), QStringLiteral("Serie"), QStringLiteral("nr"), QStringLiteral("CNP")},
    .keyInList = 3,
    .listedKey = QStringLiteral("CNP-ul "),
    .dataOf = QStringLiteral("persoanei cu CNP-ul "),
    .namedBy = QStringLiteral("persoana cu CNP-ul: "),
    .noun = QStringLiteral("persoana"),
    .selectFirst = QStringLiteral("Selectati mai intai o persoana"),
    .withoutKey = QStringLiteral("Persoana din randul ales nu are CNP, deci nu poate fi incarcata sau stearsa din "
                                 "lista. Scrieti-i datele, cu CNP-ul, si adaugati-o din nou."),
    .deleteOperation = QStringLiteral("Delete Persoane"),
};

const RecordKind kMasini{
    .table = QStringLiteral("Masini"),
    .keyColumn = QStringLiteral("NrIdentificare"),
    .listColumns = {QStringLiteral("NrIdentificare"), QStringLiteral("Categoria"), QStringLiteral("Marca"),
                    QStringLiteral("Tipul")},
    .keyInList = 0,
    .listedKey = QStringLiteral("Nr de Identificare "),
    .dataOf = QStringLiteral("masinii cu Nr de Identificare "),
    .namedBy = QStringLiteral("masina cu Nr de Identificare: "),
    .noun = QStringLiteral("masina"),
    .selectFirst = QStringLiteral("Selectati mai intai o masina"),
    .withoutKey = QStringLiteral("Masina din randul ales nu are Nr de Identificare, deci nu poate fi incarcata sau "
                                 "stearsa din lista. Scrieti-i datele, cu Nr de Identificare, si adaugati-o din nou."),
    .deleteOperation = QStringLiteral("Delete Masini"),
};

namespace messages {

QString ListedKeyNotFound(const RecordKind& kind, const QString& key) {
  return kind.listedKey + key + QStringLiteral(" nu exista in Baza de Date");
}
QString AlreadyStored(const RecordKind& kind, const QString& key) {
  return QStringLiteral("Datele ") + kind.dataOf + key + QStringLiteral(" exista in Baza de Date!");
}
QString NotStored(const RecordKind& kind, const QString& key) {
  return QStringLiteral("Datele ") + kind.dataOf + key + QStringLiteral(" nu exista in Baza de Date. Se poate Adauga!");
}
// The record set holds what the last search found: a record stored since (another desk
// may have deleted it and added it again) or left out by the search is modified once a
// search lists it.
QString NotInSearchResult(const RecordKind& kind, const QString& key) {
  return QStringLiteral("Nu exista in Baza de Date ") + kind.namedBy + key + QStringLiteral(". Cautati ") +
         kind.noun + QStringLiteral(" din nou (butonul Cauta), apoi apasati iar Modifica.");
}
QString DeleteQuestion(const RecordKind& kind, const QString& key) {
  return QStringLiteral("Sigur doriti sa stergeti datele ") + kind.dataOf + key + QStringLiteral(" ?");
}
// The list shows what the table held at the search; another desk may have changed it.
QString NoLongerStored(const RecordKind& kind, const QString& key) {
  return QStringLiteral("Datele ") + kind.dataOf + key +
         QStringLiteral(" nu mai exista in Baza de Date. Cautati din nou (butonul Cauta), ca lista sa arate ce tine "
                        "acum Baza de Date.");
}
QString DeleteFailed(const RecordKind& kind, int number, const QString& description) {
  return QStringLiteral("Eroare Dravenco din \"%1\" %2 %3").arg(kind.deleteOperation).arg(number).arg(description);
}

}  // namespace messages

// ---- Boxes

namespace {

platform::Field FieldOf(platform::Recordset& rs, const BoxColumn& box) {
  return std::visit([&rs](const auto& column) { return rs.Fields(column); }, box.column);
}

QString TextOf(const BoxColumn& box) { return box.line ? box.line->text() : box.text->Text(); }

void SetText(const BoxColumn& box, const QString& text) {
  if (box.line)
    box.line->setText(text);
  else
    box.text->SetText(text);
}

// A listed row's record: the key as the list shows it, which is the stored text.
QString KeyCriterion(const RecordKind& kind) { return kind.keyColumn + QStringLiteral(" = ?"); }

// The record of a key typed by the clerk, bound as core::schema::KeyOf gives it: a key
// stored with blanks around it (the boxes are stored as typed) or in other case is the
// same key, so that it is neither added twice nor missed by a modify. The key's index
// serves it.
QString TypedKeyCriterion(const RecordKind& kind) {
  return core::schema::KeyExpression(kind.keyColumn) + QStringLiteral(" = ?");
}

}  // namespace

void LoadBoxes(platform::Recordset& rs, const BoxColumns& boxes) {
  QStringList values;
  values.reserve(boxes.size());
  for (const BoxColumn& box : boxes) values.append(FieldOf(rs, box).Text());
  for (qsizetype i = 0; i < boxes.size(); ++i) SetText(boxes[i], values[i]);
}

void WriteBoxes(platform::Recordset& rs, const BoxColumns& boxes) {
  for (const BoxColumn& box : boxes) FieldOf(rs, box).SetValue(TextOf(box));
}

void ClearBoxes(const BoxColumns& boxes) {
  for (const BoxColumn& box : boxes) SetText(box, QString());
}

platform::Database& OpenDatabase() {
  if (!core::BazaDate)
    throw platform::RuntimeError(platform::kErrObjectMissing, QStringLiteral("Baza de date nu este deschisa"),
                                 QStringLiteral("frmVelorast"));
  return *core::BazaDate;
}

// ---- Search and selection

void SearchRecords(const RecordKind& kind, const QString& column, const QString& criterion,
                   std::unique_ptr<platform::Recordset>& rs, platform::ListView& list) {
  platform::Database& db = OpenDatabase();
  const ListCondition condition =
      criterion.isEmpty() ? ListCondition{} : ListCondition{QStringLiteral("%1 LIKE ?").arg(column), {criterion}};
  QString sql = QStringLiteral("SELECT * FROM ") + kind.table;
  if (!condition.sql.isEmpty()) sql += QStringLiteral(" WHERE ") + condition.sql;
  // Without an order of its own the set is in row id order, as the list wants it.
  std::unique_ptr<platform::Recordset> found = OpenRecords(kind, sql, condition.params);

  // The rows that the list shows at once are read now; the others when they are shown.
  const int shown = list.viewport()->height() / std::max(1, list.fontMetrics().height()) + 1;
  auto rows = std::make_unique<ListedRecords>(db.shared_from_this(), kind, found->RowIds(), condition, shown);
  // Past the last record, where listing every record leaves the set.
  if (!found->EOF()) {
    found->MoveLast();
    found->MoveNext();
  }
  rs = std::move(found);
  list.SetRows(std::move(rows));
}

std::unique_ptr<platform::Recordset> OpenRecords(const RecordKind& kind, const QString& sql,
                                                 const QVariantList& params) {
  return OpenDatabase().OpenRecordset(sql, params, platform::dbOpenDynaset, kind.keyColumn);
}

namespace {

// The key of the list's selected row; none when no row is selected or the selected row
// cannot be chosen.
std::optional<QString> SelectedKey(const RecordKind& kind, const platform::ListView& list) {
  const platform::ListItem item = list.SelectedItem();
  if (!platform::ListView::Selected(item) || !item.isSelectable()) return std::nullopt;
  return item.text(kind.keyInList);
}

// A listed row without a key names no record: it is said to the clerk, and never
// looked up (older data may hold records whose key is empty).
bool WithoutKey(const RecordKind& kind, const QString& key) {
  if (!core::schema::TrimBlanks(key).isEmpty()) return false;
  platform::MsgBox(kind.withoutKey, platform::vbInformation);
  return true;
}

}  // namespace

bool FindSelected(const RecordKind& kind, platform::Recordset& rs, const platform::ListView& list) {
  if (list.Count() == 0) return false;
  const std::optional<QString> selected = SelectedKey(kind, list);
  if (!selected || WithoutKey(kind, *selected)) return false;
  const QString& key = *selected;
  rs.FindFirst(KeyCriterion(kind), {key});
  if (rs.NoMatch()) {
    platform::MsgBox(messages::ListedKeyNotFound(kind, key));
    return false;
  }
  return true;
}

// ---- Add and modify

namespace {

// The first required box left blank, said to the clerk with the focus put there.
bool RequiredBoxBlank(const BoxGroup& group, bool adding) {
  for (const BoxGroup::Required& required : group.required) {
    if (!required.box->text().trimmed().isEmpty()) continue;
    platform::MsgBox(adding ? required.onAdd : required.onModify);
    required.box->setFocus();
    return true;
  }
  return false;
}

// Whether the whole table holds a record with this key, whatever the search selected.
bool Stored(const RecordKind& kind, const QString& key) {
  return OpenDatabase()
      .Scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1 WHERE %2)").arg(kind.table, TypedKeyCriterion(kind)),
              {core::schema::KeyOf(key)})
      .toBool();
}

// The group's boxes into the record being added or edited, then Update; a write the
// database refuses leaves the record set as it was before AddNew or Edit.
void StoreBoxes(const BoxGroup& group, platform::Recordset& rs) {
  try {
    WriteBoxes(rs, group.boxes);
    rs.Update();
  } catch (...) {
    try {
      rs.CancelUpdate();
    } catch (const platform::RuntimeError&) {
      // Update got as far as ending the edit.
    }
    throw;
  }
}

// What add and modify found, told to the clerk once the transaction has ended (a
// message box never holds the database).
enum class Outcome { Written, AlreadyStored, NotStored, NotInSearchResult };

void Tell(const BoxGroup& group, Outcome outcome, const QString& key) {
  switch (outcome) {
    case Outcome::Written: return;
    case Outcome::AlreadyStored:
      platform::MsgBox(messages::AlreadyStored(*group.kind, key));
      group.keyBox->setFocus();
      return;
    case Outcome::NotStored:
      platform::MsgBox(messages::NotStored(*group.kind, key));
      group.keyBox->setFocus();
      return;
    case Outcome::NotInSearchResult:
      platform::MsgBox(messages::NotInSearchResult(*group.kind, key));
      return;
  }
}

}  // namespace

void AddRecord(const BoxGroup& group, platform::Recordset& rs) {
  if (RequiredBoxBlank(group, true)) return;
  const QString key = core::schema::TrimBlanks(group.keyBox->text());
  const Outcome outcome = OpenDatabase().InWriteTransaction([&] {
    if (Stored(*group.kind, key)) return Outcome::AlreadyStored;
    rs.AddNew();
    StoreBoxes(group, rs);
    return Outcome::Written;
  });
  Tell(group, outcome, key);
}

void ModifyRecord(const BoxGroup& group, platform::Recordset& rs) {
  if (RequiredBoxBlank(group, false)) return;
  const QString key = core::schema::TrimBlanks(group.keyBox->text());
  const Outcome outcome = OpenDatabase().InWriteTransaction([&] {
    if (!Stored(*group.kind, key)) return Outcome::NotStored;
    rs.FindFirst(TypedKeyCriterion(*group.kind), {core::schema::KeyOf(key)});
    if (rs.NoMatch()) return Outcome::NotInSearchResult;
    if (auto* listed = group.list ? dynamic_cast<ListedRecords*>(group.list->Rows()) : nullptr)
      listed->Keep(rs.RowId());
    rs.Edit();
    StoreBoxes(group, rs);
    return Outcome::Written;
  });
  Tell(group, outcome, key);
}

// ---- Delete

namespace {

// Moves on from the current record over those that are no longer in the table.
void PassOverRecordsGone(platform::Recordset& rs) {
  while (!rs.EOF()) {
    try {
      rs.Fields(0).Value();  // raises kDbRecordDeleted for a record no longer stored
      return;
    } catch (const platform::RuntimeError& error) {
      if (error.Number() != platform::kDbRecordDeleted) throw;
    }
    rs.MoveNext();
  }
}

// A search result left without records: the set is queried again and the buttons that
// need a record hidden.
void LeftEmpty(platform::Recordset& rs, const QList<QWidget*>& hiddenWhenEmpty) {
  rs.Requery();
  for (QWidget* w : hiddenWhenEmpty) w->hide();
}

}  // namespace

void DeleteSelected(const RecordKind& kind, platform::Recordset& rs, platform::ListView& list,
                    const QList<QWidget*>& hiddenWhenEmpty) {
  try {
    if (list.Count() == 0) return;
    const std::optional<QString> selected = SelectedKey(kind, list);
    if (!selected) {
      platform::MsgBox(kind.selectFirst, platform::vbInformation);
      return;
    }
    const QString& key = *selected;
    if (WithoutKey(kind, key)) return;
    if (platform::MsgBox(messages::DeleteQuestion(kind, key),
                         platform::vbYesNo + platform::vbQuestion + platform::vbDefaultButton2) != platform::vbYes)
      return;
    const int index = list.Index(list.SelectedItem());
    // Looked up and deleted in one write transaction: no other desk changes the table
    // between the two.
    const bool found = OpenDatabase().InWriteTransaction([&] {
      rs.FindFirst(KeyCriterion(kind), {key});
      if (rs.NoMatch()) return false;
      rs.Delete();
      return true;
    });
    if (!found) {
      platform::MsgBox(messages::NoLongerStored(kind, key), platform::vbInformation);
      return;
    }
    rs.MoveNext();
    list.Remove(index);
    // The list leaves out the records that another desk deleted after the search, which
    // the set still holds: where no row follows in the list, the set passes over them.
    if (index > list.Count()) PassOverRecordsGone(rs);
    if (rs.EOF()) {
      if (list.Count() == 0) return LeftEmpty(rs, hiddenWhenEmpty);  // what the set holds is gone
      rs.MoveLast();  // 3021 when the set has no record left
      list.EnsureVisibleAndSelect(list.Item(index - 1));
    } else {
      list.EnsureVisibleAndSelect(list.Item(index));
    }
    list.setFocus();
  } catch (const platform::RuntimeError& error) {
    if (error.Number() == platform::kErrNoCurrentRecord) {
      LeftEmpty(rs, hiddenWhenEmpty);
    } else {
      platform::MsgBox(messages::DeleteFailed(kind, error.Number(), error.Description()));
    }
  }
}

}  // namespace main_window
