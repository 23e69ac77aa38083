// frmFisaPermis, the front of the driving-licence holder's record, and frmFisaPermisV,
// its back: empty pages with today's date, check boxes kept in view, printing that
// hides every button, and the back's blank table.

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QKeyEvent>

#include "FormCases.h"
#include "FormFixture.h"
#include "FormPrintTest.h"
#include "PaperPrinter.h"
#include "document_forms/frmFisaPermis.h"
#include "document_forms/frmFisaPermisV.h"
#include "platform/PageControls.h"
#include "support/PdfText.h"

using document_forms::frmFisaPermis;
using document_forms::frmFisaPermisV;
using testsupport::PaperPrinter;

namespace {

class FisaPermis : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmFisaPermis>();
    CloseForm<frmFisaPermisV>();
    FormFixture::TearDown();
  }
};

TEST_F(FisaPermis, OpensEmptyWithTodaysDateAndReopensSoAfterTyping) {
  case_.Type({{"CumparatorNume", "POPESCU ION"}});  // nothing of the case reaches the record
  for (int opening = 0; opening < 2; ++opening) {
    frmFisaPermis* form = OpenForm<frmFisaPermis>();
    EXPECT_EQ(form->BoxCount(), 27);
    for (int i = 0; i < 26; ++i) EXPECT_EQ(form->Text(i), QString()) << "opening " << opening << ", box " << i;
    EXPECT_EQ(form->Text(26), QStringLiteral("07-03-2026"));
    for (int i = 0; i < frmFisaPermis::kCheckCount; ++i) EXPECT_EQ(form->chkF(i)->Value(), false) << i;
    if (opening == 0) {
      EXPECT_TRUE(form->BoxWidget(0)->hasFocus());
    }
    form->SetText(0, QStringLiteral("POPESCU"));
    form->SetText(26, QStringLiteral("01-01-2000"));
    form->chkF(3)->SetValue(true);
    CloseForm<frmFisaPermis>();
    EXPECT_TRUE(mainWindow_.isVisible());
  }
}

TEST_F(FisaPermis, TheCheckBoxesHaveTheirCaptionsAndFaces) {
  frmFisaPermis* form = OpenForm<frmFisaPermis>();
  const std::pair<int, const char*> captions[] = {
      {0, "Poarta ochelari de corectie"}, {1, "adaptat infirmitatii"}, {2, "cu ambreaj automatic"},
      {6, "Eliberare prima categorie"},   {12, "Duplicat:"},           {14, "Deteriorare"}};
  for (const auto& [index, caption] : captions) EXPECT_EQ(form->chkF(index)->Caption(), QString::fromLatin1(caption));
  for (int i = 0; i < frmFisaPermis::kCheckCount; ++i) {
    const QFont font = form->chkF(i)->font();
    EXPECT_EQ(font.family(), QString::fromLatin1(i == 1 || i == 2 ? "Times New Roman" : "TimesRomanR")) << i;
    EXPECT_TRUE(font.bold()) << i;
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.25) << i;
  }
  // The boxes keep their own font.
  EXPECT_EQ(form->BoxWidget(5)->font().family(), QStringLiteral("MS Sans Serif"));
  EXPECT_DOUBLE_EQ(form->BoxWidget(5)->font().pointSizeF(), 9.75);
}

TEST_F(FisaPermis, ACheckBoxThatTakesTheFocusIsKeptInViewBoxZeroToo) {
  frmFisaPermis* form = OpenForm<frmFisaPermis>();
  // chkF(14) at 13140, 315 high, in a client 6000 high: its top comes to 6000 - 315 - 700.
  form->chkF(14)->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(form->Top(), -(13140 - 4985));
  // chkF(0) at 10230 lies 10230 - 8155 = 2075 below the client's top: left alone...
  form->chkF(0)->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(form->Top(), -8155);
  // ...but from the page's top it is below the limit, and scrolls as any other.
  form->BoxWidget(0)->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  form->SetTop(0);
  form->chkF(0)->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(form->Top(), -(10230 - (6000 - 345 - 700)));
}

