// Feeds a pattern and a text (the input's bytes before and after its first line feed) to
// the LIKE of the data-access layer and asks SQLite the same question in its own words:
// the clerk's pattern is rewritten, by the rules of Like.h, as a GLOB pattern over the
// text folded one character at a time, and where pattern and text are plain ASCII
// without "#" or sets, also as SQLite's own case-blind LIKE over the text as it is. Any
// difference aborts. So do a match through SQL that differs from LikeMatches, an
// invalid pattern that matches or does not fail its statement, and a match that does
// not begin with the pattern's exact prefix.
//
// What the two cannot say alike is left out: NUL characters (SQLite's matchers stop at
// them), sets whose every range starts with "^" (GLOB would read a negation), and the
// noncharacters U+FFFE and U+FFFF (SQLite's matchers read them as U+FFFD). SQLite
// tries every place for each "*" in turn, which takes time growing with the text's
// length to the power of the stars; it is asked only where that stays small (a few
// runs of "*", a short text), the checks of the layer's own answers always.

#include <QList>
#include <QString>
#include <sqlite3.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/database/Like.h"

namespace {

using platform::db_detail::LikeExactPrefix;
using platform::db_detail::LikeMatches;
using platform::db_detail::LikePatternValid;

[[noreturn]] void Differs(const char* what, const QString& pattern, const QString& text, const QString& detail = {}) {
  std::fprintf(stderr, "%s\npattern: %s\ntext: %s\n%s\n", what, qPrintable(pattern), qPrintable(text),
               qPrintable(detail));
  std::abort();
}

char32_t Fold(char32_t c) { return QChar::toCaseFolded(c); }

QString FromCodePoint(char32_t c) { return QString::fromUcs4(&c, 1); }

// The question asked of SQLite: a GLOB pattern over the folded text, and where it can
// be said so, a LIKE pattern with "\" as its escape over the text itself.
struct Question {
  bool valid = true;        // every "[" closed
  bool expressible = true;  // GLOB can say it
  int stars = 0;            // runs of "*"
  QString glob;
  std::optional<QString> like;
};

Question Ask(const QString& pattern) {
  Question q;
  QString like;
  bool likeToo = true;
  const QList<uint> ucs4 = pattern.toUcs4();
  const std::vector<char32_t> cp(ucs4.begin(), ucs4.end());
  const size_t n = cp.size();
  for (size_t i = 0; i < n; ++i) {
    const char32_t c = cp[i];
    if (c >= 0x80) likeToo = false;
    if (c == '*') {
      if (!q.glob.endsWith(QLatin1Char('*'))) ++q.stars;
      q.glob += '*';
      like += '%';
    } else if (c == '?') {
      q.glob += '?';
      like += '_';
    } else if (c == '#') {
      q.glob += QStringLiteral("[0-9]");
      likeToo = false;
    } else if (c == '[') {
      likeToo = false;
      size_t j = i + 1;
      const bool negated = j < n && cp[j] == '!';
      if (negated) ++j;
      std::vector<std::pair<char32_t, char32_t>> items;
      bool closed = false;
      while (j < n) {
        const char32_t lo = cp[j];
        if (lo == ']') {
          closed = true;
          break;
        }
        char32_t hi = lo;
        // "a-z" is a range unless its "-" stands first or last in the set.
        if (!(items.empty() && lo == '-') && j + 2 < n && cp[j + 1] == '-' && cp[j + 2] != ']') {
          hi = cp[j + 2];
          j += 3;
        } else {
          j += 1;
        }
        char32_t flo = Fold(lo), fhi = Fold(hi);
        if (flo > fhi) std::swap(flo, fhi);
        items.emplace_back(flo, fhi);
      }
      if (!closed) {
        q.valid = false;
        return q;
      }
      i = j;  // on the "]"
      if (items.empty()) {
        if (negated) q.glob += '?';  // "[!]": any one character; "[]": none at all
        continue;
      }
      if (!negated && items.front().first == '^') {
        // A range that starts with "^" cannot stand first: another goes there.
        auto other = std::find_if(items.begin(), items.end(), [](const auto& r) { return r.first != '^'; });
        if (other == items.end()) q.expressible = false;  // read on: a later "[" may leave it open
        else std::iter_swap(items.begin(), other);
      }
      q.glob += '[';
      if (negated) q.glob += '^';
      for (const auto& [lo, hi] : items) q.glob += FromCodePoint(lo) + '-' + FromCodePoint(hi);
      q.glob += ']';
    } else {
      const char32_t f = Fold(c);
      if (f == '*' || f == '?' || f == '[') q.glob += '[' + FromCodePoint(f) + ']';
      else q.glob += FromCodePoint(f);
      if (c == '%' || c == '_' || c == '\\') like += '\\';
      like += FromCodePoint(c);
    }
  }
  if (likeToo) q.like = like;
  return q;
}

QString Folded(const QString& text) {
  QString out;
  for (uint c : text.toUcs4()) out += FromCodePoint(Fold(c));
  return out;
}

bool IsAscii(const QString& text) {
  for (QChar c : text)
    if (c.unicode() >= 0x80) return false;
  return true;
}

class Engine {
 public:
  explicit Engine(bool ours) {
    if (sqlite3_open(":memory:", &db_) != SQLITE_OK) std::abort();
    if (ours) platform::db_detail::RegisterLike(db_);
  }
  ~Engine() { sqlite3_close(db_); }

