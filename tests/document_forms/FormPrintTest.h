#pragma once
// Printing a member through the test CUPS queues (scripts/test.sh starts them): one
// page of A4 in the member's orientation, the given labels read back at their twips
// places (a label at left L, top T lies at L/20 pt, T/20 pt from the paper's corner),
// no button captions on paper, and the current printer's paper size and orientation the
// same afterwards; a queue that refuses the job gives the printer message and keeps the
// form open with its texts.

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <initializer_list>

#include "FormFixture.h"
#include "platform/FormPrinter.h"
#include "platform/Printers.h"
#include "support/PdfText.h"
#include "support/PrintCapture.h"

namespace testsupport {

struct LabelAt {
  const char* word;  // the first word of the label
  double left, top;  // twips
};

// Within a point or two of the given place.
inline constexpr double kPlaceToleranceMm = 2 * kMmPerPoint;

inline platform::FormButton* TopPrintButton(const document_forms::DocumentForm& form) {
  return form.cmdPrint(0) ? form.cmdPrint(0) : form.cmdPrint(-1);
}

template <class F>
void ExpectFormPrintsAtItsPlaces(FormFixture& fixture, std::initializer_list<LabelAt> labels) {
  const PrintQueues queues = TestPrintQueues();
  if (!queues.Available()) GTEST_SKIP() << "no test print queues (scripts/test.sh starts them)";
  ASSERT_TRUE(platform::MakeCurrentPrinter(queues.acte));
  F* form = fixture.template OpenForm<F>();
  // The printer set otherwise than the page wants, to be found so afterwards.
  platform::FormPrinter& printer = platform::CurrentFormPrinter();
  printer.SetPaperSize(platform::kPaperLetter);
  const int otherOrientation =
      form->PageTable().orientation == platform::kPortrait ? platform::kLandscape : platform::kPortrait;
  printer.SetOrientation(otherOrientation);
  const QString marker = QStringLiteral("MARK%1").arg(QRandomGenerator::global()->bounded(100000, 999999));
  form->SetText(form->BoxCount() - 1, marker);
  const QStringList before = CapturedJobs(queues);
  TopPrintButton(*form)->click();
  EXPECT_TRUE(fixture.messages_.Prompts().isEmpty()) << fixture.messages_.Prompts().join('|').toStdString();

  const QString job = WaitForNewJob(queues, queues.acte, before, marker);
  ASSERT_FALSE(job.isEmpty()) << "no job with " << marker.toStdString();
  const QList<PdfPage> pages = ReadPdfPages(job);
  ASSERT_EQ(pages.size(), 1);
  const PdfPage& page = pages[0];
  const bool landscape = form->PageTable().orientation == platform::kLandscape;
  EXPECT_NEAR(page.sizeMm.width(), landscape ? 297 : 210, 0.5);
  EXPECT_NEAR(page.sizeMm.height(), landscape ? 210 : 297, 0.5);
  for (const LabelAt& label : labels) {
    const PdfWord* word = page.Find(QString::fromUtf8(label.word));
    ASSERT_NE(word, nullptr) << label.word;
    EXPECT_NEAR(word->xMin, label.left / 56.7, kPlaceToleranceMm) << label.word;
    EXPECT_NEAR(word->yMin, label.top / 56.7, kPlaceToleranceMm) << label.word;
  }
  EXPECT_NE(page.Find(marker), nullptr);
  EXPECT_EQ(page.Find(QStringLiteral("Tiparire")), nullptr);
  EXPECT_EQ(page.Find(QStringLiteral("Iesire")), nullptr);
  EXPECT_EQ(printer.PaperSize(), platform::kPaperLetter);
  EXPECT_EQ(printer.Orientation(), otherOrientation);
  EXPECT_FALSE(TopPrintButton(*form)->isHidden());
  platform::ResetCurrentPrinter();
}

template <class F>
void ExpectRefusedPrintKeepsTheForm(FormFixture& fixture) {
  const PrintQueues queues = TestPrintQueues();
  if (queues.refusing.isEmpty()) GTEST_SKIP() << "no refusing test queue (scripts/test.sh starts it)";
  ASSERT_TRUE(platform::MakeCurrentPrinter(queues.refusing));
  F* form = fixture.template OpenForm<F>();
  form->SetText(0, QStringLiteral("TEXT TASTAT"));
  TopPrintButton(*form)->click();
  EXPECT_EQ(fixture.messages_.Prompts(), QStringList{document_forms::kPrinterNotConnected});
  ASSERT_TRUE(platform::Forms::IsLoaded<F>());
  EXPECT_EQ(form->Text(0), QStringLiteral("TEXT TASTAT"));
  EXPECT_FALSE(TopPrintButton(*form)->isHidden());
  platform::ResetCurrentPrinter();
}

}  // namespace testsupport
