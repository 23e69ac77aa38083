// Print and Preview: nothing before a document, the printer chosen by device name, the
// sheet's printable cells marked at print time, the page values of each kind of
// document, the error message of Print, and the printed front read back from PDF.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ListariFixture.h"
#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "report_grid/Printing.h"
#include "sheet_front/modFisaFata.h"
#include "support/StoppedPrintService.h"
#include "support/PdfLines.h"
#include "support/PdfText.h"
#include "support/PrintCapture.h"

using report_grid::PreviewScript;
using testsupport::PdfPage;

namespace {

constexpr double kToleranceMm = 0.3;

bool OnlyDataCellsPrint(const report_grid::ReportGrid& g) {
  for (int r = 1; r < g.Rows(); ++r)
    for (int c = 1; c < g.Cols(); ++c) {
      bool data = false;
      for (const sheet_front::DataCell& d : sheet_front::kFisaFataDataCells) data |= d.row == r && d.col == c;
      if (g.State(r, c).printable != data || g.State(r, c).linesPrintable) return false;
    }
  return true;
}

bool AllPrint(const report_grid::ReportGrid& g) {
  for (int r = 1; r < g.Rows(); ++r)
    for (int c = 1; c < g.Cols(); ++c)
      if (!g.State(r, c).printable || !g.State(r, c).linesPrintable) return false;
  return true;
}

}  // namespace

TEST_F(ListariPane, PrintAndPreviewDoNothingBeforeADocument) {
  platform::PrintersScript printers({"Velorast_Acte", "Velorast_Fisa"}, "Velorast_Acte");
  core::settings::Acte = "Velorast_Fisa";
  PreviewScript preview;
  platform::MessageBoxScript messages;
  const report_grid::PageSettings page = Grid().Page();
  w->cmdPrint->click();
  w->cmdPrintPreview->click();
  EXPECT_TRUE(preview.Shown().isEmpty());
  EXPECT_TRUE(messages.Shown().isEmpty());
  EXPECT_EQ(platform::CurrentPrinter().DeviceName(), "Velorast_Acte");  // not even the printer changes
  EXPECT_EQ(Grid().Page().paperSize, page.paperSize);
  EXPECT_EQ(Grid().Page().leftMargin, page.leftMargin);
}

TEST_F(ListariPane, PageValuesOfEachKindOfDocument) {
  core::settings::Top = 15;
  core::settings::Left = -5;
  core::settings::TopV = 7;
  core::settings::LeftV = 12;
  struct Row {
    const char* name;
    Qt::CheckState printState;
    void (frmVelorast::*document)();
    int paper;
    float left, right, top, bottom;
    int pageOption;
    bool lastRowHidden;
  };
  const Row rows[] = {
      {"front, complete", Qt::Checked, &frmVelorast::cmdFisaFata_Click, 11, 0.6f, 0.1f,
       0.5f, 0.1f, 12, false},
      {"back, complete", Qt::Checked, &frmVelorast::cmdFisaVerso_Click, 11, 0.6f,
       0.1f, 0.5f, 0.1f, 12, false},
      {"front, data-only", Qt::Unchecked, &frmVelorast::cmdFisaFata_Click, 11, -0.5f,
       0.1f, 1.5f, 0.1f, 12, true},
      {"back, data-only", Qt::PartiallyChecked, &frmVelorast::cmdFisaVerso_Click, 11,
       1.2f, 0.1f, 0.7f, 0.1f, 12, false},
      {"another document: the page option stays", Qt::Unchecked,
       &frmVelorast::cmdCV_Click, 9, 1.0f, 0.5f, 1.5f, 0.1f, 12, false},
  };
  PreviewScript preview;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SetComplete(Qt::Checked);
    w->cmdFisaFata->click();  // the grid holds a complete front, whatever the document says
    SetComplete(r.printState);
    (w->*r.document)();
    w->cmdPrintPreview->click();
    const report_grid::PageSettings& page = Grid().Page();
    EXPECT_EQ(page.paperSize, r.paper);
    EXPECT_EQ(page.orientation, 1);
    EXPECT_EQ(page.leftMargin, r.left);
    EXPECT_EQ(page.rightMargin, r.right);
    EXPECT_EQ(page.topMargin, r.top);
    EXPECT_EQ(page.bottomMargin, r.bottom);
    EXPECT_EQ(page.pageOption, r.pageOption);
    if (Grid().Rows() > 36) {
      EXPECT_EQ(Grid().RowHeight(36) == 0, r.lastRowHidden);
    }
  }
  ASSERT_EQ(preview.Shown().size(), 5);
  for (const auto& shown : preview.Shown()) EXPECT_EQ(shown.zoom, 100);
  EXPECT_EQ(preview.Shown()[2].page.topMargin, 1.5f);

  // Offsets 0 give margins 0; the quotient is taken in double and kept as a single.
  core::settings::Top = 0;
  core::settings::Left = 3;
  SetComplete(Qt::Unchecked);
  w->cmdFisaFata->click();
  w->SetupPaginaGrid();
  EXPECT_EQ(Grid().Page().topMargin, 0.0f);
  EXPECT_EQ(Grid().Page().leftMargin, static_cast<float>(0.3));
}

