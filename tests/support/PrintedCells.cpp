#include "support/PrintedCells.h"

#include <QRegularExpression>
#include <QFont>
#include <gtest/gtest.h>

#include <algorithm>

#include "report_grid/PageRenderer.h"

using namespace report_grid;

namespace testsupport {
namespace {

constexpr double kOnLineMm = 0.15;    // a stroke's distance from the line it draws
constexpr double kOverhangMm = 0.6;   // how far a stroke may reach past its line's end, into a corner
constexpr double kClearOfLineMm = 0.2;  // the paper a text keeps between its letters and a line
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

void ExpectTextsWholeInsideTheirCells(const PdfPage& page, const QList<PdfStroke>& strokes,
                                      const ReportGrid& grid) {
  constexpr double kToleranceMm = 0.02;
  // The cell of each word, by the word's middle.
  QList<QPoint> cellOf(page.words.size(), QPoint(-1, -1));
  for (int r = 1; r < grid.Rows(); ++r)
    for (int c = 1; c < grid.Cols(); ++c) {
      const CellRect area = grid.AreaOf(r, c);
      const CellState& s = grid.ShownState(r, c);
      if (area.row1 != r || area.col1 != c || !grid.State(r, c).printable || s.cellType == kCellTickBox) continue;
      const QRectF mm = AreaOnPage(grid, r, c);
      if (mm.width() <= 0 || mm.height() <= 0) continue;
      // Its words line by line, each line from the left.
      QList<const PdfWord*> words;
      for (qsizetype i = 0; i < page.words.size(); ++i) {
        const PdfWord& w = page.words[i];
        if (!mm.contains(QPointF((w.xMin + w.xMax) / 2, (w.yMin + w.yMax) / 2))) continue;
        cellOf[i] = QPoint(c, r);
        words.append(&w);
      }
      std::stable_sort(words.begin(), words.end(), [](const PdfWord* a, const PdfWord* b) {
        const double apart = std::min(a->yMax - a->yMin, b->yMax - b->yMin) / 2;
        if (std::abs(a->yMin - b->yMin) > apart) return a->yMin < b->yMin;
        return a->xMin < b->xMin;
      });
      QString read;
      for (const PdfWord* w : words) read += w->text;
      QString text = s.text;
      text.remove(QRegularExpression(QStringLiteral("\\s")));
      EXPECT_EQ(read.toStdString(), text.toStdString()) << "the text of (" << r << ", " << c << ")";
    }
  const auto fontOf = [&](const PdfWord& w) {
    const qsizetype i = &w - page.words.data();
    const QPoint cell = i >= 0 && i < cellOf.size() ? cellOf[i] : QPoint(-1, -1);
    return cell.x() < 0 ? QFont() : QFontOf(grid.FontOf(cell.y(), cell.x()));
  };
  for (qsizetype i = 0; i < page.words.size(); ++i) {
    const PdfWord& w = page.words[i];
    if (cellOf[i].x() < 0) {
      ADD_FAILURE() << w.text.toStdString() << " at " << w.xMin << ", " << w.yMin << " mm stands in no printed cell";
      continue;
    }
    const QRectF ink = InkOf(w, fontOf(w));
    const QRectF cell = AreaOnPage(grid, cellOf[i].y(), cellOf[i].x()).adjusted(-kToleranceMm, -kToleranceMm,
                                                                                kToleranceMm, kToleranceMm);
    EXPECT_TRUE(cell.contains(ink)) << w.text.toStdString() << " of (" << cellOf[i].y() << ", " << cellOf[i].x()
                                    << ") reaches out of its cell: ink " << ink.left() << ", " << ink.top() << " to "
                                    << ink.right() << ", " << ink.bottom() << " mm";
    for (const PdfStroke& stroke : strokes) {
      // A stroke's band: its length, and half its width to either side, widened by the
      // paper every text keeps clear of a line (a unit, 0.26 mm, less what reading back
      // from the page may miss).
      const double half = stroke.widthMm / 2 + kClearOfLineMm;
      const QRectF band = QRectF(stroke.from, stroke.to)
                              .normalized()
                              .adjusted(stroke.Vertical() ? -half : 0, stroke.Horizontal() ? -half : 0,
                                        stroke.Vertical() ? half : 0, stroke.Horizontal() ? half : 0);
      const QRectF both = band.intersected(ink);
      EXPECT_FALSE(both.width() > kToleranceMm && both.height() > kToleranceMm)
          << w.text.toStdString() << " of (" << cellOf[i].y() << ", " << cellOf[i].x()
          << ") lies on or beside the line from " << stroke.from.x() << ", " << stroke.from.y() << " to "
          << stroke.to.x() << ", " << stroke.to.y() << " mm";
    }
  }
  ExpectNoTwoWordsOverlap(page.words, fontOf);
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
