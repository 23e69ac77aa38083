#include "report_grid/ReportGrid.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/RuntimeError.h"

namespace report_grid {
namespace {

const QString& kSource = kReportGridErrorSource;

[[noreturn]] void OutOfRange(const QString& what) {
  throw platform::RuntimeError(platform::kErrSubscriptOutOfRange,
                               QStringLiteral("Indice in afara domeniului: %1").arg(what), kSource);
}

[[noreturn]] void Invalid(const QString& what) {
  throw platform::RuntimeError(platform::kErrInvalidArgument,
                               QStringLiteral("Argument nepermis: %1").arg(what), kSource);
}

void CheckAlignment(int code) {
  const int h = code / 4, v = code % 4;
  if (h < 1 || h > 3 || v < 1 || v > 3)
    Invalid(QStringLiteral("alinierea %1 nu este de forma 4 x h + v, cu h si v intre 1 si 3").arg(code));
}

void CheckStyle(int style) {
  if (style < kLineNone || style > kLineDotted)
    Invalid(QStringLiteral("stilul de linie %1 nu exista (0 fara linie, 1 subtire, 2 groasa, 3 punctata)")
                .arg(style));
}

void CheckCellEdge(int edge) {
  if (edge < kEdgeLeft || edge > kEdgeBottom)
    Invalid(QStringLiteral("latura %1 nu exista (0 stanga, 1 dreapta, 2 sus, 3 jos)").arg(edge));
}

void CheckLength(int units, const char* what) {
  if (units < 0 || units > kMaxLength)
    Invalid(QStringLiteral("%1 %2 nu este intre 0 si %3").arg(QLatin1String(what)).arg(units).arg(kMaxLength));
}

void CheckFontSize(double points) {
  if (!(points > 0.0 && points <= kMaxFontSize))
    Invalid(QStringLiteral("marimea fontului %1 nu este intre 0 si %2").arg(points).arg(kMaxFontSize));
}

void CheckMargin(float cm) {
  if (!(std::fabs(cm) <= kMaxMarginCm))
    Invalid(QStringLiteral("marginea de %1 cm nu este intre -%2 si %2").arg(cm).arg(kMaxMarginCm));
}

}  // namespace

// ---- ReportGrid ---------------------------------------------------------------------

ReportGrid::ReportGrid(QObject* parent) : QObject(parent) {
  defaultFont_ = FontState{kDesignFontName, kDesignFontSize, false};
  Resize(kDesignRows, kDesignCols);
}

void ReportGrid::CheckRow(int row) const {
  if (row < 0 || row >= rows_)
    OutOfRange(QStringLiteral("randul %1 nu exista in grila (randuri 0 - %2)").arg(row).arg(rows_ - 1));
}

void ReportGrid::CheckCol(int col) const {
  if (col < 0 || col >= cols_)
    OutOfRange(QStringLiteral("coloana %1 nu exista in grila (coloane 0 - %2)").arg(col).arg(cols_ - 1));
}

void ReportGrid::CheckCell(int row, int col) const {
  CheckRow(row);
  CheckCol(col);
}

CellRect ReportGrid::CheckedRect(int row1, int col1, int row2, int col2) const {
  CheckCell(row1, col1);
  CheckCell(row2, col2);
  return CellRect{std::min(row1, row2), std::min(col1, col2), std::max(row1, row2), std::max(col1, col2)};
}

void ReportGrid::Touch() {
  ++revision_;
  if (redraw_) emit changed();
}

void ReportGrid::Resize(int rows, int cols) {
  if (rows == rows_ && cols == cols_) return;
  std::vector<CellState> cells(static_cast<size_t>(rows) * cols);
  const int keepRows = std::min(rows, rows_), keepCols = std::min(cols, cols_);
  for (int r = 0; r < keepRows; ++r)
    for (int c = 0; c < keepCols; ++c)
      cells[static_cast<size_t>(r) * cols + c] = std::move(At(r, c));
  cells_ = std::move(cells);
  rows_ = rows;
  cols_ = cols;
  rowHeights_.resize(rows, kDefaultRowHeight);
  colWidths_.resize(cols, kDefaultColumnWidth);
  colFlags_.resize(cols, 0);

  // Merged areas that the new size cuts are cut to what is left of them.
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      CellState& s = At(r, c);
      if (s.lastRow < 0) continue;
      s.lastRow = static_cast<std::int16_t>(std::min<int>(s.lastRow, rows_ - 1));
      s.lastCol = static_cast<std::int16_t>(std::min<int>(s.lastCol, cols_ - 1));
      if (s.lastRow == r && s.lastCol == c) Unmerge(r, c);
    }
  }
}

