// Every grid document printed into a PDF file as the print path prints it, against the
// items its page drew (texts, lines, pictures) drawn again by a bare PDF writer: the same
// words at the same places and the same pixels, on a sample case and on the cases of long
// values. The page holds nothing beyond what it draws, and the benchmarks can time the
// print against that plain writer.

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "EveryGridDocument.h"
#include "LetterFixtures.h"
#include "core/Fonts.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"
#include "grid_documents/modEvidenta.h"
#include "report_grid/PageRenderer.h"
#include "report_grid/Printing.h"
#include "sheet_back/modFisaVerso.h"
#include "sheet_front/modFisaFata.h"
#include "support/LongCases.h"
#include "support/PageRecording.h"
#include "support/SamePrint.h"

using namespace grid_documents;
using lettertest::Boxes;
using report_grid::ReportGrid;

namespace {

class ReplayedPrint : public lettertest::LetterTest {};

// What the page of `grid` draws, on a page set up as the print sets the printer up.
testsupport::RecordedPage RecordPage(const ReportGrid& grid) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  report_grid::SetUpPrinter(printer, grid.Page());
  return testsupport::RecordedPage::Record(printer.pageLayout(), printer.resolution(),
                                           [&](QPainter& painter) { report_grid::PaintPage(painter, grid); });
}

TEST_F(ReplayedPrint, EveryDocumentPrintsWhatABarePdfWriterDrawsOfItsItems) {
  const lettertest::DocumentFonts fonts;
  const std::vector<lettertest::GridDocument> documents = lettertest::EveryGridDocument();
  QList<std::pair<QString, Boxes>> cases{{QStringLiteral("every box its field's name"), Boxes::Named()}};
  for (const testsupport::LongCase& longCase : testsupport::LongCases()) {
    Boxes boxes;
    for (const auto& [field, value] : longCase.boxes) boxes.Set(field, value);
    cases.append({QString::fromLatin1(longCase.name), boxes});
  }
  QTemporaryDir dir;
  int file = 0;
  for (const auto& [caseName, boxes] : cases) {
    for (const lettertest::GridDocument& d : documents) {
      SCOPED_TRACE(testing::Message() << d.name << ", " << caseName.toStdString());
      d.layout(grid, boxes);
      ASSERT_TRUE(d.marking(grid, d.complete));
      const QString printed = dir.filePath(QStringLiteral("printed-%1.pdf").arg(++file));
      const QString replayed = dir.filePath(QStringLiteral("replayed-%1.pdf").arg(file));
      report_grid::PrintGridToPdf(grid, printed);
      const testsupport::RecordedPage page = RecordPage(grid);
      EXPECT_GT(page.TextItems(), 20);
      ASSERT_TRUE(page.ReplayToPdf(replayed));
      testsupport::ExpectSamePrint(printed, replayed);
    }
  }
}

}  // namespace
