#include "platform/database/QueryText.h"

#include <QRegularExpression>

#include "platform/database/Database.h"
#include "platform/database/Like.h"
#include "platform/database/Statement.h"

namespace platform::db_detail {
namespace {

// The text with the inside of every quoted string, quoted name and comment blanked out
// (same length), so that searching it finds only the SQL's own words and marks.
QString Masked(const QString& sql) {
  QString out = sql;
  const int n = int(sql.size());
  for (int i = 0; i < n; ++i) {
    const QChar c = sql[i];
    QChar close;
    if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) close = c;
    else if (c == QLatin1Char('[')) close = QLatin1Char(']');
    if (!close.isNull()) {
      int j = i + 1;
      while (j < n) {
        if (sql[j] == close) {
          // A doubled quote inside the quotes stands for itself.
          if (close != QLatin1Char(']') && j + 1 < n && sql[j + 1] == close) {
            out[j] = out[j + 1] = QLatin1Char('x');
            j += 2;
            continue;
          }
          break;
        }
        out[j++] = QLatin1Char('x');
      }
      i = j;
      continue;
    }
    if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
      while (i < n && sql[i] != QLatin1Char('\n')) out[i++] = QLatin1Char(' ');
      continue;
    }
    if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
      int j = i;
      while (j < n && !(sql[j] == QLatin1Char('*') && j + 1 < n && sql[j + 1] == QLatin1Char('/')))
        out[j++] = QLatin1Char(' ');
      if (j < n) out[j] = out[j + 1] = QLatin1Char(' ');
      i = j + 1;
    }
  }
  return out;
}

bool EndsWithConnective(const QString& maskedBefore) {
  static const QRegularExpression re(QStringLiteral(R"((^|\(|\b(WHERE|AND|OR|NOT))\s*$)"),
                                     QRegularExpression::CaseInsensitiveOption);
  return re.match(maskedBefore).hasMatch();
}

bool StartsWithConnective(const QString& maskedAfter) {
  static const QRegularExpression re(QStringLiteral(R"(^\s*($|\)|(AND|OR|ORDER|GROUP|LIMIT)\b))"),
                                     QRegularExpression::CaseInsensitiveOption);
  return re.match(maskedAfter).hasMatch();
}

// Whether the pattern is its exact prefix followed by stars only.
bool OnlyStarsAfter(const QString& pattern, const QString& prefix) {
  if (pattern.size() == prefix.size()) return false;
  for (qsizetype i = prefix.size(); i < pattern.size(); ++i)
    if (pattern[i] != QLatin1Char('*')) return false;
  return true;
}

}  // namespace

QString BareName(const QString& name) {
  QString s = name.trimmed();
  if (s.size() >= 2) {
    const QChar a = s.front(), b = s.back();
    if ((a == QLatin1Char('"') && b == a) || (a == QLatin1Char('`') && b == a) ||
        (a == QLatin1Char('[') && b == QLatin1Char(']'))) {
      s = s.mid(1, s.size() - 2);
      if (a == QLatin1Char('"')) s.replace(QLatin1String("\"\""), QLatin1String("\""));
    }
  }
  return s;
}