TEST_F(ListariPane, PrintableMarkingFollowsTheBoxAtPrintTime) {
  PreviewScript preview;
  SetComplete(Qt::Checked);
  w->cmdFisaFata->click();
  SetComplete(Qt::Unchecked);  // a complete front printed data-only
  w->cmdPrintPreview->click();
  EXPECT_TRUE(OnlyDataCellsPrint(Grid()));
  EXPECT_EQ(Grid().RowHeight(36), 0);
  EXPECT_EQ(Grid().Cell(35, 1).Text(), "ATENTIE!");  // the layout stays as laid

  SetComplete(Qt::Checked);  // ticked again without laying anew: all prints, row 36 stays hidden
  w->cmdPrintPreview->click();
  EXPECT_TRUE(AllPrint(Grid()));
  EXPECT_EQ(Grid().RowHeight(36), 0);
  w->cmdFisaFata->click();  // laying it again shows the row
  EXPECT_EQ(Grid().RowHeight(36), 12);

  // A letter laid after a front printed data-only prints whole: it marks nothing, and
  // its layout leaves every cell printable.
  SetComplete(Qt::Unchecked);
  w->cmdPrintPreview->click();
  EXPECT_TRUE(OnlyDataCellsPrint(Grid()));
  w->cmdCV->click();
  w->cmdPrintPreview->click();
  EXPECT_EQ(Grid().Rows(), 32);
  EXPECT_TRUE(AllPrint(Grid()));
  EXPECT_EQ(Grid().Page().paperSize, 9);
}

// Onto the pre-printed sheet only texts print: either side laid complete and printed with
// the box unticked or greyed puts out its data and not one line; printed with the box
// ticked, the same layout puts out its frames and lines.
TEST_F(ListariPane, ASheetLaidCompleteAndPrintedDataOnlyPutsOutNoLine) {
  FillVehicle();
  w->txtVerso[1]->setText(QStringLiteral("DETINATORB"));
  struct Case {
    const char* name;
    void (frmVelorast::*side)();
    Qt::CheckState printed;
    const char* word;  // a value the side prints
    bool lines;
  } cases[] = {
      {"front, unticked", &frmVelorast::cmdFisaFata_Click, Qt::Unchecked, "C5", false},
      {"front, greyed", &frmVelorast::cmdFisaFata_Click, Qt::PartiallyChecked, "Spec", false},
      {"front, ticked", &frmVelorast::cmdFisaFata_Click, Qt::Checked, "C5", true},
      {"back, unticked", &frmVelorast::cmdFisaVerso_Click, Qt::Unchecked, "DETINATORB", false},
      {"back, greyed", &frmVelorast::cmdFisaVerso_Click, Qt::PartiallyChecked, "DETINATORB", false},
      {"back, ticked", &frmVelorast::cmdFisaVerso_Click, Qt::Checked, "DETINATORB", true},
  };
  QTemporaryDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetComplete(Qt::Checked);
    (w->*c.side)();
    SetComplete(c.printed);
    const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(c.name));
    const PdfPage page = PrintedPage(pdf);
    EXPECT_TRUE(page.Find(c.word)) << c.word;
    const QList<QList<testsupport::PdfStroke>> strokes = testsupport::ReadPdfStrokes(pdf);
    ASSERT_EQ(strokes.size(), 1);
    if (c.lines) EXPECT_GT(strokes[0].size(), 50);
    else EXPECT_TRUE(strokes[0].isEmpty()) << strokes[0].size() << " strokes";
  }
}

