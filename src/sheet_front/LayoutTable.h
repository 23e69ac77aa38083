#pragma once
// A grid document's cells and lines written as tables, read by one small interpreter, so
// that a layout reads like its own description: cell or range, text, lock, alignment,
// wrap, font; then the frames and lines. The rows of a table are laid in their order,
// which matters where a later setting wins.
//
//   const Area kTitle[] = {
//     // cell or range        text                     lock     align  wrap    font
//     {Merged(1, 1, 1, 28),   "FISA DE VELORASTULARE", kLocked, 10,    kNoWrap, {18, true}},
//     {Merged(4, 4, 4, 14),   kNoText,                 kOpen,   10},   // a value area
//   };
//   LayAreas(grid, kTitle);

#include <span>
#include <vector>

#include "report_grid/ReportGrid.h"
#include "sheet_front/LayoutSkeleton.h"

namespace sheet_front {

// How a row of a table reaches the grid.
enum class Shape {
  kCell,    // one cell: Cell.Text, Cell.Locked, ...
  kMerged,  // a rectangle merged with Range.Merge; its text and formats go on its top left cell
  kRange,   // a rectangle left unmerged: Range.Locked, Range.Alignment, ... on every cell
};

// A cell or rectangle of the document. A coordinate of kLast is read from the grid when
// the row is laid (Rows - 1, Cols - 1).
struct Place {
  report_grid::CellRect rect;
  Shape shape;
};

constexpr Place At(int row, int col) { return {{row, col, row, col}, Shape::kCell}; }
constexpr Place Merged(int row1, int col1, int row2, int col2) { return {{row1, col1, row2, col2}, Shape::kMerged}; }
constexpr Place Span(int row1, int col1, int row2, int col2) { return {{row1, col1, row2, col2}, Shape::kRange}; }

inline constexpr const char* kNoText = nullptr;
inline constexpr bool kLocked = true;
inline constexpr bool kOpen = false;  // no lock set: the grid's default
inline constexpr bool kWrap = true;
inline constexpr bool kNoWrap = false;

// The font set on a cell (Font.Size, then Font.Bold), or on a range (FontSize, FontBold).
struct FontSet {
  double size = 0;    // 0: not set
  bool bold = false;  // true: bold set on; false: not set
};

// What a row makes of its cell besides text and formats (kCell and kMerged only).
enum class Mark {
  kNone,
  kFillInLine,  // a thin bottom edge on the first cell: under a merged area, its whole width
  kTickBox,     // a tick box (CellType 2) with a thin edge on each side: left, top, right, bottom
};

// One row of a cells table. Set in this order: text (kCell and kMerged only), merge,
// lock, alignment, wrap, font size, bold, mark. What is kNoText, kOpen, 0, kNoWrap, not
// bold or kNone is not set.
struct Area {
  Place place;
  const char* text = kNoText;
  bool locked = kOpen;
  int alignment = 0;
  bool wrap = kNoWrap;
  FontSet font = {};
  Mark mark = Mark::kNone;
};

// Lines: every edge of `edges`, in that order, on every place of `places`, in that order
// (Cell.Border on a cell, Range.Border on a rectangle).
struct Lines {
  std::vector<Place> places;
  std::vector<int> edges;
  int style;
};

// `rowOffset` moves every row of the tables down by that many rows (kLast stays the
// last row), so that one table can lay a section wherever a document puts it.
void LayAreas(report_grid::ReportGrid& grid, std::span<const Area> areas, int rowOffset = 0);
void DrawLines(report_grid::ReportGrid& grid, std::span<const Lines> lines, int rowOffset = 0);

}  // namespace sheet_front
