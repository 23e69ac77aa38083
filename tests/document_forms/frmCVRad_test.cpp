// frmCVRad: the contract and certificate on the official paper, shifted by its offsets,
// filled from the case, over a picture of the paper that never reaches the paper.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <QMdiSubWindow>

#include "FormFixture.h"
#include "PaperPrinter.h"
#include "core/AppState.h"
#include "core/Fonts.h"
#include "core/Settings.h"
#include "document_forms/frmCVRad.h"
#include "document_forms/frmCVRadBoxes.h"
#include "platform/PageControls.h"
#include "support/PdfText.h"
#include "support/PrintCapture.h"

using document_forms::frmCVRad;
using document_forms::kCVRadBoxes;
using testsupport::PaperPrinter;

namespace {


class CVRad : public testsupport::FormFixture {
 protected:
  void SetUp() override {
    FormFixture::SetUp();
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELORAST_SOURCE_DIR "/img/scanmod96.jpg"),
                            folder_.filePath(document_forms::kCVRadPaperFile)));
    core::AppPath = folder_.path();
  }
  void TearDown() override {
    CloseForm<frmCVRad>();
    core::settings::TopCVRad = core::settings::LeftCVRad = 0;
    core::AppPath.clear();
    FormFixture::TearDown();
  }

  // Every control's place and whether it is a line, as the form stands.
  static QList<std::pair<QRectF, bool>> Places(const frmCVRad& form) {
    QList<std::pair<QRectF, bool>> out;
    for (const platform::PageControl* c : form.Controls()) out.append({c->Twips(), c->IsLine()});
    return out;
  }

  // Prints the form with its Print button on an A4 portrait printer, into a PDF file in
  // `dir`, and returns the file's path.
  static QString PrintedOnA4(frmCVRad& form, const QTemporaryDir& dir) {
    PaperPrinter printer;
    printer.paper = platform::kPaperA4;
    printer.orientation = platform::kPortrait;
    printer.pdfPath = dir.filePath(QStringLiteral("page.pdf"));
    platform::FormPrinterScript script(printer);
    form.cmdPrint_Click(-1);
    return printer.pdfPath;
  }

  QTemporaryDir folder_;
};

TEST_F(CVRad, TheOffsetsMoveEveryControlButTheLinesOnceAtEachOpening) {
  const QList<std::pair<QRectF, bool>> designed = Places(*OpenForm<frmCVRad>());
  CloseForm<frmCVRad>();
  core::settings::TopCVRad = 5;
  core::settings::LeftCVRad = -3;
  for (int opening = 0; opening < 2; ++opening) {
    const QList<std::pair<QRectF, bool>> shifted = Places(*OpenForm<frmCVRad>());
    ASSERT_EQ(shifted.size(), designed.size());
    int lines = 0;
    for (qsizetype i = 0; i < designed.size(); ++i) {
      const auto& [place, isLine] = designed[i];
      const QPointF moved = isLine ? QPointF(0, 0) : QPointF(-170.1, 283.5);
      lines += isLine;
      EXPECT_NEAR(shifted[i].first.left(), place.left() + moved.x(), 1e-9) << "opening " << opening << ", control " << i;
      EXPECT_NEAR(shifted[i].first.top(), place.top() + moved.y(), 1e-9) << "opening " << opening << ", control " << i;
    }
    EXPECT_EQ(lines, 17);
    CloseForm<frmCVRad>();
  }
  // The boxes, the picture and the buttons are among what moved.
  frmCVRad* form = OpenForm<frmCVRad>();
  EXPECT_NEAR(form->Box(0)->Left(), kCVRadBoxes[0].left - 170.1, 1e-9);
  EXPECT_NEAR(form->imgFond()->Top(), 283.5, 1e-9);
  EXPECT_NEAR(form->cmdPrint()->Left(), 120 - 170.1, 1e-9);
}

