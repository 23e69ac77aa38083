#pragma once
// The one reader of numbers stored or typed as text: the settings' offsets, the font
// sizes and styles of the database, the focus colour and the cylinder capacity of the
// tax declaration all read their numbers through it.
//
// It takes the longest leading number of a text: an optional sign, digits, one decimal
// point, and an optional exponent with "E" or "D" (letter case aside); or "&H" / "&O"
// followed by hexadecimal / octal digits. A plain decimal number has neither: there an
// exponent letter or a radix prefix ends the number. The point is the decimal separator
// whatever the locale. Any number of digits is read: a value too large for a double is
// infinite, one too small is 0; nothing it reads makes it fail.

#include <QString>
#include <QStringView>

namespace core {

struct LeadingNumber {
  double value = 0;        // 0 when no number leads the text
  bool found = false;      // whether a number leads the text
  qsizetype length = 0;    // how many characters the number takes

  // Whether the number is the whole of `text` (the text it was read from).
  bool IsWhole(QStringView text) const { return found && length == text.size(); }
};

// What a number may hold beyond a sign, digits and one decimal point.
enum class NumberSyntax {
  kExponentOrRadix,  // an exponent with "E" or "D"; or "&H" / "&O" and its digits
  kPlainDecimal,     // nothing more
};

LeadingNumber ReadLeadingNumber(QStringView text, NumberSyntax syntax = NumberSyntax::kExponentOrRadix);

// The text without its blanks, tabs and line feeds, wherever they stand: "1 998" reads
// as 1998 once they are dropped.
QString WithoutBlanks(const QString& text);

// A text that must be a number and nothing else, with blanks around it allowed, as a
// finite value; false when it is not.
bool ReadWholeNumber(const QString& text, double& value);

}  // namespace core
