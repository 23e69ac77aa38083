#include "support/SheetFixtures.h"

#include "core/Fonts.h"

using report_grid::CellState;
using report_grid::ReportGrid;

namespace sheettest {

QStringList Describe(const ReportGrid& g) {
  QStringList out;
  const auto& d = g.DefaultFontState();
  out << QStringLiteral("size %1 x %2, default font %3 %4 %5").arg(g.Rows()).arg(g.Cols()).arg(d.name).arg(d.size).arg(d.bold);
  for (int c = 0; c < g.Cols(); ++c) out << QStringLiteral("width %1: %2").arg(c).arg(g.ColumnWidth(c));
  for (int r = 1; r < g.Rows(); ++r) out << QStringLiteral("height %1: %2").arg(r).arg(g.RowHeight(r));
  for (int r = 1; r < g.Rows(); ++r)
    for (int c = 1; c < g.Cols(); ++c) {
      const CellState& s = g.State(r, c);
      const auto& f = g.FontOf(r, c);
      const auto area = g.AreaOf(r, c);
      QString line = QStringLiteral("(%1, %2) '%3' font %4/%5/%6/%7/%8 own %9 area %10,%11-%12,%13 align %14 "
                                    "type %15 locked %16 wrap %17 printable %18 lines")
                         .arg(r).arg(c).arg(s.text).arg(f.name).arg(f.size).arg(f.bold).arg(f.italic)
                         .arg(f.underline).arg(s.hasFont).arg(area.row1).arg(area.col1).arg(area.row2)
                         .arg(area.col2).arg(s.alignment).arg(s.cellType).arg(s.locked).arg(s.wrap)
                         .arg(s.printable);
      if (area.row1 == r && area.col1 == c)
        for (int e = 0; e < 4; ++e) line += QStringLiteral(" %1").arg(g.EffectiveEdge(r, c, e).style);
      out << line;
    }
  return out;
}

QString FirstDifference(const QStringList& a, const QStringList& b) {
  for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
    if (a[i] != b[i]) return QStringLiteral("%1\n  vs\n%2").arg(a[i], b[i]);
  if (a.size() != b.size()) return QStringLiteral("%1 lines vs %2").arg(a.size()).arg(b.size());
  return {};
}

RectSet MergedAreas(const ReportGrid& g) {
  RectSet areas;
  for (int r = 1; r < g.Rows(); ++r)
    for (int c = 1; c < g.Cols(); ++c) {
      const report_grid::CellRect a = g.AreaOf(r, c);
      if (a.row1 == r && a.col1 == c && (a.row2 != r || a.col2 != c)) areas.insert(a);
    }
  return areas;
}

SheetFont::SheetFont(const QFont& font) : saved_(core::fonts::FontFisa) { core::fonts::FontFisa = font; }
SheetFont::~SheetFont() { core::fonts::FontFisa = saved_; }

QFont Font(const QString& family, double size, bool bold, bool italic, bool underline) {
  QFont f(family);
  f.setPointSizeF(size);
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  return f;
}

}  // namespace sheettest
