#include "core/NumberReader.h"

#include <cmath>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace core {
namespace {

int DigitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int v = -1;
  if (u >= '0' && u <= '9') v = u - '0';
  else if (u >= 'a' && u <= 'f') v = u - 'a' + 10;
  else if (u >= 'A' && u <= 'F') v = u - 'A' + 10;
  return v >= 0 && v < base ? v : -1;
}

bool IsDecimalDigit(QStringView text, qsizetype i) { return i < text.size() && DigitValue(text[i], 10) >= 0; }

bool Is(QStringView text, qsizetype i, char lower) {
  return i < text.size() && text[i].toLower() == QLatin1Char(lower);
}

// The C locale, so that the point is the decimal separator whatever the process's locale.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
  return c;
}

}  // namespace

LeadingNumber ReadLeadingNumber(QStringView text) {
  LeadingNumber out;
  // "&H" and "&O": a whole number in base 16 or 8.
  if (text.size() >= 2 && text[0] == QLatin1Char('&') && (Is(text, 1, 'h') || Is(text, 1, 'o'))) {
    const int base = Is(text, 1, 'h') ? 16 : 8;
    qsizetype i = 2;
    for (int d; i < text.size() && (d = DigitValue(text[i], base)) >= 0; ++i) out.value = out.value * base + d;
    out.found = i > 2;
    out.length = out.found ? i : 0;
    if (!out.found) out.value = 0;
    return out;
  }

  qsizetype i = 0;
  if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
  bool digits = false;
  while (IsDecimalDigit(text, i)) ++i, digits = true;
  if (i < text.size() && text[i] == QLatin1Char('.')) {
    ++i;
    while (IsDecimalDigit(text, i)) ++i, digits = true;
  }
  if (!digits) return out;  // a sign or a point alone is no number
  qsizetype end = i;
  // The exponent counts only with at least one digit.
  if (Is(text, i, 'e') || Is(text, i, 'd')) {
    qsizetype j = i + 1;
    if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) ++j;
    if (IsDecimalDigit(text, j)) {
      while (IsDecimalDigit(text, j)) ++j;
      end = j;
    }
  }
  std::string ascii = text.first(end).toLatin1().toStdString();
  for (char& c : ascii)
    if (c == 'd' || c == 'D') c = 'e';
  // strtod takes any number of digits and gives an infinite value past the largest
  // double and 0 (or a tiny one) below the smallest.
  out.value = strtod_l(ascii.c_str(), nullptr, CLocale());
  out.found = true;
  out.length = end;
  return out;
}

bool ReadWholeNumber(const QString& text, double& value) {
  const QString trimmed = text.trimmed();
  const LeadingNumber number = ReadLeadingNumber(trimmed);
  if (!number.IsWhole(trimmed) || !std::isfinite(number.value)) return false;
  value = number.value;
  return true;
}

}  // namespace core
