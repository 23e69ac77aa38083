#pragma once
// The print procedure of the page forms, apart from any window: hide the buttons, save
// the printer's paper size and set A4, save its orientation and set the page's, print,
// report a failure, set back what was saved, show the buttons.
//
// Only what was saved is set back; the first failure is reported once (a failure of the
// setting back only when nothing failed before it); nothing that fails here escapes, and
// the buttons are always shown again.

#include <functional>

#include "platform/FormPrinter.h"

namespace document_forms {

struct PrintRun {
  std::function<void()> hideButtons;
  std::function<void()> showButtons;
  platform::PagePainter paint;
  int orientation = platform::kPortrait;
  bool setsPaper = true;  // false: the paper size and orientation are left as they stand
};

// Runs the procedure on `printer`; failures are shown in a message box (OK only, no
// icon) in the words of PrintFailureMessage.
void RunPrint(platform::FormPrinter& printer, const PrintRun& run);

}  // namespace document_forms
