#pragma once
// The report grid: the cell model that every grid document is laid into and printed
// from. It knows no widgets; ReportGridView shows it on screen and PageRenderer paints
// it on paper.
//
// Rows and columns count from 0. Row 0 and column 0 are the grid's fixed header: they
// are kept like any other cell but never drawn or printed, so a document lies in rows
// 1 to Rows() - 1 and columns 1 to Cols() - 1. Widths and heights are whole grid units
// of 1/96 inch; font sizes are points.
//
// Members keep the names the layouts use: reads are Rows(), writes SetRows(n); Cell(),
// Range(), Column(), DefaultFont() and PageSetup() return small reference objects:
//
//   grid.Cell(4, 2).SetText("Categoria");
//   grid.Cell(1, 1).Font().SetSize(18);
//   grid.Range(4, 2, 4, 3).Merge();
//   grid.Range(3, 1, 31, 28).SetBorder(kEdgeInner, kLineThin);
//   grid.Column(3).SetWidth(19);
//   grid.SetRowHeight(2, 3);
//
// An argument out of range raises platform::RuntimeError (9 for a row, column or
// index outside the grid, 5 for a value that the member does not take), source
// kReportGridErrorSource; the grid is left as it was.

#include <QFont>
#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

namespace report_grid {

// The source of the grid's errors, shown after their description when the print path
// reports one.
inline const QString kReportGridErrorSource = QStringLiteral("Velorast.Grila");

// ---- Units and defaults -------------------------------------------------------------

inline constexpr double kUnitsPerInch = 96.0;        // the grid's length unit is 1/96 inch
inline constexpr double kMmPerUnit = 25.4 / 96.0;    // 0.2646 mm
inline constexpr int kDefaultRowHeight = 16;         // a row no one has sized
inline constexpr int kDefaultColumnWidth = 64;       // a column no one has sized
inline constexpr int kDefaultAlignment = 6;          // left, vertically centred
inline constexpr int kMaxRows = 2000;
inline constexpr int kMaxCols = 256;
inline constexpr int kMaxLength = 32767;             // widest column, tallest row
inline constexpr double kMaxFontSize = 1638.0;
inline constexpr float kMaxMarginCm = 50.0f;         // a margin lies within +/- 50 cm

// The grid as the main window first shows it: 2 rows, 2 columns, font size 8.25.
inline constexpr int kDesignRows = 2;
inline constexpr int kDesignCols = 2;
inline constexpr double kDesignFontSize = 8.25;
inline const QString kDesignFontName = QStringLiteral("MS Sans Serif");

// Border edges: 0 to 3 on a cell or a range, 5 the inner lines of a range.
enum Edge : int { kEdgeLeft = 0, kEdgeRight = 1, kEdgeTop = 2, kEdgeBottom = 3, kEdgeInner = 5 };

// Line styles: 0 no line, 1 thin, 2 thick, 3 the third style, drawn dotted.
enum LineStyle : int { kLineNone = 0, kLineThin = 1, kLineThick = 2, kLineDotted = 3 };

// Cell types: a plain text cell, or a tick box ticked when the cell's text is "1".
enum CellTypeCode : int { kCellText = 0, kCellTickBox = 2 };

// Paper codes and orientations of the page set-up.
enum PaperCode : int { kPaperLetter = 1, kPaperLegal = 5, kPaperA3 = 8, kPaperA4 = 9, kPaperA5 = 11 };
enum OrientationCode : int { kPortrait = 1, kLandscape = 2 };

// ---- Plain state, read by the view and the renderer ---------------------------------

// A font value: face name, size in points (a decimal, kept exactly as set), bold,
// italic and underline.
struct FontState {
  QString name;
  double size = kDesignFontSize;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const FontState&) const = default;
};

// How a line came to be set on a cell's edge; it decides whether the line runs along a
// merged area's edge (see ReportGrid::EffectiveEdge). The cell that keeps the setting
// holds the line: on paper a line comes out only with a printable cell or area that
// holds it.
enum class EdgeSource : std::uint8_t {
  kCell,     // Cell.Border on this cell
  kRange,    // an outer edge of Range.Border passing through this cell
  kInner,    // the inner lines of Range.Border(5), kept by the cells on both sides
  kCovered,  // Cell.Border on this cell while a merged area covered it (not its anchor);
             // held by the area only where this edge lies on the area's own edge
};

