#pragma once
// Splits RTF bytes into tokens: group braces, control words with their optional number,
// control symbols, \'hh bytes, runs of plain text and the data of \bin. It never reads
// past the end of its input and always moves forward, so any input ends.

#include <QByteArrayView>

namespace platform::rtf {

struct Token {
  enum Kind {
    End,           // no more input
    GroupOpen,     // {
    GroupClose,    // }
    ControlWord,   // \word or \wordN; text holds the word's letters
    ControlSymbol, // \ followed by one other character, held in symbol
    HexByte,       // \'hh; the value in byte
    Text,          // a run of plain bytes (line breaks of the file left out)
    Binary,        // the bytes that follow \binN
  };
  Token(Kind k = End) : kind(k) {}

  Kind kind;
  QByteArrayView text;  // the word's letters, the run of text or the binary data
  bool hasParam = false;
  int param = 0;        // the word's number, held to the 32-bit range
  char symbol = 0;
  unsigned char byte = 0;
};

class Tokenizer {
 public:
  explicit Tokenizer(QByteArrayView input) : in_(input) {}

  Token Next();
  qsizetype Position() const { return pos_; }

 private:
  Token ReadControl();

  QByteArrayView in_;
  qsizetype pos_ = 0;
};

}  // namespace platform::rtf
