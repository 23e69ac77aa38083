// The document fonts from table Campuri; any fault of the rows ends the program with one
// message, and a file that cannot be read is told as such.

#include <QFile>
#include <QFontInfo>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/AppState.h"
#include "core/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "support/FixtureDatabase.h"
#include "support/OtherUser.h"

namespace {

const QString kMessage = QStringLiteral("Setarile fonturilor din BD sunt gresite. Va rog sa corectati!");

struct Outcome {
  bool ended = false;
  QStringList prompts;
};

// Runs LoadFonts over the fixture after the statements, with the message scripted.
Outcome LoadAfter(const QString& sql) {
  testsupport::FixtureDatabase fixture;
  if (!sql.isEmpty()) fixture.Db().Execute(sql);
  core::BazaDate = fixture.Open();
  platform::MessageBoxScript script;
  Outcome out;
  try {
    core::fonts::LoadFonts();
  } catch (const platform::ProgramEnded&) {
    out.ended = true;
  }
  out.prompts = script.Prompts();
  core::BazaDate.reset();
  return out;
}

TEST(Fonts, FiveRowsAKeyLoadTheFourFonts) {
  core::fonts::FontDrav = core::fonts::FontFisa = QFont();
  const Outcome out = LoadAfter({});
  ASSERT_FALSE(out.ended);
  EXPECT_TRUE(out.prompts.isEmpty());
  const QFont& drav = core::fonts::FontDrav;
  EXPECT_EQ(drav.family(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(drav.pointSizeF(), 10);
  EXPECT_FALSE(drav.bold());
  const QFont& fisa = core::fonts::FontFisa;
  EXPECT_EQ(fisa.family(), QStringLiteral("Arial"));
  EXPECT_EQ(fisa.pointSizeF(), 9);
  EXPECT_TRUE(fisa.bold());
  EXPECT_FALSE(fisa.italic());
  EXPECT_EQ(core::fonts::FontRaport.pointSizeF(), 12);
  EXPECT_EQ(core::fonts::DefFont.family(), QStringLiteral("Arial"));
}

// Rows are taken in the table's order: a sixth row is ignored, and rows in another
// order load into other properties when their values convert.
TEST(Fonts, RowsCountInTheTablesOrder) {
  const Outcome six = LoadAfter(QStringLiteral(
      "INSERT INTO Campuri (Nume, Valoare) VALUES ('FontDrav', 'Courier New')"));
  EXPECT_FALSE(six.ended);
  EXPECT_EQ(core::fonts::FontDrav.family(), QStringLiteral("Times New Roman"));

  const Outcome swapped = LoadAfter(QStringLiteral(
      "UPDATE Campuri SET Valoare = CASE Valoare WHEN 'Arial' THEN 'Verdana' WHEN '9' THEN '7.5' "
      "WHEN 'True' THEN '0' ELSE '-1' END WHERE Nume = 'FontFisa'"));
  EXPECT_FALSE(swapped.ended);
  EXPECT_EQ(core::fonts::FontFisa.family(), QStringLiteral("Verdana"));
  EXPECT_EQ(core::fonts::FontFisa.pointSizeF(), 7.5);
  EXPECT_FALSE(core::fonts::FontFisa.bold());
  EXPECT_TRUE(core::fonts::FontFisa.italic());
  EXPECT_TRUE(core::fonts::FontFisa.underline());
}

TEST(Fonts, MissingOrBadRowsEndTheProgramWithTheMessage) {
  const char* cases[] = {
      // four rows of a key
      "DELETE FROM Campuri WHERE IdCamp = (SELECT max(IdCamp) FROM Campuri WHERE Nume = 'FontFisa')",
      // no row of a key nothing else uses
      "DELETE FROM Campuri WHERE Nume = 'DefFont'",
      "DELETE FROM Campuri WHERE Nume = 'FontRaport'",
      // a name where the size belongs
      "UPDATE Campuri SET Valoare = 'Times New Roman' WHERE Nume = 'FontDrav' AND Valoare = '10'",
      "UPDATE Campuri SET Valoare = NULL WHERE Nume = 'FontDrav' AND Valoare = '10'",
      "UPDATE Campuri SET Valoare = 'poate' WHERE IdCamp = 3",
      "UPDATE Campuri SET Valoare = '0' WHERE Nume = 'FontFisa' AND Valoare = '9'",
      // a size beyond every double, and one whose exponent has no digit
      "UPDATE Campuri SET Valoare = '1E400' WHERE Nume = 'FontDrav' AND Valoare = '10'",
      "UPDATE Campuri SET Valoare = '10E' WHERE Nume = 'FontDrav' AND Valoare = '10'",
      "UPDATE Campuri SET Valoare = '' WHERE Valoare = 'Arial'",
      "DROP TABLE Campuri",
      "ALTER TABLE Campuri RENAME TO Altele",
  };
  for (const char* sql : cases) {
    const Outcome out = LoadAfter(QString::fromLatin1(sql));
    EXPECT_TRUE(out.ended) << sql;
    EXPECT_EQ(out.prompts, QStringList{kMessage}) << sql;
  }
}

// A file error met while the font rows are read says nothing of the rows: it is passed
// on as the file error it is, for the start-up to tell. Here another desk stopped in the
// middle of a write while this one had the file open, and the file may not be written
// to undo it.
TEST(Fonts, AFileErrorWhileReadingTheRowsIsPassedOnAsIt) {
  testsupport::FixtureDatabase fixture;
  const QString path = fixture.Path();
  chmod(QFile::encodeName(path).constData(), 0444);
  chmod(QFile::encodeName(fixture.Folder()).constData(), 0755);
  const std::string said = testsupport::InChildBoundByFileModes(
      [&](const std::function<void()>& pause) {
        core::BazaDate = fixture.Open();
        pause();
        platform::MessageBoxScript script;
        std::string out;
        try {
          core::fonts::LoadFonts();
          out = "loaded";
        } catch (const platform::ProgramEnded&) {
          out = "ended";
        } catch (const platform::DatabaseFileError& e) {
          out = QStringLiteral("%1 %2").arg(e.Number()).arg(e.Description()).toStdString();
        }
        for (const QString& prompt : script.Prompts()) out += " / box: " + prompt.toStdString();
        return out;
      },
      [&] {
        fixture.LeaveUnfinishedWrite();
        chmod(QFile::encodeName(path).constData(), 0444);
        chmod(QFile::encodeName(path + "-journal").constData(), 0644);
      });
  EXPECT_EQ(said.rfind(QStringLiteral("3146 Citirea din baza de date \"%1\" a esuat: o scriere neterminata").arg(path)
                           .toStdString(),
                       0),
            0u)
      << said;
  EXPECT_EQ(said.find("box:"), std::string::npos) << said;
}

}  // namespace

TEST(Fonts, AFontNotYetFilledIsCreatedOnFirstUseAsThePlatformDefault) {
  QFont unfilled;  // as a font value stands before LoadFonts
  const QFont& used = core::fonts::CreatedOnFirstUse(unfilled);
  EXPECT_GT(used.pointSizeF(), 0);
  EXPECT_FALSE(used.family().isEmpty());
  EXPECT_EQ(&used, &unfilled);  // created in place, for every later reader

  QFont loaded(QStringLiteral("Arial"));
  loaded.setPointSizeF(9);
  loaded.setItalic(true);
  EXPECT_EQ(core::fonts::CreatedOnFirstUse(loaded), loaded);  // a filled font is left as it is
}
