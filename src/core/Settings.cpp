#include "core/Settings.h"

#include <cmath>
#include <charconv>
#include <string>

#include "platform/SettingsStore.h"

namespace core::settings {
namespace {

bool IsDigit(char c, int base) {
  if (base == 16) return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
  if (base == 8) return c >= '0' && c <= '7';
  return c >= '0' && c <= '9';
}

// The whole number of the digits at the start of s in the base (0 when none).
double LeadingWhole(const std::string& s, size_t from, int base) {
  double value = 0;
  for (size_t i = from; i < s.size() && IsDigit(s[i], base); ++i)
    value = value * base + (s[i] <= '9' ? s[i] - '0' : s[i] - 'a' + 10);
  return value;
}

// The longest leading decimal number of s (lower case, no blanks), as text for strtod.
std::string LeadingDecimal(const std::string& s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const size_t mantissa = i;
  while (i < s.size() && IsDigit(s[i], 10)) ++i;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i], 10)) ++i;
  }
  // A sign or a point alone is no number.
  bool anyDigit = false;
  for (size_t k = mantissa; k < i; ++k) anyDigit |= IsDigit(s[k], 10);
  if (!anyDigit) return "0";
  std::string out = s.substr(0, i);
  if (i < s.size() && (s[i] == 'e' || s[i] == 'd')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const size_t digits = j;
    while (j < s.size() && IsDigit(s[j], 10)) ++j;
    if (j > digits) out += 'e' + s.substr(i + 1, j - i - 1);
  }
  return out;
}

// The decimal text as a number, with the point as separator whatever the locale. A
// value too large for a double is infinite; one too small is 0.
double ParseDecimal(const std::string& text) {
  double value = 0;
  const char* begin = text.data() + (text[0] == '+' ? 1 : 0);  // from_chars takes no "+"
  const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    const bool tiny = text.find("e-") != std::string::npos;
    if (tiny) return 0;
    return text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
  }
  return value;
}

void LoadOffset(const char* key, qint16& value) {
  value = NumberRule(platform::GetSetting(kApplication, kSection, QLatin1String(key))).Offset();
}

void LoadFlag(const char* key, bool& value) {
  value = FlagRule(platform::GetSetting(kApplication, kSection, QLatin1String(key)), value);
}

}  // namespace

RoundedNumber NumberRule(const QString& text) {
  std::string s;
  for (QChar c : text) {
    if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) continue;
    // Past the ASCII range nothing can be part of a number: stop there.
    if (c.unicode() > 0x7f) break;
    s += char(c.toLower().unicode());
  }
  double number;
  if (s.rfind("&h", 0) == 0) number = LeadingWhole(s, 2, 16);
  else if (s.rfind("&o", 0) == 0) number = LeadingWhole(s, 2, 8);
  else number = ParseDecimal(LeadingDecimal(s));

  RoundedNumber out;
  out.value = std::isfinite(number) ? std::nearbyint(number) : number;  // halves to even
  out.fits16 = std::isfinite(out.value) && out.value >= -32768 && out.value <= 32767;
  return out;
}

bool FlagRule(const QString& text, bool current) {
  if (text.isEmpty()) return current;
  return text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

void LoadSettings() {
  Acte = platform::GetSetting(kApplication, kSection, QStringLiteral("Acte"));
  Fisa = platform::GetSetting(kApplication, kSection, QStringLiteral("Fisa"));
  LoadOffset("Top", Top);
  LoadOffset("Left", Left);
  LoadOffset("TopV", TopV);
  LoadOffset("LeftV", LeftV);
  LoadOffset("TopCVRad", TopCVRad);
  LoadOffset("LeftCVRad", LeftCVRad);
  LoadOffset("TopPF", TopPF);
  LoadOffset("LeftPF", LeftPF);
  LoadOffset("TopPJF", TopPJF);
  LoadOffset("LeftPJF", LeftPJF);
  LoadOffset("TopPJV", TopPJV);
  LoadOffset("LeftPJV", LeftPJV);
  LoadOffset("TopFPF", TopFPF);
  LoadOffset("LeftFPF", LeftFPF);
  LoadOffset("TopFPV", TopFPV);
  LoadOffset("LeftFPV", LeftFPV);
  LoadFlag("ContractInGrid", ContractInGrid);
  LoadFlag("UsesBD", UsesBD);
  CuloareFocus = platform::GetSetting(kApplication, kSection, QStringLiteral("CuloareFocus"));
}

}  // namespace core::settings
