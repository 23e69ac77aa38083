#include "sheet_front/LayoutSkeleton.h"

#include "platform/RuntimeError.h"

using report_grid::ReportGrid;

namespace sheet_front {
namespace {

int Resolved(int coordinate, int count) { return coordinate <= kLast ? count + coordinate : coordinate; }

[[noreturn]] void WrongCount(const char* what, int given, int wanted) {
  throw platform::RuntimeError(platform::kErrInvalidArgument,
                               QStringLiteral("Argument nepermis: %1 valori pentru %2, trebuie %3")
                                   .arg(given)
                                   .arg(QLatin1String(what))
                                   .arg(wanted),
                               QStringLiteral("LayoutSkeleton"));
}

}  // namespace

void ClearGrid(ReportGrid& grid, Clearing clearing) {
  if (grid.Rows() - 1 <= 1) return;
  if (clearing == Clearing::kTextThenAll) grid.Range(1, 1, grid.Rows() - 1, grid.Cols() - 1).ClearText();
  grid.Range(1, 1, grid.Rows() - 1, grid.Cols() - 1).ClearAll();
}

void SetupGrid(ReportGrid& grid, const LayoutParameters& p) {
  grid.SetRows(p.rows);
  grid.SetCols(p.cols);
  grid.SetRedraw(false);
  for (int i = 1; i <= grid.Cols() - 1; ++i) grid.Column(i).SetColumnFlag(false);
  grid.DefaultFont().SetName(kLayoutFontName);
  grid.DefaultFont().SetSize(p.fontSize);
  grid.DefaultFont().SetBold(p.fontBold);
  grid.SetGridOptionA(false);
  grid.SetGridOptionB(true);
  if (p.copyGridValueB) grid.SetGridValueA(grid.GridValueB());
  grid.ShowFromTop();
}

void FormatWholeGrid(ReportGrid& grid, const LayoutParameters& p) {
  for (const WholeGridFormat& f : p.wholeGridFormats) {
    auto range = [&] {
      return grid.Range(Resolved(f.row1, grid.Rows()), Resolved(f.col1, grid.Cols()), Resolved(f.row2, grid.Rows()),
                        Resolved(f.col2, grid.Cols()));
    };
    if (f.bold) range().SetFontBold(true);
    if (f.alignment) range().SetAlignment(f.alignment);
    if (f.fontSize > 0) range().SetFontSize(f.fontSize);
  }
}

void SetColumnWidths(ReportGrid& grid, std::span<const int> widths) {
  if (static_cast<int>(widths.size()) != grid.Cols())
    WrongCount("latimile coloanelor", static_cast<int>(widths.size()), grid.Cols());
  for (int c = 0; c < grid.Cols(); ++c) grid.Column(c).SetWidth(widths[c]);
}

void SetRowHeights(ReportGrid& grid, const LayoutParameters& p, std::span<const int> heights) {
  if (static_cast<int>(heights.size()) != grid.Rows() - 1)
    WrongCount("inaltimile randurilor", static_cast<int>(heights.size()), grid.Rows() - 1);
  if (p.row0Height != kKeepRow0) grid.SetRowHeight(0, p.row0Height);
  for (int r = 1; r < grid.Rows(); ++r)
    if (heights[r - 1] != kSizedLater) grid.SetRowHeight(r, heights[r - 1]);
}

void BeforeTheFill(ReportGrid& grid, const LayoutParameters& p) {
  switch (p.beforeFill) {
    case BeforeFill::kNothing: break;
    case BeforeFill::kGridValueC255: grid.SetGridValueC(255); break;
    case BeforeFill::kColumnFlagOfColumn1: grid.Column(1).SetColumnFlag(true); break;
  }
}

void FinishGrid(ReportGrid& grid) {
  grid.SetRedraw(true);
  grid.Refresh();
}

void LayDocument(ReportGrid& grid, const DocumentLayout& d) {
  ClearGrid(grid, d.parameters.clearing);
  SetupGrid(grid, d.parameters);
  FormatWholeGrid(grid, d.parameters);
  SetColumnWidths(grid, d.widths);
  SetRowHeights(grid, d.parameters, d.heights);
  if (d.cells) d.cells(grid);
  BeforeTheFill(grid, d.parameters);
  if (d.fill) d.fill(grid);
  FinishGrid(grid);
}

}  // namespace sheet_front
