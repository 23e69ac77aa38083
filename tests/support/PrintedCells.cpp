#include "support/PrintedCells.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>

#include "report_grid/PageRenderer.h"

using namespace report_grid;

namespace testsupport {
namespace {

constexpr double kOnLineMm = 0.15;    // a stroke's distance from the line it draws
constexpr double kOverhangMm = 0.6;   // how far a stroke may reach past its line's end, into a corner
constexpr double kJoinMm = 0.01;      // a gap of rounding between two runs that meet

// A straight piece of line, in millimetres: y of a horizontal one, x of a vertical one.
struct Run {
  bool horizontal;
  double at, from, to;
};

// Whether `runs` on the same line, joined, reach from `run`'s start to its end, each end
// within `slack`.
bool Covered(const Run& run, const QList<Run>& runs, double slack) {
  double reach = run.from + slack;
  for (bool grew = true; grew && reach < run.to - slack;) {
    grew = false;
    for (const Run& r : runs)
      if (r.horizontal == run.horizontal && std::abs(r.at - run.at) < kOnLineMm && r.from <= reach + kJoinMm &&
          r.to > reach) {
        reach = r.to;
        grew = true;
      }
  }
  // A run shorter than the slack must still lie on one of the runs.
  return reach >= run.to - slack && std::any_of(runs.begin(), runs.end(), [&](const Run& r) {
           return r.horizontal == run.horizontal && std::abs(r.at - run.at) < kOnLineMm &&
                  r.from < run.to && r.to > run.from;
         });
}

}  // namespace

QRectF AreaOnPage(const ReportGrid& grid, int row, int col) {
  const QRectF u = GridGeometry(grid).AreaRect(grid.AreaOf(row, col));
  const double mmPerUnit = 25.4 / kUnitsPerInch;
  return QRectF(grid.Page().leftMargin * 10 + u.left() * mmPerUnit, grid.Page().topMargin * 10 + u.top() * mmPerUnit,
                u.width() * mmPerUnit, u.height() * mmPerUnit);
}

QList<HeldLine> LinesHeldByPrintableCells(const ReportGrid& grid) {
  QList<HeldLine> held;
  for (int r = 1; r < grid.Rows(); ++r)
    for (int c = 1; c < grid.Cols(); ++c) {
      const CellRect area = grid.AreaOf(r, c);
      const CellState& anchor = grid.State(r, c);
      if (area.row1 != r || area.col1 != c || !anchor.printable || !anchor.linesPrintable) continue;
      const QRectF mm = AreaOnPage(grid, r, c);
      if (mm.width() <= 0 || mm.height() <= 0) continue;
      for (int edge = 0; edge < 4; ++edge) {
        if (grid.EffectiveEdge(r, c, edge).style == kLineNone) continue;
        HeldLine line{edge >= kEdgeTop, 0, 0, 0, r, c, edge};
        switch (edge) {
          case kEdgeLeft: line.at = mm.left(); break;
          case kEdgeRight: line.at = mm.right(); break;
          case kEdgeTop: line.at = mm.top(); break;
          default: line.at = mm.bottom(); break;
        }
        line.from = line.horizontal ? mm.left() : mm.top();
        line.to = line.horizontal ? mm.right() : mm.bottom();
        held.append(line);
      }
    }
  return held;
}

void ExpectStrokesAreHeldLines(const QList<PdfStroke>& strokes, const QList<HeldLine>& held) {
  QList<Run> printed, wanted;
  for (const PdfStroke& s : strokes) {
    ASSERT_TRUE(s.Horizontal() || s.Vertical()) << "a slanted stroke";
    const bool h = s.Horizontal();
    const double a = h ? s.from.x() : s.from.y(), b = h ? s.to.x() : s.to.y();
    printed.append({h, h ? s.from.y() : s.from.x(), std::min(a, b), std::max(a, b)});
  }
  for (const HeldLine& l : held) wanted.append({l.horizontal, l.at, l.from, l.to});
  for (const Run& run : printed)
    EXPECT_TRUE(Covered(run, wanted, kOverhangMm))
        << (run.horizontal ? "horizontal" : "vertical") << " stroke at " << run.at << " mm from " << run.from
        << " to " << run.to << " that no printable cell holds";
  for (qsizetype i = 0; i < held.size(); ++i)
    EXPECT_TRUE(Covered(wanted[i], printed, kOnLineMm))
        << "the line on edge " << held[i].edge << " of (" << held[i].row << ", " << held[i].col
        << ") is not printed whole";
}

void ExpectTextStartsInsideItsArea(const PdfPage& page, const ReportGrid& grid, int row, int col) {
  const QString first = grid.ShownState(row, col).text.section(QRegularExpression(QStringLiteral("\\s+")), 0, 0,
                                                           QString::SectionSkipEmpty);
  ASSERT_FALSE(first.isEmpty()) << "(" << row << ", " << col << ") holds no text";
  const QRectF area = AreaOnPage(grid, row, col).adjusted(-kOnLineMm, -kOnLineMm, kOnLineMm, kOnLineMm);
  QString seen;
  for (const PdfWord& w : page.words) {
    if (w.text != first) continue;
    // Its first letters: the word begins inside the area, whole in height; a word longer
    // than the area runs on past its right edge, cut there.
    if (w.xMin >= area.left() && w.xMin < area.right() && w.yMin >= area.top() && w.yMax <= area.bottom()) return;
    seen += QStringLiteral(" (%1, %2)-(%3, %4)").arg(w.xMin).arg(w.yMin).arg(w.xMax).arg(w.yMax);
  }
  ADD_FAILURE() << "\"" << first.toStdString() << "\" of (" << row << ", " << col << ") is not inside its area ("
                << area.left() << ", " << area.top() << ")-(" << area.right() << ", " << area.bottom()
                << "); found at" << seen.toStdString();
}

}  // namespace testsupport