TEST_F(CVRad, OpensFilledOverThePictureWithTheFocusOnTheFirstTickBox) {
  platform::SetToday(QDate(2025, 1, 1));
  case_.Type({{"VanzatorNume", "POPESCU ION"}, {"CumparatorNume", "SC TRANS SRL"}, {"CumparatorRegCom", "J40/1/2"}});
  frmCVRad* form = OpenForm<frmCVRad>();
  EXPECT_EQ(form->BoxCount(), 85);
  EXPECT_EQ(form->Text(0), QStringLiteral("POPESCU ION"));
  EXPECT_EQ(form->Text(17), QStringLiteral("SC TRANS SRL"));
  EXPECT_EQ(form->Text(72), QStringLiteral("X"));
  EXPECT_EQ(form->Text(75), QStringLiteral("X"));
  EXPECT_EQ(form->Text(39), QStringLiteral("1 - 1 - 2025"));
  EXPECT_EQ(form->Frame()->windowTitle(), QStringLiteral("Contract vanzare-cumparare + Certificat de radiere"));
  EXPECT_TRUE(messages_.Shown().isEmpty());
  EXPECT_EQ(form->imgFond()->Picture().size(), QSize(747, 1104));
  EXPECT_TRUE(form->BoxWidget(72)->hasFocus());
  // The boxes keep the window's font; the document font is not theirs.
  const QFont box = form->BoxWidget(0)->font();
  EXPECT_EQ(box.family(), QStringLiteral("MS Sans Serif"));
  EXPECT_DOUBLE_EQ(box.pointSizeF(), 8.25);
}

TEST_F(CVRad, BoxZeroIsSelectedWhenItTakesTheFocusAndTabFollowsThePaper) {
  case_.Type({{"VanzatorNume", "POPESCU ION"}});
  frmCVRad* form = OpenForm<frmCVRad>();
  PressKey(QApplication::focusWidget(), Qt::Key_Tab);
  QApplication::processEvents();
  auto* box0 = qobject_cast<QLineEdit*>(form->BoxWidget(0));
  ASSERT_TRUE(box0->hasFocus());
  EXPECT_EQ(box0->selectedText(), QStringLiteral("POPESCU ION"));
  // 0, 1, 2, then the firm's tick box 73 and box 3.
  for (int expected : {1, 2, 73, 3}) {
    PressKey(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(form->IndexOfBox(QApplication::focusWidget()), expected);
  }
}

TEST_F(CVRad, AMissingPictureLeavesAWhitePageAndTellsTheClerk) {
  QDir(folder_.path()).remove(document_forms::kCVRadPaperFile);
  case_.Type({{"VanzatorNume", "POPESCU ION"}});
  frmCVRad* form = OpenForm<frmCVRad>();
  ASSERT_EQ(messages_.Prompts().size(), 1);
  EXPECT_TRUE(messages_.Prompts()[0].contains(
      QStringLiteral("\"%1\"").arg(folder_.filePath(document_forms::kCVRadPaperFile))));
  EXPECT_TRUE(messages_.Prompts()[0].contains("reinstalati programul")) << "what the clerk can do";
  EXPECT_TRUE(form->imgFond()->Picture().isNull());
  EXPECT_EQ(form->Text(0), QStringLiteral("POPESCU ION"));
  messages_.Clear();
  // It prints all the same.
  PaperPrinter printer;
  platform::FormPrinterScript script(printer);
  form->cmdPrint_Click(-1);
  EXPECT_EQ(printer.pages, 1);
  EXPECT_TRUE(messages_.Shown().isEmpty());
}

TEST_F(CVRad, PrintsWithoutThePictureAndWithoutTouchingThePrintersPaper) {
  frmCVRad* form = OpenForm<frmCVRad>();
  PaperPrinter printer;
  bool pictureHidden = false, buttonsHidden = false;
  printer.whilePrinting = [&] {
    pictureHidden = form->imgFond()->isHidden();
    buttonsHidden = form->cmdPrint()->isHidden() && form->cmdExit()->isHidden();
  };
  platform::FormPrinterScript script(printer);
  const QPixmap before = form->imgFond()->Picture();
  QDir(folder_.path()).remove(document_forms::kCVRadPaperFile);  // kept in memory, never read again
  form->cmdPrint_Click(-1);
  EXPECT_EQ(printer.pages, 1);
  EXPECT_TRUE(pictureHidden);
  EXPECT_TRUE(buttonsHidden);
  EXPECT_EQ(printer.settingsWritten, 0);
  EXPECT_EQ(printer.paper, platform::kPaperLetter);
  EXPECT_EQ(printer.orientation, platform::kLandscape);
  EXPECT_FALSE(form->imgFond()->isHidden());
  EXPECT_EQ(form->imgFond()->Picture().cacheKey(), before.cacheKey());
  EXPECT_FALSE(form->cmdPrint()->isHidden());
  EXPECT_TRUE(messages_.Shown().isEmpty());
}

TEST_F(CVRad, AFailedPrintIsReportedAndThePictureComesBack) {
  frmCVRad* form = OpenForm<frmCVRad>();
  form->SetText(40, QStringLiteral("PRAHOVA"));
  PaperPrinter printer;
  printer.refuses = true;
  platform::FormPrinterScript script(printer);
  form->cmdPrint_Click(-1);
  EXPECT_EQ(messages_.Prompts(), QStringList{document_forms::kPrinterNotConnected});
  EXPECT_FALSE(form->imgFond()->isHidden());
  EXPECT_FALSE(form->imgFond()->Picture().isNull());
  EXPECT_FALSE(form->cmdPrint()->isHidden());
  EXPECT_FALSE(form->cmdExit()->isHidden());
  EXPECT_EQ(form->Text(40), QStringLiteral("PRAHOVA"));
}

// Whether a page picture holds a pixel of some colour (the picture of the paper is
// coloured; what the form prints is black on white).
bool HasColouredPixel(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - c.green()) > 12 || std::abs(c.green() - c.blue()) > 12) return true;
    }
  return false;
}

