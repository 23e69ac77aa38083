// The shared settings as start-up loads them from the store.

#include <clocale>
#include <gtest/gtest.h>

#include "core/Settings.h"
#include "platform/SettingsStore.h"
#include "support/SettingsFolder.h"

namespace s = core::settings;

namespace {

TEST(Settings, NumberRuleAndFlagRule) {
  struct NumberCase { const char* text; double value; bool fits; } numbers[] = {
      {"", 0, true},         {"abc", 0, true},       {"-5", -5, true},     {"7mm", 7, true},
      {"1 5", 15, true},     {" 1\t2\n3 ", 123, true}, {"12.5", 12, true}, {"13.5", 14, true},
      {"-2.5", -2, true},    {"2.4999", 2, true},    {"0.5", 0, true},     {"1.5", 2, true},
      {"+8", 8, true},       {"--8", 0, true},       {"- 8", -8, true},    {".5", 0, true},
      {".51", 1, true},      {"5.", 5, true},        {"1.2.3", 1, true},   {"12,7", 12, true},
      {"1E2", 100, true},    {"1e2", 100, true},     {"1D2", 100, true},   {"2.5E-1", 0, true},
      {"3E", 3, true},       {"3E+", 3, true},       {"&H1F", 31, true},   {"&hff", 255, true},
      {"&HZ", 0, true},      {"&O17", 15, true},     {"&O19", 1, true},    {"&", 0, true},
      {"32767", 32767, true}, {"-32768", -32768, true}, {"32767.5", 32768, false},
      {"-32768.5", -32768, true}, {"40000", 40000, false}, {"-40000", -40000, false},
      {"&HFFFF", 65535, false}, {"1E400", HUGE_VAL, false}, {"1E-400", 0, true},
      {"5ă3", 5, true},
      // Any number of digits: far below the smallest double is 0, far above the largest
      // is huge, wherever the digits stand.
      {"0.DIGITS1", 0, true}, {"1ZEROSe-1", HUGE_VAL, false}, {"-1ZEROS", -HUGE_VAL, false},
      {"1e99999999999999999999", HUGE_VAL, false}, {"1e-99999999999999999999", 0, true},
  };
  // The decimal point stays the point whatever the process's locale says.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  for (const NumberCase& c : numbers) {
    QString text = QString::fromUtf8(c.text);
    text.replace(QLatin1String("DIGITS"), QString(400, QLatin1Char('0')));
    text.replace(QLatin1String("ZEROS"), QString(400, QLatin1Char('0')));
    const s::RoundedNumber n = s::NumberRule(text);
    EXPECT_EQ(n.value, c.value) << c.text;
    EXPECT_EQ(n.fits16, c.fits) << c.text;
    EXPECT_EQ(n.Offset(), c.fits ? qint16(c.value) : 0) << c.text;
  }
  std::setlocale(LC_NUMERIC, saved.c_str());

  struct FlagCase { const char* text; bool before; bool after; } flags[] = {
      {"True", false, true},  {"False", true, false}, {"true", false, true}, {"FALSE", true, false},
      {"", true, true},       {"", false, false},     {"Da", true, false},   {"1", true, false},
      {" True", false, false}, {"-1", true, false},
  };
  for (const FlagCase& c : flags)
    EXPECT_EQ(s::FlagRule(QString::fromUtf8(c.text), c.before), c.after) << c.text << " " << c.before;
}

void Reset() {
  s::Acte = s::Fisa = s::CuloareFocus = QStringLiteral("old");
  for (qint16* v : {&s::Top, &s::Left, &s::TopV, &s::LeftV, &s::TopCVRad, &s::LeftCVRad, &s::TopPF,
                    &s::LeftPF, &s::TopPJF, &s::LeftPJF, &s::TopPJV, &s::LeftPJV, &s::TopFPF,
                    &s::LeftFPF, &s::TopFPV, &s::LeftFPV})
    *v = 99;
  s::ContractInGrid = s::UsesBD = false;
}

TEST(Settings, FirstRunLoadsEmptyZeroAndFalse) {
  testsupport::SettingsFolder folder;
  Reset();
  s::LoadSettings();
  EXPECT_EQ(s::Acte, QString());
  EXPECT_EQ(s::Fisa, QString());
  EXPECT_EQ(s::CuloareFocus, QString());
  EXPECT_EQ(s::Top, 0);
  EXPECT_EQ(s::LeftFPV, 0);
  EXPECT_FALSE(s::ContractInGrid);
  EXPECT_FALSE(s::UsesBD);
}

TEST(Settings, EveryEntryLoadsIntoItsValue) {
  testsupport::SettingsFolder folder;
  Reset();
  const char* offsets[] = {"Top",   "Left",   "TopV",   "LeftV",   "TopCVRad", "LeftCVRad",
                           "TopPF", "LeftPF", "TopPJF", "LeftPJF", "TopPJV",   "LeftPJV",
                           "TopFPF", "LeftFPF", "TopFPV", "LeftFPV"};
  int n = 0;
  for (const char* key : offsets) platform::SaveSetting("Velorast", "Par", key, QString::number(n++ - 8));
  platform::SaveSetting("Velorast", "Par", "Acte", "Laser Birou");
  platform::SaveSetting("Velorast", "Par", "Fisa", "matricial");
  platform::SaveSetting("Velorast", "Par", "ContractInGrid", "True");
  platform::SaveSetting("Velorast", "Par", "UsesBD", "True");
  platform::SaveSetting("Velorast", "Par", "CuloareFocus", "255");
  s::LoadSettings();
  const qint16 values[] = {s::Top,   s::Left,   s::TopV,   s::LeftV,   s::TopCVRad, s::LeftCVRad,
                           s::TopPF, s::LeftPF, s::TopPJF, s::LeftPJF, s::TopPJV,   s::LeftPJV,
                           s::TopFPF, s::LeftFPF, s::TopFPV, s::LeftFPV};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(values[i], i - 8) << offsets[i];
  EXPECT_EQ(s::Acte, "Laser Birou");
  EXPECT_EQ(s::Fisa, "matricial");
  EXPECT_TRUE(s::ContractInGrid);
  EXPECT_TRUE(s::UsesBD);
  EXPECT_EQ(s::CuloareFocus, "255");

  // A text from outside the program that no value can hold.
  platform::SaveSetting("Velorast", "Par", "Top", "70000");
  platform::SaveSetting("Velorast", "Par", "UsesBD", "Da");
  s::LoadSettings();
  EXPECT_EQ(s::Top, 0);
  EXPECT_FALSE(s::UsesBD);
}

}  // namespace
