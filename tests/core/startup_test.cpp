// Start-up: finding the database folder, opening the database, and the MDI parent.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/AppState.h"
#include "core/Fonts.h"
#include "core/ImagePaths.h"
#include "core/MDIVelorast.h"
#include "core/Settings.h"
#include "core/Startup.h"
#include "platform/FolderDialog.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/SettingsStore.h"
#include "support/FixtureDatabase.h"
#include "support/SettingsFolder.h"

using core::MDIVelorast;
using testsupport::FixtureDatabase;

namespace {

class MainWindowStandIn : public QWidget {
 public:
  MainWindowStandIn() {
    setWindowTitle(QStringLiteral("Aplicatia Velorastulare si Radiere"));
    // As the main window's load does, the persons are read.
    core::BazaDate->Scalar(QStringLiteral("SELECT count(*) FROM Persoane WHERE Nume <> ''"));
  }
};

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString StoredFolder() { return platform::GetSetting("Velorast", "CaleBD", "CaBD"); }

class StartupTest : public testing::Test {
 protected:
  void SetUp() override {
    MDIVelorast::SetMainWindowFactory([] { return platform::Forms::Get<MainWindowStandIn>(); });
  }
  void TearDown() override {
    platform::Forms::Unload<MDIVelorast>();
    platform::Forms::Unload<MainWindowStandIn>();
    MDIVelorast::SetMainWindowFactory(nullptr);
    core::BazaDate.reset();
  }

  // Runs the start-up; false when it ended the program.
  bool RunMain() {
    try {
      core::Main();
      return true;
    } catch (const platform::ProgramEnded&) {
      return false;
    }
  }