SelectParts ParseSelect(const QString& sqlIn) {
  QString sql = sqlIn.trimmed();
  while (sql.endsWith(QLatin1Char(';'))) sql.chop(1);
  const QString masked = Masked(sql);
  static const QRegularExpression select(
      QStringLiteral(R"(^\s*SELECT\s+(.*?)\s+FROM\s+("[^"]*"|\[[^\]]*\]|`[^`]*`|[A-Za-z_]\w*)(.*)$)"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression rest(QStringLiteral(R"(^\s*$|^\s+(WHERE|ORDER\s+BY)\b)"),
                                       QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = select.match(masked);
  if (!m.hasMatch() || !rest.match(m.captured(3)).hasMatch())
    Raise(kDbSyntax,
          QStringLiteral("Un set de inregistrari se deschide cu SELECT dintr-un singur tabel: %1")
              .arg(sqlIn));
  SelectParts parts;
  parts.columns = sql.mid(m.capturedStart(1), m.capturedLength(1));
  parts.table = sql.mid(m.capturedStart(2), m.capturedLength(2));
  parts.rest = sql.mid(m.capturedStart(3));
  return parts;
}

bool HasOrderOrLimit(const QString& rest) {
  static const QRegularExpression re(QStringLiteral(R"(\b(ORDER\s+BY|LIMIT)\b)"),
                                     QRegularExpression::CaseInsensitiveOption);
  return re.match(Masked(rest)).hasMatch();
}

BoundSql WithLikeRanges(const QString& fragment, const QVariantList& params,
                        const QSet<QString>& textColumns) {
  const QString masked = Masked(fragment);
  // Numbered or named parameters of the caller's own: the text is left as it is.
  static const QRegularExpression ownNumbers(QStringLiteral(R"(\?\d|[:@$][A-Za-z_])"));
  if (ownNumbers.match(masked).hasMatch()) return {fragment, params};

  struct Range {
    int start, end;    // the span "column LIKE ?"
    QString column;    // as written
    int param;         // index of its "?"
  };
  QList<Range> ranges;
  static const QRegularExpression likeTerm(
      QStringLiteral(R"(((?:[A-Za-z_]\w*\s*\.\s*)?(?:[A-Za-z_]\w*|"[^"]*"|\[[^\]]*\]|`[^`]*`))\s+LIKE\s+\?)"),
      QRegularExpression::CaseInsensitiveOption);
  for (auto it = likeTerm.globalMatch(masked); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const int start = int(m.capturedStart(0)), end = int(m.capturedEnd(0));
    const QString column = fragment.mid(start, m.capturedLength(1));
    const int param = int(masked.left(end).count(QLatin1Char('?'))) - 1;
    if (param >= params.size()) continue;
    const QVariant& pattern = params[param];
    if (pattern.typeId() != QMetaType::QString) continue;
    // Refused before the query runs: whether the engine would ever read the pattern
    // depends on the rows (none are compared when the range holds none).
    if (!LikePatternValid(pattern.toString())) RaiseInvalidPattern();
    if (!EndsWithConnective(masked.left(start)) || !StartsWithConnective(masked.mid(end))) continue;
    QString bare = column;
    const int dot = int(masked.mid(start, m.capturedLength(1)).lastIndexOf(QLatin1Char('.')));
    if (dot >= 0) bare = column.mid(dot + 1);
    if (!textColumns.contains(BareName(bare).toLower())) continue;
    const QString prefix = LikeExactPrefix(pattern.toString());
    if (prefix.isEmpty() || prefix.back().unicode() >= 0xD7FF) continue;
    ranges.append({start, end, column, param});
  }

  BoundSql out;
  out.params = params;
  int number = 0;
  int next = 0;  // the next range to replace
  const int n = int(fragment.size());
  for (int i = 0; i < n; ++i) {
    if (next < ranges.size() && i == ranges[next].start) {
      const Range& r = ranges[next++];
      const QString prefix = LikeExactPrefix(params[r.param].toString());
      QString upper = prefix;
      upper.back() = QChar(char16_t(upper.back().unicode() + 1));
      out.params << prefix << upper;
      const int pattern = ++number;
      const int low = int(out.params.size()) - 1, high = int(out.params.size());
      if (OnlyStarsAfter(params[r.param].toString(), prefix)) {
        // "prefix*": the range alone selects the same rows, and no row is compared by
        // the pattern (its value stays bound to its number, unused).
        out.sql += QStringLiteral("(?%2 IS NOT NULL AND %1 >= ?%3 AND %1 < ?%4)")
                       .arg(r.column)
                       .arg(pattern)
                       .arg(low)
                       .arg(high);
      } else {
        out.sql += QStringLiteral("(%1 LIKE ?%2 AND %1 >= ?%3 AND %1 < ?%4)")
                       .arg(r.column)
                       .arg(pattern)
                       .arg(low)
                       .arg(high);
      }
      i = r.end - 1;
      continue;
    }
    if (masked[i] == QLatin1Char('?')) out.sql += QStringLiteral("?%1").arg(++number);
    else out.sql += fragment[i];
  }
  return out;
}

}  // namespace platform::db_detail
