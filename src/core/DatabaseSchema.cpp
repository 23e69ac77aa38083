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

}  // namespace

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
    db.Execute(QStringLiteral("CREATE TABLE Persoane (IdPersoana INTEGER PRIMARY KEY, %1)")
                   .arg(TextColumns(PersoaneColumns().mid(1))));
    db.Execute(QStringLiteral("CREATE TABLE Masini (IdMasina INTEGER PRIMARY KEY, %1)")
                   .arg(TextColumns(MasiniColumns().mid(1))));
    db.Execute(QStringLiteral(
        "CREATE TABLE Campuri (IdCamp INTEGER PRIMARY KEY, Nume TEXT, Valoare TEXT);"
        "CREATE TABLE Useri (UserID INTEGER PRIMARY KEY, Nick TEXT, Parola TEXT, "
        "Privilegiu INTEGER);"
        "CREATE INDEX PersoaneCNP ON Persoane (CNP);"
        "CREATE INDEX MasiniNrIdentificare ON Masini (NrIdentificare);"
        // Adding and modifying look a key up without its outer blanks.
        "CREATE INDEX PersoaneCNPTrim ON Persoane (TRIM(CNP));"
        "CREATE INDEX MasiniNrIdentificareTrim ON Masini (TRIM(NrIdentificare));"));
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
