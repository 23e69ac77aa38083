#include "core/LeadingNumber.h"

#include <charconv>
#include <cmath>
#include <string>

namespace core {
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

// A decimal number cut into its parts: sign, whole digits, fraction digits, exponent.
struct Decimal {
  bool negative = false;
  std::string whole, fraction;
  long exponent = 0;  // saturated far beyond any double's range
};

// The longest leading decimal number of s (lower case, no blanks); false when s begins
// with none (a sign or a point alone is no number).
bool ScanDecimal(const std::string& s, NumberSyntax syntax, Decimal& d) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) d.negative = s[i++] == '-';
  while (i < s.size() && IsDigit(s[i], 10)) d.whole += s[i++];
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i], 10)) d.fraction += s[i++];
  }
  if (d.whole.empty() && d.fraction.empty()) return false;
  if (syntax == NumberSyntax::kExponentOrRadix && i < s.size() && (s[i] == 'e' || s[i] == 'd')) {
    size_t j = i + 1;
    bool minus = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) minus = s[j++] == '-';
    for (; j < s.size() && IsDigit(s[j], 10); ++j)
      if (d.exponent < 100000) d.exponent = d.exponent * 10 + (s[j] - '0');
    if (minus) d.exponent = -d.exponent;
  }
  return true;
}

// The decimal as a double. Out of a double's range: infinite when its first significant
// digit stands left of the point, 0 when it stands right of it.
double ToDouble(const Decimal& d) {
  std::string text = (d.whole.empty() ? std::string("0") : d.whole) + '.' + d.fraction + 'e' +
                     std::to_string(d.exponent);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    const size_t firstWhole = d.whole.find_first_not_of('0');
    long magnitude;  // the power of ten of the first significant digit, plus one
    if (firstWhole != std::string::npos) {
      magnitude = long(d.whole.size() - firstWhole);
    } else {
      const size_t firstFraction = d.fraction.find_first_not_of('0');
      magnitude = -long(firstFraction == std::string::npos ? 0 : firstFraction);
    }
    value = magnitude + d.exponent > 0 ? HUGE_VAL : 0.0;
  }
  return d.negative ? -value : value;
}

}  // namespace

double LeadingNumber(const QString& text, NumberSyntax syntax) {
  std::string s;
  for (QChar c : text) {
    if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) continue;
    // Past the ASCII range nothing can be part of a number: stop there.
    if (c.unicode() > 0x7f) break;
    s += char(c.toLower().unicode());
  }
  if (syntax == NumberSyntax::kExponentOrRadix) {
    if (s.rfind("&h", 0) == 0) return LeadingWhole(s, 2, 16);
    if (s.rfind("&o", 0) == 0) return LeadingWhole(s, 2, 8);
  }
  Decimal d;
  return ScanDecimal(s, syntax, d) ? ToDouble(d) : 0.0;
}

}  // namespace core
