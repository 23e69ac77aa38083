// The four buttons of the letters: each lays its document from the window's boxes; an
// error inside a letter is shown and the grid repaints; Preview of the contract with
// the certificate holds with no printer and when the preview fails; the page goes to
// the documents printer on A4 with its last row on it.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ListariFixture.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "platform/RuntimeError.h"
#include "report_grid/Printing.h"
#include "support/PdfText.h"
#include "support/PrintCapture.h"

using report_grid::PreviewScript;

namespace {

// The case of the review pictures: the seller a person, the buyer a firm.
void FillCase(frmVelorast& w) {
  const std::pair<const char16_t*, const char*> boxes[] = {
      {u"VanzatorNume", "POPESCU ION"},   {u"VanzatorSerieBI", "RT"},       {u"VanzatorNrBI", "123456"},
      {u"CumparatorNume", "SC AUTO SRL"}, {u"CumparatorRegCom", "J40/1/1998"}, {u"CumparatorCodFiscal", "R 12"},
      {u"Marca", "DACIA"},                {u"NrIdentificare", "SERIEACTE3"}, {u"NrVelorastulare", "B 12 ABC"},
  };
  for (auto [name, text] : boxes) {
    const core::BoxRef box = *core::FindBox(name);
    if (box.array == core::BoxArray::txtCamp)
      w.txtCamp.at(box.index)->setText(text);
    else
      w.txtVerso.at(box.index)->setText(text);
  }
}

}  // namespace

TEST_F(ListariPane, EachLetterButtonLaysItsDocumentFromTheBoxes) {
  platform::SetToday(QDate(2026, 3, 5));
  FillCase(*w);
  core::settings::ContractInGrid = true;
  struct Case {
    platform::CommandButton* frmVelorast::*button;
    int rows;
    int row, col;
    const char* text;
  };
  const Case cases[] = {
      {&frmVelorast::cmdCV, 32, 3, 5, "POPESCU ION"},
      {&frmVelorast::cmdCertifRadiere, 20, 10, 8, "SC AUTO SRL"},
      {&frmVelorast::cmdEvidenta, 20, 2, 2, "SC AUTO SRL"},
      {&frmVelorast::cmdCVCertifRadiere, 54, 44, 8, "SC AUTO SRL"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((w->*c.button)->objectName().toStdString());
    w->cmdFisaFata->click();
    (w->*c.button)->click();
    EXPECT_EQ(Grid().Rows(), c.rows);
    EXPECT_EQ(Grid().Cols(), 22);
    EXPECT_EQ(Grid().Cell(c.row, c.col).Text(), c.text);
    EXPECT_TRUE(Grid().Redraw());
    EXPECT_EQ(FlagsNow(), (Flags{true, false, true}));
  }
  EXPECT_EQ(Grid().Cell(30, 2).Text(), "05-03-2026");
  platform::SetToday(QDate());
}

namespace {

// The main window with one box that cannot be read, as a failing call inside a letter.
class WindowWithAFailingBox : public frmVelorast {
 protected:
  QString VersoText(int index) const override {
    if (index == core::Box("CumparatorNume").index)
      throw platform::RuntimeError(platform::kErrObjectMissing, QStringLiteral("Obiect inexistent"),
                                   QStringLiteral("Velorast"));
    return frmVelorast::VersoText(index);
  }
};

}  // namespace

TEST_F(ListariPane, AnErrorInsideALetterIsShownAndTheGridRepaints) {
  auto* failing = new WindowWithAFailingBox;
  failing->resize(1280, 1000);
  failing->show();
  failing->txtVerso[23]->setText("POPESCU ION");
  for (auto button : {&frmVelorast::cmdCV, &frmVelorast::cmdCertifRadiere, &frmVelorast::cmdEvidenta}) {
    SCOPED_TRACE((failing->*button)->objectName().toStdString());
    platform::MessageBoxScript script;
    (failing->*button)->click();
    ASSERT_EQ(script.Shown().size(), 1);
    EXPECT_TRUE(script.Shown()[0].prompt.startsWith("91 Obiect inexistent")) << script.Shown()[0].prompt.toStdString();
    EXPECT_TRUE(failing->Grid->Model().Redraw());
    EXPECT_FALSE(failing->Grid->Model().Cell(1, 1).Text().isEmpty() &&
                 failing->Grid->Model().Cell(2, 1).Text().isEmpty());  // laid as far as it got
    EXPECT_EQ(failing->txtVerso[23]->text(), "POPESCU ION");
    EXPECT_TRUE(failing->isVisible());
  }
  core::settings::ContractInGrid = true;
  platform::MessageBoxScript script;
  failing->cmdCVCertifRadiere->click();
  EXPECT_EQ(script.Shown().size(), 1);
  EXPECT_EQ(failing->Grid->Model().Rows(), 54);
  delete failing;
}

TEST_F(ListariPane, PreviewAndPrintOfTheCombinedPageHoldWithoutAPrinter) {
  core::settings::ContractInGrid = true;
  FillCase(*w);
  w->cmdCVCertifRadiere->click();
  platform::PrintersScript none;  // no printer at all
  {
    PreviewScript preview;
    platform::MessageBoxScript messages;
    w->cmdPrintPreview->click();
    ASSERT_EQ(preview.Shown().size(), 1);  // the page, on A4
    EXPECT_EQ(preview.Shown()[0].page.paperSize, report_grid::kPaperA4);
    EXPECT_TRUE(messages.Shown().isEmpty());
  }
  {
    platform::MessageBoxScript messages;
    w->cmdPrint->click();
    ASSERT_EQ(messages.Shown().size(), 1);
    EXPECT_TRUE(messages.Shown()[0].prompt.startsWith("482 ")) << messages.Shown()[0].prompt.toStdString();
  }
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Grid().Rows(), 54);  // the page stays for another try
  EXPECT_EQ(w->txtVerso[23]->text(), "POPESCU ION");
}

