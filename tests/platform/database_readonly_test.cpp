// A database that may be read but not written: the clerk is told in Romanian which of
// the file and its folder is read-only.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/database/Database.h"

using platform::Database;

namespace {

// Opens the database and adds a row in a child process that has no right to write
// where the modes forbid it: as the user nobody when the test runs as root, who may
// write anywhere. What the write raised, as "number description", or "" when it wrote.
std::string WriteAsOtherUser(const QString& path) {
  int channel[2];
  if (pipe(channel) != 0) return "no pipe";
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    std::string said;
    if (getuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) said = "no user";
    else {
      try {
        auto db = Database::OpenDatabase(path, false, false, QStringLiteral(";PWD=p"));
        db->Execute(QStringLiteral("INSERT INTO T (Nume) VALUES ('Ana')"));
      } catch (const platform::RuntimeError& e) {
        said = QStringLiteral("%1 %2").arg(e.Number()).arg(e.Description()).toStdString();
      }
    }
    if (write(channel[1], said.data(), said.size()) < 0) _exit(1);
    _exit(0);
  }
  close(channel[1]);
  std::string said;
  char buffer[512];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) said.append(buffer, size_t(n));
  close(channel[0]);
  waitpid(child, nullptr, 0);
  return said;
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

TEST(DatabaseFile, ANewFileIsReadableByItsOwnerOnly) {
  QTemporaryDir dir;
  const QString path = dir.filePath("evidenta2000.mdb");
  Database::CreateDatabase(path, "p")->Execute("CREATE TABLE T (Id INTEGER PRIMARY KEY)");
  EXPECT_EQ(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
}

}  // namespace