QImage Rasterised(const QString& pdf, const QString& folder) {
  const QString prefix = folder + QStringLiteral("/raster");
  QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
                                                  QStringLiteral("-singlefile"), pdf, prefix});
  return QImage(prefix + QStringLiteral(".png"));
}

TEST_F(CVRad, OnPaperTheLabelsAndTextsStandAtTheirPlacesMovedByTheOffsetsAndNothingOfThePicture) {
  core::settings::TopCVRad = 10;
  core::settings::LeftCVRad = 5;
  case_.Type({{"Marca", "DACIA"}});
  frmCVRad* form = OpenForm<frmCVRad>();
  form->SetText(41, QStringLiteral("NR777"));
  QTemporaryDir out;
  const QString pdf = PrintedOnA4(*form, out);
  ASSERT_TRUE(messages_.Shown().isEmpty());

  const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(pdf);
  ASSERT_EQ(pages.size(), 1);
  const testsupport::PdfPage& page = pages[0];
  const double dx = 5 * 56.7, dy = 10 * 56.7;
  struct At {
    const char* word;
    double left, top;  // twips, as designed
  };
  const double margin = platform::FormTextBox::kTextMargin * platform::kTwipsPerPixel;
  for (const At& at : {At{"CERTIFICAT", 3900, 12240}, At{"Inspectoratul", 1080, 11580}, At{"Semnatura", 8310, 11790},
                       At{"Rovi-Dedevi", 2880 + margin, 10050}, At{"NR777", 1380 + margin, 11970}}) {
    const testsupport::PdfWord* word = page.Find(QString::fromLatin1(at.word));
    ASSERT_NE(word, nullptr) << at.word;
    EXPECT_NEAR(word->xMin, (at.left + dx) / 56.7, 1.5) << at.word;
    EXPECT_GT(word->yMin, (at.top + dy) / 56.7 - 0.5) << at.word;
    EXPECT_LT(word->yMin, (at.top + dy) / 56.7 + 3) << at.word;
  }
  // Two of DACIA: the contract's make and the certificate's.
  EXPECT_EQ(std::count_if(page.words.begin(), page.words.end(),
                          [](const testsupport::PdfWord& w) { return w.text == QLatin1String("DACIA"); }),
            2);
  EXPECT_EQ(page.Find(QStringLiteral("Tiparire")), nullptr);
  EXPECT_EQ(page.Find(QStringLiteral("Iesire")), nullptr);
  EXPECT_FALSE(HasColouredPixel(Rasterised(pdf, out.path())));
}