void ReportGrid::SetRows(int rows) {
  if (rows < 1 || rows > kMaxRows)
    Invalid(QStringLiteral("numarul de randuri %1 nu este intre 1 si %2").arg(rows).arg(kMaxRows));
  Resize(rows, cols_);
  Touch();
}

void ReportGrid::SetCols(int cols) {
  if (cols < 1 || cols > kMaxCols)
    Invalid(QStringLiteral("numarul de coloane %1 nu este intre 1 si %2").arg(cols).arg(kMaxCols));
  Resize(rows_, cols);
  Touch();
}

int ReportGrid::RowHeight(int row) const {
  CheckRow(row);
  return rowHeights_[row];
}

void ReportGrid::SetRowHeight(int row, int units) {
  CheckRow(row);
  CheckLength(units, "inaltimea");
  rowHeights_[row] = units;
  Touch();
}

int ReportGrid::ColumnWidth(int col) const {
  CheckCol(col);
  return colWidths_[col];
}

GridCell ReportGrid::Cell(int row, int col) {
  CheckCell(row, col);
  return GridCell(this, row, col);
}

GridRange ReportGrid::Range(int row1, int col1, int row2, int col2) {
  return GridRange(this, CheckedRect(row1, col1, row2, col2));
}

GridColumn ReportGrid::Column(int col) {
  CheckCol(col);
  return GridColumn(this, col);
}

void ReportGrid::SetRedraw(bool redraw) {
  const bool resumed = redraw && !redraw_;
  redraw_ = redraw;
  if (resumed) emit changed();
}

void ReportGrid::Refresh() {
  if (redraw_) emit refreshRequested();
}

void ReportGrid::ShowFromTop() { emit showFromTopRequested(); }

void ReportGrid::SetGridOptionA(bool value) { optionA_ = value; }
void ReportGrid::SetGridOptionB(bool value) { optionB_ = value; }
void ReportGrid::SetGridValueA(int value) { valueA_ = value; }
void ReportGrid::SetGridValueB(int value) { valueB_ = value; }
void ReportGrid::SetGridValueC(int value) { valueC_ = value; }

void ReportGrid::SetSheetLines(std::vector<PaperLine> lines) {
  sheetLines_ = std::move(lines);
  Touch();
}

const CellState& ReportGrid::State(int row, int col) const {
  CheckCell(row, col);
  return At(row, col);
}

CellRect ReportGrid::AreaOf(int row, int col) const {
  const CellState& s = State(row, col);
  if (s.anchorRow < 0) return CellRect{row, col, row, col};
  const CellState& a = At(s.anchorRow, s.anchorCol);
  return CellRect{s.anchorRow, s.anchorCol, a.lastRow, a.lastCol};
}

const CellState& ReportGrid::ShownState(int row, int col) const {
  const CellState& s = State(row, col);
  return s.anchorRow < 0 ? s : At(s.anchorRow, s.anchorCol);
}

const FontState& ReportGrid::FontOf(int row, int col) const {
  const CellState& s = State(row, col);
  return s.hasFont ? s.font : defaultFont_;
}

FontState& ReportGrid::OwnFont(int row, int col) {
  CellState& s = At(row, col);
  if (!s.hasFont) {
    s.font = defaultFont_;
    s.hasFont = true;
  }
  return s.font;
}

void ReportGrid::SetEdge(int row, int col, int edge, int style, EdgeSource source, std::uint32_t stamp) {
  EdgeState& e = At(row, col).edges[edge];
  e.style = static_cast<std::uint8_t>(style);
  e.source = source;
  e.stamp = stamp;
}

