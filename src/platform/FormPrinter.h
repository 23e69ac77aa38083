#pragma once
// The current printer as the page windows print on it: its paper size (a paper code, 9
// is A4) and its orientation (1 portrait, 2 landscape), read and written around a print,
// and the printing of one page painted from the paper's top left corner, in twips
// (1 twip = 1/1440 inch), as vector output.
//
//   platform::FormPrinter& printer = platform::CurrentFormPrinter();
//   const int saved = printer.PaperSize();
//   printer.SetPaperSize(platform::kPaperA4);
//   printer.PrintPage([&](QPainter& p, double scale) { page.PaintOnPaper(p, scale); });
//   printer.SetPaperSize(saved);

#include <QString>
#include <functional>

#include "platform/PaperCodes.h"

class QPainter;

namespace platform {

// The window's page cannot be printed on this printer (or there is no printer).
inline constexpr int kErrCannotPrintPage = 486;

// Paints one page: `scale` device units a twip, the paper's top left at the origin.
using PagePainter = std::function<void(QPainter& painter, double scale)>;

class FormPrinter {
 public:
  virtual ~FormPrinter() = default;
  virtual int PaperSize() const = 0;
  virtual void SetPaperSize(int paperCode) = 0;
  virtual int Orientation() const = 0;
  virtual void SetOrientation(int orientationCode) = 0;
  // Prints one page, on the paper and in the orientation set now.
  virtual void PrintPage(const PagePainter& paint) = 0;
};

// The current printer of the process (platform::CurrentPrinter). Each printer keeps the
// paper size and orientation set on it for the rest of the run; a printer not set yet
// has its own default paper, portrait. Every call raises error 486 when no printer is
// installed; PrintPage raises 486 when the printer does not take the page.
FormPrinter& CurrentFormPrinter();

// Prints one page into the PDF file `path` as a printer would print it. Raises error
// 486 when the file cannot be written.
void PrintPageToPdf(const QString& path, int paperCode, int orientationCode, const PagePainter& paint);

// For tests: while an instance lives, CurrentFormPrinter() is `printer`.
class FormPrinterScript {
 public:
  explicit FormPrinterScript(FormPrinter& printer);
  ~FormPrinterScript();
  FormPrinterScript(const FormPrinterScript&) = delete;
  FormPrinterScript& operator=(const FormPrinterScript&) = delete;

 private:
  FormPrinter* previous_;
};

}  // namespace platform