  // The answer of `sql` over its two texts: 0 or 1, or -1 when the statement fails.
  int Ask(const char* sql, const QString& a, const QString& b, QString* error = nullptr) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr) != SQLITE_OK) std::abort();
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    sqlite3_bind_text(stmt, 1, ua.constData(), int(ua.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 2, ub.constData(), int(ub.size()), SQLITE_TRANSIENT);
    int answer = -1;
    if (sqlite3_step(stmt) == SQLITE_ROW) answer = sqlite3_column_int(stmt, 0);
    else if (error) *error = QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_finalize(stmt);
    return answer;
  }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Engine sqlite(false), ours(true);
  const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const qsizetype split = input.indexOf('\n');
  // Read as UTF-8 (a broken sequence becomes U+FFFD), without NUL characters.
  QString pattern = QString::fromUtf8(split < 0 ? input : input.first(split));
  QString text = split < 0 ? QString() : QString::fromUtf8(input.sliced(split + 1));
  pattern.remove(QChar(0));
  text.remove(QChar(0));

  const bool matches = LikeMatches(text, pattern);
  QString error;
  const int throughSql = ours.Ask("SELECT ?1 LIKE ?2", text, pattern, &error);
  const Question q = Ask(pattern);
  if (!q.valid) {
    if (matches) Differs("an invalid pattern matched", pattern, text);
    if (LikePatternValid(pattern)) Differs("an invalid pattern was taken as valid", pattern, text);
    if (throughSql != -1 || error != QLatin1String(platform::db_detail::kInvalidLikePatternMessage))
      Differs("an invalid pattern did not fail its statement", pattern, text, error);
    return 0;
  }
  if (!LikePatternValid(pattern)) Differs("a valid pattern was refused", pattern, text);
  if (throughSql != int(matches)) Differs("SQL and LikeMatches differ", pattern, text, error);
  if (matches && !text.startsWith(LikeExactPrefix(pattern)))
    Differs("a match does not begin with the exact prefix", pattern, text, LikeExactPrefix(pattern));
  constexpr int kMostStars = 3;
  constexpr qsizetype kLongestText = 256;
  if (!q.expressible || q.stars > kMostStars || text.size() > kLongestText) return 0;
  const auto readAsReplacement = [](const QString& s) {
    return s.contains(QChar(0xFFFE)) || s.contains(QChar(0xFFFF));
  };
  if (readAsReplacement(pattern) || readAsReplacement(text)) return 0;

  const int glob = sqlite.Ask("SELECT ?1 GLOB ?2", Folded(text), q.glob, &error);
  if (glob == -1) Differs("GLOB failed", pattern, text, error + QStringLiteral("\nglob: ") + q.glob);
  if (glob != int(matches))
    Differs(matches ? "matched where GLOB does not" : "GLOB matches where it does not", pattern, text,
            QStringLiteral("glob: ") + q.glob);
  if (q.like && IsAscii(text)) {
    const int like = sqlite.Ask("SELECT ?1 LIKE ?2 ESCAPE '\\'", text, *q.like, &error);
    if (like != int(matches))
      Differs(matches ? "matched where SQLite's LIKE does not" : "SQLite's LIKE matches where it does not", pattern,
              text, QStringLiteral("like: ") + *q.like + QLatin1Char('\n') + error);
  }
  return 0;
}
