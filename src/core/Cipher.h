#pragma once
// The text cipher of the users table. A text is combined with a stream of numbers drawn
// from a generator seeded by a key (DoXor, its own inverse under the same key) and put
// into a printable form of the characters ";" to "z" (Stretch, undone by Shrink).
// Characters count as their codes in the program's 8-bit code page (0 to 255); a
// character that the code page lacks counts as "?".
//
//   stored = KeyString(key), Text(plain), DoXor, Stretch, Text()
//   plain  = KeyString(key), Text(stored), Shrink, DoXor, Text()

#include <QByteArray>
#include <QString>

#include "platform/RandomGenerator.h"

namespace core {

class Cipher {
 public:
  // Stores the key and seeds the generator from it; every assignment seeds again.
  void KeyString(const QString& sKeyString);

  void Text(const QString& sText);
  QString Text() const;

  // Each character becomes its code XOR the next number of the stream (0 to 255).
  void DoXor();
  // Every three codes become four printable characters: their low six bits each, then
  // one character with their high two bits.
  void Stretch();
  // The inverse of Stretch. A text that Stretch cannot have made (empty, or with a
  // character below ";") is left as it was.
  void Shrink();

 private:
  void Seed();

  QByteArray key_;
  QByteArray text_;  // codes in the program's 8-bit code page
  platform::RandomGenerator generator_;
};

// The key with which the names and passwords of the users table are enciphered.
inline const QString kSystemKey =
    QStringLiteral(" Tarnove Lupa Vremea si cum Morile Pora Lazo 14091968");

// A name or password as stored in the users table, deciphered.
QString DecodeUserText(const QString& stored);

// The stored form of a name or password: what DecodeUserText reads back.
QString EncodeUserText(const QString& plain);

}  // namespace core
