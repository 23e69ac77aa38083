#pragma once
// The one reader of numbers stored as text: the settings' offsets, the font sizes and
// styles of the database and the focus colour all read their numbers through it.
//
// It takes the longest leading number of a text: an optional sign, digits, one decimal
// point, and an optional exponent with "E" or "D" (letter case aside); or "&H" / "&O"
// followed by hexadecimal / octal digits. The point is the decimal separator whatever
// the locale. Any number of digits is read: a value too large for a double is infinite,
// one too small is 0.

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

LeadingNumber ReadLeadingNumber(QStringView text);

// A text that must be a number and nothing else, with blanks around it allowed, as a
// finite value; false when it is not.
bool ReadWholeNumber(const QString& text, double& value);

}  // namespace core
