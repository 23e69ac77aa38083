#pragma once
// The number a text begins with, read as the stored settings and the document forms read
// numbers the clerk typed: blanks, tabs and line feeds are dropped wherever they stand,
// then the longest leading number is taken and the rest ignored. A text that begins with
// no number gives 0. The point is the decimal separator whatever the locale. Nothing
// it reads makes it fail: a value too large for a double is infinite (with its sign),
// one too small is 0.

#include <QString>

namespace core {

// What a number may hold beyond a sign, digits and one decimal point.
enum class NumberSyntax {
  kPlainDecimal,     // nothing more: an exponent letter or "&H" ends the number
  kExponentOrRadix,  // also an exponent with "E" or "D"; or "&H" / "&O" and hexadecimal /
                     // octal digits instead of a decimal number
};

double LeadingNumber(const QString& text, NumberSyntax syntax);

}  // namespace core
