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
//     {At(4, 1), "2", kOpen, 10, kNoWrap, kDefaultPlus1, Lines2(kEdgeRight, kEdgeBottom, kLineThin)},
//     {At(5, 18), kNoText, kOpen, 0, kNoWrap, {}, Mark::kTickBox},
//   };
//   LayAreas(grid, kTitle);

#include <cstdint>
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
// the row is laid (Rows - 1, Cols - 1), and so is FromLast(n) (Rows - 1 - n, Cols - 1 - n).
struct Place {
  report_grid::CellRect rect;
  Shape shape;
};

constexpr Place At(int row, int col) { return {{row, col, row, col}, Shape::kCell}; }
constexpr Place Merged(int row1, int col1, int row2, int col2) { return {{row1, col1, row2, col2}, Shape::kMerged}; }
constexpr Place Span(int row1, int col1, int row2, int col2) { return {{row1, col1, row2, col2}, Shape::kRange}; }

constexpr int FromLast(int n) { return kLast - n; }

inline constexpr const char* kNoText = nullptr;

// What a row does to Locked.
enum class Lock : std::int8_t { kNotSet, kSetLocked, kSetUnlocked };
inline constexpr Lock kLocked = Lock::kSetLocked;
inline constexpr Lock kOpen = Lock::kNotSet;  // no lock set: the grid's default, or what a range lock left
inline constexpr Lock kUnlocked = Lock::kSetUnlocked;  // Locked := False, reopening a cell after a range lock

inline constexpr bool kWrap = true;
inline constexpr bool kNoWrap = false;

// The font set on a cell (Font.Size, then Font.Bold), or on a range (FontSize, FontBold).
struct FontSet {
  double size = 0;    // 0: not set
  bool bold = false;  // true: bold set on; false: not set
  // True: the size set is `size` points above the grid's default font size, as read back
  // from the grid when the row is laid (to four decimal places, so a fraction stays).
  bool aboveDefault = false;
};

inline constexpr FontSet kDefaultPlus1{1, false, true};
inline constexpr FontSet kDefaultPlus1Bold{1, true, true};

// What a row makes of its cell besides text and formats: lines on its own edges
// (Cell.Border on the anchor of a kCell or kMerged row, Range.Border on a kRange row), up
// to four edges in order, of one style; and for a cell, a tick box (CellType 2).
struct Mark {
  int style = 0;  // 0: no lines
  int edges[4] = {-1, -1, -1, -1};
  bool tickBox = false;

  static const Mark kNone;
  static const Mark kFillInLine;  // a thin bottom edge: under a merged area, its whole width
  static const Mark kTickBox;     // a tick box with a thin edge on each side: left, top, right, bottom
};

constexpr Mark Line(int edge, int style) { return {style, {edge, -1, -1, -1}}; }
constexpr Mark Lines2(int first, int second, int style) { return {style, {first, second, -1, -1}}; }

inline constexpr Mark Mark::kNone{};
inline constexpr Mark Mark::kFillInLine = Line(report_grid::kEdgeBottom, report_grid::kLineThin);
inline constexpr Mark Mark::kTickBox{report_grid::kLineThin,
                                     {report_grid::kEdgeLeft, report_grid::kEdgeTop, report_grid::kEdgeRight,
                                      report_grid::kEdgeBottom},
                                     true};

// One row of a cells table. Set in this order: text (kCell and kMerged only), merge,
// lock, alignment, wrap, font size, bold, mark (tick box, then lines). What is kNoText,
// kOpen, 0, kNoWrap, not bold or Mark::kNone is not set.
struct Area {
  Place place;
  const char* text = kNoText;
  Lock locked = kOpen;
  int alignment = 0;
  bool wrap = kNoWrap;
  FontSet font = {};
  Mark mark = Mark::kNone;
};

// A font size kept to four decimal places, as the grid's font sizes are computed.
double FourDecimals(double points);

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
