#pragma once
// The common dialog: one object that shows the colour dialog and the print dialog and
// keeps what was set on it (CancelError, Flags, the orientation, the colour) from one
// use to the next, whoever uses it.
//
//   cdg.CancelError = true;
//   cdg.ShowColor();          // raises RuntimeError(32755) when cancelled
//   int colour = cdg.Color;   // red + 256 * green + 65536 * blue
//
//   cdg.Flags = cdlPDReturnDC + cdlPDSelection;
//   cdg.ShowPrinter();
//   QPrinter& printer = cdg.Printer();  // the printer the clerk chose, ready to print on

#include <QColor>
#include <QList>
#include <QString>
#include <memory>
#include <variant>

#include "platform/DialogScript.h"

class QPrinter;

namespace platform {

inline constexpr int kErrCancelSelected = 32755;  // the clerk cancelled the dialog

// Flags of the print dialog.
enum PrinterDialogFlags : int {
  cdlPDAllPages = 0,
  cdlPDSelection = 1,    // the print range is the selection (set on return when chosen)
  cdlPDNoPageNums = 8,   // no page range to choose
  cdlPDReturnDC = 256,   // the chosen printer is made ready to print on
};

// Orientation.
enum : int { cdlPortrait = 1, cdlLandscape = 2 };

// A colour value as a 32-bit whole number, and back.
int ColorValue(const QColor& color);
QColor ColorFromValue(int value);

class CommonDialog {
 public:
  CommonDialog();
  ~CommonDialog();
  CommonDialog(const CommonDialog&) = delete;
  CommonDialog& operator=(const CommonDialog&) = delete;

  bool CancelError = false;
  int Flags = 0;
  int Color = 0;
  int Orientation = cdlPortrait;

  // The colour dialog, opening on Color; OK sets Color.
  void ShowColor();
  // The print dialog for the current printer, in Orientation, with the selection as its
  // range when Flags has cdlPDSelection; OK makes the chosen printer Printer() and
  // sets Orientation and the selection flag from the clerk's choice. With
  // cdlPDNoPageNums the dialog offers no page range and the job prints every page,
  // whatever range the print system would otherwise apply.
  void ShowPrinter();
  QPrinter& Printer();

 private:
  void Cancelled();
  std::unique_ptr<QPrinter> printer_;
};

// While an instance lives, the common dialog shows nothing and takes the outcome of
// each Show from the queue (with nothing queued, a cancel). It records what each Show
// found set on the dialog.
class CommonDialogScript : public ActiveScript<CommonDialogScript> {
 public:
  struct ChoosePrinter {
    QString pdfFile = {};     // print into this PDF file
    bool selection = false;  // the clerk chose the selection as the print range
    int orientation = cdlPortrait;
    QString printerName = {};  // or, when given, on this printer of the system
    int fromPage = 0, toPage = 0;  // a page range typed in the dialog; 0: none
  };
  struct Shown {
    QString dialog;  // "ShowColor" or "ShowPrinter"
    bool cancelError;
    int flags;
    int color;
    int orientation;
  };

  void ChooseColor(const QColor& color) { outcomes_.append(color); }
  void ChoosePrinterPdf(const ChoosePrinter& choice) { outcomes_.append(choice); }
  void Cancel() { outcomes_.append(std::monostate{}); }
  const QList<Shown>& ShownDialogs() const { return shown_; }

 private:
  friend class CommonDialog;
  using Outcome = std::variant<std::monostate, QColor, ChoosePrinter>;
  Outcome Take(const Shown& shown) {
    shown_.append(shown);
    return outcomes_.isEmpty() ? Outcome{} : outcomes_.takeFirst();
  }
  QList<Outcome> outcomes_;
  QList<Shown> shown_;
};

}  // namespace platform
