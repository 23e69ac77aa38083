#include "main_window/StoredRecords.h"

#include <QLineEdit>
#include <vector>

#include "core/AppState.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/MultiLineTextBox.h"
#include "platform/RuntimeError.h"

namespace main_window {

const RecordKind kPersoane{
    .table = QStringLiteral("Persoane"),
    .keyColumn = QStringLiteral("CNP"),
    .lookupColumns = QStringLiteral("*"),
    .listColumns = {QStringLiteral("Nume"), QStringLiteral("Serie"), QStringLiteral("nr"), QStringLiteral("CNP")},
    .keyInList = 3,
    .listedKey = QStringLiteral("CNP-ul "),
    .dataOf = QStringLiteral("persoanei cu CNP-ul "),
    .namedBy = QStringLiteral("persoana cu CNP-ul: "),
    .selectFirst = QStringLiteral("Selectati mai intai o persoana"),
    .deleteOperation = QStringLiteral("Delete Persoane"),
};

const RecordKind kMasini{
    .table = QStringLiteral("Masini"),
    .keyColumn = QStringLiteral("NrIdentificare"),
    .lookupColumns = QStringLiteral("NrIdentificare"),
    .listColumns = {QStringLiteral("NrIdentificare"), QStringLiteral("Categoria"), QStringLiteral("Marca"),
                    QStringLiteral("Tipul")},
    .keyInList = 0,
    .listedKey = QStringLiteral("Nr de Identificare "),
    .dataOf = QStringLiteral("masinii cu Nr de Identificare "),
    .namedBy = QStringLiteral("masina cu Nr de Identificare: "),
    .selectFirst = QStringLiteral("Selectati mai intai o masina"),
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
QString NotInSearchResult(const RecordKind& kind, const QString& key) {
  return QStringLiteral("Nu exista in Baza de Date ") + kind.namedBy + key;
}
QString DeleteQuestion(const RecordKind& kind, const QString& key) {
  return QStringLiteral("Sigur doriti sa stergeti datele ") + kind.dataOf + key + QStringLiteral(" ?");
}
QString NoLongerStored(const RecordKind& kind, const QString& key) {
  return QStringLiteral("Datele ") + kind.dataOf + key + QStringLiteral(" nu mai exista in Baza de Date");
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

// The record of a key typed by the clerk, trimmed: a key stored with blanks around it
// (the boxes are stored as typed) is the same key, so that it is neither added twice nor
// missed by a modify.
QString TypedKeyCriterion(const RecordKind& kind) { return QStringLiteral("TRIM(%1) = ?").arg(kind.keyColumn); }

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
  const QString all = QStringLiteral("SELECT * FROM ") + kind.table;
  std::unique_ptr<platform::Recordset> found =
      criterion.isEmpty() ? OpenDatabase().OpenRecordset(all)
                          : OpenDatabase().OpenRecordset(all + QStringLiteral(" WHERE %1 LIKE ?").arg(column), {criterion});

  std::vector<platform::Field> listed;
  for (const QString& name : kind.listColumns) listed.push_back(found->Fields(name));
  QList<QStringList> rows;
  rows.reserve(found->RecordCount());
  // One read transaction for all the rows: the file is locked and checked once, not
  // once a row.
  OpenDatabase().InTransaction([&] {
    for (; !found->EOF(); found->MoveNext()) {
      QStringList row;
      for (const platform::Field& field : listed) row.append(field.Text());
      rows.append(std::move(row));
    }
  });

  rs = std::move(found);
  list.Fill(rows);
}

bool FindSelected(const RecordKind& kind, platform::Recordset& rs, const platform::ListView& list) {
  if (list.Count() == 0) return false;
  const QTreeWidgetItem* item = list.SelectedItem();
  if (!platform::ListView::Selected(item)) return false;
  const QString key = item->text(kind.keyInList);
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
  const auto lookup = OpenDatabase().OpenRecordset(
      QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(kind.lookupColumns, kind.table, TypedKeyCriterion(kind)),
      {key});
  return !(lookup->BOF() && lookup->EOF());
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

}  // namespace

void AddRecord(const BoxGroup& group, platform::Recordset& rs) {
  if (RequiredBoxBlank(group, true)) return;
  const QString key = group.keyBox->text().trimmed();
  if (Stored(*group.kind, key)) {
    platform::MsgBox(messages::AlreadyStored(*group.kind, key));
    group.keyBox->setFocus();
    return;
  }
  rs.AddNew();
  StoreBoxes(group, rs);
}

void ModifyRecord(const BoxGroup& group, platform::Recordset& rs) {
  if (RequiredBoxBlank(group, false)) return;
  const QString key = group.keyBox->text().trimmed();
  if (!Stored(*group.kind, key)) {
    platform::MsgBox(messages::NotStored(*group.kind, key));
    group.keyBox->setFocus();
    return;
  }
  rs.FindFirst(TypedKeyCriterion(*group.kind), {key});
  if (rs.NoMatch()) {
    platform::MsgBox(messages::NotInSearchResult(*group.kind, key));
    return;
  }
  rs.Edit();
  StoreBoxes(group, rs);
}

// ---- Delete

void DeleteSelected(const RecordKind& kind, platform::Recordset& rs, platform::ListView& list,
                    const QList<QWidget*>& hiddenWhenEmpty) {
  try {
    if (list.Count() == 0) return;
    QTreeWidgetItem* item = list.SelectedItem();
    if (!platform::ListView::Selected(item)) {
      platform::MsgBox(kind.selectFirst, platform::vbInformation);
      return;
    }
    const QString key = item->text(kind.keyInList);
    if (platform::MsgBox(messages::DeleteQuestion(kind, key),
                         platform::vbYesNo + platform::vbQuestion + platform::vbDefaultButton2) != platform::vbYes)
      return;
    const int index = list.Index(item);
    rs.FindFirst(KeyCriterion(kind), {key});
    if (rs.NoMatch()) {
      platform::MsgBox(messages::NoLongerStored(kind, key), platform::vbInformation);
      return;
    }
    rs.Delete();
    rs.MoveNext();
    list.Remove(index);
    if (rs.EOF()) {
      rs.MoveLast();  // 3021 when the set has no record left
      list.EnsureVisibleAndSelect(list.Item(index - 1));
    } else {
      list.EnsureVisibleAndSelect(list.Item(index));
    }
    list.setFocus();
  } catch (const platform::RuntimeError& error) {
    if (error.Number() == platform::kErrNoCurrentRecord) {
      rs.Requery();
      for (QWidget* w : hiddenWhenEmpty) w->hide();
    } else {
      platform::MsgBox(messages::DeleteFailed(kind, error.Number(), error.Description()));
    }
  }
}

}  // namespace main_window
