// A database that may be read but not written: the clerk is told in Romanian which of
// the file and its folder is read-only, also when a write that another desk left
// unfinished must be undone before the file can be read.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/AppState.h"
#include "platform/database/Database.h"
#include "support/FixtureDatabase.h"
#include "support/OtherUser.h"

using platform::Database;

namespace {

// Opens the database and adds a row where the file modes bind: what the write raised,
// as "number description", or "" when it wrote.
std::string WriteAsOtherUser(const QString& path) {
  return testsupport::InChildBoundByFileModes([&](const std::function<void()>&) {
    try {
      auto db = Database::OpenDatabase(path, false, false, QStringLiteral(";PWD=p"));
      db->Execute(QStringLiteral("INSERT INTO T (Nume) VALUES ('Ana')"));
    } catch (const platform::RuntimeError& e) {
      return QStringLiteral("%1 %2").arg(e.Number()).arg(e.Description()).toStdString();
    }
    return std::string();
  });
}

class ReadOnlyDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.filePath("evidenta2000.mdb");
    Database::CreateDatabase(path_, "p")->Execute("CREATE TABLE T (Id INTEGER PRIMARY KEY, Nume TEXT)");
  }
  void Modes(mode_t file, mode_t folder) {
    ASSERT_EQ(chmod(QFile::encodeName(path_).constData(), file), 0);
    ASSERT_EQ(chmod(QFile::encodeName(dir_.path()).constData(), folder), 0);
  }
  void TearDown() override { chmod(QFile::encodeName(dir_.path()).constData(), 0700); }
  QTemporaryDir dir_;
  QString path_;
};

TEST_F(ReadOnlyDatabase, AReadOnlyFileIsNamedInTheMessage) {
  Modes(0444, 0777);
  const std::string said = WriteAsOtherUser(path_);
  EXPECT_EQ(said, "3146 Baza de date nu poate fi modificata: fisierul \"" + path_.toStdString() +
                      "\" este doar pentru citire. Cereti administratorului dreptul de scriere in el.");
}

TEST_F(ReadOnlyDatabase, AReadOnlyFolderIsNamedInTheMessage) {
  Modes(0666, 0555);
  const std::string said = WriteAsOtherUser(path_);
  EXPECT_EQ(said.rfind("3146 Baza de date nu poate fi modificata: dosarul \"" + dir_.path().toStdString() +
                           "\" este doar pentru citire",
                       0),
            0u)
      << said;
  EXPECT_EQ(said.find("unable"), std::string::npos) << said;
}

TEST_F(ReadOnlyDatabase, AWritableFileAndFolderTakeTheRow) {
  Modes(0666, 0777);
  EXPECT_EQ(WriteAsOtherUser(path_), "");
}

// A desk stopped in the middle of a write leaves its journal, which the next reader must
// apply and remove: where the file or its folder is read-only, the read fails as a
// failure of the file, naming the journal and what the administrator can do; whether the
// journal was there before the file was opened or appeared while it was open.
TEST(LeftoverJournal, AReadThatCannotUndoItIsAFileErrorThatNamesIt) {
  const struct {
    const char* name;
    mode_t file, folder;
    bool opensFirst;  // opened before the other desk's write was left, read after it
    const char* ends;
  } cases[] = {
      {"read-only file", 0444, 0777, false,
       "dar fisierul bazei de date este doar pentru citire. Cereti administratorului dreptul de scriere in el."},
      {"read-only folder", 0666, 0555, false, "este doar pentru citire. Cereti administratorului dreptul de "
                                              "scriere in dosar."},
      {"read-only file, left while open", 0444, 0555, true,
       "dar fisierul bazei de date este doar pentru citire. Cereti administratorului dreptul de scriere in el."},
      {"read-only folder, left while open", 0666, 0555, true, "este doar pentru citire. Cereti administratorului "
                                                              "dreptul de scriere in dosar."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::FixtureDatabase fixture;
    const QString path = fixture.Path();
    auto modes = [&] {
      chmod(QFile::encodeName(path).constData(), c.file);
      chmod(QFile::encodeName(path + "-journal").constData(), 0666);
      chmod(QFile::encodeName(fixture.Folder()).constData(), c.folder);
    };
    if (!c.opensFirst) {
      fixture.LeaveUnfinishedWrite();
      modes();
    } else {
      chmod(QFile::encodeName(path).constData(), c.file);
      chmod(QFile::encodeName(fixture.Folder()).constData(), c.folder);
    }
    const std::string said = testsupport::InChildBoundByFileModes(
        [&](const std::function<void()>& pause) {
          try {
            const std::shared_ptr<Database> db = fixture.Open();
            if (c.opensFirst) pause();
            db->Scalar(QStringLiteral("SELECT count(*) FROM Campuri"));
            return std::string("read");
          } catch (const platform::DatabaseFileError& e) {
            return QStringLiteral("%1 %2").arg(e.Number()).arg(e.Description()).toStdString();
          } catch (const platform::RuntimeError& e) {
            return QStringLiteral("not a file error: %1 %2").arg(e.Number()).arg(e.Description()).toStdString();
          }
        },
        [&] {
          chmod(QFile::encodeName(fixture.Folder()).constData(), 0700);
          fixture.LeaveUnfinishedWrite();
          modes();
        });
    chmod(QFile::encodeName(fixture.Folder()).constData(), 0700);
    const std::string start = QStringLiteral("3146 Citirea din baza de date \"%1\" a esuat: o scriere neterminata (a "
                                             "unui post de lucru oprit in timpul ei) a lasat langa ea fisierul "
                                             "\"%1-journal\", din care programul trebuie sa refaca baza de date, ")
                                  .arg(path)
                                  .toStdString();
    EXPECT_EQ(said.rfind(start, 0), 0u) << said;
    EXPECT_TRUE(said.ends_with(c.ends)) << said;
  }
}

TEST(DatabaseFile, ANewFileIsReadableByItsOwnerOnly) {
  QTemporaryDir dir;
  const QString path = dir.filePath("evidenta2000.mdb");
  Database::CreateDatabase(path, "p")->Execute("CREATE TABLE T (Id INTEGER PRIMARY KEY)");
  EXPECT_EQ(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
}

}  // namespace
