// Long values in the grid documents, printed and read back from the PDF: each prints from
// its first letter, inside its cell, whatever the cell's alignment; and a case of the
// lengths offices type prints whole, every word inside its cell and off the lines.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "EveryGridDocument.h"
#include "LetterFixtures.h"
#include "core/Fonts.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"
#include "grid_documents/modEvidenta.h"
#include "report_grid/Printing.h"
#include "sheet_back/modFisaVerso.h"
#include "sheet_front/modFisaFata.h"
#include "support/LongCases.h"
#include "support/PdfLines.h"
#include "support/PdfText.h"
#include "support/PrintedCells.h"

using namespace grid_documents;
using lettertest::Boxes;
using report_grid::ReportGrid;

namespace {

class LongValues : public lettertest::LetterTest {};

// The top edges of rows 1 to Rows of a grid's page, in millimetres (the last one the
// bottom of the last row).
QList<double> RowEdges(const ReportGrid& grid) {
  QList<double> edges;
  for (int r = 1; r < grid.Rows(); ++r) edges.append(testsupport::AreaOnPage(grid, r, 1).top());
  edges.append(testsupport::AreaOnPage(grid, grid.Rows() - 1, 1).bottom());
  return edges;
}

// Strokes printed on a page whose rows had the edges `from`, where they stand on a page of
// the same rows at the edges `to`: each end keeps its distance from its nearest row edge.
// The pre-printed sheet has the lines of the complete print along the rows the data-only
// layout is measured to.
QList<testsupport::PdfStroke> AlongRows(QList<testsupport::PdfStroke> strokes, const QList<double>& from,
                                        const QList<double>& to) {
  const auto moved = [&](double y) {
    qsizetype nearest = 0;
    for (qsizetype i = 1; i < from.size() && i < to.size(); ++i)
      if (std::abs(from[i] - y) < std::abs(from[nearest] - y)) nearest = i;
    return to[nearest] + (y - from[nearest]);
  };
  for (testsupport::PdfStroke& s : strokes) {
    s.from.setY(moved(s.from.y()));
    s.to.setY(moved(s.to.y()));
  }
  return strokes;
}

TEST_F(LongValues, PrintFromTheirFirstLetter) {
  const QString longName = QStringLiteral("Xenofon") + QStringLiteral(" Popescu-Dumitrescu").repeated(11);
  ASSERT_GE(longName.size(), 200);
  using Layout = void (*)(ReportGrid&, const core::CaseBoxes&);
  struct Case {
    const char* what;
    Layout layout;
    const char16_t* field;
    QString value;
    int row, col;
  } cases[] = {
      {"the certificate's holder of 200 letters", LayoutCertifRadiere, u"VanzatorNume", longName, 7, 2},
      {"the certificate's centred locality", LayoutCertifRadiere, u"VanzatorLocalitate",
       QStringLiteral("DROBETA-TURNU SEVERIN"), 7, 13},
      {"the request's applicant of 200 letters", LayoutEvidenta, u"CumparatorNume", longName, 2, 2},
      {"the request's locality", LayoutEvidenta, u"CumparatorLocalitate",
       QStringLiteral("DROBETA-TURNU SEVERIN"), 12, 17},
  };
  QTemporaryDir dir;
  int file = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Boxes boxes = Boxes::Named();
    boxes.Set(c.field, c.value);
    c.layout(grid, boxes);
    const QString pdf = dir.filePath(QStringLiteral("letter-%1.pdf").arg(++file));
    report_grid::PrintGridToPdf(grid, pdf);
    const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    testsupport::ExpectTextStartsInsideItsArea(pages[0], grid, c.row, c.col);
  }
}

// Every grid document laid from a case as offices type it and printed as the print path
// prints it (a complete sheet whole, a data-only one onto the pre-printed sheet), in the
// program's own fonts: every printed cell's text stands whole in its cell, no word's
// letters lie on a line or over another word's. A data-only page goes onto a sheet that
// has its lines already: its letters keep clear of the lines of the complete print too,
// along its own rows.
TEST_F(LongValues, RealValuesPrintWholeInsideTheirCells) {
  const lettertest::DocumentFonts fonts;
  const std::vector<lettertest::GridDocument> documents = lettertest::EveryGridDocument();
  QTemporaryDir dir;
  int file = 0;
  for (const testsupport::LongCase& longCase : testsupport::LongCases()) {
    Boxes boxes;
    for (const auto& [field, value] : longCase.boxes) boxes.Set(field, value);
    std::vector<std::pair<QList<testsupport::PdfStroke>, QList<double>>> printed;  // strokes and rows, in order
    for (const lettertest::GridDocument& d : documents) {
      SCOPED_TRACE(testing::Message() << d.name << ", " << longCase.name);
      printed.emplace_back();
      d.layout(grid, boxes);
      ASSERT_TRUE(d.marking(grid, d.complete));
      const QString pdf = dir.filePath(QStringLiteral("document-%1.pdf").arg(++file));
      report_grid::PrintGridToPdf(grid, pdf);
      const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(pdf);
      const QList<QList<testsupport::PdfStroke>> strokes = testsupport::ReadPdfStrokes(pdf);
      ASSERT_EQ(pages.size(), 1);
      ASSERT_EQ(strokes.size(), 1);
      printed.back() = {strokes[0], RowEdges(grid)};
      QList<testsupport::PdfStroke> lines = strokes[0];
      if (d.sheet >= 0) lines += AlongRows(printed.at(d.sheet).first, printed.at(d.sheet).second, RowEdges(grid));
      testsupport::ExpectTextsWholeInsideTheirCells(pages[0], lines, grid);
    }
  }
}

}  // namespace
