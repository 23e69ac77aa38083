#pragma once
// Inside the data-access layer: the few things it reads from the SQL text it is given.

#include <QSet>
#include <QString>
#include <QVariantList>

namespace platform::db_detail {

// "SELECT <columns> FROM <table> <rest>", where rest is empty or a WHERE and/or ORDER BY.
struct SelectParts {
  QString columns;
  QString table;  // as written, quotes included
  QString rest;
};
// Raises kDbSyntax when the text is not a select from a single table.
SelectParts ParseSelect(const QString& sql);

// The table name without its quotes or brackets, for PRAGMA and comparisons.
QString BareName(const QString& name);

// Whether rest holds an ORDER BY or a LIMIT of its own.
bool HasOrderOrLimit(const QString& rest);

struct BoundSql {
  QString sql;
  QVariantList params;
};

// Numbers the "?" of an SQL fragment ?1, ?2, ... and gives every "column LIKE ?" whose
// column is in textColumns (lower case) and whose pattern begins with an exact prefix
// the range condition that the prefix implies, so that an index on the column can
// serve the search. The result selects the same rows.
BoundSql WithLikeRanges(const QString& fragment, const QVariantList& params,
                        const QSet<QString>& textColumns);

}  // namespace platform::db_detail
