#include "core/Cipher.h"

#include "platform/CodePage.h"

namespace core {
namespace {

constexpr int kFirstPrintable = 59;  // ";"

QByteArray ToCodes(const QString& text) {
  QByteArray codes;
  codes.reserve(text.size());
  for (QChar c : text)
    codes.append(static_cast<char>(platform::UnicodeToCodePage(platform::kAnsiCodePage, c).value_or('?')));
  return codes;
}

QString FromCodes(const QByteArray& codes) {
  QString text;
  text.reserve(codes.size());
  for (char c : codes) text.append(platform::CodePageToUnicode(platform::kAnsiCodePage, static_cast<unsigned char>(c)));
  return text;
}

int CodeAt(const QByteArray& codes, qsizetype i) { return static_cast<unsigned char>(codes[i]); }

}  // namespace

void Cipher::KeyString(const QString& sKeyString) {
  key_ = ToCodes(sKeyString);
  Seed();
}

void Cipher::Seed() {
  generator_.Randomize(generator_.Rnd(-1.0f));
  for (qsizetype i = 0; i < key_.size(); ++i) {
    const float r = generator_.Rnd();
    const float x = -r * static_cast<float>(CodeAt(key_, i));
    generator_.Randomize(generator_.Rnd(x));
  }
}

void Cipher::Text(const QString& sText) { text_ = ToCodes(sText); }

QString Cipher::Text() const { return FromCodes(text_); }

void Cipher::DoXor() {
  for (qsizetype i = 0; i < text_.size(); ++i) {
    const int r = static_cast<int>(generator_.Rnd() * 256.0f);
    text_[i] = static_cast<char>(CodeAt(text_, i) ^ r);
  }
}

void Cipher::Stretch() {
  const qsizetype n = text_.size();
  QByteArray out;
  out.reserve(n + (n + 2) / 3);
  for (qsizetype i = 0; i < n; i += 3) {
    const qsizetype inGroup = qMin<qsizetype>(3, n - i);
    int high = 0;
    for (qsizetype j = 0; j < inGroup; ++j) {
      const int code = CodeAt(text_, i + j);
      out.append(static_cast<char>(kFirstPrintable + (code & 63)));
      high += (code / 64) << (4 - 2 * j);  // 16, 4 and 1 times the high bits
    }
    out.append(static_cast<char>(kFirstPrintable + high));
  }
  text_ = out;
}

void Cipher::Shrink() {
  const qsizetype a = text_.size();
  const qsizetype b = (a - 1) - (a - 1) / 4;
  if (b < 0) return;  // an empty text stays empty
  QByteArray out;
  out.reserve(b);
  for (qsizetype k = 0; k < b; ++k) {
    const qsizetype group = k / 3, j = k % 3;
    const qsizetype dataAt = 4 * group + j;
    const qsizetype highAt = qMin(4 * group + 3, a - 1);
    const int d = CodeAt(text_, dataAt) - kFirstPrintable;
    if (d < 0) return;  // not a text that Stretch made: left as it was
    const int h = CodeAt(text_, highAt) - kFirstPrintable;
    const int divisor = j == 0 ? 16 : j == 1 ? 4 : 1;
    const int highBits = (h / divisor) & 3;
    out.append(static_cast<char>(d | (highBits * 64)));
  }
  text_ = out;
}

QString DecodeUserText(const QString& stored) {
  Cipher cipher;
  cipher.KeyString(kSystemKey);
  cipher.Text(stored);
  cipher.Shrink();
  cipher.DoXor();
  return cipher.Text();
}

QString EncodeUserText(const QString& plain) {
  Cipher cipher;
  cipher.KeyString(kSystemKey);
  cipher.Text(plain);
  cipher.DoXor();
  cipher.Stretch();
  return cipher.Text();
}

}  // namespace core