EdgeState ReportGrid::EffectiveEdge(int row, int col, int edge) const {
  CheckCellEdge(edge);
  const CellRect a = AreaOf(row, col);
  const bool single = a.row1 == a.row2 && a.col1 == a.col2;
  EdgeState best;
  for (int r = a.row1; r <= a.row2; ++r) {
    for (int c = a.col1; c <= a.col2; ++c) {
      const EdgeState& e = At(r, c).edges[edge];
      if (e.stamp <= best.stamp) continue;
      bool reaches = single;
      if (!reaches) {
        switch (e.source) {
          case EdgeSource::kRange: reaches = true; break;  // any cell of the area
          case EdgeSource::kCell: reaches = (r == a.row1 && c == a.col1); break;  // the anchor
          case EdgeSource::kCovered:  // only where the cell's edge is the area's own edge
          case EdgeSource::kInner:
            reaches = (edge == kEdgeLeft && c == a.col1) || (edge == kEdgeRight && c == a.col2) ||
                      (edge == kEdgeTop && r == a.row1) || (edge == kEdgeBottom && r == a.row2);
            break;
        }
      }
      if (reaches) best = e;
    }
  }
  return best;
}

void ReportGrid::Unmerge(int anchorRow, int anchorCol) {
  CellState& anchor = At(anchorRow, anchorCol);
  const int lastRow = std::min<int>(anchor.lastRow, rows_ - 1);
  const int lastCol = std::min<int>(anchor.lastCol, cols_ - 1);
  for (int r = anchorRow; r <= lastRow; ++r)
    for (int c = anchorCol; c <= lastCol; ++c) {
      CellState& s = At(r, c);
      if (s.anchorRow == anchorRow && s.anchorCol == anchorCol) s.anchorRow = s.anchorCol = -1;
    }
  anchor.lastRow = anchor.lastCol = -1;
  anchor.anchorRow = anchor.anchorCol = -1;
}

// ---- GridFont -----------------------------------------------------------------------

const FontState& GridFont::Shown() const {
  return row_ < 0 ? grid_->defaultFont_ : grid_->FontOf(row_, col_);
}

QString GridFont::Name() const { return Shown().name; }
double GridFont::Size() const { return Shown().size; }
bool GridFont::Bold() const { return Shown().bold; }
bool GridFont::Italic() const { return Shown().italic; }
bool GridFont::Underline() const { return Shown().underline; }

FontState& GridFont::Target() {
  if (row_ < 0) return grid_->defaultFont_;
  grid_->CheckCell(row_, col_);
  return grid_->OwnFont(row_, col_);
}

void GridFont::SetName(const QString& name) {
  Target().name = name;
  grid_->Touch();
}

void GridFont::SetSize(double points) {
  CheckFontSize(points);
  Target().size = points;
  grid_->Touch();
}

void GridFont::SetBold(bool bold) {
  Target().bold = bold;
  grid_->Touch();
}

void GridFont::SetItalic(bool italic) {
  Target().italic = italic;
  grid_->Touch();
}

void GridFont::SetUnderline(bool underline) {
  Target().underline = underline;
  grid_->Touch();
}

// ---- GridCell -----------------------------------------------------------------------

QString GridCell::Text() const { return grid_->State(row_, col_).text; }

void GridCell::SetText(const QString& text) {
  grid_->CheckCell(row_, col_);
  grid_->At(row_, col_).text = text;
  grid_->Touch();
}

int GridCell::Alignment() const { return grid_->State(row_, col_).alignment; }

void GridCell::SetAlignment(int code) {
  grid_->CheckCell(row_, col_);
  CheckAlignment(code);
  grid_->At(row_, col_).alignment = static_cast<std::int8_t>(code);
  grid_->Touch();
}

bool GridCell::Locked() const { return grid_->State(row_, col_).locked; }

void GridCell::SetLocked(bool locked) {
  grid_->CheckCell(row_, col_);
  grid_->At(row_, col_).locked = locked;
  grid_->Touch();
}

int GridCell::Border(int edge) const {
  CheckCellEdge(edge);
  return grid_->State(row_, col_).edges[edge].style;
}

void GridCell::SetBorder(int edge, int style) {
  grid_->CheckCell(row_, col_);
  CheckCellEdge(edge);
  CheckStyle(style);
  const CellState& s = grid_->At(row_, col_);
  const bool covered = s.anchorRow >= 0 && (s.anchorRow != row_ || s.anchorCol != col_);
  grid_->SetEdge(row_, col_, edge, style, covered ? EdgeSource::kCovered : EdgeSource::kCell, grid_->NextStamp());
  grid_->Touch();
}

int GridCell::CellType() const { return grid_->State(row_, col_).cellType; }

void GridCell::SetCellType(int type) {
  grid_->CheckCell(row_, col_);
  if (type != kCellText && type != kCellTickBox)
    Invalid(QStringLiteral("tipul de celula %1 nu exista (0 text, 2 caseta de bifat)").arg(type));
  grid_->At(row_, col_).cellType = static_cast<std::int8_t>(type);
  grid_->Touch();
}