TEST_F(CVRad, TheLinesPrintWhereTheyWereDesignedWhateverTheOffsets) {
  core::settings::TopCVRad = 10;
  core::settings::LeftCVRad = 5;
  frmCVRad* form = OpenForm<frmCVRad>();
  QTemporaryDir out;
  const QString pdf = PrintedOnA4(*form, out);
  const QImage page = Rasterised(pdf, out.path()).convertToFormat(QImage::Format_Grayscale8);
  ASSERT_FALSE(page.isNull());
  const double perTwip = page.width() / 11906.0;
  // The contract frame's bottom edge Line2 at y 10890 from x 630 to 10710: dark along it at
  // its designed height, and white 10 mm lower, where it would stand if it had moved.
  auto darkRow = [&](double yTwips) {
    const int y = static_cast<int>(yTwips * perTwip);
    int dark = 0;
    for (int x = static_cast<int>(2000 * perTwip); x < static_cast<int>(9000 * perTwip); ++x)
      for (int dy = -1; dy <= 1; ++dy) dark += qGray(page.pixel(x, y + dy)) < 128 ? 1 : 0;
    return dark > 0.8 * (7000 * perTwip);
  };
  EXPECT_TRUE(darkRow(10890));
  EXPECT_FALSE(darkRow(10890 + 567));
}

TEST_F(CVRad, ThroughTheTestQueueItPrintsOnePageAndARefusingQueueIsReported) {
  const testsupport::PrintQueues queues = testsupport::TestPrintQueues();
  if (!queues.Available() || queues.refusing.isEmpty()) GTEST_SKIP() << "no test print queues (scripts/test.sh)";
  ASSERT_TRUE(platform::MakeCurrentPrinter(queues.acte));
  frmCVRad* form = OpenForm<frmCVRad>();
  const QString marker = QStringLiteral("MARK%1").arg(QDateTime::currentMSecsSinceEpoch() % 1000000);
  form->SetText(40, marker);
  platform::FormPrinter& printer = platform::CurrentFormPrinter();
  printer.SetPaperSize(platform::kPaperA4);
  printer.SetOrientation(platform::kLandscape);
  const QStringList before = testsupport::CapturedJobs(queues);
  form->cmdPrint_Click(-1);
  EXPECT_TRUE(messages_.Shown().isEmpty());
  const QString job = testsupport::WaitForNewJob(queues, queues.acte, before, marker);
  ASSERT_FALSE(job.isEmpty());
  const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(job);
  ASSERT_EQ(pages.size(), 1);
  EXPECT_NEAR(pages[0].sizeMm.width(), 297, 0.5);  // on the paper as it stood: landscape
  EXPECT_EQ(printer.Orientation(), platform::kLandscape);

  ASSERT_TRUE(platform::MakeCurrentPrinter(queues.refusing));
  form->cmdPrint_Click(-1);
  EXPECT_EQ(messages_.Prompts(), QStringList{document_forms::kPrinterNotConnected});
  EXPECT_FALSE(form->imgFond()->isHidden());
  platform::ResetCurrentPrinter();
}

}  // namespace
