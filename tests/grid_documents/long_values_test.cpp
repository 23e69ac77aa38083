// Long values in the letters, printed and read back from the PDF: each prints from its
// first letter, inside its cell, whatever the cell's alignment.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "LetterFixtures.h"
#include "grid_documents/modCertifRadiere.h"
#include "grid_documents/modEvidenta.h"
#include "report_grid/Printing.h"
#include "support/PdfText.h"
#include "support/PrintedCells.h"

using namespace grid_documents;
using lettertest::Boxes;
using report_grid::ReportGrid;

namespace {

class LongValues : public lettertest::LetterTest {};

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

}  // namespace
