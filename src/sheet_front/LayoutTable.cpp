#include "sheet_front/LayoutTable.h"

#include <QString>

using report_grid::CellRect;
using report_grid::ReportGrid;

namespace sheet_front {
namespace {

CellRect Resolved(const ReportGrid& grid, CellRect r, int rowOffset) {
  auto row = [&](int v) { return v == kLast ? grid.Rows() - 1 : v + rowOffset; };
  auto col = [&](int v) { return v == kLast ? grid.Cols() - 1 : v; };
  return {row(r.row1), col(r.col1), row(r.row2), col(r.col2)};
}

void LayOnCell(ReportGrid& grid, const CellRect& r, const Area& a) {
  if (a.text) grid.Cell(r.row1, r.col1).SetText(QString::fromUtf8(a.text));
  if (a.place.shape == Shape::kMerged) grid.Range(r.row1, r.col1, r.row2, r.col2).Merge();
  if (a.locked) grid.Cell(r.row1, r.col1).SetLocked(true);
  if (a.alignment) grid.Cell(r.row1, r.col1).SetAlignment(a.alignment);
  if (a.wrap) grid.Cell(r.row1, r.col1).SetWrapText(true);
  if (a.font.size > 0) grid.Cell(r.row1, r.col1).Font().SetSize(a.font.size);
  if (a.font.bold) grid.Cell(r.row1, r.col1).Font().SetBold(true);
  switch (a.mark) {
    case Mark::kNone: break;
    case Mark::kFillInLine: grid.Cell(r.row1, r.col1).SetBorder(report_grid::kEdgeBottom, report_grid::kLineThin); break;
    case Mark::kTickBox:
      grid.Cell(r.row1, r.col1).SetCellType(report_grid::kCellTickBox);
      for (int edge : {report_grid::kEdgeLeft, report_grid::kEdgeTop, report_grid::kEdgeRight, report_grid::kEdgeBottom})
        grid.Cell(r.row1, r.col1).SetBorder(edge, report_grid::kLineThin);
      break;
  }
}

void LayOnRange(ReportGrid& grid, const CellRect& r, const Area& a) {
  auto range = [&] { return grid.Range(r.row1, r.col1, r.row2, r.col2); };
  if (a.locked) range().SetLocked(true);
  if (a.alignment) range().SetAlignment(a.alignment);
  if (a.wrap) range().SetWrapText(true);
  if (a.font.size > 0) range().SetFontSize(a.font.size);
  if (a.font.bold) range().SetFontBold(true);
}

}  // namespace

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
