// Start-up: finding the database folder, opening the database, and the MDI parent.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <chrono>
#include <thread>

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
#include "support/FullDisk.h"
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
    platform::Database::SetBusyTimeout(platform::Database::kBusyTimeoutMs);
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
                             "administratorului sa o faca), apoi porniti din nou programul. Puteti alege acum "
                             "dosarul altei baze de date a programului.")
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

// What the clerk reads about a file that the start cannot use, before the folder choice
// is offered again: what can be done about the file, and that another folder may be
// chosen now.
TEST_F(StartupTest, EachFileThatCannotBeUsedIsToldWithWhatCanBeDoneThen) {
  const QString restore = QStringLiteral(
      "Inlocuiti fisierul cu o copie de siguranta a bazei de date (sau cereti administratorului sa o faca), apoi "
      "porniti din nou programul. Puteti alege acum dosarul altei baze de date a programului.");
  const struct {
    const char* name;
    std::function<QString(FixtureDatabase&, const QString& empty)> arrange;  // the folder to choose
    QString message;  // %1 the file
  } cases[] = {
      {"missing", [](FixtureDatabase&, const QString& empty) { return empty; },
       QStringLiteral("3024 Fisierul \"%1\" nu exista. Alegeti dosarul in care se afla baza de date a programului; "
                      "o baza de date noua o face administratorul, cu comanda velorast-createdb.")},
      {"another password",
       [](FixtureDatabase&, const QString& empty) {
         platform::Database::CreateDatabase(QDir(empty).filePath("evidenta2000.mdb"), "altceva");
         return empty;
       },
       QStringLiteral("3031 Fisierul \"%1\" nu poate fi deschis: nu este o baza de date a acestui program, este "
                      "deteriorat sau a fost creat cu alta parola. ") + restore},
      {"damaged",
       [](FixtureDatabase& fixture, const QString&) {
         fixture.DamageTable("Campuri");
         return fixture.Folder();
       },
       QStringLiteral("3343 Fisierul \"%1\" nu este o baza de date recunoscuta sau este deteriorat. ") + restore},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::SettingsFolder settings;
    platform::FolderDialogScript folders;
    platform::MessageBoxScript boxes;
    FixtureDatabase fixture;
    QTemporaryDir empty;
    const QString folder = c.arrange(fixture, empty.path());
    folders.Choose(folder);
    folders.Cancel();
    EXPECT_FALSE(RunMain());
    EXPECT_EQ(boxes.Prompts(), QStringList{c.message.arg(QDir(folder).filePath("evidenta2000.mdb"))});
    EXPECT_EQ(folders.Shown(), 2) << "the folder choice offered again";
  }
}

// Another desk that holds the file (a write of its own that it is committing) when the
// start opens it: the start waits for it from its first statement, the check of the
// password included, and goes on once the other desk is done.
TEST_F(StartupTest, AnotherDeskWritingWhenTheStartOpensTheFileIsWaitedFor) {
  FixtureDatabase fixture;
  platform::SaveSetting("Velorast", "CaleBD", "CaBD", fixture.Folder());
  auto otherDesk = fixture.Open();
  otherDesk->Execute("BEGIN EXCLUSIVE");
  otherDesk->Execute("INSERT INTO Persoane (Nume) VALUES ('DE LA ALT POST')");
  std::thread commit([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // well within the wait
    try {
      otherDesk->Execute("COMMIT");
    } catch (...) {
    }
  });
  const bool started = RunMain();
  commit.join();
  ASSERT_TRUE(started);
  EXPECT_TRUE(boxes.Shown().isEmpty()) << boxes.Prompts().join("\n").toStdString();
  EXPECT_EQ(folders.Shown(), 0);
  EXPECT_EQ(core::BazaDate->Scalar("SELECT count(*) FROM Persoane WHERE Nume = 'DE LA ALT POST'").toInt(), 1);
}