  testsupport::SettingsFolder settings;
  platform::FolderDialogScript folders;
  platform::MessageBoxScript boxes;
  QTemporaryDir emptyFolder;
};

TEST_F(StartupTest, NoFolderAndACancelledChoiceEndsStoringNothing) {
  EXPECT_FALSE(RunMain());
  EXPECT_EQ(folders.Shown(), 1);
  EXPECT_TRUE(boxes.Shown().isEmpty());
  EXPECT_EQ(StoredFolder(), QString());
  EXPECT_FALSE(QFile::exists(platform::SettingsFilePath("Velorast")));
  EXPECT_FALSE(platform::Forms::IsLoaded<MDIVelorast>());
}

// The path: no folder, a folder without the database, then a good one, which
// alone is stored.
TEST_F(StartupTest, FolderWithoutTheDatabaseIsReportedAndTheChoiceOfferedAgain) {
  FixtureDatabase fixture;
  folders.Choose(emptyFolder.path());
  folders.Choose(fixture.Folder());
  ASSERT_TRUE(RunMain());
  EXPECT_EQ(folders.Shown(), 2);
  ASSERT_EQ(boxes.Shown().size(), 1);
  EXPECT_EQ(boxes.Prompts()[0],
            QStringLiteral("3024 Fisierul \"%1/evidenta2000.mdb\" nu exista. Alegeti dosarul in care se afla baza "
                           "de date a programului; o baza de date noua o face administratorul, cu comanda "
                           "velorast-createdb.")
                .arg(emptyFolder.path()));
  EXPECT_EQ(StoredFolder(), fixture.Folder());

  ASSERT_TRUE(core::BazaDate);
  EXPECT_EQ(core::BazaDate->Path(), fixture.Folder() + "/evidenta2000.mdb");
  EXPECT_EQ(core::NumeBazaDate, QStringLiteral("evidenta2000.mdb"));
  EXPECT_EQ(core::fonts::FontDrav.family(), QStringLiteral("Times New Roman"));
  EXPECT_FALSE(core::images::ImgOk.isEmpty());
  MDIVelorast* mdi = platform::Forms::IfLoaded<MDIVelorast>();
  ASSERT_NE(mdi, nullptr);
  EXPECT_TRUE(mdi->isVisible());
  EXPECT_TRUE(mdi->isMaximized());
  EXPECT_TRUE(platform::Forms::IsLoaded<MainWindowStandIn>());
}

TEST_F(StartupTest, StoredFolderThatDoesNotOpenIsReportedThenTheChoiceIsOffered) {
  platform::SaveSetting("Velorast", "CaleBD", "CaBD", emptyFolder.path());
  folders.Cancel();
  EXPECT_FALSE(RunMain());
  EXPECT_EQ(folders.Shown(), 1);
  ASSERT_EQ(boxes.Shown().size(), 1);
  EXPECT_TRUE(boxes.Prompts()[0].startsWith("3024 "));
  EXPECT_EQ(StoredFolder(), emptyFolder.path()) << "a cancelled choice stores nothing";

  // The next start: the same report, and this time a good folder replaces the bad one.
  FixtureDatabase fixture;
  folders.Choose(fixture.Folder());
  boxes.Clear();
  ASSERT_TRUE(RunMain());
  EXPECT_EQ(boxes.Shown().size(), 1);
  EXPECT_EQ(StoredFolder(), fixture.Folder());
}

TEST_F(StartupTest, StoredGoodFolderOpensWithoutAskingAndLoadsTheSettings) {
  FixtureDatabase fixture;
  platform::SaveSetting("Velorast", "CaleBD", "CaBD", fixture.Folder());
  platform::SaveSetting("Velorast", "Par", "UsesBD", "True");
  platform::SaveSetting("Velorast", "Par", "Top", "12.5");
  ASSERT_TRUE(RunMain());
  EXPECT_EQ(folders.Shown(), 0);
  EXPECT_TRUE(boxes.Shown().isEmpty());
  EXPECT_TRUE(core::settings::UsesBD);
  EXPECT_EQ(core::settings::Top, 12);
  EXPECT_TRUE(platform::Forms::IsLoaded<MDIVelorast>());
}

TEST_F(StartupTest, WrongPasswordAndDamagedFileAreReportedByTheirNumbers) {
  QTemporaryDir otherPassword, damaged;
  platform::Database::CreateDatabase(QDir(otherPassword.path()).filePath("evidenta2000.mdb"), "altceva");
  QFile file(QDir(damaged.path()).filePath("evidenta2000.mdb"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("stricat");
  file.close();
  folders.Choose(otherPassword.path());
  folders.Choose(damaged.path());
  folders.Cancel();
  EXPECT_FALSE(RunMain());
  ASSERT_EQ(boxes.Shown().size(), 2);
  EXPECT_TRUE(boxes.Prompts()[0].startsWith("3031 ")) << boxes.Prompts()[0].toStdString();
  EXPECT_TRUE(boxes.Prompts()[1].startsWith("3343 ")) << boxes.Prompts()[1].toStdString();
  EXPECT_EQ(StoredFolder(), QString());
}

TEST_F(StartupTest, BadFontRowsEndTheProgramBeforeAnyWindow) {
  FixtureDatabase fixture;
  fixture.Db().Execute("DELETE FROM Campuri WHERE Nume = 'FontFisa'");
  folders.Choose(fixture.Folder());
  EXPECT_FALSE(RunMain());
  EXPECT_EQ(boxes.Prompts(),
            QStringList{"Setarile fonturilor din BD sunt gresite. Va rog sa corectati!"});
  EXPECT_FALSE(platform::Forms::IsLoaded<MDIVelorast>());
  EXPECT_EQ(StoredFolder(), QString()) << "stored only once the start-up has gone through";
}

// A file whose first page is whole opens; a damaged page further in fails a read of the
// start-up (the fonts' rows).
TEST_F(StartupTest, DatabaseDamagedPastItsFirstPageIsReportedAndAnotherFolderOffered) {
  for (const QString& table : {QStringLiteral("Campuri")}) {
    SCOPED_TRACE(table.toStdString());
    testsupport::SettingsFolder settings;
    platform::FolderDialogScript folders;
    platform::MessageBoxScript boxes;
    FixtureDatabase damaged, good;
    damaged.AddPerson({{"Nume", "POPESCU ION"}});
    damaged.DamageTable(table);
    const QByteArray before = Bytes(damaged.Path());
    folders.Choose(damaged.Folder());
    folders.Cancel();
    EXPECT_FALSE(RunMain());
    EXPECT_EQ(folders.Shown(), 2);
    ASSERT_EQ(boxes.Shown().size(), 1);
    EXPECT_EQ(boxes.Prompts()[0],
              QStringLiteral("3343 Fisierul \"%1\" nu este o baza de date recunoscuta sau este deteriorat. "
                             "Inlocuiti fisierul cu o copie de siguranta a bazei de date (sau cereti "
                             "administratorului sa o faca), ori alegeti la pornire dosarul altei baze de date a "
                             "programului.")
                  .arg(damaged.Path()));
    EXPECT_EQ(StoredFolder(), QString());
    EXPECT_FALSE(platform::Forms::IsLoaded<MDIVelorast>());
    EXPECT_FALSE(core::BazaDate);

    // Stored as the folder of the last good start, it is reported at the next start and
    // the choice offered; a good folder then replaces it.
    platform::SaveSetting("Velorast", "CaleBD", "CaBD", damaged.Folder());
    folders.Choose(good.Folder());
    boxes.Clear();
    ASSERT_TRUE(RunMain());
    EXPECT_EQ(folders.Shown(), 3);
    EXPECT_EQ(boxes.Shown().size(), 1);
    EXPECT_EQ(StoredFolder(), good.Folder());
    EXPECT_EQ(core::BazaDate->Path(), good.Path());
    EXPECT_EQ(Bytes(damaged.Path()), before) << "the damaged file is left as it was";
    TearDown();  // the next table starts afresh
    SetUp();
  }
}

// The persons are read only when a list or a search first needs them, so a damaged page
// among them does not stop the start: the window opens and the clerk meets the message
// at the first read.
TEST_F(StartupTest, DamagedPersonsDoNotStopTheStart) {
  FixtureDatabase damaged;
  damaged.AddPerson({{"Nume", "POPESCU ION"}});
  damaged.DamageTable(QStringLiteral("Persoane"));
  const QByteArray before = Bytes(damaged.Path());
  folders.Choose(damaged.Folder());
  ASSERT_TRUE(RunMain());
  EXPECT_TRUE(boxes.Shown().isEmpty());
  EXPECT_TRUE(platform::Forms::IsLoaded<MDIVelorast>());
  EXPECT_EQ(StoredFolder(), damaged.Folder());
  EXPECT_EQ(Bytes(damaged.Path()), before);
}

}  // namespace
