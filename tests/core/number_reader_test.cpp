// The number reader: the leading number of a text, in both of its syntaxes, read as the
// settings and the tax declaration read it (blanks dropped first).

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "core/NumberReader.h"

namespace {

using core::NumberSyntax;

double LeadingNumber(const QString& text, NumberSyntax syntax) {
  return core::ReadLeadingNumber(core::WithoutBlanks(text), syntax).value;
}

TEST(NumberReader, PlainDecimalStopsAtWhatCannotContinueIt) {
  struct Case { const char* text; double value; } cases[] = {
      {"", 0},           {"cm3", 0},       {"1390", 1390},     {"1600.5", 1600.5},
      {"1 998 cm3", 1998}, {" \t1\n6 0 0", 1600}, {"2.000", 2},  {"2,000", 2},
      {"-5", -5},        {"+7", 7},        {"- 8", -8},        {"--8", 0},
      {".5", 0.5},       {"5.", 5},        {".", 0},           {"1.2.3", 1.2},
      {"1E3", 1},        {"1e3", 1},       {"2D1", 2},         {"&H1F", 0},
      {"0x1F", 0},       {"12ă3", 12},     {"1390cm3", 1390},  {"0001600", 1600},
  };
  // The decimal point stays the point whatever the process's locale says.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf8(c.text), NumberSyntax::kPlainDecimal), c.value) << c.text;
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberReader, ExponentOrRadixReadsThemToo) {
  struct Case { const char* text; double value; } cases[] = {
      {"1E3", 1000}, {"1d2", 100},  {"2.5E-1", 0.25}, {"3E", 3},   {"3E+", 3},
      {"&H1F", 31},  {"&hff", 255}, {"&O17", 15},     {"&O19", 1}, {"&", 0},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf8(c.text), NumberSyntax::kExponentOrRadix), c.value) << c.text;
}

// Texts far beyond a double's range give a value on the right side of every bound the
// forms compare with, and nothing overflows or throws.
TEST(NumberReader, HugeAndTinyTextsSaturate) {
  const QString thousandDigits = QString(1000, QLatin1Char('9'));
  for (NumberSyntax syntax : {NumberSyntax::kPlainDecimal, NumberSyntax::kExponentOrRadix}) {
    EXPECT_GT(LeadingNumber(thousandDigits, syntax), 10000);
    EXPECT_LT(LeadingNumber(QLatin1Char('-') + thousandDigits, syntax), 0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("0.") + QString(1000, QLatin1Char('0')) + QLatin1Char('1'), syntax), 0);
    EXPECT_EQ(LeadingNumber(QString(1000, QLatin1Char('0')) + QStringLiteral("1600"), syntax), 1600);
  }
  EXPECT_EQ(LeadingNumber(QStringLiteral("1E400"), NumberSyntax::kExponentOrRadix), HUGE_VAL);
  EXPECT_EQ(LeadingNumber(QStringLiteral("1E-400"), NumberSyntax::kExponentOrRadix), 0);
  EXPECT_EQ(LeadingNumber(QStringLiteral("1E99999999999999999999"), NumberSyntax::kExponentOrRadix), HUGE_VAL);
  EXPECT_EQ(LeadingNumber(QString(400, QLatin1Char('1')) + QStringLiteral("E-5"), NumberSyntax::kExponentOrRadix),
            HUGE_VAL);
}

}  // namespace
