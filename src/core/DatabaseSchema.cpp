#include "core/DatabaseSchema.h"

#include <QDir>
#include <QFile>

#include "core/AppState.h"


namespace core::schema {
namespace {

QString TextColumns(const QStringList& names) {
  QStringList out;
  for (const QString& name : names) out << name + QStringLiteral(" TEXT");
  return out.join(QStringLiteral(", "));
}

// The indexes, each made only where it is missing: a search by CNP or number prefix
// walks the column's index; add and modify look a key up by its KeyExpression; a letter
// typed in a list is answered from the index of the column it is typed in, one for each
// column the persons and vehicles lists show, and a first letter typed in a key's column
// or in the persons' names from the index of its first character: half the CNPs begin
// with 1, many identification numbers with the code of one maker, and in many offices
// half the names with the letter of a few common surnames. The names, the identity card
// numbers and the identification numbers, nearly each a text of its own, have an index
// by blocks of row ids as well: the next row whose text starts with the letters typed is found without
// reading the rows before it, as the first-character index finds a single letter.
QStringList IndexStatements() {
  enum class Of { Column, Key, Initial, Block };
  struct Index {
    const char* name;
    const char* table;
    const char* column;
    Of of;
  };
  static const Index indexes[] = {
      {"PersoaneCNP", "Persoane", "CNP", Of::Column},
      {"PersoaneNume", "Persoane", "Nume", Of::Column},
      {"PersoaneSerie", "Persoane", "Serie", Of::Column},
      {"PersoaneNr", "Persoane", "nr", Of::Column},
      {"MasiniNrIdentificare", "Masini", "NrIdentificare", Of::Column},
      {"MasiniCategoria", "Masini", "Categoria", Of::Column},
      {"MasiniMarca", "Masini", "Marca", Of::Column},
      {"MasiniTipul", "Masini", "Tipul", Of::Column},
      {"PersoaneCNPCheie", "Persoane", "CNP", Of::Key},
      {"MasiniNrIdentificareCheie", "Masini", "NrIdentificare", Of::Key},
      {"PersoaneCNPInitiala", "Persoane", "CNP", Of::Initial},
      {"MasiniNrIdentificareInitiala", "Masini", "NrIdentificare", Of::Initial},
      {"PersoaneNumeInitiala", "Persoane", "Nume", Of::Initial},
      {"PersoaneNumeBloc", "Persoane", "Nume", Of::Block},
      {"PersoaneNrBloc", "Persoane", "nr", Of::Block},
      {"MasiniNrIdentificareBloc", "Masini", "NrIdentificare", Of::Block},
  };
  QStringList sql;
  for (const Index& index : indexes) {
    const QString column = QString::fromLatin1(index.column);
    const QString rowId = (QLatin1String(index.table) == QLatin1String("Persoane") ? PersoaneColumns() : MasiniColumns())
                              .front();
    const QString key = index.of == Of::Key       ? KeyExpression(column)
                        : index.of == Of::Initial ? QStringLiteral("substr(%1, 1, 1)").arg(column)
                        : index.of == Of::Block   ? platform::RowBlockOf(rowId) + QStringLiteral(", ") + column
                                                  : column;
    sql << QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
               .arg(QLatin1String(index.name), QLatin1String(index.table), key);
  }
  return sql;
}

}  // namespace

QString TrimBlanks(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first] == QLatin1Char(' ')) ++first;
  while (last > first && text[last - 1] == QLatin1Char(' ')) --last;
  return text.mid(first, last - first);
}

QString KeyOf(const QString& text) {
  QString key = TrimBlanks(text);
  for (QChar& c : key)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
  return key;
}

// The engine's TRIM takes off blanks only, and its upper() changes a to z only.
QString KeyExpression(const QString& column) { return QStringLiteral("upper(TRIM(%1))").arg(column); }

bool AddMissingIndexes(platform::Database& db) {
  // Each on its own: one that cannot be made (a read-only file or folder, a table of an
  // older file without the column, a disk without room for it) leaves the others to be
  // made, and the look-ups work without it. A file that another desk holds past the
  // wait is left for the next start.
  bool full = false;
  for (const QString& sql : IndexStatements()) {
    try {
      db.Execute(sql);
    } catch (const platform::DatabaseBusyError&) {
      break;
    } catch (const platform::DatabaseFullError&) {
      full = true;
    } catch (const platform::RuntimeError&) {
    }
  }
  return full;
}

