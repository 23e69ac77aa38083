#include "sheet_front/LayoutTable.h"

#include <QString>
#include <cmath>

using report_grid::CellRect;
using report_grid::ReportGrid;

namespace sheet_front {
namespace {

CellRect Resolved(const ReportGrid& grid, CellRect r, int rowOffset) {
  auto row = [&](int v) { return v <= kLast ? grid.Rows() + v : v + rowOffset; };
  auto col = [&](int v) { return v <= kLast ? grid.Cols() + v : v; };
  return {row(r.row1), col(r.col1), row(r.row2), col(r.col2)};
}

double SizeOf(ReportGrid& grid, const FontSet& font) {
  return font.aboveDefault ? FourDecimals(grid.DefaultFont().Size()) + font.size : font.size;
}

template <class SetBorder>
void SetMarkLines(const Mark& mark, SetBorder&& setBorder) {
  if (mark.style == 0) return;
  for (int edge : mark.edges)
    if (edge >= 0) setBorder(edge, mark.style);
}

void LayOnCell(ReportGrid& grid, const CellRect& r, const Area& a) {
  auto cell = [&] { return grid.Cell(r.row1, r.col1); };
  if (a.text) cell().SetText(QString::fromUtf8(a.text));
  if (a.place.shape == Shape::kMerged) grid.Range(r.row1, r.col1, r.row2, r.col2).Merge();
  if (a.locked != kOpen) cell().SetLocked(a.locked == kLocked);
  if (a.alignment) cell().SetAlignment(a.alignment);
  if (a.wrap) cell().SetWrapText(true);
  if (a.font.size > 0) cell().Font().SetSize(SizeOf(grid, a.font));
  if (a.font.bold) cell().Font().SetBold(true);
  if (a.mark.tickBox) cell().SetCellType(report_grid::kCellTickBox);
  SetMarkLines(a.mark, [&](int edge, int style) { cell().SetBorder(edge, style); });
}

void LayOnRange(ReportGrid& grid, const CellRect& r, const Area& a) {
  auto range = [&] { return grid.Range(r.row1, r.col1, r.row2, r.col2); };
  if (a.locked != kOpen) range().SetLocked(a.locked == kLocked);
  if (a.alignment) range().SetAlignment(a.alignment);
  if (a.wrap) range().SetWrapText(true);
  if (a.font.size > 0) range().SetFontSize(SizeOf(grid, a.font));
  if (a.font.bold) range().SetFontBold(true);
  SetMarkLines(a.mark, [&](int edge, int style) { range().SetBorder(edge, style); });
}

}  // namespace

double FourDecimals(double points) { return std::round(points * 10000.0) / 10000.0; }

void LayAreas(ReportGrid& grid, std::span<const Area> areas, int rowOffset) {
  for (const Area& a : areas) {
    const CellRect r = Resolved(grid, a.place.rect, rowOffset);
    if (a.place.shape == Shape::kRange)
      LayOnRange(grid, r, a);
    else
      LayOnCell(grid, r, a);
  }
}

void DrawLines(ReportGrid& grid, std::span<const Lines> lines, int rowOffset) {
  for (const Lines& l : lines)
    for (const Place& p : l.places) {
      const CellRect r = Resolved(grid, p.rect, rowOffset);
      for (int edge : l.edges) {
        if (p.shape == Shape::kCell)
          grid.Cell(r.row1, r.col1).SetBorder(edge, l.style);
        else
          grid.Range(r.row1, r.col1, r.row2, r.col2).SetBorder(edge, l.style);
      }
    }
}

}  // namespace sheet_front
