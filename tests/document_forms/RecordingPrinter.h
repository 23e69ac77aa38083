// A current printer that keeps what a form's page drew, recorded on the page a PDF print
// sets up, and prints it into a PDF file as well when given one: for the print checked
// and timed against a bare PDF writer drawing the same items.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <optional>

#include "platform/FormPrinter.h"
#include "platform/PaperCodes.h"
#include "support/PageRecording.h"

namespace testsupport {

class RecordingPrinter : public platform::FormPrinter {
 public:
  int PaperSize() const override { return paper_; }
  void SetPaperSize(int code) override { paper_ = code; }
  int Orientation() const override { return orientation_; }
  void SetOrientation(int code) override { orientation_ = code; }
  void PrintPage(const platform::PagePainter& paint) override {
    if (!pdfPath.isEmpty()) platform::PrintPageToPdf(pdfPath, paper_, orientation_, paint);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(platform::PageSizeOf(paper_), platform::OrientationOf(orientation_),
                                      QMarginsF(), QPageLayout::Millimeter, QMarginsF()));
    const double scale = printer.resolution() / 1440.0;
    page = RecordedPage::Record(printer.pageLayout(), printer.resolution(),
                                [&](QPainter& painter) { paint(painter, scale); });
  }

  QString pdfPath;  // none: the page is only recorded
  std::optional<RecordedPage> page;

 private:
  int paper_ = platform::kPaperA4;
  int orientation_ = platform::kPortrait;
};

}  // namespace testsupport