struct EdgeState {
  std::uint8_t style = kLineNone;
  EdgeSource source = EdgeSource::kCell;
  std::uint32_t stamp = 0;  // order of the setting; 0: never set. The later setting wins.
};

// Everything a cell holds. A new cell (grown into the grid or cleared by ClearAll) is
// exactly CellState{}: no text, no merge, no lines, no font of its own, the default
// alignment, no wrap, unlocked, printable with its lines, a plain text cell.
struct CellState {
  QString text;
  FontState font;                 // meaningful only when hasFont
  EdgeState edges[4];
  std::int16_t anchorRow = -1;    // the anchor of the merged area holding this cell, or -1
  std::int16_t anchorCol = -1;
  std::int16_t lastRow = -1;      // on an anchor: the lower right corner of its area
  std::int16_t lastCol = -1;
  std::int8_t alignment = kDefaultAlignment;
  std::int8_t cellType = kCellText;
  bool hasFont = false;
  bool locked = false;
  bool wrap = false;
  bool printable = true;
  bool linesPrintable = true;     // False: on paper a printable cell puts out its text, none of its lines
};

// A rectangle of cells, corners included.
struct CellRect {
  int row1 = 0, col1 = 0, row2 = 0, col2 = 0;
  bool Contains(int r, int c) const { return r >= row1 && r <= row2 && c >= col1 && c <= col2; }
  bool operator==(const CellRect&) const = default;
};

// The page set-up: margins in centimetres (single precision, negative allowed), paper,
// orientation and the page option, which is kept and has no other effect.
struct PageSettings {
  float leftMargin = 1.0f;
  float rightMargin = 1.0f;
  float topMargin = 1.0f;
  float bottomMargin = 1.0f;
  int paperSize = kPaperA4;
  int orientation = kPortrait;
  int pageOption = 0;
};

// A straight line on paper along the edges of cells: a horizontal one along the top edge
// of row `at`, from the left edge of column `from` to the left edge of column `to`; an
// upright one along the left edge of column `at`, from the top edge of row `from` to the
// top edge of row `to` (Rows or Cols: the last row's bottom, the last column's right). It
// reaches `before` and `after` grid units past those ends, to close a corner.
struct PaperLine {
  bool horizontal = false;
  int style = kLineThin;
  int at = 0, from = 0, to = 0;
  double before = 0, after = 0;
  bool operator==(const PaperLine&) const = default;
};

class ReportGrid;

// ---- Reference objects --------------------------------------------------------------

// A font object: the grid's default font, or the font of one cell. A cell without a
// font of its own reads as the default font; its first change gives it its own font,
// a copy of the default font at that moment, and then changes only that property.
class GridFont {
 public:
  QString Name() const;
  double Size() const;
  bool Bold() const;
  bool Italic() const;
  bool Underline() const;
  void SetName(const QString& name);
  void SetSize(double points);  // > 0 and at most kMaxFontSize
  void SetBold(bool bold);
  void SetItalic(bool italic);
  void SetUnderline(bool underline);

 private:
  friend class ReportGrid;
  friend class GridCell;
  GridFont(ReportGrid* grid, int row, int col) : grid_(grid), row_(row), col_(col) {}
  const FontState& Shown() const;  // what the font reads as
  FontState& Target();             // what a change writes to (a cell's own font, made on demand)
  ReportGrid* grid_;
  int row_, col_;  // row_ < 0: the default font
};

// One cell. A format, text or lock set on a covered cell of a merged area is kept, but
// the area shows and obeys its anchor (its top left cell). A line set on a covered cell
// is the exception where that edge of the cell lies on the area's own edge: it runs along
// the whole of that edge of the area. An edge inside the area draws nothing.
class GridCell {
 public:
  int Row() const { return row_; }
  int Col() const { return col_; }

