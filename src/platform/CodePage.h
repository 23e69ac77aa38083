#pragma once
// The 8-bit code pages of the texts the program reads and writes: Windows-1250, the
// code page of Romanian texts and so the program's own 8-bit code page, and
// Windows-1252. Every byte has a character and every character of the code page one
// byte, so a text of bytes 0..255 goes to characters and back unchanged.

#include <QChar>
#include <optional>

namespace platform {

// The program's 8-bit code page: a character counts as its code in this code page.
inline constexpr int kAnsiCodePage = 1250;

bool IsSupportedCodePage(int codePage);

// The character of a byte; an unsupported code page is read as Windows-1252.
QChar CodePageToUnicode(int codePage, unsigned char byte);

// The byte of a character, or nothing when the code page has no such character.
std::optional<unsigned char> UnicodeToCodePage(int codePage, QChar ch);

// The code page of a font character set number (238 gives 1250); 0 for a character
// set whose code page is not supported.
int CodePageOfCharset(int charset);

}  // namespace platform
