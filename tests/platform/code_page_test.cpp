#include "platform/CodePage.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(CodePage, EveryByteGoesToACharacterAndBack) {
  for (int cp : {1250, 1252}) {
    for (int b = 0; b < 256; ++b) {
      const QChar c = CodePageToUnicode(cp, static_cast<unsigned char>(b));
      EXPECT_EQ(UnicodeToCodePage(cp, c), std::optional<unsigned char>(b)) << cp << " " << b;
    }
  }
}

TEST(CodePage, RomanianLettersAndCharsets) {
  EXPECT_EQ(CodePageToUnicode(1250, 0xE3), QChar(0x0103));  // a with breve
  EXPECT_EQ(CodePageToUnicode(1250, 0xBA), QChar(0x015F));  // s with cedilla
  EXPECT_EQ(UnicodeToCodePage(1250, QChar(0x0219)), std::nullopt);  // s with comma below
  EXPECT_EQ(CodePageToUnicode(1252, 0xE3), QChar(0x00E3));
  EXPECT_EQ(CodePageOfCharset(238), 1250);
  EXPECT_EQ(CodePageOfCharset(0), 1252);
  EXPECT_EQ(CodePageOfCharset(204), 0);
}
