#pragma once
// Persons and vehicles as the main window keeps them: the search that replaces the
// window's record set and fills its list, the selection of a listed row, add, modify and
// delete, and the boxes a record is loaded into and stored from. The two kinds differ
// only in the data below (table, key, list columns, the words of their messages, their
// boxes), so the same code serves both.
//
// Every value the clerk typed reaches the database as a bound parameter: an apostrophe
// is an ordinary character. Search, selection, add and modify change nothing when the
// database fails: the error is raised to the handler, which shows it.

#include <QList>
#include <QString>
#include <array>
#include <memory>
#include <variant>

#include "platform/database/Database.h"

class QLineEdit;
class QWidget;

namespace platform {
class ListView;
class MultiLineTextBox;
}

namespace main_window {

// One kind of record: its table, its key, how a list row shows it, and the words that
// name it in the messages.
struct RecordKind {
  QString table;          // "Persoane"
  QString keyColumn;      // "CNP"
  std::array<QString, 4> listColumns;  // a list row's text, then its sub-items 1 to 3
  int keyInList = 0;                   // the list column that shows the key
  QString listedKey;      // "CNP-ul " <key> " nu exista in Baza de Date"
  QString dataOf;         // "Datele " / "Sigur doriti sa stergeti datele " + "persoanei cu CNP-ul " <key>
  QString namedBy;        // "Nu exista in Baza de Date " + "persoana cu CNP-ul: " <key>
  QString noun;           // "persoana", in the advice to search for it again
  QString selectFirst;    // "Selectati mai intai o persoana"
  QString withoutKey;     // a listed row whose key is empty
  QString deleteOperation;  // "Delete Persoane", named by the delete's error message
};

extern const RecordKind kPersoane;
extern const RecordKind kMasini;

// The messages, with the key they name.
namespace messages {
QString ListedKeyNotFound(const RecordKind& kind, const QString& key);
QString AlreadyStored(const RecordKind& kind, const QString& key);
QString NotStored(const RecordKind& kind, const QString& key);
QString NotInSearchResult(const RecordKind& kind, const QString& key);
QString DeleteQuestion(const RecordKind& kind, const QString& key);
QString NoLongerStored(const RecordKind& kind, const QString& key);
QString DeleteFailed(const RecordKind& kind, int number, const QString& description);
}  // namespace messages

// A box and the column its text is stored in, by ordinal or by name.
struct BoxColumn {
  std::variant<int, QString> column;
  QLineEdit* line = nullptr;      // the box: a line box ...
  platform::MultiLineTextBox* text = nullptr;  // ... or a text of several lines
};
using BoxColumns = QList<BoxColumn>;

// The current record into the boxes, a Null as the empty text; all values are read
// before the first box changes, so a failed read leaves every box as it was.
void LoadBoxes(platform::Recordset& rs, const BoxColumns& boxes);
// The boxes' texts, unchanged, into the fields of the record being added or edited.
void WriteBoxes(platform::Recordset& rs, const BoxColumns& boxes);
void ClearBoxes(const BoxColumns& boxes);

// A group of boxes that add and modify store as one record.
struct BoxGroup {
  const RecordKind* kind = nullptr;
  BoxColumns boxes = {};
  QLineEdit* keyBox = nullptr;
  // Boxes that must not be blank (trimmed), tested in this order, with the message of
  // each when adding and when modifying.
  struct Required {
    QLineEdit* box;
    QString onAdd;
    QString onModify;
  };
  QList<Required> required = {};
  // The list of the group's records, whose texts a modify leaves as they are.
  platform::ListView* list = nullptr;
};

// The open database; error 91 when there is none.
platform::Database& OpenDatabase();

// Replaces rs by the records whose column is LIKE the criterion as typed (every record
// of the table when the criterion is empty) and lists them in the set's order, leaving
// rs past its last record. The list reads a record's listed columns when it shows it.
// When anything fails, rs and the list stay as they were.
void SearchRecords(const RecordKind& kind, const QString& column, const QString& criterion,
                   std::unique_ptr<platform::Recordset>& rs, platform::ListView& list);

// A record set over the kind's table, which tells its rows apart by the kind's key.
std::unique_ptr<platform::Recordset> OpenRecords(const RecordKind& kind, const QString& sql,
                                                 const QVariantList& params = {});

// The selection: makes the record of the list's selected row current. False when no row
// is selected (or the selected row cannot be chosen), when the row shows no key, or when
// the record set does not hold the row (the last two said to the clerk).
bool FindSelected(const RecordKind& kind, platform::Recordset& rs, const platform::ListView& list);

// Add: the group's boxes as a new record of rs, unless a required box is blank or the
// table already holds the key (each said to the clerk, the focus on the box concerned).
// Keys compare as core::schema::KeyOf says. The look-up and the write are one write
// transaction, so that two desks adding one key store it once.
void AddRecord(const BoxGroup& group, platform::Recordset& rs);
// Modify: the group's boxes over the record of rs with the same key, unless a required
// box is blank, the table does not hold the key, or rs does not (each said to the clerk);
// in one write transaction as well.
void ModifyRecord(const BoxGroup& group, platform::Recordset& rs);

// Delete of the list's selected row, after the clerk's Yes: its key looked up and the
// record deleted in one write transaction. The row after it (or before it, at the end
// of the set) becomes the selected one; records that another desk deleted, which the
// list left out, do not count. When the set is left without records it is queried again
// and `hiddenWhenEmpty` are hidden; any other error is shown with the kind's operation
// name.
void DeleteSelected(const RecordKind& kind, platform::Recordset& rs, platform::ListView& list,
                    const QList<QWidget*>& hiddenWhenEmpty);

}  // namespace main_window
