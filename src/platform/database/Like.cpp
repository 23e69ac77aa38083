#include "platform/database/Like.h"

#include <QChar>
#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace platform::db_detail {
namespace {

// Decodes the code point at p (UTF-8) and moves p past it. A broken sequence counts as
// one character per byte, so that nothing is lost or read past the end.
char32_t NextCodePoint(const unsigned char*& p, const unsigned char* end) {
  const unsigned char b = *p++;
  if (b < 0x80) return b;
  int extra = 0;
  char32_t c = 0;
  if ((b & 0xE0) == 0xC0) { extra = 1; c = b & 0x1F; }
  else if ((b & 0xF0) == 0xE0) { extra = 2; c = b & 0x0F; }
  else if ((b & 0xF8) == 0xF0) { extra = 3; c = b & 0x07; }
  else return b;
  if (end - p < extra) return b;
  for (int i = 0; i < extra; ++i)
    if ((p[i] & 0xC0) != 0x80) return b;
  for (int i = 0; i < extra; ++i) c = (c << 6) | (*p++ & 0x3F);
  return c;
}

inline char32_t Fold(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  return QChar::toCaseFolded(c);
}

struct Token {
  enum Kind : unsigned char { Literal, AnyChar, Digit, AnyRun, Set };
  Kind kind = Literal;
  bool negated = false;
  char32_t ch = 0;      // Literal: the folded character
  unsigned first = 0;   // Set: its ranges in Pattern::ranges
  unsigned count = 0;
};

struct Pattern {
  std::vector<Token> tokens;
  std::vector<std::pair<char32_t, char32_t>> ranges;  // folded, inclusive
  char32_t escape = 0;
  bool valid = true;
};

// A pattern compiled once per statement and kept by the engine while the pattern stays
// the same (a bound parameter or a literal), so that a row costs no allocation.
Pattern Compile(const unsigned char* p, const unsigned char* end, char32_t escape) {
  Pattern out;
  out.escape = escape;
  while (p < end) {
    const char32_t c = NextCodePoint(p, end);
    Token t;
    if (escape && c == escape) {
      if (p >= end) { out.valid = false; break; }
      t.ch = Fold(NextCodePoint(p, end));
    } else if (c == '*') {
      if (!out.tokens.empty() && out.tokens.back().kind == Token::AnyRun) continue;
      t.kind = Token::AnyRun;
    } else if (c == '?') {
      t.kind = Token::AnyChar;
    } else if (c == '#') {
      t.kind = Token::Digit;
    } else if (c == '[') {
      t.kind = Token::Set;
      t.first = unsigned(out.ranges.size());
      const unsigned char* q = p;
      if (q < end && *q == '!') { t.negated = true; ++q; }
      bool closed = false;
      bool firstItem = true;
      while (q < end) {
        const char32_t lo = NextCodePoint(q, end);
        if (lo == ']') { closed = true; break; }
        char32_t hi = lo;
        // "a-z" is a range; a "-" first or last in the set stands for itself.
        if (!(firstItem && lo == '-') && q < end && *q == '-' && q + 1 < end && q[1] != ']') {
          ++q;
          hi = NextCodePoint(q, end);
        }
        char32_t flo = Fold(lo), fhi = Fold(hi);
        if (flo > fhi) std::swap(flo, fhi);
        out.ranges.emplace_back(flo, fhi);
        firstItem = false;
      }
      if (!closed) { out.valid = false; break; }
      p = q;
      t.count = unsigned(out.ranges.size()) - t.first;
      // "[]" stands for no character at all: it matches the empty run.
      if (t.count == 0 && !t.negated) continue;
      if (t.count == 0) t.kind = Token::AnyChar;
    } else {
      t.ch = Fold(c);
    }
    out.tokens.push_back(t);
  }
  return out;
}

inline bool MatchesOne(const Pattern& pattern, const Token& t, char32_t c) {
  switch (t.kind) {
    case Token::Literal: return Fold(c) == t.ch;
    case Token::AnyChar: return true;
    case Token::Digit: return c >= '0' && c <= '9';
    case Token::Set: {
      const char32_t f = Fold(c);
      bool in = false;
      for (unsigned i = t.first; i < t.first + t.count && !in; ++i)
        in = f >= pattern.ranges[i].first && f <= pattern.ranges[i].second;
      return in != t.negated;
    }
    case Token::AnyRun: break;
  }
  return false;
}

// Every token but "*" takes exactly one character, so one remembered "*" is enough to
// backtrack: on a mismatch the last "*" takes one character more.
bool Match(const Pattern& pattern, const unsigned char* p, const unsigned char* end) {
  if (!pattern.valid) return false;
  const std::vector<Token>& tokens = pattern.tokens;
  const size_t n = tokens.size();
  size_t ti = 0;
  size_t starToken = SIZE_MAX;
  const unsigned char* starText = nullptr;
  while (true) {
    if (ti < n && tokens[ti].kind == Token::AnyRun) {
      starToken = ti++;
      starText = p;
      continue;
    }
    if (p >= end) break;
    const unsigned char* next = p;
    const char32_t c = NextCodePoint(next, end);
    if (ti < n && MatchesOne(pattern, tokens[ti], c)) {
      ++ti;
      p = next;
      continue;
    }
    if (starToken == SIZE_MAX) return false;
    ti = starToken + 1;
    NextCodePoint(starText, end);
    p = starText;
  }
  while (ti < n && tokens[ti].kind == Token::AnyRun) ++ti;
  return ti == n;
}

void DeletePattern(void* p) { delete static_cast<Pattern*>(p); }

void LikeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i)
    if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
      sqlite3_result_null(ctx);
      return;
    }
  char32_t escape = 0;
  if (argc == 3) {
    const auto* e = sqlite3_value_text(argv[2]);
    const auto* eEnd = e + sqlite3_value_bytes(argv[2]);
    if (e < eEnd) escape = NextCodePoint(e, eEnd);
    if (escape == 0 || e != eEnd) {
      sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
      return;
    }
  }
  const auto* text = sqlite3_value_text(argv[1]);
  const auto* textEnd = text + sqlite3_value_bytes(argv[1]);

  auto* cached = static_cast<Pattern*>(sqlite3_get_auxdata(ctx, 0));
  std::unique_ptr<Pattern> fresh;
  if (!cached || cached->escape != escape) {
    const auto* pat = sqlite3_value_text(argv[0]);
    fresh = std::make_unique<Pattern>(Compile(pat, pat + sqlite3_value_bytes(argv[0]), escape));
    if (!fresh->valid) {
      sqlite3_result_error(ctx, kInvalidLikePatternMessage, -1);
      return;
    }
  }
  const Pattern& pattern = fresh ? *fresh : *cached;
  sqlite3_result_int(ctx, Match(pattern, text, textEnd) ? 1 : 0);
  // Handed over last: the engine may free it at once when the pattern is not constant.
  if (fresh) sqlite3_set_auxdata(ctx, 0, fresh.release(), DeletePattern);
}