  QString Text() const;
  void SetText(const QString& text);  // kept as given; CR LF inside starts a new line
  int Alignment() const;
  void SetAlignment(int code);        // 4 x h + v: h 1 left, 2 centre, 3 right; v 1 top, 2 middle, 3 bottom
  bool Locked() const;
  void SetLocked(bool locked);        // True: the clerk cannot change the cell on screen
  int Border(int edge) const;
  void SetBorder(int edge, int style);  // edge 0 to 3, style 0 to 3
  int CellType() const;
  void SetCellType(int type);         // 0 text, 2 tick box
  GridFont Font() const;
  void SetFont(const QFont& value);   // a whole font value: takes only its name
  bool Printable() const;
  void SetPrintable(bool printable);  // False: print and preview leave out its text and the lines it holds
  bool WrapText() const;
  void SetWrapText(bool wrap);        // True: a long text continues on further lines

 private:
  friend class ReportGrid;
  GridCell(ReportGrid* grid, int row, int col) : grid_(grid), row_(row), col_(col) {}
  ReportGrid* grid_;
  int row_, col_;
};

// A rectangle of cells; each setter acts on every cell of it.
class GridRange {
 public:
  CellRect Rect() const { return rect_; }

  void SetAlignment(int code);
  void SetLocked(bool locked);
  void SetPrintable(bool printable);
  // False: print and preview leave out the lines these cells hold, printable or not; their
  // texts print as Printable says (printing onto a sheet that has its lines already).
  void SetLinesPrintable(bool printable);
  void SetWrapText(bool wrap);
  // Edges 0 to 3: a line along that outer edge of the rectangle (a merged area that the
  // edge passes through draws it along the area's own edge); 5: the lines between every
  // two cells of the rectangle that are not merged together.
  void SetBorder(int edge, int style);
  void SetFontSize(double points);
  void SetFontBold(bool bold);
  // Makes the rectangle one merged area showing its anchor's text and formats. Earlier
  // areas that it contains or overlaps are replaced by it.
  void Merge();
  void ClearText();  // removes the text of every cell
  // Returns every cell to the state of a new cell (merges touching the rectangle are
  // undone) and the rows of the rectangle to the default height.
  void ClearAll();

 private:
  friend class ReportGrid;
  GridRange(ReportGrid* grid, CellRect rect) : grid_(grid), rect_(rect) {}
  ReportGrid* grid_;
  CellRect rect_;
};

// One column.
class GridColumn {
 public:
  int Width() const;
  void SetWidth(int units);  // 0 hides the column
  bool ColumnFlag() const;
  void SetColumnFlag(bool flag);  // kept, no other effect

 private:
  friend class ReportGrid;
  GridColumn(ReportGrid* grid, int col) : grid_(grid), col_(col) {}
  ReportGrid* grid_;
  int col_;
};

// The page set-up used by PrintGrid and PrintPreview.
class GridPageSetup {
 public:
  float LeftMargin() const;
  float RightMargin() const;
  float TopMargin() const;
  float BottomMargin() const;
  void SetLeftMargin(float cm);
  void SetRightMargin(float cm);
  void SetTopMargin(float cm);
  void SetBottomMargin(float cm);
  int PaperSize() const;
  void SetPaperSize(int code);     // 1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5
  int Orientation() const;
  void SetOrientation(int code);   // 1 portrait, 2 landscape
  int PageOption() const;
  void SetPageOption(int value);   // kept, no other effect

 private:
  friend class ReportGrid;
  explicit GridPageSetup(ReportGrid* grid) : grid_(grid) {}
  ReportGrid* grid_;
};

// ---- The grid -----------------------------------------------------------------------

class ReportGrid : public QObject {
  Q_OBJECT

 public:
  // The grid as designed: 2 rows, 2 columns, default font size 8.25.
  explicit ReportGrid(QObject* parent = nullptr);

  int Rows() const { return rows_; }
  // Rows beyond the new count go; added rows are new cells of the default height.
  void SetRows(int rows);  // 1 to kMaxRows
  int Cols() const { return cols_; }
  void SetCols(int cols);  // 1 to kMaxCols
  int RowHeight(int row) const;
  void SetRowHeight(int row, int units);  // 0 hides the row

