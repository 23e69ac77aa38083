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

// An exponent counts only with a digit: without one its letter, and its sign, end the
// number and are no part of it, so the text is no whole number. A whole number is
// finite.
TEST(NumberReader, ExponentOrRadixReadsThemToo) {
  struct Case {
    const char* text;
    double value;
    qsizetype length;
    bool whole;  // ReadWholeNumber takes it
  } cases[] = {
      {"1E3", 1000, 3, true},    {"1d2", 100, 3, true},    {"2.5E-1", 0.25, 6, true}, {"3E", 3, 1, false},
      {"3E+", 3, 1, false},      {"3D", 3, 1, false},      {"3e-x", 3, 1, false},     {"1E400", HUGE_VAL, 5, false},
      {"-1D400", -HUGE_VAL, 6, false}, {"1E-400", 0, 6, true}, {"&H1F", 31, 4, true}, {"&hff", 255, 4, true},
      {"&O17", 15, 4, true},     {"&O19", 1, 3, false},    {"&H", 0, 0, false},       {"&", 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const QString text = QString::fromUtf8(c.text);
    const core::LeadingNumber number = core::ReadLeadingNumber(text, NumberSyntax::kExponentOrRadix);
    EXPECT_DOUBLE_EQ(number.value, c.value);
    EXPECT_EQ(number.length, c.length);
    EXPECT_EQ(number.found, c.length > 0);
    double whole = -1;
    EXPECT_EQ(core::ReadWholeNumber(text, whole), c.whole);
    EXPECT_EQ(core::ReadWholeNumber(QStringLiteral(" ") + text + QStringLiteral("\t"), whole), c.whole)
        << "blanks around it";
    if (c.whole) {
      EXPECT_DOUBLE_EQ(whole, c.value);
    }
  }
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