bool HasOtherCase(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  return QChar::isLetter(c) || QChar::toCaseFolded(c) != c || QChar::toUpper(c) != c ||
         QChar::toLower(c) != c;
}

bool HasLoneSurrogate(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
      ++i;
    else if (text[i].isSurrogate())
      return true;
  }
  return false;
}

}  // namespace

void RegisterLike(sqlite3* db) {
  for (int argc : {2, 3})
    sqlite3_create_function_v2(db, "like", argc, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               LikeFunction, nullptr, nullptr, nullptr);
}

bool LikePatternValid(const QString& pattern) {
  // Half of a surrogate pair stands for no character, and would reach the engine as "?".
  if (HasLoneSurrogate(pattern)) return false;
  const QByteArray p = pattern.toUtf8();
  const auto* pp = reinterpret_cast<const unsigned char*>(p.constData());
  return Compile(pp, pp + p.size(), 0).valid;
}

bool LikeMatches(const QString& text, const QString& pattern) {
  if (HasLoneSurrogate(pattern)) return false;
  const QByteArray t = text.toUtf8(), p = pattern.toUtf8();
  const auto* tp = reinterpret_cast<const unsigned char*>(t.constData());
  const auto* pp = reinterpret_cast<const unsigned char*>(p.constData());
  return Match(Compile(pp, pp + p.size(), 0), tp, tp + t.size());
}

QString LikeExactPrefix(const QString& pattern) {
  QString prefix;
  for (QChar ch : pattern) {
    const char16_t c = ch.unicode();
    if (c == '*' || c == '?' || c == '#' || c == '[' || ch.isSurrogate() || HasOtherCase(c)) break;
    prefix.append(ch);
  }
  return prefix;
}

QString FoldsAlike(QChar c) {
  // The characters of the Basic Multilingual Plane that fold to another one, as pairs
  // (folded form, character) in that order, built once: a few thousand pairs, where a
  // character that folds to itself alone needs no room at all.
  static const std::vector<std::pair<char16_t, char16_t>> folding = [] {
    std::vector<std::pair<char16_t, char16_t>> out;
    for (char32_t x = 0; x <= 0xFFFF; ++x) {
      const auto folded = char16_t(Fold(x));
      if (!QChar::isSurrogate(x) && folded != x) out.emplace_back(folded, char16_t(x));
    }
    std::sort(out.begin(), out.end());
    out.shrink_to_fit();
    return out;
  }();
  const auto folded = char16_t(Fold(c.unicode()));
  const auto [first, last] = std::equal_range(
      folding.begin(), folding.end(), std::pair{folded, char16_t(0)},
      [](const auto& a, const auto& b) { return a.first < b.first; });
  // The folded form is one of them where it folds to itself; all in their code order.
  bool itself = !QChar::isSurrogate(folded) && char16_t(Fold(folded)) == folded;
  QString alike;
  for (auto it = first; it != last; ++it) {
    if (itself && folded < it->second) {
      alike.append(QChar(folded));
      itself = false;
    }
    alike.append(QChar(it->second));
  }
  if (itself) alike.append(QChar(folded));
  return alike.isEmpty() ? QString(c) : alike;
}

}  // namespace platform::db_detail
