#include "core/Startup.h"

#include <QCoreApplication>

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
#include "platform/Program.h"
#include "platform/SettingsStore.h"
#include "platform/database/Database.h"

namespace core {
namespace {

const QString kFolderSection = QStringLiteral("CaleBD");
const QString kFolderKey = QStringLiteral("CaBD");

// The database in the folder, or nullptr after telling the clerk why it did not open.
std::shared_ptr<platform::Database> OpenIn(const QString& folder) {
  try {
    auto database = platform::Database::OpenDatabase(folder + QLatin1Char('/') + NumeBazaDate, false, false,
                                                     QStringLiteral(";PWD=") + kDatabasePassword);
    schema::AddMissingIndexes(*database);
    return database;
  } catch (const platform::RuntimeError& error) {
    ReportUncaught(error);
    return nullptr;
  }
}

// Runs the start-up's reads on the open database (fonts, settings, pictures, then the
// windows, whose load reads the persons and vehicles) and shows the MDI parent. False,
// after telling the clerk why, when the file cannot be read: the windows loaded so far
// are unloaded and the database closed. Font rows that are read but wrong end the
// program with their own message.
bool StartOn(std::shared_ptr<platform::Database> database) {
  BazaDate = std::move(database);
  try {
    fonts::LoadFonts();
    settings::LoadSettings();
    images::LoadImagePaths();
    platform::Forms::Get<MDIVelorast>()->Show();
    return true;
  } catch (const platform::DatabaseFileError& error) {
    ReportUncaught(error);
    platform::Forms::Unload<MDIVelorast>();
    BazaDate.reset();
    return false;
  }
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
    std::shared_ptr<platform::Database> database = OpenIn(folder);
    if (database && StartOn(std::move(database))) break;
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
