// The form skeleton: the page in the MDI parent, KeepInView, the focus and Enter rules,
// the buttons' focus, opening and unloading, and the print procedure's failure handling.

#include <QLineEdit>
#include <QMdiSubWindow>
#include <optional>

#include "FormFixture.h"
#include "document_forms/PagePrinting.h"
#include "document_forms/frmDeclVelorast.h"
#include "platform/RuntimeError.h"

using document_forms::DocumentForm;
using document_forms::frmDeclVelorast;
using document_forms::KeepInViewTop;

namespace {

struct KeepInViewCase {
  const char* what;
  double windowTop, controlTop, height, scaleHeight;
  double expected;
};

TEST(KeepInViewTop, BringsTheControlIntoViewByTheRule) {
  const KeepInViewCase cases[] = {
      {"below the lower limit: its top at S - h - 700", -2000, 7500, 225, 6000, -2425},
      {"above the client's top: 450 below it", -1000, 300, 285, 6000, 150},
      {"in between: left alone", -1000, 3000, 285, 6000, -1000},
      {"exactly at the lower limit: left alone", 0, 5015, 285, 6000, 0},
      {"just under 100: moved", 0, 99, 285, 6000, 351},
      {"exactly 100: left alone", 0, 100, 285, 6000, 0},
      {"a negative top: a control above the client's top", -5000, 5050, 285, 6000, -5000 - 50 + 450},
      {"a half twip rounds to the even neighbour (100.5 -> 100)", 0.5, 100, 285, 6000, 0.5},
      {"a half twip rounds to the even neighbour (99.5 -> 100)", -0.5, 100, 285, 6000, -0.5},
      {"a real client height", -2000, 7500, 225, 6000.5, -2000 - (5500 - 6000.5) - 225 - 700},
  };
  for (const KeepInViewCase& c : cases)
    EXPECT_DOUBLE_EQ(KeepInViewTop(c.windowTop, c.controlTop, c.height, c.scaleHeight), c.expected) << c.what;
}

class Skeleton : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmDeclVelorast>();
    FormFixture::TearDown();
  }
};

