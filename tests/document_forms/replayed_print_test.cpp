// Every document form printed into a PDF file as its Print button prints it, against the
// items its page drew (texts, lines, pictures) drawn again by a bare PDF writer: the same
// words at the same places and the same pixels, with every box holding its field's name
// and with the cases of long values. The page holds nothing beyond what it draws, and
// the benchmarks can time the print against that plain writer.

#include <QTemporaryDir>

#include "EveryForm.h"
#include "FormFixture.h"
#include "RecordingPrinter.h"
#include "core/Fonts.h"
#include "platform/FormPrinter.h"
#include "support/LongCases.h"
#include "support/PageRecording.h"
#include "support/SamePrint.h"

namespace {

using document_forms::DocumentForm;

using testsupport::FormEntry;
using testsupport::RecordingPrinter;

class ReplayedPrint : public testsupport::FormFixture {};

TEST_F(ReplayedPrint, EveryFormPrintsWhatABarePdfWriterDrawsOfItsItems) {
  using namespace document_forms;
  const std::vector<FormEntry> forms = testsupport::AllForms();
  const QFont savedDrav = core::fonts::FontDrav;
  QFont drav(QStringLiteral("Times New Roman"));
  drav.setPointSizeF(10);
  core::fonts::FontDrav = drav;
  // The long cases as typed, and their fields each holding its own name.
  const QList<testsupport::LongCase> longCases = testsupport::LongCases();
  ASSERT_FALSE(longCases.isEmpty());
  QList<testsupport::LongCase> cases{{"every box its field's name", {}}};
  for (const auto& [field, value] : longCases.front().boxes) cases.front().boxes.append({field, field});
  cases += longCases;
  RecordingPrinter printer;
  const platform::FormPrinterScript script(printer);
  QTemporaryDir dir;
  int file = 0;
  for (const testsupport::LongCase& c : cases) {
    case_.Clear();
    for (const auto& [field, value] : c.boxes) case_.Type(field, value);
    for (const FormEntry& entry : forms) {
      SCOPED_TRACE(testing::Message() << entry.name << ", " << c.name);
      mainWindow_.hide();
      DocumentForm* form = entry.open();
      QApplication::processEvents();
      ASSERT_NE(form, nullptr);
      printer.pdfPath = dir.filePath(QStringLiteral("printed-%1.pdf").arg(++file));
      printer.page.reset();
      form->cmdPrint_Click(0);
      form->close();
      Settle();
      ASSERT_TRUE(printer.page.has_value());
      EXPECT_GT(printer.page->TextItems(), 10);
      const QString replayed = dir.filePath(QStringLiteral("replayed-%1.pdf").arg(file));
      ASSERT_TRUE(printer.page->ReplayToPdf(replayed));
      testsupport::ExpectSamePrint(printer.pdfPath, replayed);
    }
  }
  core::fonts::FontDrav = savedDrav;
}

}  // namespace
