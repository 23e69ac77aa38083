// Every grid document printed into a PDF file as the print path prints it, against the
// items its page drew (texts, lines, pictures) drawn again by a bare PDF writer: the same
// words at the same places and the same pixels, on a sample case and on the cases of long
// values. The page holds nothing beyond what it draws, and the benchmarks can time the
// print against that plain writer.

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
  QFont drav(QStringLiteral("Times New Roman"));
  drav.setPointSizeF(10);
  core::fonts::FontDrav = drav;
  QFont fisa(QStringLiteral("Arial"));
  fisa.setPointSizeF(9);
  fisa.setBold(true);
  const sheettest::SheetFont sheetFont(fisa);
  using Marking = bool (*)(ReportGrid&, bool);
  const auto none = [](ReportGrid&, bool) { return true; };
  const struct Document {
    const char* name;
    void (*layout)(ReportGrid&, const core::CaseBoxes&);
    Marking marking;
    bool complete;
  } documents[] = {
      {"sheet front, complete", sheet_front::LayoutFisaFataComplet, sheet_front::SetPrintFisaFata, true},
      {"sheet front, data only", sheet_front::LayoutFisaFata, sheet_front::SetPrintFisaFata, false},
      {"sheet back, complete", sheet_back::LayoutFisaVersoComplet, sheet_back::SetPrintFisaVerso, true},
      {"sheet back, data only", sheet_back::LayoutFisaVerso, sheet_back::SetPrintFisaVerso, false},
      {"contract", LayoutCV, none, true},
      {"certificate", LayoutCertifRadiere, none, true},
      {"request letter", LayoutEvidenta, none, true},
      {"contract and certificate", LayoutCVCertifRadiere, none, true},
  };
  QList<std::pair<QString, Boxes>> cases{{QStringLiteral("every box its field's name"), Boxes::Named()}};
  for (const testsupport::LongCase& longCase : testsupport::LongCases()) {
    Boxes boxes;
    for (const auto& [field, value] : longCase.boxes) boxes.Set(field, value);
    cases.append({QString::fromLatin1(longCase.name), boxes});
  }
  QTemporaryDir dir;
  int file = 0;
  for (const auto& [caseName, boxes] : cases) {
    for (const Document& d : documents) {
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
