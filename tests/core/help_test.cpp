#include "core/frmHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "core/AppState.h"
#include "core/MDIVelorast.h"
#include "platform/CommonDialog.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "platform/rtf/RtfReader.h"
#include "support/PdfText.h"

using core::frmHelp;
using platform::Forms;
using platform::TwipsToPixels;

namespace {

// The words printed into the file, in their order.
QString PrintedWords(const QString& pdf) {
  QStringList words;
  for (const testsupport::PdfPage& page : testsupport::ReadPdfPages(pdf))
    for (const testsupport::PdfWord& word : page.words) words << word.text;
  return words.join(' ');
}

// A program folder of its own, with or without a help text.
class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override { core::AppPath = dir_.path(); }
  void TearDown() override {
    Forms::Unload<frmHelp>();
    Forms::Unload<core::MDIVelorast>();
    core::AppPath.clear();
  }
  // Prints the help window's text with the cursor as given (a selection or none) into a
  // PDF file of that name, and returns the file's path.
  QString PrintWithCursor(frmHelp* help, const QTextCursor& cursor, const QString& name) {
    help->rtfHelp->setTextCursor(cursor);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir_.filePath(name);
    printer.setOutputFileName(pdf);
    help->SelPrint(printer);
    return pdf;
  }
  void WriteHelp(const QByteArray& content) {
    QFile f(dir_.filePath("help.rtf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
  }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(HelpTest, ShowsTheHelpText) {
  WriteHelp("{\\rtf1\\ansi\\ansicpg1250 {\\b Ajutor}\\par Cump\\'e3r\\'e3tor}");
  frmHelp* help = Forms::Get<frmHelp>();
  EXPECT_EQ(help->windowTitle(), "Informatii despre utilizarea aplicatiei");
  EXPECT_EQ(help->rtfHelp->toPlainText(), "Ajutor\nCump\u0103r\u0103tor");
  EXPECT_TRUE(help->rtfHelp->isReadOnly());
  EXPECT_EQ(help->rtfHelp->textCursor().position(), 0);
}

// The message names the file, tells a missing file from a malformed one, and says what
// the clerk can do.
TEST_F(HelpTest, MissingOrUnreadableHelpOpensEmptyWithAMessage) {
  const struct {
    QByteArray content;  // null: no file
    const char* why;
  } cases[] = {
      {QByteArray(), "lipseste sau nu poate fi deschis"},
      {QByteArray("nu este RTF"), "nu este un text RTF sau este deteriorat"},
  };
  for (const auto& c : cases) {
    if (!c.content.isNull()) WriteHelp(c.content);
    platform::MessageBoxScript boxes;
    frmHelp* help = Forms::Get<frmHelp>();
    EXPECT_TRUE(help->rtfHelp->toPlainText().isEmpty());
    ASSERT_EQ(boxes.Shown().size(), 1);
    EXPECT_EQ(boxes.Shown()[0].prompt, QStringLiteral("Ghidul de utilizare nu poate fi afisat: fisierul \"%1\" %2. "
                                                      "Reinstalati programul (sau cereti administratorului sa o faca).")
                                           .arg(dir_.filePath("help.rtf"), c.why));
    Forms::Unload<frmHelp>();
  }
}

TEST_F(HelpTest, ResizeRuleKeepsTheMarginsAndNeverGoesNegative) {
  WriteHelp("{\\rtf1 x}");
  frmHelp* help = Forms::Get<frmHelp>();
  help->show();
  struct Case { int width, height; } cases[] = {{800, 600}, {486, 436}, {20, 30}};
  for (const Case& c : cases) {
    help->resize(c.width, c.height);
    const double w = c.width * 15.0, h = c.height * 15.0;
    EXPECT_EQ(help->rtfHelp->geometry(),
              QRect(0, TwipsToPixels(30), TwipsToPixels(qMax(0.0, w - 100)), TwipsToPixels(qMax(0.0, h - 1015))))
        << c.width;
    EXPECT_EQ(help->picJos->geometry(), platform::TwipsRect(0, h - 915, w, 915)) << c.width;
    EXPECT_EQ(help->cmdExit->x(), TwipsToPixels(w - 1485 - 100)) << c.width;
    EXPECT_EQ(help->cmdPrint->pos(), QPoint(TwipsToPixels(30), TwipsToPixels(30))) << c.width;
  }

  // Minimised, nothing moves; restored, the layout is as it was.
  help->resize(800, 600);
  const QRect before = help->rtfHelp->geometry();
  help->setWindowState(Qt::WindowMinimized);
  help->resize(300, 200);
  EXPECT_EQ(help->rtfHelp->geometry(), before);
}

TEST_F(HelpTest, PrintsTheSelectionOrTheWholeTextAsText) {
  WriteHelp("{\\rtf1 Primul paragraf\\par Al doilea paragraf}");
  frmHelp* help = Forms::Get<frmHelp>();
  for (bool selected : {false, true}) {
    QTextCursor cursor(help->rtfHelp->document());
    if (selected) cursor = help->rtfHelp->document()->find("doilea");
    const QString pdf = PrintWithCursor(help, cursor, selected ? "selectie.pdf" : "tot.pdf");
    EXPECT_EQ(PrintedWords(pdf), selected ? "doilea" : "Primul paragraf Al doilea paragraf");
  }
}

// A selection prints with the document's tab stops, as the whole text does.
TEST_F(HelpTest, SelectionPrintsWithTheDocumentsTabStops) {
  WriteHelp("{\\rtf1\\deftab2880 Unu\\tab Doi\\par Trei}");
  frmHelp* help = Forms::Get<frmHelp>();
  double tabbed[2] = {0, 0};
  for (bool selected : {false, true}) {
    QTextCursor cursor(help->rtfHelp->document());
    if (selected) cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    const QString pdf = PrintWithCursor(help, cursor, selected ? "selectie.pdf" : "tot.pdf");
    const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const testsupport::PdfWord* unu = pages[0].Find("Unu");
    const testsupport::PdfWord* doi = pages[0].Find("Doi");
    ASSERT_TRUE(unu && doi);
    tabbed[selected] = doi->xMin - unu->xMin;
    EXPECT_EQ(pages[0].Find("Trei") != nullptr, !selected);
  }
  EXPECT_NEAR(tabbed[0], 2 * 25.4, 1.0);  // 2880 twips: two inches
  EXPECT_NEAR(tabbed[1], tabbed[0], 0.5);
}

TEST(HelpText, ShippedGuideReadsWholeInRomanian) {
  QFile f(VELORAST_SOURCE_DIR "/app/help.rtf");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QTextDocument doc;
  const platform::rtf::ReadResult r = platform::rtf::ReadRtf(f.readAll(), doc);
  EXPECT_TRUE(r.rtf && r.complete);
  const QString text = doc.toPlainText();
  for (const char* words : {"ghidul utilizatorului", "\u0219i", "\u00eenmatriculare", "\"Setarea imprimantelor\""})
    EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
  EXPECT_EQ(doc.firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
}

TEST_F(HelpTest, PrintFlagsTellTheDialogWhetherThereIsASelection) {
  WriteHelp("{\\rtf1 Primul paragraf\\par Al doilea paragraf}");
  const QString pdf = dir_.filePath("help.pdf");
  for (bool selected : {false, true}) {
    frmHelp* help = Forms::Get<frmHelp>();
    if (selected) help->rtfHelp->setTextCursor(help->rtfHelp->document()->find("doilea"));
    platform::MessageBoxScript boxes;
    boxes.Answer(platform::vbYes);
    platform::CommonDialogScript dialogs;
    dialogs.ChoosePrinterPdf({pdf});
    help->cmdPrint->click();

    ASSERT_EQ(boxes.Shown().size(), 1);
    EXPECT_EQ(boxes.Shown()[0].prompt, "Sigur doriti sa tipariti textul de mai sus");
    EXPECT_EQ(boxes.Shown()[0].style, platform::vbYesNo);
    ASSERT_EQ(dialogs.ShownDialogs().size(), 1);
    const auto& shown = dialogs.ShownDialogs()[0];
    EXPECT_EQ(shown.dialog, "ShowPrinter");
    EXPECT_EQ(shown.flags, selected ? 257 : 256);
    EXPECT_TRUE(shown.cancelError);
    EXPECT_EQ(shown.orientation, platform::cdlPortrait);
    EXPECT_EQ(PrintedWords(pdf), selected ? "doilea" : "Primul paragraf Al doilea paragraf");
    Forms::Unload<frmHelp>();
    QFile::remove(pdf);
  }
}

TEST_F(HelpTest, NoAndACancelledDialogPrintNothing) {
  WriteHelp("{\\rtf1 Text}");
  frmHelp* help = Forms::Get<frmHelp>();
  platform::CommonDialogScript dialogs;
  {
    platform::MessageBoxScript boxes;
    boxes.Answer(platform::vbNo);
    help->cmdPrint->click();
    EXPECT_TRUE(dialogs.ShownDialogs().isEmpty());
  }
  {
    platform::MessageBoxScript boxes;  // Yes, the default; then the dialog is cancelled
    dialogs.Cancel();
    help->cmdPrint->click();
    EXPECT_EQ(dialogs.ShownDialogs().size(), 1);
    EXPECT_EQ(boxes.Shown().size(), 1);  // the question alone: a cancel says nothing
  }
  EXPECT_TRUE(QDir(dir_.path()).entryList({"*.pdf"}).isEmpty());
}

// A print that does not go through says so, naming where it went; the text stays shown.
TEST_F(HelpTest, AFailedPrintIsReported) {
  WriteHelp("{\\rtf1 Text}");
  frmHelp* help = Forms::Get<frmHelp>();
  platform::CommonDialogScript dialogs;
  const QString pdf = QStringLiteral("/nonexistent-folder/ajutor.pdf");
  dialogs.ChoosePrinterPdf({.pdfFile = pdf});
  platform::MessageBoxScript boxes;  // Yes to the question
  help->cmdPrint->click();
  ASSERT_EQ(boxes.Shown().size(), 2);
  EXPECT_TRUE(boxes.Prompts()[1].startsWith("482 Fisierul \"" + pdf + "\" nu a putut fi scris."))
      << boxes.Prompts()[1].toStdString();
  EXPECT_EQ(help->rtfHelp->toPlainText(), "Text");
}
