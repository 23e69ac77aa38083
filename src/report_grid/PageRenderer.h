#pragma once
// The one renderer of the report grid: the screen view, the print preview and the
// printer all draw a grid through it, so that the screen shows the page as it prints.
//
// Lengths are converted from grid units (1/96 inch) to the device's own pixels, and
// fonts are given in points, so the device's resolution alone decides the scale and the
// text of a PDF stays text. Row 0 and column 0 are never drawn.

#include <QFont>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

#include "platform/FittedText.h"
#include "report_grid/ReportGrid.h"

class QPainter;

namespace report_grid {

// Where each row and column of the document lies, in grid units, with the left edge of
// column 1 and the top edge of row 1 at 0 (row 0 and column 0 take no room).
class GridGeometry {
 public:
  explicit GridGeometry(const ReportGrid& grid);

  // Left edge of column `col`, 1 to Cols (Cols gives the right edge of the last one).
  double ColumnLeft(int col) const { return x_[col]; }
  // Top edge of row `row`, 1 to Rows.
  double RowTop(int row) const { return y_[row]; }
  // The rectangle of a cell or merged area (grid units).
  QRectF AreaRect(const CellRect& area) const;
  // Width and height of the whole document (grid units).
  QSizeF Size() const { return QSizeF(x_.back(), y_.back()); }
  // The anchor of the cell or area under `point` (grid units), or {-1, -1} outside
  // the document.
  CellRect AreaAt(const ReportGrid& grid, QPointF point) const;

 private:
  std::vector<double> x_;  // x_[c]: left edge of column c; x_[0] == x_[1] == 0
  std::vector<double> y_;
};

enum class RenderTarget {
  kScreen,  // every cell, on white, with a light guide where a cell edge has no line
  kPaper,   // printable cells only: their text and, where printable, their lines, nothing else
};

// The font a cell is drawn in: its face, size in points, bold, italic and underline.
QFont QFontOf(const FontState& font);

// Fits (FitCellText) or draws a cell's text in `rect` (device pixels) by the one fit rule
// of every page (platform/FittedText.h): its line breaks (CR LF, CR or LF) start new lines, and with
// `wrap` the text also wraps at the rectangle's width, inside a word that is wider than
// the rectangle; `devicePixelsPerUnit` is the device's scale (pixels a grid unit). A line
// wider than the rectangle is condensed, then reduced in size, and only past the
// smallest size cut after a whole letter, starting at the rectangle's left edge; lines
// taller together than the rectangle are reduced in size, and past the smallest size
// only the whole lines that fit show, from its top. `lines` says how far the lines drawn
// along its sides reach into it (never touched), `clear` how much further a text keeps
// from them wherever even the smallest size allows it.
platform::TextFit FitCellText(const QRectF& rect, const QFont& font, Qt::Alignment alignment, bool wrap,
                              const QString& text, double devicePixelsPerUnit, const QMarginsF& lines = {},
                              const QMarginsF& clear = {});
void DrawCellText(QPainter& painter, const QRectF& rect, const QFont& font, Qt::Alignment alignment, bool wrap,
                  const QString& text, double devicePixelsPerUnit, const QMarginsF& lines = {},
                  const QMarginsF& clear = {});

// Geometry of the drawing shared by every target.
inline constexpr double kTextInsetUnits = 1.0;     // text keeps this far from the left and right edges,
inline constexpr double kTextClearUnits = 1.0;     // and, wherever the fit rule can, this far clear of a line on any side,
inline constexpr double kTextGapUnits = 0.25;      // and never nearer than this
inline constexpr double kTickBoxUnits = 9.0;       // side of a tick box
inline constexpr double kThinLineUnits = 1.0;      // line widths: thin and dotted
inline constexpr double kThickLineUnits = 2.0;     // thick

// Paints the document part of `grid` with its top left corner at the painter's current
// origin, on a device of `dpiX` x `dpiY` pixels per inch.
void PaintGrid(QPainter& painter, const ReportGrid& grid, double dpiX, double dpiY, RenderTarget target);

// The lines that PaintPage draws of `grid`, along the edges of its rows and columns: what
// a sheet printed from it has on paper, for printing onto it later
// (ReportGrid::SetSheetLines).
std::vector<PaperLine> LinesOnPaper(const ReportGrid& grid);

// Paints one sheet of paper: the painter's device is the whole sheet (full-page mode);
// the grid stands at the page set-up's left and top margins, which may be negative.
// Only printable cells come out, each with its text and the lines it holds (unless its
// lines are marked not printable); a line that only a cell left out holds is left out
// with it, though a printable cell lies beside it. The text of a cell whose lines are
// not printed keeps clear of the grid's sheet lines too.
void PaintPage(QPainter& painter, const ReportGrid& grid);

// The left and top margins of the page set-up in device pixels at `dpiX` x `dpiY`.
QPointF MarginOffset(const PageSettings& page, double dpiX, double dpiY);

}  // namespace report_grid
