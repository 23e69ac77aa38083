// The text helpers, as tables of cases.

#include <gtest/gtest.h>

#include "core/Modul.h"

namespace {

TEST(Modul, DateFromCnp) {
  struct Case { const char* cnp; const char* date; } cases[] = {
      {"1850331123456", "31.03.85"},  // born on 31 March 1985
      {"2991224", "24.12.99"},
      {"185033", "3.03.85"},          // six characters: a one-character day
      {"18503", ".03.85"},            // five: an empty day
      {"185", "..85"},
      {"12", "..2"},
      {"1", ".."},
      {"", ".."},
      {"1AB CD ", "D . C.AB"},        // letters and blanks are copied like digits
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::DateFromCnp(QString::fromUtf8(c.cnp)), QString::fromUtf8(c.date)) << c.cnp;
}

TEST(Modul, SplitAtBlank20) {
  const QString thirty = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWX YZ1234");  // blank at 25
  const QString blank20 = QStringLiteral("ABCDEFGHIJKLMNOPQRS TUVWXYZ");     // blank at 20
  struct Case { QString text, firstIn, restIn, first, rest; } cases[] = {
      {"AUTOTURISM", "", "", "AUTOTURISM", ""},
      {"AUTOTURISM M1", "", "", "AUTOTURISM", "M1"},
      {"AB  CD", "", "", "AB ", "CD"},
      {"AUTOVEHICUL PENTRU TRANSPORT", "", "", "AUTOVEHICUL PENTRU", "TRANSPORT"},
      {blank20, "", "", blank20.left(19), blank20.mid(20)},
      {thirty, "", "", thirty, ""},
      {" AUTOTURISM", "", "", " AUTOTURISM", "AUTOTURISM"},
      {"", "", "", "", ""},
      {"", "x", "y", "x", "y"},                   // the empty text changes nothing
      {"AUTOTURISM", "keep", "this", "keep", "this"},  // no blank: both keep what they held
      {"A B", "old", "old", "A", "B"},
  };
  for (const Case& c : cases) {
    QString first = c.firstIn, rest = c.restIn;
    core::SplitAtBlank20(c.text, first, rest);
    EXPECT_EQ(first, c.first) << c.text.toStdString();
    EXPECT_EQ(rest, c.rest) << c.text.toStdString();
  }
}

TEST(Modul, TextAfterSlash) {
  struct Case { const char* text; const char* after; } cases[] = {
      {"12.03.2008/B-12-ABC", "B-12-ABC"},
      {"12.03.2008/", ""},
      {"fara numar", "fara numar"},
      {"a/b/c", "b/c"},
      {"/x", "x"},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::TextAfterSlash(QString::fromUtf8(c.text)), QString::fromUtf8(c.after)) << c.text;
}

}  // namespace