TEST_F(Skeleton, TheFormIsAnA4PageInAFrameAtTheTopLeftOfTheClientArea) {
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  EXPECT_EQ(form->size(), QSize(platform::TwipsToPixels(11907), platform::TwipsToPixels(16840)));
  QMdiSubWindow* frame = form->Frame();
  ASSERT_NE(frame, nullptr);
  EXPECT_GT(frame->width(), form->width());
  EXPECT_GT(frame->height(), form->height());
  EXPECT_EQ(frame->pos(), QPoint(platform::TwipsToPixels(10), 0));
  EXPECT_DOUBLE_EQ(form->Left(), 10);
  EXPECT_DOUBLE_EQ(form->Top(), 0);
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Declaratie de velorastulare"));
  EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(form->PageTable().orientation, platform::kPortrait);
  // The area itself never scrolls.
  QMdiArea* area = platform::Forms::Get<core::MDIVelorast>()->Workspace();
  EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(Skeleton, OpeningFocusesBoxZeroWithoutSelectingIt) {
  case_.Type({{"CumparatorNume", "POPESCU ION"}});
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  QApplication::processEvents();
  auto* box0 = qobject_cast<QLineEdit*>(form->BoxWidget(0));
  EXPECT_TRUE(box0->hasFocus());
  EXPECT_EQ(box0->text(), QStringLiteral("POPESCU ION"));
  EXPECT_FALSE(box0->hasSelectedText());
}

TEST_F(Skeleton, ABoxOtherThanZeroIsSelectedAfterAClickPlacesTheCaret) {
  case_.Type({{"CumparatorLocalitate", "BUCURESTI"}});
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  auto* box1 = qobject_cast<QLineEdit*>(form->BoxWidget(1));
  Click(box1, QPoint(5, box1->height() / 2));
  QApplication::processEvents();
  EXPECT_TRUE(box1->hasFocus());
  EXPECT_EQ(box1->selectedText(), QStringLiteral("BUCURESTI"));

  // Box 0 taken again by a click: its caret only.
  auto* box0 = qobject_cast<QLineEdit*>(form->BoxWidget(0));
  form->SetText(0, QStringLiteral("POPESCU"));
  Click(box0, QPoint(5, box0->height() / 2));
  QApplication::processEvents();
  EXPECT_TRUE(box0->hasFocus());
  EXPECT_FALSE(box0->hasSelectedText());
}

TEST_F(Skeleton, EnterMovesOnAsTabAndTheLastBoxGoesToTheButtons) {
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  // Box 8 goes to the first check box, as the tab order says.
  form->BoxWidget(8)->setFocus(Qt::OtherFocusReason);
  PressKey(form->BoxWidget(8), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(form->Find<platform::FormCheckBox>("Check1")->hasFocus());

  // The last box: on to the top Print button, which brings the page's top back.
  form->BoxWidget(18)->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  EXPECT_LT(form->Top(), 0);
  form->SetText(18, QStringLiteral("07-03-2026"));
  PressKey(form->BoxWidget(18), Qt::Key_Enter);
  QApplication::processEvents();
  EXPECT_TRUE(form->cmdPrint(0)->hasFocus());
  EXPECT_DOUBLE_EQ(form->Top(), 0);
  EXPECT_EQ(form->Text(18), QStringLiteral("07-03-2026"));  // Enter did nothing else
}

TEST_F(Skeleton, AFocusedBoxIsKeptInViewAndTheTopGoesNegative) {
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  ASSERT_DOUBLE_EQ(DocumentForm::ScaleHeight(), kClientHeight);
  // Box 10 at page top 8310, 285 high: below the limit 6000 - 285 - 700.
  form->BoxWidget(10)->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(form->Top(), -(8310 - 6000) - 285 - 700);
  EXPECT_EQ(form->Frame()->y(), platform::TwipsToPixels(-3295));
  // Box 0 in view now: left alone.
  form->BoxWidget(0)->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(form->Top(), -3295);
  // Box 8 taken with the page scrolled past it comes back 450 below the client's top.
  form->SetTop(-7000);
  form->BoxWidget(8)->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(form->Top(), -7000 - (6750 - 7000) + 450);
}

TEST_F(Skeleton, TheTopButtonsScrollBackAndTheBottomOnesStay) {
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  form->SetTop(-9000);
  form->cmdExit(1)->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(form->Top(), -9000);
  form->cmdExit(0)->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(form->Top(), 0);
}

TEST_F(Skeleton, ExitAndTheCloseBoxUnloadTheFormAndShowTheMainWindow) {
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  EXPECT_FALSE(mainWindow_.isVisible());
  form->cmdExit(0)->click();
  Settle();
  EXPECT_FALSE(platform::Forms::IsLoaded<frmDeclVelorast>());
  EXPECT_TRUE(mainWindow_.isVisible());

  form = OpenForm<frmDeclVelorast>();
  EXPECT_FALSE(mainWindow_.isVisible());
  form->Frame()->close();  // the window's close box
  Settle();
  EXPECT_FALSE(platform::Forms::IsLoaded<frmDeclVelorast>());
  EXPECT_TRUE(mainWindow_.isVisible());
  EXPECT_TRUE(platform::Forms::Get<core::MDIVelorast>()->Workspace()->subWindowList().isEmpty());
}

TEST_F(Skeleton, ShiftControlsMovesEverythingButTheLines) {
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  std::vector<QRectF> before;
  for (platform::PageControl* c : form->Controls()) before.push_back(c->Twips());
  form->ShiftControls(-3, 5);
  for (size_t i = 0; i < before.size(); ++i) {
    platform::PageControl* c = form->Controls()[i];
    const QPointF moved = c->IsLine() ? QPointF() : QPointF(-3 * 56.7, 5 * 56.7);
    EXPECT_NEAR(c->Left(), before[i].left() + moved.x(), 1e-9);
    EXPECT_NEAR(c->Top(), before[i].top() + moved.y(), 1e-9);
  }
}

// ---- The print procedure

// A printer whose steps fail on demand.
class ScriptedPrinter : public platform::FormPrinter {
 public:
  enum Step { kReadPaper, kSetPaper, kReadOrientation, kSetOrientation, kPrint, kRestoreOrientation, kRestorePaper };

  int PaperSize() const override {
    Maybe(kReadPaper);
    return paper;
  }
  void SetPaperSize(int code) override {
    Maybe(printAttempted ? kRestorePaper : kSetPaper);
    paper = code;
  }
  int Orientation() const override {
    Maybe(kReadOrientation);
    return orientation;
  }
  void SetOrientation(int code) override {
    Maybe(printAttempted ? kRestoreOrientation : kSetOrientation);
    orientation = code;
  }
  void PrintPage(const platform::PagePainter&) override {
    printAttempted = true;
    Maybe(kPrint);
    printed = true;
    printedPaper = paper;
    printedOrientation = orientation;
  }

  void Maybe(Step step) const {
    if (step == failsAt || step == alsoFailsAt) throw platform::RuntimeError(number, QStringLiteral("Eroare"), QStringLiteral("Printer"));
  }

  int paper = platform::kPaperLetter;
  int orientation = platform::kLandscape;
  std::optional<Step> failsAt, alsoFailsAt;
  int number = platform::kErrCannotPrintPage;
  bool printed = false;
  bool printAttempted = false;
  int printedPaper = 0, printedOrientation = 0;
};

TEST(RunPrint, RestoresOnlyWhatWasSavedReportsTheFirstFailureOnceAndShowsTheButtons) {
  using S = ScriptedPrinter;
  struct Case {
    const char* what;
    std::optional<S::Step> failsAt, alsoFailsAt;
    int number;
    QStringList messages;
    int paperAfter, orientationAfter;
  };
  const QString notConnected = document_forms::kPrinterNotConnected;
  const Case cases[] = {
      {"a print that succeeds", {}, {}, 486, {}, platform::kPaperLetter, platform::kLandscape},
      {"486 while printing", S::kPrint, {}, 486, {notConnected}, platform::kPaperLetter, platform::kLandscape},
      {"another failure while printing", S::kPrint, {}, 482, {QStringLiteral("482 Eroare Printer")},
       platform::kPaperLetter, platform::kLandscape},
      {"before anything was saved: nothing set back", S::kReadPaper, {}, 486, {notConnected},
       platform::kPaperLetter, platform::kLandscape},
      {"after the paper was saved: only the paper set back", S::kReadOrientation, {}, 486, {notConnected},
       platform::kPaperLetter, platform::kLandscape},
      {"setting back fails after a good print: told once", S::kRestoreOrientation, {}, 482,
       {QStringLiteral("482 Eroare Printer")}, platform::kPaperLetter, platform::kPortrait},
      {"printing and setting back both fail: the first told only", S::kPrint, S::kRestoreOrientation, 486,
       {notConnected}, platform::kPaperLetter, platform::kPortrait},
  };
  for (const Case& c : cases) {
    S printer;
    printer.failsAt = c.failsAt;
    printer.alsoFailsAt = c.alsoFailsAt;
    printer.number = c.number;
    platform::MessageBoxScript messages;
    QStringList events;
    document_forms::PrintRun run;
    run.hideButtons = [&] { events << "hide"; };
    run.showButtons = [&] { events << "show"; };
    run.paint = [](QPainter&, double) {};
    run.orientation = platform::kPortrait;
    EXPECT_NO_THROW(document_forms::RunPrint(printer, run)) << c.what;
    EXPECT_EQ(messages.Prompts(), c.messages) << c.what;
    for (const platform::ShownMessage& m : messages.Shown()) EXPECT_EQ(m.style, platform::vbOKOnly) << c.what;
    EXPECT_EQ(events, QStringList({"hide", "show"})) << c.what;
    EXPECT_EQ(printer.paper, c.paperAfter) << c.what;
    EXPECT_EQ(printer.orientation, c.orientationAfter) << c.what;
    if (printer.printed) {
      EXPECT_EQ(printer.printedPaper, platform::kPaperA4) << c.what;
      EXPECT_EQ(printer.printedOrientation, platform::kPortrait) << c.what;
    }
  }
}

TEST(RunPrint, AsItStandsTouchesNoPrinterSetting) {
  ScriptedPrinter printer;
  printer.failsAt = ScriptedPrinter::kReadPaper;  // would fail if it were read
  platform::MessageBoxScript messages;
  document_forms::PrintRun run;
  run.hideButtons = [] {};
  run.showButtons = [] {};
  run.paint = [](QPainter&, double) {};
  run.setsPaper = false;
  document_forms::RunPrint(printer, run);
  EXPECT_TRUE(messages.Shown().isEmpty());
  EXPECT_TRUE(printer.printed);
  EXPECT_EQ(printer.printedPaper, platform::kPaperLetter);
  EXPECT_EQ(printer.printedOrientation, platform::kLandscape);
}

TEST_F(Skeleton, APrintHidesTheButtonsAndTheFocusHandlersDoNotRunMeanwhile) {
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  form->cmdPrint(0)->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  form->SetTop(-1234);

  class Watching : public ScriptedPrinter {
   public:
    void PrintPage(const platform::PagePainter& paint) override {
      for (int i : {0, 1}) {
        buttonsHidden = buttonsHidden && form->cmdPrint(i)->isHidden() && form->cmdExit(i)->isHidden();
      }
      topWhilePrinting = form->Top();
      ScriptedPrinter::PrintPage(paint);
    }
    DocumentForm* form = nullptr;
    bool buttonsHidden = true;
    double topWhilePrinting = 0;
  } printer;
  printer.form = form;
  platform::FormPrinterScript script(printer);
  form->cmdPrint_Click(0);
  EXPECT_TRUE(printer.printed);
  EXPECT_TRUE(printer.buttonsHidden);
  EXPECT_DOUBLE_EQ(printer.topWhilePrinting, -1234);  // no box's focus moved the page
  for (int i : {0, 1}) {
    EXPECT_FALSE(form->cmdPrint(i)->isHidden());
    EXPECT_FALSE(form->cmdExit(i)->isHidden());
  }
  EXPECT_FALSE(form->Printing());
}

}  // namespace

namespace {

TEST_F(Skeleton, WithoutAnyPrinterThePrintIsReportedOnceAndTheFormStaysAsItWas) {
  platform::PrintersScript none{QStringList{}};
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  form->SetText(13, QStringLiteral("VASILE"));
  form->cmdPrint(1)->click();
  EXPECT_EQ(messages_.Prompts(), QStringList{document_forms::kPrinterNotConnected});
  EXPECT_EQ(form->Text(13), QStringLiteral("VASILE"));
  EXPECT_FALSE(form->cmdPrint(1)->isHidden());
  EXPECT_FALSE(form->cmdExit(0)->isHidden());
  // It can print again, and says so again.
  form->cmdPrint(0)->click();
  EXPECT_EQ(messages_.Prompts().size(), 2);
}

TEST_F(Skeleton, OpeningAFormThatIsOpenMovesItBackWithoutLoadingItAgain) {
  frmDeclVelorast* form = OpenForm<frmDeclVelorast>();
  form->SetText(13, QStringLiteral("VASILE"));
  form->SetTop(-4000);
  EXPECT_EQ(OpenForm<frmDeclVelorast>(), form);
  EXPECT_EQ(form->Text(13), QStringLiteral("VASILE"));
  EXPECT_DOUBLE_EQ(form->Top(), 0);
  EXPECT_DOUBLE_EQ(form->Left(), 10);
}

}  // namespace
