// The current printer as the page forms use it: each printer keeps its own paper size
// and orientation for the run, and with no printer every call raises 486.

#include <gtest/gtest.h>

#include "platform/FormPrinter.h"
#include "platform/Printers.h"
#include "platform/RuntimeError.h"

namespace {

using platform::CurrentFormPrinter;

TEST(FormPrinter, EachPrinterKeepsItsPaperAndOrientation) {
  platform::PrintersScript printers({QStringLiteral("Unu"), QStringLiteral("Doi")});
  platform::FormPrinter& printer = CurrentFormPrinter();
  EXPECT_EQ(printer.Orientation(), platform::kPortrait);
  printer.SetPaperSize(platform::kPaperA5);
  printer.SetOrientation(platform::kLandscape);
  ASSERT_TRUE(platform::MakeCurrentPrinter(QStringLiteral("Doi")));
  EXPECT_EQ(printer.Orientation(), platform::kPortrait);
  printer.SetPaperSize(platform::kPaperLetter);
  ASSERT_TRUE(platform::MakeCurrentPrinter(QStringLiteral("Unu")));
  EXPECT_EQ(printer.PaperSize(), platform::kPaperA5);
  EXPECT_EQ(printer.Orientation(), platform::kLandscape);
  printer.SetPaperSize(platform::kPaperA4);
  printer.SetOrientation(platform::kPortrait);
}

TEST(FormPrinter, WithoutAPrinterEveryCallRaises486) {
  platform::PrintersScript none{QStringList{}};
  platform::FormPrinter& printer = CurrentFormPrinter();
  const std::function<void()> calls[] = {
      [&] { printer.PaperSize(); },
      [&] { printer.SetPaperSize(platform::kPaperA4); },
      [&] { printer.Orientation(); },
      [&] { printer.SetOrientation(platform::kPortrait); },
      [&] { printer.PrintPage([](QPainter&, double) {}); },
  };
  for (const auto& call : calls) {
    try {
      call();
      ADD_FAILURE() << "no error";
    } catch (const platform::RuntimeError& error) {
      EXPECT_EQ(error.Number(), platform::kErrCannotPrintPage);
    }
  }
}

}  // namespace

// A page printed into a PDF file that cannot be written: 486, naming the file and what
// the clerk can check.
TEST(FormPrinter, APdfFileThatCannotBeWrittenIsNamed) {
  const QString path = QStringLiteral("/nonexistent-folder/pagina.pdf");
  try {
    platform::PrintPageToPdf(path, platform::kPaperA4, platform::kPortrait, [](QPainter&, double) {});
    ADD_FAILURE() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.Number(), platform::kErrCannotPrintPage);
    EXPECT_EQ(error.Description(), "Fisierul \"" + path + "\" nu a putut fi scris. Verificati ca dosarul lui exista si "
                                   "poate fi scris si ca discul nu este plin, apoi incercati din nou.");
  }
}
