#pragma once
// A current printer for the forms' tests: it keeps its paper size and orientation, counts
// every change of them, runs a check while the page prints (to look at the window as it
// stands then), writes the page into a PDF file when given one, and can refuse the page.

#include <QString>
#include <functional>

#include "platform/FormPrinter.h"
#include "platform/RuntimeError.h"

namespace testsupport {

class PaperPrinter : public platform::FormPrinter {
 public:
  int PaperSize() const override { return paper; }
  void SetPaperSize(int code) override {
    paper = code;
    ++settingsWritten;
  }
  int Orientation() const override { return orientation; }
  void SetOrientation(int code) override {
    orientation = code;
    ++settingsWritten;
  }
  void PrintPage(const platform::PagePainter& paint) override {
    if (whilePrinting) whilePrinting();
    if (refuses)
      throw platform::RuntimeError(platform::kErrCannotPrintPage, QStringLiteral("Imprimanta refuza"),
                                   QStringLiteral("Printer"));
    if (!pdfPath.isEmpty()) platform::PrintPageToPdf(pdfPath, paper, orientation, paint);
    ++pages;
  }

  int paper = platform::kPaperLetter;
  int orientation = platform::kLandscape;
  int settingsWritten = 0;
  int pages = 0;
  bool refuses = false;
  QString pdfPath;                      // empty: the page goes nowhere
  std::function<void()> whilePrinting;  // runs as the page prints
};

}  // namespace testsupport
