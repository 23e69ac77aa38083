// The settings store: entries by application, section and key, in an INI file under
// the user's config folder.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "support/SettingsFolder.h"

using platform::GetSetting;
using platform::SaveSetting;

namespace {

TEST(SettingsStore, AbsentEntriesReadAsTheEmptyText) {
  testsupport::SettingsFolder folder;
  EXPECT_EQ(GetSetting("Velorast", "CaleBD", "CaBD"), QString());
  SaveSetting("Velorast", "Par", "Top", "5");
  EXPECT_EQ(GetSetting("Velorast", "Par", "Left"), QString());
  EXPECT_EQ(GetSetting("Velorast", "Alta", "Top"), QString());
  EXPECT_EQ(GetSetting("Altceva", "Par", "Top"), QString());
  EXPECT_EQ(platform::SettingsFilePath("Velorast"), folder.Path() + "/Velorast.ini");
  EXPECT_TRUE(QFileInfo::exists(folder.Path() + "/Velorast.ini"));
}

// The file names the database folder: it is made readable by its owner only (owner,
// group and others bits), and stays
// so when entries are written again.
TEST(SettingsStore, TheFileIsReadableByItsOwnerOnly) {
  testsupport::SettingsFolder folder;
  const QString path = folder.Path() + "/Velorast.ini";
  SaveSetting("Velorast", "CaleBD", "CaBD", "/date");
  EXPECT_EQ(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
  SaveSetting("Velorast", "Par", "Top", "5");
  EXPECT_EQ(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
  EXPECT_EQ(GetSetting("Velorast", "CaleBD", "CaBD"), "/date");
}

// A file that others may use (made by an older version, or by hand) is closed to them at
// the next write, whichever of the group's and the others' bits it has, and keeps what
// it held.
TEST(SettingsStore, AnExistingFileReadableByOthersIsMadeOwnerOnlyAtTheNextWrite) {
  const auto mode = [](const QString& path) {
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    return st.st_mode & 07777;
  };
  // Without a read bit too: a group that may write the file could point the program at
  // another database.
  for (const mode_t before : {0664, 0604, 0640, 0660, 0644, 0620, 0602, 0610, 0601, 0677}) {
    SCOPED_TRACE("mode 0" + QString::number(before, 8).toStdString());
    testsupport::SettingsFolder folder;
    const QString path = folder.Path() + "/Velorast.ini";
    {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("[CaleBD]\nCaBD=/date\n");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), before), 0);
    EXPECT_EQ(GetSetting("Velorast", "CaleBD", "CaBD"), "/date");
    EXPECT_EQ(mode(path), before) << "a read changes nothing";
    SaveSetting("Velorast", "Par", "Top", "5");
    EXPECT_EQ(mode(path), 0600u);
    EXPECT_EQ(GetSetting("Velorast", "CaleBD", "CaBD"), "/date");
    EXPECT_EQ(GetSetting("Velorast", "Par", "Top"), "5");
  }
}

// Whatever text is saved reads back the same, however the INI format would take it.
TEST(SettingsStore, OddTextsMakeTheRoundTrip) {
  testsupport::SettingsFolder folder;
  const QString texts[] = {
      "HP LaserJet 4, etaj 2", "a,b,,c", "x=y", "say \"da\"", " leading and trailing ",
      "semi;colon #hash", "C:\\Date\\evidenta", "/home/ana/Baza de date", "ŞTEFĂNESCU și Țară",
      "", "-5", "True", "line\nbreak", "[CaleBD]"};
  int n = 0;
  for (const QString& text : texts) SaveSetting("Velorast", "Par", QStringLiteral("K%1").arg(n++), text);
  SaveSetting("Velorast", "Par", "K0", texts[0]);  // replacing keeps the value
  n = 0;
  for (const QString& text : texts)
    EXPECT_EQ(GetSetting("Velorast", "Par", QStringLiteral("K%1").arg(n++)), text) << text.toStdString();
}

// A file edited by hand, with a list-looking value and no quotes.
TEST(SettingsStore, HandWrittenValuesReadAsTheyShow) {
  testsupport::SettingsFolder folder;
  QFile file(folder.Path() + "/Velorast.ini");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[CaleBD]\nCaBD=/srv/date/velorast\n[Par]\nActe=Biroul 1, imprimanta laser\nTop=7mm\n");
  file.close();
  EXPECT_EQ(GetSetting("Velorast", "CaleBD", "CaBD"), "/srv/date/velorast");
  EXPECT_EQ(GetSetting("Velorast", "Par", "Acte"), "Biroul 1, imprimanta laser");
  EXPECT_EQ(GetSetting("Velorast", "Par", "Top"), "7mm");
}


// A file that cannot be written keeps nothing of the entry, and says so: the caller
// tells the clerk which file it is and what to do.
TEST(SettingsStore, AnEntryThatCannotBeWrittenIsReportedNamingTheFile) {
  struct Case {
    const char* what;
    std::function<void(const QString& folder)> arrange;  // makes <folder>/Velorast.ini unwritable
  };
  const Case cases[] = {
      // As a folder of that name, even its owner (and the administrator) cannot write it.
      {"a folder where the file should be", [](const QString& folder) { ASSERT_TRUE(QDir(folder).mkdir("Velorast.ini")); }},
      {"a config folder that cannot be made",
       [](const QString& folder) {
         QFile blocker(folder + "/sub");
         ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
         qputenv("XDG_CONFIG_HOME", (folder + "/sub/config").toLocal8Bit());
       }},
  };
  for (const Case& c : cases) {
    testsupport::SettingsFolder folder;
    c.arrange(folder.Path());
    EXPECT_FALSE(SaveSetting("Velorast", "Par", "Top", "5")) << c.what;
    EXPECT_EQ(GetSetting("Velorast", "Par", "Top"), QString()) << c.what;

    platform::MessageBoxScript boxes;
    platform::ReportSettingsNotSaved("Velorast");
    ASSERT_EQ(boxes.Prompts().size(), 1) << c.what;
    EXPECT_TRUE(boxes.Prompts()[0].contains("\"" + platform::SettingsFilePath("Velorast") + "\"")) << c.what;
    EXPECT_TRUE(boxes.Prompts()[0].contains("Cereti administratorului dreptul de scriere")) << c.what;
  }
  testsupport::SettingsFolder writable;
  EXPECT_TRUE(SaveSetting("Velorast", "Par", "Top", "5"));
}

}  // namespace