const QStringList& PersoaneColumns() {
  static const QStringList columns{
      "IdPersoana", "Nume", "Serie", "nr",  "CNP",      "Tata",     "Mama",     "DataNast",
      "LocNast",    "j",    "R",     "AdresaLoc", "Str", "AdresaNr", "Bl",      "Sc",
      "Ap",         "Judet", "Cod",  "Profesia", "LocMunca", "Telefoane"};
  return columns;
}

const QStringList& MasiniColumns() {
  static const QStringList columns{
      "IdMasina",
      "Categoria", "Caroseria", "Marca", "Tipul", "NrOmologare", "NrIdentificare",
      "MasaProprie", "SarcinaUtila", "AxaFata", "AxaSpate", "AxaMijloc", "RolaSenila",
      "RemorcabilaCuFrana", "RemorcabilaFaraFrana", "LocuriTotal", "LocuriFata",
      "LocuriScaune", "LocuriPicioare", "Lungime", "Latime", "Inaltime", "MotorTip",
      "MotorSerie", "Cilindree", "PutereTuratie", "SursaEnergie", "NrAxe", "Tractiunea",
      "AnvelopeFata", "AnvelopeFataSau", "AnvelopeMijlocSpate", "AnvelopeMijlocSpateSau",
      "ZgomotMers", "ZgomotStationare", "PresiuneOConducta", "PresiuneDouaConducte",
      "VitezaMax", "CapacitateRezervor", "Culoarea", "PrimaVelorastulare",
      "ExpirareInspectie", "NrCarteIdentitate", "MasaTotalaMax", "SarcinaCarlig",
      "AnFabricatie",
      "Specificatii"};
  return columns;
}

const QList<FontRows>& DefaultFonts() {
  // Times New Roman and Arial resolve to the Liberation faces of the same widths.
  static const QList<FontRows> fonts{
      {"FontDrav", "Times New Roman", "10", "False", "False", "False"},
      {"DefFont", "Arial", "10", "False", "False", "False"},
      {"FontRaport", "Times New Roman", "12", "False", "False", "False"},
      {"FontFisa", "Arial", "9", "True", "False", "False"},
  };
  return fonts;
}

void CreateTables(platform::Database& db) {
  db.InTransaction([&] {
    // The clerk deletes persons and vehicles: their ids are never given again, as an
    // integer key alone would give a deleted last row's id to the next row added.
    // (Files made before keep their keys; the record sets guard against such ids.)
    db.Execute(QStringLiteral("CREATE TABLE Persoane (IdPersoana INTEGER PRIMARY KEY AUTOINCREMENT, %1)")
                   .arg(TextColumns(PersoaneColumns().mid(1))));
    db.Execute(QStringLiteral("CREATE TABLE Masini (IdMasina INTEGER PRIMARY KEY AUTOINCREMENT, %1)")
                   .arg(TextColumns(MasiniColumns().mid(1))));
    db.Execute(QStringLiteral(
        "CREATE TABLE Campuri (IdCamp INTEGER PRIMARY KEY, Nume TEXT, Valoare TEXT);"
        "CREATE TABLE Useri (UserID INTEGER PRIMARY KEY, Nick TEXT, Parola TEXT, "
        "Privilegiu INTEGER);"));
    for (const QString& sql : IndexStatements()) db.Execute(sql);
    for (const FontRows& font : DefaultFonts())
      for (const QString& value : {font.name, font.size, font.bold, font.italic, font.underline})
        db.Execute(QStringLiteral("INSERT INTO Campuri (Nume, Valoare) VALUES (?, ?)"),
                   {font.key, value});
  });
}

std::shared_ptr<platform::Database> CreateProgramDatabase(const QString& folder, bool sample) {
  const QString path = QDir(folder).filePath(kDatabaseFileName);
  auto db = platform::Database::CreateDatabase(path, kDatabasePassword);
  try {
    CreateTables(*db);
    if (sample) InsertSampleData(*db);
  } catch (...) {
    db.reset();
    QFile::remove(path);
    throw;
  }
  return db;
}

}  // namespace core::schema