GridFont GridCell::Font() const {
  grid_->CheckCell(row_, col_);
  return GridFont(grid_, row_, col_);
}

void GridCell::SetFont(const QFont& value) { Font().SetName(value.family()); }

bool GridCell::Printable() const { return grid_->State(row_, col_).printable; }

void GridCell::SetPrintable(bool printable) {
  grid_->CheckCell(row_, col_);
  grid_->At(row_, col_).printable = printable;
  grid_->Touch();
}

bool GridCell::WrapText() const { return grid_->State(row_, col_).wrap; }

void GridCell::SetWrapText(bool wrap) {
  grid_->CheckCell(row_, col_);
  grid_->At(row_, col_).wrap = wrap;
  grid_->Touch();
}

// ---- GridRange ----------------------------------------------------------------------

namespace {

// Runs `f` on every cell of the rectangle, after checking that it still fits the grid.
template <class F>
void ForEachCell(ReportGrid& grid, const CellRect& r, F&& f) {
  (void)grid.State(r.row2, r.col2);  // raises when the grid has shrunk since
  for (int row = r.row1; row <= r.row2; ++row)
    for (int col = r.col1; col <= r.col2; ++col) f(row, col);
}

}  // namespace

void GridRange::SetAlignment(int code) {
  CheckAlignment(code);
  ForEachCell(*grid_, rect_, [&](int r, int c) { grid_->At(r, c).alignment = static_cast<std::int8_t>(code); });
  grid_->Touch();
}

void GridRange::SetLocked(bool locked) {
  ForEachCell(*grid_, rect_, [&](int r, int c) { grid_->At(r, c).locked = locked; });
  grid_->Touch();
}

void GridRange::SetPrintable(bool printable) {
  ForEachCell(*grid_, rect_, [&](int r, int c) { grid_->At(r, c).printable = printable; });
  grid_->Touch();
}

void GridRange::SetLinesPrintable(bool printable) {
  ForEachCell(*grid_, rect_, [&](int r, int c) { grid_->At(r, c).linesPrintable = printable; });
  grid_->Touch();
}

void GridRange::SetWrapText(bool wrap) {
  ForEachCell(*grid_, rect_, [&](int r, int c) { grid_->At(r, c).wrap = wrap; });
  grid_->Touch();
}

void GridRange::SetBorder(int edge, int style) {
  if (edge != kEdgeInner) CheckCellEdge(edge);
  CheckStyle(style);
  (void)grid_->State(rect_.row2, rect_.col2);
  const std::uint32_t stamp = grid_->NextStamp();
  const CellRect& r = rect_;
  switch (edge) {
    case kEdgeLeft:
    case kEdgeRight: {
      const int col = edge == kEdgeLeft ? r.col1 : r.col2;
      for (int row = r.row1; row <= r.row2; ++row) grid_->SetEdge(row, col, edge, style, EdgeSource::kRange, stamp);
      break;
    }
    case kEdgeTop:
    case kEdgeBottom: {
      const int row = edge == kEdgeTop ? r.row1 : r.row2;
      for (int col = r.col1; col <= r.col2; ++col) grid_->SetEdge(row, col, edge, style, EdgeSource::kRange, stamp);
      break;
    }
    default:  // inner lines: each boundary between two cells of the rectangle, held by both
      for (int row = r.row1; row <= r.row2; ++row)
        for (int col = r.col1; col <= r.col2; ++col) {
          if (col < r.col2) {
            grid_->SetEdge(row, col, kEdgeRight, style, EdgeSource::kInner, stamp);
            grid_->SetEdge(row, col + 1, kEdgeLeft, style, EdgeSource::kInner, stamp);
          }
          if (row < r.row2) {
            grid_->SetEdge(row, col, kEdgeBottom, style, EdgeSource::kInner, stamp);
            grid_->SetEdge(row + 1, col, kEdgeTop, style, EdgeSource::kInner, stamp);
          }
        }
      break;
  }
  grid_->Touch();
}

void GridRange::SetFontSize(double points) {
  CheckFontSize(points);
  ForEachCell(*grid_, rect_, [&](int r, int c) { grid_->OwnFont(r, c).size = points; });
  grid_->Touch();
}

