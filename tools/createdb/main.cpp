// velorast-createdb FOLDER [--sample]
// Creates a new, empty program database "evidenta2000.mdb" in FOLDER: the tables with
// their column orders, the indexes and the font rows; with --sample also a few dozen
// persons and vehicles. Never overwrites an existing file. Writes the new file's path;
// exits 0 when it made the file and wrote its path, 1 when either failed, 2 for bad
// arguments (an empty folder name among them).

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
  // An empty name names no folder: not the current one.
  if (args.size() != 1 || args.front().isEmpty() || args.front().startsWith(QLatin1String("-"))) {
    std::fprintf(stderr, "Folosire: velorast-createdb DOSAR [--sample]\n");
    if (args.size() == 1 && args.front().isEmpty()) std::fprintf(stderr, "Numele dosarului este gol.\n");
    return 2;
  }
  const QString folder = QDir(args.front()).absolutePath();
  try {
    core::schema::CreateProgramDatabase(folder, sample);
  } catch (const platform::RuntimeError& e) {
    std::fprintf(stderr, "%d %s\n", e.Number(), e.Description().toLocal8Bit().constData());
    return 1;
  }
  // The path is the command's answer: one that cannot be written (a full disk, a closed
  // output) is a failure, though the database stays made.
  const QByteArray path = QDir(folder).filePath(core::kDatabaseFileName).toLocal8Bit();
  if (std::printf("%s\n", path.constData()) < 0 || std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "Baza de date \"%s\" a fost facuta, dar calea ei nu a putut fi scrisa la iesirea standard.\n",
                 path.constData());
    return 1;
  }
  return 0;
}