TEST_F(ListariPane, PrinterIsChosenByItsExactDeviceName) {
  platform::PrintersScript printers({"Velorast_Acte", "Velorast_Fisa", "Alta"}, "Velorast_Acte");
  PreviewScript preview;
  struct Step {
    const char* name;
    QString fisa, acte;
    void (frmVelorast::*document)();
    QString current;
  };
  const Step steps[] = {
      {"no setting: the default", "", "", &frmVelorast::cmdFisaFata_Click, "Velorast_Acte"},
      {"sheet printer", "Velorast_Fisa", "Alta", &frmVelorast::cmdFisaFata_Click, "Velorast_Fisa"},
      {"documents printer", "Velorast_Fisa", "Alta", &frmVelorast::cmdCV_Click, "Alta"},
      {"letter case differs: the last one stays", "velorast_fisa", "Alta", &frmVelorast::cmdFisaFata_Click, "Alta"},
      {"back of the sheet", "Velorast_Fisa", "Alta", &frmVelorast::cmdFisaVerso_Click, "Velorast_Fisa"},
      {"a name no printer has", "Velorast_Fisa", "Nimeni", &frmVelorast::cmdEvidenta_Click, "Velorast_Fisa"},
      {"both the same", "Alta", "Alta", &frmVelorast::cmdFisaFata_Click, "Alta"},
  };
  for (const Step& s : steps) {
    core::settings::Fisa = s.fisa;
    core::settings::Acte = s.acte;
    (w->*s.document)();
    w->cmdPrintPreview->click();
    EXPECT_EQ(platform::CurrentPrinter().DeviceName(), s.current) << s.name;
  }
}

TEST_F(ListariPane, PrintShowsNumberDescriptionAndSourceOfAnError) {
  w->cmdFisaFata->click();
  {
    platform::PrintersScript none;  // no printer at all
    platform::MessageBoxScript messages;
    w->cmdPrint->click();
    ASSERT_EQ(messages.Shown().size(), 1);
    const platform::ShownMessage& m = messages.Shown()[0];
    EXPECT_TRUE(m.prompt.startsWith("482 ")) << m.prompt.toStdString();
    EXPECT_EQ(m.style, platform::vbOKOnly);
    EXPECT_EQ(m.title, platform::kAppTitle);
  }
  if (testsupport::StoppedPrintService::Available()) {
    testsupport::StoppedPrintService stopped;  // the service itself does not answer
    platform::MessageBoxScript messages;
    w->cmdPrint->click();
    ASSERT_EQ(messages.Shown().size(), 1);
    EXPECT_TRUE(messages.Shown()[0].prompt.startsWith("482 Serviciul de tiparire al calculatorului nu raspunde"))
        << messages.Shown()[0].prompt.toStdString();
  }
  {
    // An offset the page cannot take: the grid's error, with its source; the printer
    // already made current stays so.
    platform::PrintersScript printers({"Velorast_Acte", "Velorast_Fisa"}, "Velorast_Acte");
    core::settings::Fisa = "Velorast_Fisa";
    core::settings::Top = 30000;
    SetComplete(Qt::Unchecked);
    platform::MessageBoxScript messages;
    w->cmdPrint->click();
    ASSERT_EQ(messages.Shown().size(), 1);
    EXPECT_TRUE(messages.Shown()[0].prompt.startsWith("5 Argument nepermis: marginea de 3000 cm"))
        << messages.Shown()[0].prompt.toStdString();
    EXPECT_TRUE(messages.Shown()[0].prompt.endsWith(" Velorast.Grila"));
    EXPECT_EQ(platform::CurrentPrinter().DeviceName(), "Velorast_Fisa");
    EXPECT_EQ(Grid().Page().paperSize, 11);  // what was written before the error stays

    // Preview reports its error too, and the window goes on.
    PreviewScript preview;
    w->cmdPrintPreview->click();
    EXPECT_EQ(messages.Shown().size(), 2);
    EXPECT_TRUE(preview.Shown().isEmpty());
  }
}

