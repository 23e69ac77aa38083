#include "platform/rtf/RtfTokenizer.h"

#include <limits>

namespace platform::rtf {
namespace {

constexpr qsizetype kMaxWordLength = 32;  // the longest control word RTF allows

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsPlain(char c) { return c != '\\' && c != '{' && c != '}' && c != '\r' && c != '\n'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Token Tokenizer::Next() {
  while (pos_ < in_.size()) {
    const char c = in_[pos_];
    switch (c) {
      case '{': ++pos_; return Token(Token::GroupOpen);
      case '}': ++pos_; return Token(Token::GroupClose);
      case '\\': return ReadControl();
      case '\r':
      case '\n': ++pos_; continue;  // line breaks of the file carry no meaning
      default: {
        const qsizetype start = pos_;
        while (pos_ < in_.size() && IsPlain(in_[pos_])) ++pos_;
        Token t{Token::Text};
        t.text = in_.sliced(start, pos_ - start);
        return t;
      }
    }
  }
  return Token(Token::End);
}

Token Tokenizer::ReadControl() {
  ++pos_;  // the backslash
  if (pos_ >= in_.size()) return Token(Token::End);  // a file cut off after a backslash
  const char c = in_[pos_];

  if (!IsLetter(c)) {
    ++pos_;
    if (c == '\'') {
      int value = 0, digits = 0;
      while (digits < 2 && pos_ < in_.size() && HexValue(in_[pos_]) >= 0) {
        value = value * 16 + HexValue(in_[pos_]);
        ++pos_, ++digits;
      }
      if (digits == 0) {  // a \' without its digits shows nothing
        Token t(Token::ControlSymbol);
        t.symbol = '\'';
        return t;
      }
      Token t{Token::HexByte};
      t.byte = static_cast<unsigned char>(value);
      return t;
    }
    // A backslash before a line break of the file is a paragraph mark.
    Token t{Token::ControlSymbol};
    t.symbol = (c == '\r' || c == '\n') ? '\n' : c;
    return t;
  }

  const qsizetype start = pos_;
  while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
  Token t{Token::ControlWord};
  t.text = in_.sliced(start, pos_ - start);
  if (t.text.size() > kMaxWordLength) t.text = {};  // no such word: an unknown one

  const bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1]);
  if (negative) ++pos_;
  if (pos_ < in_.size() && IsDigit(in_[pos_])) {
    // Numbers beyond the 32-bit range are held at its ends; every digit is consumed.
    long long value = 0;
    while (pos_ < in_.size() && IsDigit(in_[pos_])) {
      if (value <= std::numeric_limits<int>::max()) value = value * 10 + (in_[pos_] - '0');
      ++pos_;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) value = std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) value = std::numeric_limits<int>::min();
    t.hasParam = true;
    t.param = static_cast<int>(value);
  }
  if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the space that ends the word

  if (t.text == "bin") {
    // \binN: N bytes of data follow, whatever they hold.
    const qsizetype n = t.hasParam && t.param > 0 ? t.param : 0;
    const qsizetype length = qMin(n, in_.size() - pos_);
    Token b{Token::Binary};
    b.text = in_.sliced(pos_, length);
    pos_ += length;
    return b;
  }
  return t;
}

}  // namespace platform::rtf
