#pragma once
// Small text helpers shared by the main window and the document forms. Positions and
// lengths count characters; none of them looks at what the characters are.

#include <QString>

namespace core {

// The birth date in a CNP: characters 6-7, 4-5 and 2-3 joined by points (day.month.
// two-digit year). A piece past the end of the text is shorter or empty.
QString DateFromCnp(const QString& cnp);

// Cuts text at its last blank within its first 20 characters: first gets what stands
// before that blank, rest what follows it. Without such a blank first and rest keep
// what they held. Then, when text is not empty and first is, first gets the whole text.
void SplitAtBlank20(const QString& text, QString& first, QString& rest);

// What follows the first "/" of text; the whole text when it has none.
QString TextAfterSlash(const QString& text);

}  // namespace core
