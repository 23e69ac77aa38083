#pragma once
// The LIKE of the data-access layer, with the wildcards the clerk knows:
//   *  any run of characters (the empty run included)
//   ?  exactly one character
//   #  one digit 0-9
//   [abc] [a-z] [!abc]  one character of (or not of) a set; "-" first or last is itself
// Letters compare without regard to case, Romanian letters with diacritics included.
// A wildcard character in brackets stands for itself ("[*]" is a star); "[" without
// its "]" makes the pattern invalid.

#include <QString>

struct sqlite3;

namespace platform::db_detail {

// The message with which an invalid pattern fails the statement that uses it.
inline constexpr const char kInvalidLikePatternMessage[] = "invalid LIKE pattern";

// Installs like(pattern, text) and like(pattern, text, escape) on the connection, in
// place of the engine's own; "x LIKE y" then follows the rules above.
void RegisterLike(sqlite3* db);

// Whether the pattern follows the rules above (every "[" closed) and is whole text
// (no half of a surrogate pair).
bool LikePatternValid(const QString& pattern);

// Whether text matches pattern by the rules above (for callers outside SQL); an
// invalid pattern matches nothing.
bool LikeMatches(const QString& text, const QString& pattern);

// The leading characters of a pattern that every match begins with exactly, byte for
// byte: characters that are no wildcard and have no other case (digits, punctuation).
QString LikeExactPrefix(const QString& pattern);

// Every character that LIKE takes for c, letter case aside, c among them: "ş" and "Ş",
// "k", "K" and the Kelvin sign. c is a character of the Basic Multilingual Plane.
QString FoldsAlike(QChar c);

}  // namespace platform::db_detail
