#include "core/FontSubstitutions.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

// The documents are measured in Times New Roman and Arial: their names must resolve to
// the faces of the same widths, whatever letter case the documents use.
TEST(FontSubstitutions, DocumentFontNamesResolveToMetricCompatibleFaces) {
  core::RegisterFontSubstitutions();
  struct Case { const char* name; const char* family; } cases[] = {
      {"Times New Roman", "Liberation Serif"}, {"times new roman", "Liberation Serif"},
      {"TimesRomanR", "Liberation Serif"},     {"Arial", "Liberation Sans"},
      {"MS Sans Serif", "Liberation Sans"},    {"Microsoft Sans Serif", "Liberation Sans"}};
  for (const Case& c : cases) {
    QFont font(QString::fromLatin1(c.name), 10);
    EXPECT_EQ(QFontInfo(font).family(), c.family) << c.name;
  }
}
