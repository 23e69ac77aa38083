#pragma once
// Shared by the tests of the grid documents: case boxes that a test fills by index, and a grid written
// out line by line, to compare two grids as a document shows them.

#include <QFont>
#include <QString>
#include <QStringList>
#include <array>
#include <set>
#include <tuple>

#include "core/CaseBoxes.h"
#include "report_grid/ReportGrid.h"

namespace sheettest {

class Boxes : public core::CaseBoxes {
 public:
  std::array<QString, 45> camp;
  std::array<QString, 40> verso;
  QString specificatii;

  QString txtCamp(int index) const override { return camp.at(index); }
  QString txtVerso(int index) const override { return verso.at(index); }
  QString txtSpecificatii() const override { return specificatii; }

  // Every vehicle box holding a text of its own ("C0" ... "C44", "Spec").
  static Boxes Numbered() {
    Boxes b;
    for (int i = 0; i < 45; ++i) b.camp[i] = QStringLiteral("C%1").arg(i);
    b.specificatii = QStringLiteral("Spec");
    return b;
  }
};

// The document part of the grid (rows and columns from 1), its sizes and default font:
// one line per row size, column width and cell, with the text, font, merge, formats and
// the lines drawn along each edge.
QStringList Describe(const report_grid::ReportGrid& grid);

// The first line where two descriptions differ, or an empty text.
QString FirstDifference(const QStringList& a, const QStringList& b);

// Merged areas, ordered by their corners.
struct RectLess {
  bool operator()(const report_grid::CellRect& a, const report_grid::CellRect& b) const {
    return std::tie(a.row1, a.col1, a.row2, a.col2) < std::tie(b.row1, b.col1, b.row2, b.col2);
  }
};
using RectSet = std::set<report_grid::CellRect, RectLess>;

// Every merged area of the document part of the grid.
RectSet MergedAreas(const report_grid::ReportGrid& grid);

// Sets the sheet font FontFisa for the length of a test.
class SheetFont {
 public:
  explicit SheetFont(const QFont& font);
  ~SheetFont();
  SheetFont(const SheetFont&) = delete;
  SheetFont& operator=(const SheetFont&) = delete;

 private:
  QFont saved_;
};

QFont Font(const QString& family, double size, bool bold, bool italic = false, bool underline = false);

}  // namespace sheettest
