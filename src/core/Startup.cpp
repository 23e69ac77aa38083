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

}  // namespace

void Main() {
  RegisterFontSubstitutions();
  NumeBazaDate = kDatabaseFileName;
  AppPath = QCoreApplication::applicationDirPath();

  QString folder = platform::GetSetting(settings::kApplication, kFolderSection, kFolderKey);
  bool chosen = false;
  std::shared_ptr<platform::Database> database;
  while (!database) {
    if (folder.isEmpty()) {
      platform::FolderDialog dialog;
      dialog.Show();
      folder = dialog.Folder();
      if (folder.isEmpty()) platform::End();
      chosen = true;
    }
    database = OpenIn(folder);
    if (!database) folder.clear();  // ask again
  }
  if (chosen) platform::SaveSetting(settings::kApplication, kFolderSection, kFolderKey, folder);
  BazaDate = database;

  fonts::LoadFonts();
  settings::LoadSettings();
  images::LoadImagePaths();
  platform::Forms::Get<MDIVelorast>()->Show();
}

}  // namespace core