namespace {

// The lowest "vanzatorului" of the page: the seller's signature label of row 52.
const testsupport::PdfWord* LastRowsLabel(const testsupport::PdfPage& page) {
  const testsupport::PdfWord* last = nullptr;
  for (const testsupport::PdfWord& word : page.words)
    if (word.text == "vanzatorului" && (!last || word.yMin > last->yMin)) last = &word;
  return last;
}

}  // namespace

TEST_F(ListariPane, CombinedPageFitsOneA4PageAtThePrintPathsMargins) {
  core::settings::ContractInGrid = true;
  FillCase(*w);
  w->cmdCVCertifRadiere->click();
  w->PreparePrint();
  QTemporaryDir dir;
  report_grid::PrintGridToPdf(Grid(), dir.filePath("page.pdf"));
  const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(dir.filePath("page.pdf"));
  ASSERT_EQ(pages.size(), 1);
  const testsupport::PdfPage& page = pages[0];
  EXPECT_NEAR(page.sizeMm.width(), 210, 0.5);
  EXPECT_NEAR(page.sizeMm.height(), 297, 0.5);
  const testsupport::PdfWord* title = page.Find("CONTRACT");
  ASSERT_TRUE(title);
  EXPECT_GT(title->yMin, 15);  // under the top margin of 1.5 cm
  const testsupport::PdfWord* last = LastRowsLabel(page);
  ASSERT_TRUE(last);
  EXPECT_GT(last->yMin, 250);  // row 52, far under the contract
  EXPECT_LT(last->yMax, 297 - 1);
  for (const testsupport::PdfWord& word : page.words) {  // within the left and right margins
    EXPECT_GE(word.xMin, 10 - 0.5) << word.text.toStdString();
    EXPECT_LE(word.xMax, 210 - 5 + 0.5) << word.text.toStdString();
  }
}

TEST_F(ListariPane, CombinedPagePrintsOnOneA4SheetOfTheDocumentsPrinter) {
  const testsupport::PrintQueues queues = testsupport::TestPrintQueues();
  if (!queues.Available()) GTEST_SKIP() << "no test print queues (scripts/test.sh starts them)";
  platform::ResetCurrentPrinter();
  core::settings::Fisa = queues.fisa;
  core::settings::Acte = queues.acte;
  core::settings::ContractInGrid = true;
  FillCase(*w);
  w->cmdCVCertifRadiere->click();
  const QStringList before = testsupport::CapturedJobs(queues);
  platform::MessageBoxScript noMessage;
  w->cmdPrint->click();
  EXPECT_TRUE(noMessage.Shown().isEmpty());
  const QString job = testsupport::WaitForNewJob(queues, queues.acte, before, "SERIEACTE3");
  ASSERT_FALSE(job.isEmpty()) << "no job on " << queues.acte.toStdString();
  const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(job);
  ASSERT_EQ(pages.size(), 1);
  EXPECT_NEAR(pages[0].sizeMm.width(), 210, 0.5);
  EXPECT_NEAR(pages[0].sizeMm.height(), 297, 0.5);
  // The last row of the certificate, "Semnatura vanzatorului" beside the kept number, is
  // on the page, under the certificate's title.
  const testsupport::PdfWord* title = pages[0].Find("RADIERE");
  ASSERT_TRUE(title);
  const testsupport::PdfWord* last = LastRowsLabel(pages[0]);
  ASSERT_TRUE(last);
  EXPECT_GT(last->yMin, title->yMax);
  EXPECT_LT(last->yMax, 297 - 1);
  platform::ResetCurrentPrinter();
}
