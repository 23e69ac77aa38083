// velorast-createdb FOLDER [--sample]
// Creates a new, empty program database "evidenta2000.mdb" in FOLDER: the tables with
// their column orders, the indexes and the font rows; with --sample also a few dozen
// persons and vehicles. Never overwrites an existing file.

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

#include "core/AppState.h"
#include "core/DatabaseSchema.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  const bool sample = args.removeAll(QStringLiteral("--sample")) > 0;
  if (args.size() != 1 || args.front().startsWith(QLatin1String("-"))) {
    std::fprintf(stderr, "Folosire: velorast-createdb DOSAR [--sample]\n");
    return 2;
  }
  const QString folder = QDir(args.front()).absolutePath();
  try {
    core::schema::CreateProgramDatabase(folder, sample);
  } catch (const platform::RuntimeError& e) {
    std::fprintf(stderr, "%d %s\n", e.Number(), e.Description().toLocal8Bit().constData());
    return 1;
  }
  std::printf("%s\n", QDir(folder).filePath(core::kDatabaseFileName).toLocal8Bit().constData());
  return 0;
}