TEST_F(FisaPermis, PrintingHidesEveryButtonThePierderePairTooAndTouchesOnlyPaperAndOrientation) {
  frmFisaPermis* form = OpenForm<frmFisaPermis>();
  PaperPrinter printer;
  bool hidden = false;
  printer.whilePrinting = [&] {
    hidden = form->cmdPierdere(0)->isHidden() && form->cmdPierdere(1)->isHidden() && form->cmdPrint(0)->isHidden() &&
             form->cmdExit(1)->isHidden();
  };
  platform::FormPrinterScript script(printer);
  form->cmdPrint_Click(0);
  EXPECT_EQ(printer.pages, 1);
  EXPECT_TRUE(hidden);
  EXPECT_EQ(printer.settingsWritten, 4);  // A4 and portrait, then both set back
  EXPECT_EQ(printer.paper, platform::kPaperLetter);
  EXPECT_EQ(printer.orientation, platform::kLandscape);
  for (int i : {0, 1}) {
    EXPECT_FALSE(form->cmdPierdere(i)->isHidden());
    EXPECT_FALSE(form->cmdPrint(i)->isHidden());
  }
}

TEST_F(FisaPermis, PrintsThroughTheTestQueueWithItsLabelsAtTheirPlaces) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmFisaPermis>(
      *this, {{"FISA", 2520, 2730}, {"Numele", 1590, 3810}, {"Mentiuni:", 1620, 10290}, {"Gradul,", 1590, 14520}});
}

// Every unindented line of the applicant's part begins at 1590, the birthplace and the
// domicile too; a caption wider than the room up to its box is condensed into it.
TEST_F(FisaPermis, UnindentedLinesBeginAt1590AndCaptionsEndBeforeTheirBoxes) {
  testsupport::ExpectLinesStartAt<frmFisaPermis>(
      *this, {{"Numele", 3810, 1590}, {"Data", 5670, 1590}, {"Locul", 6030, 1590}, {"Domiciliul:", 6690, 1590},
              {"Cod", 7710, 1590}});
  const testsupport::PdfPage page = testsupport::PrintedPage(*OpenForm<frmFisaPermis>());
  struct Caption {
    double top, boxLeft;
  };
  for (const Caption& c : {Caption{6030, 4380}, Caption{6690, 4020}}) {
    SCOPED_TRACE(c.top);
    const testsupport::PdfWord* last = nullptr;  // "judet(sector)" of that line
    for (const testsupport::PdfWord& w : page.words)
      if (w.text == QStringLiteral("judet(sector)") && std::abs(w.yMin - c.top / 56.7) < 1) last = &w;
    ASSERT_NE(last, nullptr);
    EXPECT_LE(last->xMax, c.boxLeft / 56.7);
  }
}

TEST_F(FisaPermis, TheBackPrintsItsTitleHeadingsAndFooterAndNoButton) {
  frmFisaPermisV* form = OpenForm<frmFisaPermisV>();
  EXPECT_EQ(form->BoxCount(), 0);
  EXPECT_EQ(form->Frame()->windowTitle(), QStringLiteral("Fisa permis verso"));
  QTemporaryDir out;
  PaperPrinter printer;
  printer.pdfPath = out.filePath(QStringLiteral("verso.pdf"));
  platform::FormPrinterScript script(printer);
  form->cmdPrint_Click(1);
  const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(printer.pdfPath);
  ASSERT_EQ(pages.size(), 1);
  EXPECT_NEAR(pages[0].sizeMm.width(), 210, 0.5);
  EXPECT_NEAR(pages[0].sizeMm.height(), 297, 0.5);
  const std::tuple<const char*, double, double> words[] = {
      {"SANCTIUNI", 4260, 2910}, {"NUMARUL", 1770, 3870}, {"ABATEREA", 3450, 3870}, {"Act", 420, 15480}};
  for (const auto& [text, left, top] : words) {
    const testsupport::PdfWord* word = pages[0].Find(QString::fromLatin1(text));
    ASSERT_NE(word, nullptr) << text;
    EXPECT_NEAR(word->yMin, top / 56.7, 1.5) << text;
  }
  EXPECT_EQ(pages[0].Find(QStringLiteral("Tiparire")), nullptr);
  EXPECT_EQ(pages[0].Find(QStringLiteral("Iesire")), nullptr);
  EXPECT_EQ(printer.paper, platform::kPaperLetter);
  CloseForm<frmFisaPermisV>();
  EXPECT_TRUE(mainWindow_.isVisible());
}

}  // namespace
