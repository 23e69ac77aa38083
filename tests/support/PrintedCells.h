#pragma once
// A grid's cells on its printed page: where they lie, the lines its printable cells hold
// with a check that the strokes read back from the page are exactly those lines, and
// where a cell's text starts.

#include <QList>
#include <QRectF>

#include "report_grid/ReportGrid.h"
#include "support/PdfLines.h"
#include "support/PdfText.h"

namespace testsupport {

// The cell or merged area holding (row, col), in millimetres on the page, at the page
// set-up's left and top margins.
QRectF AreaOnPage(const report_grid::ReportGrid& grid, int row, int col);

// A line along one edge of a cell or merged area, in millimetres on the page.
struct HeldLine {
  bool horizontal = false;
  double at = 0;          // y of a horizontal line, x of a vertical one
  double from = 0, to = 0;
  int row = 0, col = 0;   // the anchor holding it
  int edge = 0;
};

// The lines held by the printable cells and merged areas (by their anchors' flags) whose
// lines print, in the document part of `grid`, at the page set-up's left and top margins.
QList<HeldLine> LinesHeldByPrintableCells(const report_grid::ReportGrid& grid);

// Whether any of `cells` (items with `row` and `col`, each the anchor of its area) holds a
// line along one of its edges, printable or not.
template <class Cells>
bool AnyHoldsALine(const report_grid::ReportGrid& grid, const Cells& cells) {
  for (const auto& cell : cells)
    for (int edge = 0; edge < 4; ++edge)
      if (grid.EffectiveEdge(cell.row, cell.col, edge).style != report_grid::kLineNone) return true;
  return false;
}

// Every stroke lies on a held line, and every held line is stroked along its length.
void ExpectStrokesAreHeldLines(const QList<PdfStroke>& strokes, const QList<HeldLine>& held);

// Every printable cell's text, read back from `page` (its words are those whose middle
// lies in the cell), stands whole in its cell; the letters of every word stand inside its
// cell, clear of every line stroked on the page, and off every other word's letters.
void ExpectTextsWholeInsideTheirCells(const PdfPage& page, const QList<PdfStroke>& strokes,
                                      const report_grid::ReportGrid& grid);

// The first word of the text of (row, col), read back from `page`, begins inside the
// cell's area and stands in it whole in height: the text shows its start.
void ExpectTextStartsInsideItsArea(const PdfPage& page, const report_grid::ReportGrid& grid, int row, int col);

}  // namespace testsupport