void GridRange::SetFontBold(bool bold) {
  ForEachCell(*grid_, rect_, [&](int r, int c) { grid_->OwnFont(r, c).bold = bold; });
  grid_->Touch();
}

void GridRange::Merge() {
  (void)grid_->State(rect_.row2, rect_.col2);
  const CellRect& r = rect_;
  if (r.row1 == r.row2 && r.col1 == r.col2) return;  // one cell is no area
  ForEachCell(*grid_, r, [&](int row, int col) {
    const CellState& s = grid_->At(row, col);
    if (s.anchorRow >= 0) grid_->Unmerge(s.anchorRow, s.anchorCol);
  });
  ForEachCell(*grid_, r, [&](int row, int col) {
    CellState& s = grid_->At(row, col);
    s.anchorRow = static_cast<std::int16_t>(r.row1);
    s.anchorCol = static_cast<std::int16_t>(r.col1);
  });
  CellState& anchor = grid_->At(r.row1, r.col1);
  anchor.lastRow = static_cast<std::int16_t>(r.row2);
  anchor.lastCol = static_cast<std::int16_t>(r.col2);
  grid_->Touch();
}

void GridRange::ClearText() {
  ForEachCell(*grid_, rect_, [&](int r, int c) { grid_->At(r, c).text.clear(); });
  grid_->Touch();
}

void GridRange::ClearAll() {
  ForEachCell(*grid_, rect_, [&](int r, int c) {
    const CellState& s = grid_->At(r, c);
    if (s.anchorRow >= 0) grid_->Unmerge(s.anchorRow, s.anchorCol);
  });
  ForEachCell(*grid_, rect_, [&](int r, int c) { grid_->At(r, c) = CellState{}; });
  for (int row = rect_.row1; row <= rect_.row2; ++row) grid_->rowHeights_[row] = kDefaultRowHeight;
  grid_->Touch();
}

// ---- GridColumn ---------------------------------------------------------------------

int GridColumn::Width() const { return grid_->ColumnWidth(col_); }

void GridColumn::SetWidth(int units) {
  grid_->CheckCol(col_);
  CheckLength(units, "latimea");
  grid_->colWidths_[col_] = units;
  grid_->Touch();
}

bool GridColumn::ColumnFlag() const {
  grid_->CheckCol(col_);
  return grid_->colFlags_[col_] != 0;
}

void GridColumn::SetColumnFlag(bool flag) {
  grid_->CheckCol(col_);
  grid_->colFlags_[col_] = flag ? 1 : 0;
}

// ---- GridPageSetup ------------------------------------------------------------------

float GridPageSetup::LeftMargin() const { return grid_->page_.leftMargin; }
float GridPageSetup::RightMargin() const { return grid_->page_.rightMargin; }
float GridPageSetup::TopMargin() const { return grid_->page_.topMargin; }
float GridPageSetup::BottomMargin() const { return grid_->page_.bottomMargin; }

void GridPageSetup::SetLeftMargin(float cm) { CheckMargin(cm); grid_->page_.leftMargin = cm; }
void GridPageSetup::SetRightMargin(float cm) { CheckMargin(cm); grid_->page_.rightMargin = cm; }
void GridPageSetup::SetTopMargin(float cm) { CheckMargin(cm); grid_->page_.topMargin = cm; }
void GridPageSetup::SetBottomMargin(float cm) { CheckMargin(cm); grid_->page_.bottomMargin = cm; }

int GridPageSetup::PaperSize() const { return grid_->page_.paperSize; }

void GridPageSetup::SetPaperSize(int code) {
  switch (code) {
    case kPaperLetter: case kPaperLegal: case kPaperA3: case kPaperA4: case kPaperA5: break;
    default:
      Invalid(QStringLiteral("formatul de hartie %1 nu este cunoscut (1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5)")
                  .arg(code));
  }
  grid_->page_.paperSize = code;
}

int GridPageSetup::Orientation() const { return grid_->page_.orientation; }

void GridPageSetup::SetOrientation(int code) {
  if (code != kPortrait && code != kLandscape)
    Invalid(QStringLiteral("orientarea %1 nu exista (1 portret, 2 peisaj)").arg(code));
  grid_->page_.orientation = code;
}

int GridPageSetup::PageOption() const { return grid_->page_.pageOption; }
void GridPageSetup::SetPageOption(int value) { grid_->page_.pageOption = value; }

}  // namespace report_grid