// Another desk that holds the file past the wait, at the opening or at a read of the
// start: the clerk is told so and asked whether to try again, never sent to choose
// another folder. Da tries the same file again (the other desk is done by then); Nu ends
// the program, storing nothing.
TEST_F(StartupTest, AnotherDeskHoldingTheFilePastTheWaitIsToldWithTheChoiceToTryAgain) {
  const struct {
    const char* name;
    bool atTheWindowsLoad;  // else at the opening
    bool folderStored;      // else chosen at this start
    int answer;
  } cases[] = {
      {"at the opening, Da", false, true, platform::vbYes},
      {"at the window's load, Da", true, true, platform::vbYes},
      {"at the opening of a chosen folder, Nu", false, false, platform::vbNo},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::SettingsFolder settings;
    platform::FolderDialogScript folders;
    platform::MessageBoxScript boxes;
    platform::Database::SetBusyTimeout(100);  // the wait, shortened for the test
    FixtureDatabase fixture;
    if (c.folderStored) platform::SaveSetting("Velorast", "CaleBD", "CaBD", fixture.Folder());
    else folders.Choose(fixture.Folder());
    auto otherDesk = fixture.Open();
    auto hold = [&] { otherDesk->Execute("BEGIN EXCLUSIVE"); };
    if (c.atTheWindowsLoad) {
      MDIVelorast::SetMainWindowFactory([&, held = false]() mutable -> QWidget* {
        if (!held) hold();  // after the fonts were read, before the window reads the persons
        held = true;
        return platform::Forms::Get<MainWindowStandIn>();
      });
    } else {
      hold();
    }
    // The other desk ends its write while the clerk reads the question.
    boxes.WhenShown([&](const platform::ShownMessage&) { otherDesk->Execute("COMMIT"); });
    boxes.Answer(c.answer);

    const bool started = RunMain();
    EXPECT_EQ(started, c.answer == platform::vbYes);
    ASSERT_EQ(boxes.Shown().size(), 1);
    EXPECT_EQ(boxes.Shown()[0].prompt,
              QStringLiteral("Baza de date \"%1\" este folosita chiar acum de alt post de lucru, iar programul nu "
                             "poate porni pana cand acesta nu termina. Incercati din nou? Alegeti Nu pentru a "
                             "inchide programul.")
                  .arg(fixture.Path()));
    EXPECT_EQ(boxes.Shown()[0].style, platform::vbYesNo | platform::vbQuestion);
    EXPECT_EQ(folders.Shown(), c.folderStored ? 0 : 1) << "never the folder choice for a busy file";
    EXPECT_EQ(StoredFolder(), started || c.folderStored ? fixture.Folder() : QString());
    EXPECT_EQ(platform::Forms::IsLoaded<MDIVelorast>(), started);
    EXPECT_EQ(platform::Forms::IsLoaded<MainWindowStandIn>(), started);
    TearDown();  // the next case starts afresh
    SetUp();
  }
}


// A file made before some indexes were added, on a disk that fills while the start makes
// them: the program starts with those that had room, tells the clerk once that the disk
// is full and the search slower, and loses nothing. Once room is made, the next start
// makes the rest and says nothing.
TEST_F(StartupTest, ADiskThatFillsWhileTheIndexesAreMadeIsToldOnceAndLosesNothing) {
  FixtureDatabase fixture(FixtureDatabase::Sample);
  fixture.Db().Execute(QStringLiteral(
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4000) "
      "INSERT INTO Persoane (Nume, Serie, nr, CNP) SELECT 'POPESCU ION ' || i, 'RX', i, "
      "'1' || substr('000000000000' || i, -12) FROM n"));
  auto db = fixture.Open();
  auto indexes = [](platform::Database& db) {
    return db.Scalar("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL").toInt();
  };
  auto size = [&] { return QFileInfo(fixture.Path()).size(); };
  const int persons = db->Scalar("SELECT count(*) FROM Persoane").toInt();
  const QString names = db->Scalar("SELECT group_concat(Nume || CNP, '|') FROM Persoane").toString();
  const int all = indexes(*db);
  db->Execute("VACUUM");
  const qint64 withIndexes = size();
  QStringList drops;
  {
    auto list = db->OpenRecordset("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL");
    for (; !list->EOF(); list->MoveNext()) drops << QStringLiteral("DROP INDEX \"%1\"").arg(list->Fields(0).Text());
  }
  db->Execute(drops.join(";"));
  db->Execute("VACUUM");
  const qint64 withoutIndexes = size();
  ASSERT_GT(withIndexes - withoutIndexes, 10 * 4096);
  db.reset();
  platform::SaveSetting("Velorast", "CaleBD", "CaBD", fixture.Folder());

  const QString told =
      QStringLiteral("Discul pe care se afla baza de date \"%1\" este plin, asa ca programul nu a putut pregati toate "
                     "cautarile rapide: cautarea persoanelor si a masinilor va fi mai lenta pana cand eliberati "
                     "spatiu pe disc. Datele nu sunt afectate; dupa ce faceti loc, cautarea redevine rapida la "
                     "urmatoarea pornire a programului.")
          .arg(fixture.Path());
  {
    testsupport::FullDisk disk((withIndexes - withoutIndexes) / 2);
    ASSERT_TRUE(RunMain());
    EXPECT_TRUE(disk.Filled());
    EXPECT_EQ(boxes.Prompts(), QStringList{told});
    ASSERT_EQ(boxes.Shown().size(), 1);
    EXPECT_EQ(boxes.Shown()[0].style, platform::vbExclamation);
    EXPECT_TRUE(platform::Forms::IsLoaded<MainWindowStandIn>());
    const int made = indexes(*core::BazaDate);
    EXPECT_GT(made, 0);
    EXPECT_LT(made, all);
    TearDown();  // every connection through the full disk closed
  }
  SetUp();
  auto after = fixture.Open();
  EXPECT_EQ(after->Scalar("PRAGMA integrity_check").toString(), "ok");
  EXPECT_EQ(after->Scalar("SELECT count(*) FROM Persoane").toInt(), persons);
  EXPECT_EQ(after->Scalar("SELECT group_concat(Nume || CNP, '|') FROM Persoane").toString(), names);
  after.reset();

  boxes.Clear();
  ASSERT_TRUE(RunMain());
  EXPECT_TRUE(boxes.Prompts().isEmpty()) << boxes.Prompts().join("|").toStdString();
  EXPECT_EQ(indexes(*core::BazaDate), all);
}

}  // namespace