  GridCell Cell(int row, int col);
  GridRange Range(int row1, int col1, int row2, int col2);  // corners in any order
  GridColumn Column(int col);
  GridFont DefaultFont() { return GridFont(this, -1, -1); }
  GridPageSetup PageSetup() { return GridPageSetup(this); }

  // False while a layout works: the screen keeps what it showed until Redraw is True
  // again and Refresh is called.
  bool Redraw() const { return redraw_; }
  void SetRedraw(bool redraw);
  // Repaints the grid's views at once; does nothing while Redraw is False.
  void Refresh();
  // A new document is being laid: its views show it from its first row and column.
  void ShowFromTop();

  // Kept values with no effect of their own.
  bool GridOptionA() const { return optionA_; }
  void SetGridOptionA(bool value);
  bool GridOptionB() const { return optionB_; }
  void SetGridOptionB(bool value);
  int GridValueA() const { return valueA_; }
  void SetGridValueA(int value);
  int GridValueB() const { return valueB_; }
  void SetGridValueB(int value);
  int GridValueC() const { return valueC_; }
  void SetGridValueC(int value);

  // The lines that the paper has already where the page is printed onto a pre-printed
  // sheet, along the edges of this grid's rows and columns as they are sized when it
  // prints (the page set-up's margins move them with the document). The text of a
  // printable cell whose lines do not print keeps clear of them as of its own lines;
  // every other cell ignores them. None until set.
  const std::vector<PaperLine>& SheetLines() const { return sheetLines_; }
  void SetSheetLines(std::vector<PaperLine> lines);

  // ---- Reading, for the view and the renderer (arguments are checked as above) ----

  const CellState& State(int row, int col) const;
  // The merged area holding the cell, or the cell alone.
  CellRect AreaOf(int row, int col) const;
  // The anchor's state for a cell that belongs to a merged area, else the cell's own.
  const CellState& ShownState(int row, int col) const;
  // The font a cell shows in: its own, or the default font.
  const FontState& FontOf(int row, int col) const;
  const FontState& DefaultFontState() const { return defaultFont_; }
  int ColumnWidth(int col) const;
  const PageSettings& Page() const { return page_; }
  // The line drawn along one edge (0 to 3) of the merged area anchored at (row, col), or
  // of that cell alone: the latest of the settings that reach that edge.
  EdgeState EffectiveEdge(int row, int col, int edge) const;
  // Grows by one with every change; the view redraws when it differs from what it drew.
  std::uint64_t Revision() const { return revision_; }

 signals:
  // Something changed while Redraw is True, or Redraw became True: repaint when idle.
  void changed();
  // Refresh was called with Redraw True: repaint now.
  void refreshRequested();
  // ShowFromTop was called: scroll back to the first row and column.
  void showFromTopRequested();

 private:
  friend class GridFont;
  friend class GridCell;
  friend class GridRange;
  friend class GridColumn;
  friend class GridPageSetup;

  CellState& At(int row, int col) { return cells_[static_cast<size_t>(row) * cols_ + col]; }
  const CellState& At(int row, int col) const { return cells_[static_cast<size_t>(row) * cols_ + col]; }
  void CheckCell(int row, int col) const;
  void CheckRow(int row) const;
  void CheckCol(int col) const;
  CellRect CheckedRect(int row1, int col1, int row2, int col2) const;
  void Touch();
  void Resize(int rows, int cols);
  void Unmerge(int anchorRow, int anchorCol);
  FontState& OwnFont(int row, int col);
  void SetEdge(int row, int col, int edge, int style, EdgeSource source, std::uint32_t stamp);
  std::uint32_t NextStamp() { return ++stamp_; }

  int rows_ = 0;
  int cols_ = 0;
  std::vector<CellState> cells_;
  std::vector<int> rowHeights_;
  std::vector<int> colWidths_;
  std::vector<char> colFlags_;
  FontState defaultFont_;
  PageSettings page_;
  bool redraw_ = true;
  bool optionA_ = true;
  bool optionB_ = false;
  int valueA_ = 0;
  int valueB_ = 0;
  int valueC_ = 0;
  std::vector<PaperLine> sheetLines_;
  std::uint32_t stamp_ = 0;
  std::uint64_t revision_ = 0;
};

}  // namespace report_grid