TEST_F(ListariPane, DataOnlyFrontLandsWhereTheOffsetsPutIt) {
  FillVehicle();
  SetComplete(Qt::Unchecked);
  QTemporaryDir dir;
  auto printWith = [&](qint16 top, qint16 left) {
    core::settings::Top = top;
    core::settings::Left = left;
    w->cmdFisaFata->click();
    return PrintedPage(dir.filePath(QStringLiteral("front-%1-%2.pdf").arg(top).arg(left)));
  };
  const PdfPage origin = printWith(0, 0);
  EXPECT_NEAR(origin.sizeMm.width(), 148, 0.5);  // A5
  EXPECT_NEAR(origin.sizeMm.height(), 210, 0.5);
  EXPECT_FALSE(origin.Find("Categoria"));  // labels do not print on pre-printed paper
  EXPECT_FALSE(origin.Find("FISA"));

  QStringList texts{"Spec"};
  for (int i = 0; i < 45; ++i) texts << QStringLiteral("C%1").arg(i);
  struct Offset {
    qint16 top, left;
  };
  for (const Offset& o : {Offset{10, 10}, Offset{-10, -4}, Offset{10, 5}, Offset{-5, 0}}) {
    SCOPED_TRACE(testing::Message() << "Top " << o.top << ", Left " << o.left);
    const PdfPage moved = printWith(o.top, o.left);
    for (const QString& text : texts) {
      const testsupport::PdfWord *a = origin.Find(text), *b = moved.Find(text);
      ASSERT_TRUE(a && b) << text.toStdString();
      EXPECT_NEAR(b->xMin - a->xMin, o.left, kToleranceMm) << text.toStdString();
      EXPECT_NEAR(b->yMin - a->yMin, o.top, kToleranceMm) << text.toStdString();
    }
  }
}

TEST_F(ListariPane, PrintsOnTheQueueNamedByTheSettings) {
  const testsupport::PrintQueues queues = testsupport::TestPrintQueues();
  if (!queues.Available()) GTEST_SKIP() << "no test print queues (scripts/test.sh starts them)";
  platform::ResetCurrentPrinter();
  core::settings::Fisa = queues.fisa;
  core::settings::Acte = queues.acte;
  core::settings::Top = 10;
  core::settings::Left = 5;
  FillVehicle();
  w->txtCamp[5]->setText("SERIESASIU1");
  SetComplete(Qt::Unchecked);
  w->cmdFisaFata->click();

  // The data-only front on the sheet printer, where the offsets put it.
  QTemporaryDir dir;
  w->PreparePrint();
  report_grid::PrintGridToPdf(Grid(), dir.filePath("expected.pdf"));
  const PdfPage expected = testsupport::ReadPdfPages(dir.filePath("expected.pdf")).value(0);
  QStringList before = testsupport::CapturedJobs(queues);
  platform::MessageBoxScript noMessage;
  w->cmdPrint->click();
  EXPECT_TRUE(noMessage.Shown().isEmpty());
  QString job = testsupport::WaitForNewJob(queues, queues.fisa, before, "SERIESASIU1");
  ASSERT_FALSE(job.isEmpty()) << "no job on " << queues.fisa.toStdString();
  const PdfPage printed = testsupport::ReadPdfPages(job).value(0);
  EXPECT_NEAR(printed.sizeMm.width(), 148, 0.5);
  const testsupport::PdfWord *want = expected.Find("SERIESASIU1"), *got = printed.Find("SERIESASIU1");
  ASSERT_TRUE(want && got);
  EXPECT_NEAR(got->xMin, want->xMin, kToleranceMm);
  EXPECT_NEAR(got->yMin, want->yMin, kToleranceMm);
  EXPECT_FALSE(printed.Find("Categoria"));

  // Another document goes to the documents printer, on A4.
  w->txtCamp[5]->setText("SERIEACTE2");
  w->cmdFisaFata->click();
  w->cmdCV->click();
  before = testsupport::CapturedJobs(queues);
  w->cmdPrint->click();
  job = testsupport::WaitForNewJob(queues, queues.acte, before, "SERIEACTE2");
  ASSERT_FALSE(job.isEmpty()) << "no job on " << queues.acte.toStdString();
  EXPECT_NEAR(testsupport::ReadPdfPages(job).value(0).sizeMm.width(), 210, 0.5);
  platform::ResetCurrentPrinter();
}
