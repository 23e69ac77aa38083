// The case file of the review tool: what a file's lines become, the lines that are
// errors (each named with its line, no box taken), and the long-values case of the tests
// typed whole into the main window, every box it does not name left empty.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "main_window/ListariFixture.h"
#include "snapshot/CaseFile.h"

using snapshot::CaseFile;
using snapshot::ParseCase;
using Boxes = QList<std::pair<QString, QString>>;

namespace {

const QString kLongValuesCase = QStringLiteral(VELORAST_SOURCE_DIR "/tests/support/long-values.case");

}  // namespace

TEST(CaseFile, EachLineNamesABox) {
  struct Case {
    const char* what;
    QByteArray text;
    Boxes boxes;
  } cases[] = {
      {"a name and its value", "CumparatorNume=POPESCU ION\n", {{"CumparatorNume", "POPESCU ION"}}},
      {"\\n in a value is a line break",
       "Specificatii=Carlig de remorcare\\nInstalatie GPL\n",
       {{"Specificatii", "Carlig de remorcare\r\nInstalatie GPL"}}},
      {"comments and empty lines are left out",
       "# the buyer\n\n   # indented\nCumparatorNume=A\n   \n#VanzatorNume=B\n",
       {{"CumparatorNume", "A"}}},
      {"an empty value names an empty box", "VanzatorNume=\n", {{"VanzatorNume", ""}}},
      {"the value is all after the first =, blanks kept",
       "Tipul= LOGAN = LS0DAA  \n", {{"Tipul", " LOGAN = LS0DAA  "}}},
      {"blanks around the name, CR LF line ends, no last line end",
       " Marca =DACIA\r\nCumparatorJudet=CARAȘ-SEVERIN",
       {{"Marca", "DACIA"}, {"CumparatorJudet", QStringLiteral("CARAȘ-SEVERIN")}}},
      {"an empty file names no box", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CaseFile read = ParseCase(c.text);
    EXPECT_TRUE(read.Read()) << read.error.toStdString();
    EXPECT_EQ(read.boxes, c.boxes);
  }
}

TEST(CaseFile, ABadLineIsAnErrorNamingItAndGivesNoBox) {
  struct Case {
    const char* what;
    QByteArray text;
    const char* error;
  } cases[] = {
      {"a name no case box has", "CumparatorNume=A\nCumparatorPrenume=ION\n",
       "line 2: no case box is named \"CumparatorPrenume\""},
      {"names compare exactly", "cumparatornume=A\n", "line 1: no case box is named \"cumparatornume\""},
      {"no =", "# buyer\nCumparatorNume POPESCU\n", "line 2: not Name=value: \"CumparatorNume POPESCU\""},
      {"a name given twice", "Marca=A\nTipul=B\nMarca=C\n", "line 3: Marca is named again (first on line 1)"},
      {"longer than the box takes", "CumparatorCNP=18503314600123\n",
       "line 1: CumparatorCNP takes at most 13 characters, \"18503314600123\" has 14"},
      {"not UTF-8", "Marca=DACIA\nCumparatorJudet=CARA\xaa-SEVERIN\n", "line 2: not UTF-8 text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CaseFile read = ParseCase(c.text);
    EXPECT_FALSE(read.Read());
    EXPECT_EQ(read.error, QString::fromUtf8(c.error));
    EXPECT_TRUE(read.boxes.isEmpty());
  }
}

TEST(CaseFile, AFileThatCannotBeReadIsAnErrorNamingIt) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("nu-exista.case"));
  const CaseFile read = snapshot::ReadCaseFile(missing);
  EXPECT_FALSE(read.Read());
  EXPECT_TRUE(read.error.startsWith(missing + QStringLiteral(": "))) << read.error.toStdString();

  QFile bad(dir.filePath(QStringLiteral("rau.case")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("Marca=DACIA\nMarcaVehicul=DACIA\n");
  bad.close();
  EXPECT_EQ(snapshot::ReadCaseFile(bad.fileName()).error,
            bad.fileName() + QStringLiteral(": line 2: no case box is named \"MarcaVehicul\""));
}

// The long-values case of the tests reads, and every value it holds reaches its box
// whole (no box takes fewer characters); the boxes it does not name stay empty.
TEST_F(ListariPane, TheLongValuesCaseFillsTheMainWindowWhole) {
  const CaseFile read = snapshot::ReadCaseFile(kLongValuesCase);
  ASSERT_TRUE(read.Read()) << read.error.toStdString();
  ASSERT_GT(read.boxes.size(), 60);
  snapshot::FillBoxes(*w, read.boxes);
  qsizetype longest = 0;
  for (int array = 0; array < 3; ++array) {
    const int count = array == 0 ? core::kCampCount : array == 1 ? core::kVersoCount : 1;
    for (int i = 0; i < count; ++i) {
      const core::BoxRef box{static_cast<core::BoxArray>(array), i};
      const QString shown = box.array == core::BoxArray::txtCamp     ? w->txtCamp[i]->text()
                            : box.array == core::BoxArray::txtVerso ? w->txtVerso[i]->text()
                                                                     : w->txtSpecificatii->Text();
      const QString name = core::FieldName(box);
      const auto named = std::find_if(read.boxes.begin(), read.boxes.end(),
                                      [&](const std::pair<QString, QString>& b) { return b.first == name; });
      EXPECT_EQ(shown, named == read.boxes.end() ? QString() : named->second) << name.toStdString();
      if (box.array != core::BoxArray::txtSpecificatii) longest = std::max(longest, shown.size());
    }
  }
  EXPECT_EQ(longest, 60);  // names and firm names as long as offices type them
  EXPECT_TRUE(w->txtSpecificatii->Text().contains(QStringLiteral("\r\n")));
}
