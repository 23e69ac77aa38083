// The document fonts from table Campuri; any fault ends the program with one message.

#include <QFontInfo>
#include <gtest/gtest.h>

#include "core/AppState.h"
#include "core/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "support/FixtureDatabase.h"

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
