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
// typed in the persons list learns from the names' index when no name starts with it.
QString IndexStatements() {
  struct Index {
    const char* name;
    const char* table;
    const char* column;
    bool key;
  };
  static const Index indexes[] = {
      {"PersoaneCNP", "Persoane", "CNP", false},
      {"PersoaneNume", "Persoane", "Nume", false},
      {"MasiniNrIdentificare", "Masini", "NrIdentificare", false},
      {"PersoaneCNPCheie", "Persoane", "CNP", true},
      {"MasiniNrIdentificareCheie", "Masini", "NrIdentificare", true},
  };
  QString sql;
  for (const Index& index : indexes) {
    const QString column = QString::fromLatin1(index.column);
    sql += QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3);")
               .arg(QLatin1String(index.name), QLatin1String(index.table), index.key ? KeyExpression(column) : column);
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

void AddMissingIndexes(platform::Database& db) {
  try {
    db.Execute(IndexStatements());
  } catch (const platform::RuntimeError&) {
    // A read-only file or folder: the look-ups work without the index.
  }
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
    db.Execute(IndexStatements());
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
