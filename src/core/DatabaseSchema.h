#pragma once
// The database's format in one place: the tables Persoane, Masini, Campuri and Useri
// with their column orders, the indexes, the font rows, and the sample persons and
// vehicles of a demonstration database. The tool that makes a new database and the
// tests' fixture databases both build from here.

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/database/Database.h"

namespace core::schema {

// Persoane, in column order: 0 IdPersoana, then the 21 columns the buyer boxes map to
// by position.
const QStringList& PersoaneColumns();

// Masini, in column order: 0 IdMasina, 1..45 the vehicle boxes txtCamp(0..44), then
// Specificatii.
const QStringList& MasiniColumns();

// One font of table Campuri: five rows under its key, in this order.
struct FontRows {
  QString key;  // "FontDrav", "DefFont", "FontRaport", "FontFisa"
  QString name;
  QString size;
  QString bold, italic, underline;  // "True" or "False"
};
const QList<FontRows>& DefaultFonts();

// Creates the four tables and the indexes on an empty database and writes the font
// rows (the five rows of each key one after another, in insertion order).
void CreateTables(platform::Database& db);

// A key (a CNP, an identification number) as the clerk means it, one rule in C++ and in
// SQL alike: blanks trimmed at both ends (a tab or another white space stays part of
// the key, as the stored text keeps it) and the letters a to z compared as A to Z.
// Letters with diacritics keep their case: keys are digits and Latin letters, and the
// rule stays one that the engine computes by itself, without anything of ours loaded.
QString TrimBlanks(const QString& text);
QString KeyOf(const QString& text);          // the typed key's form that is compared
QString KeyExpression(const QString& column);  // the same for a stored column, in SQL

// Adds the indexes that a database made by an earlier version lacks (CreateTables makes
// the same ones). A file that cannot be written keeps what it has (its look-ups are then
// not served by an index). True when some index was left unmade because the disk of the
// file is full: the file keeps what it had, and the index is made at a later call.
bool AddMissingIndexes(platform::Database& db);

// Adds a few dozen persons (natural and legal) and vehicles.
void InsertSampleData(platform::Database& db);

// Creates folder/evidenta2000.mdb under the program's password, with the tables and,
// when sample is true, the sample data. Refuses (kDbWriteFailed) an existing file.
std::shared_ptr<platform::Database> CreateProgramDatabase(const QString& folder, bool sample);

// The CNP's control digit for its first twelve digits.
int CnpControlDigit(const QString& first12);

}  // namespace core::schema
