#include "core/Cipher.h"

#include <QList>
#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "platform/RandomGenerator.h"

using core::Cipher;

namespace {

QString FromCodes(std::initializer_list<int> codes) {
  QString s;
  for (int c : codes) s.append(platform::CodePageToUnicode(platform::kAnsiCodePage, static_cast<unsigned char>(c)));
  return s;
}

QList<int> Codes(const QString& s) {
  QList<int> codes;
  for (QChar c : s) codes << *platform::UnicodeToCodePage(platform::kAnsiCodePage, c);
  return codes;
}

QString AllCodes() {
  QString s;
  for (int b = 0; b < 256; ++b) s.append(platform::CodePageToUnicode(platform::kAnsiCodePage, static_cast<unsigned char>(b)));
  return s;
}

QString Apply(const QString& text, void (Cipher::*step)()) {
  Cipher c;
  c.Text(text);
  (c.*step)();
  return c.Text();
}

}  // namespace

TEST(Cipher, StretchOfAbc) {
  EXPECT_EQ(Codes(Apply("abc", &Cipher::Stretch)), QList<int>({92, 93, 94, 80}));
  EXPECT_EQ(Apply(FromCodes({92, 93, 94, 80}), &Cipher::Shrink), "abc");
}

TEST(Cipher, LengthsOfStretchAndShrink) {
  struct Case { int length; int stretched; int shrunk; } cases[] = {
      {0, 0, 0}, {1, 2, 0}, {2, 3, 1}, {3, 4, 2}, {4, 6, 3}, {5, 7, 3}, {6, 8, 4}, {7, 10, 5},
  };
  for (const Case& c : cases) {
    const QString text = QString("x").repeated(c.length);
    EXPECT_EQ(Apply(text, &Cipher::Stretch).size(), c.stretched) << c.length;
    EXPECT_EQ(Apply(QString("k").repeated(c.length), &Cipher::Shrink).size(), c.shrunk) << c.length;
  }
}

TEST(Cipher, ShrinkLeavesTextsStretchCannotMake) {
  EXPECT_EQ(Apply("ab:d", &Cipher::Shrink), "ab:d");  // ":" is below ";"
}

TEST(Cipher, EveryCodeComesBack) {
  const QString all = AllCodes();
  for (int start = 0; start < 3; ++start) {  // each code in each place of a group
    const QString text = all.mid(start);
    const QString stretched = Apply(text, &Cipher::Stretch);
    for (QChar c : stretched) EXPECT_TRUE(c >= ';' && c <= 'z') << int(c.unicode());
    EXPECT_EQ(Apply(stretched, &Cipher::Shrink), text);
  }
}

TEST(Cipher, DoXorTwiceUnderOneKeyGivesTheTextBack) {
  const QString text = AllCodes();
  Cipher c;
  c.KeyString(core::kSystemKey);
  c.Text(text);
  c.DoXor();
  const QString once = c.Text();
  EXPECT_NE(once, text);
  EXPECT_EQ(once.size(), text.size());
  c.KeyString(core::kSystemKey);
  c.DoXor();
  EXPECT_EQ(c.Text(), text);

  Cipher other;  // another key gives another stream
  other.KeyString("alta cheie");
  other.Text(text);
  other.DoXor();
  EXPECT_NE(other.Text(), once);
}

TEST(Cipher, StreamDependsOnTheKeyAloneAndIsStable) {
  // A generator used before the seeding does not change what the key gives.
  Cipher fresh, used;
  used.Text("x");
  used.KeyString("k1");
  used.DoXor();
  for (Cipher* c : {&fresh, &used}) {
    c->KeyString("parola");
    c->Text("abcdef");
    c->DoXor();
  }
  EXPECT_EQ(fresh.Text(), used.Text());
  EXPECT_EQ(core::DecodeUserText(core::EncodeUserText("Ionescu Ana")), "Ionescu Ana");
  EXPECT_EQ(core::DecodeUserText(""), "");
}

// The users table holds these forms: a change of the generator, the seeding or the
// printable form would leave every stored name and password unreadable.
TEST(Cipher, StoredFormsStayReadable) {
  struct Case { const char* plain; const char* stored; } cases[] = {
      {"admin", "nApHa`K"},
      {"Ionescu Ana", "VHqHesNMCE;mYUS"},
      {"Parola1", "=>eH[bLMG["},
      {"x", "e;"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(core::EncodeUserText(c.plain), c.stored) << c.plain;
    EXPECT_EQ(core::DecodeUserText(c.stored), c.plain) << c.plain;
  }
}

TEST(RandomGenerator, PropertiesTheCipherReliesOn) {
  platform::RandomGenerator a, b;
  b.Rnd();
  b.Randomize(0.25f);
  EXPECT_EQ(a.Rnd(-3.5f), b.Rnd(-3.5f));  // fixed by the argument alone
  EXPECT_EQ(a.Rnd(), b.Rnd());            // and the sequence restarts from it
  a.Randomize(0.5f);
  b.Randomize(0.75f);
  EXPECT_NE(a.Rnd(), b.Rnd());
  for (int i = 0; i < 10000; ++i) {
    const float r = a.Rnd();
    ASSERT_TRUE(r >= 0.0f && r < 1.0f);
  }
}
