#include "core/Startup.h"

#include <QCoreApplication>
#include <QDir>

#include "core/AppState.h"
#include "core/DatabaseSchema.h"
#include "core/ErrorGuard.h"
#include "core/FontSubstitutions.h"
#include "core/Fonts.h"
#include "core/ImagePaths.h"
#include "core/MDIVelorast.h"
#include "core/Settings.h"
#include "platform/FolderDialog.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/SettingsStore.h"
#include "platform/database/Database.h"

namespace core {
namespace {

const QString kFolderSection = QStringLiteral("CaleBD");
const QString kFolderKey = QStringLiteral("CaBD");

// How the start went on one folder.
enum class Outcome {
  Started,  // the MDI parent is shown
  Failed,   // the file cannot be used; the clerk has been told why
  Busy,     // another desk held the file past the wait; nothing has been said yet
};

// A file that the start-up cannot use, told before the choice of another folder is
// offered. A missing file's own words already send the clerk to that choice.
void ReportBeforeTheFolderChoice(const platform::RuntimeError& error) {
  if (error.Number() == platform::kDbFileNotFound) {
    ReportUncaught(error);
    return;
  }
  ReportUncaught(platform::RuntimeError(
      error.Number(),
      error.Description() + QStringLiteral(" Puteti alege acum dosarul altei baze de date a programului."),
      error.Source()));
}

// Runs the start-up's reads on the open database (fonts, settings, pictures, then the
// windows, whose load reads the persons and vehicles) and shows the MDI parent. When the
// file cannot be read, the windows loaded so far are unloaded and the database closed.
// Font rows that are read but wrong end the program with their own message.
Outcome StartOn(std::shared_ptr<platform::Database> database) {
  BazaDate = std::move(database);
  Outcome outcome = Outcome::Started;
  try {
    fonts::LoadFonts();
    settings::LoadSettings();
    images::LoadImagePaths();
    platform::Forms::Get<MDIVelorast>()->Show();
    return outcome;
  } catch (const platform::DatabaseBusyError&) {
    outcome = Outcome::Busy;
  } catch (const platform::DatabaseFileError& error) {
    ReportBeforeTheFolderChoice(error);
    outcome = Outcome::Failed;
  }
  platform::Forms::Unload<MDIVelorast>();
  BazaDate.reset();
  return outcome;
}

// Opens the database in the folder and starts on it. Indexes that the disk had no room
// for are told once the program has started: it works without them, more slowly.
Outcome StartIn(const QString& folder) {
  std::shared_ptr<platform::Database> database;
  bool indexesLeft = false;
  try {
    database = platform::Database::OpenDatabase(folder + QLatin1Char('/') + NumeBazaDate, false, false,
                                                QStringLiteral(";PWD=") + kDatabasePassword);
    indexesLeft = schema::AddMissingIndexes(*database);
  } catch (const platform::DatabaseBusyError&) {
    return Outcome::Busy;
  } catch (const platform::RuntimeError& error) {
    ReportBeforeTheFolderChoice(error);
    return Outcome::Failed;
  }
  const QString file = QDir::toNativeSeparators(database->Path());
  const Outcome outcome = StartOn(std::move(database));
  if (outcome == Outcome::Started && indexesLeft)
    platform::MsgBox(QStringLiteral("Discul pe care se afla baza de date \"%1\" este plin, asa ca programul nu a "
                                    "putut pregati toate cautarile rapide: cautarea persoanelor si a masinilor va fi "
                                    "mai lenta pana cand eliberati spatiu pe disc. Datele nu sunt afectate; dupa ce "
                                    "faceti loc, cautarea redevine rapida la urmatoarea pornire a programului.")
                         .arg(file),
                     platform::vbExclamation);
  return outcome;
}

// Whether the clerk wants to try again a database that another desk holds.
bool TryAgainWhenBusy(const QString& folder) {
  const QString file = QDir::toNativeSeparators(folder + QLatin1Char('/') + NumeBazaDate);
  return platform::MsgBox(QStringLiteral("Baza de date \"%1\" este folosita chiar acum de alt post de lucru, iar "
                                         "programul nu poate porni pana cand acesta nu termina. Incercati din nou? "
                                         "Alegeti Nu pentru a inchide programul.")
                              .arg(file),
                          platform::vbYesNo | platform::vbQuestion) == platform::vbYes;
}

}  // namespace

void Main() {
  RegisterFontSubstitutions();
  NumeBazaDate = kDatabaseFileName;
  AppPath = QCoreApplication::applicationDirPath();

  QString folder = platform::GetSetting(settings::kApplication, kFolderSection, kFolderKey);
  bool chosen = false;
  for (;;) {
    if (folder.isEmpty()) {
      platform::FolderDialog dialog;
      dialog.Show();
      folder = dialog.Folder();
      if (folder.isEmpty()) platform::End();
      chosen = true;
    }
    const Outcome outcome = StartIn(folder);
    if (outcome == Outcome::Started) break;
    // A file that another desk holds is sound: the same folder is tried again, or the
    // program ends, storing nothing.
    if (outcome == Outcome::Busy) {
      if (!TryAgainWhenBusy(folder)) platform::End();
      continue;
    }
    folder.clear();  // ask again
  }
  // Stored only now, so that no folder whose database the start-up could not use is
  // offered again at the next start.
  // A folder that cannot be stored is asked for again at the next start: the clerk is
  // told why, and the program goes on with it.
  if (chosen && !platform::SaveSetting(settings::kApplication, kFolderSection, kFolderKey, folder))
    platform::ReportSettingsNotSaved(settings::kApplication);
}

}  // namespace core
