#include "document_forms/PagePrinting.h"

#include <optional>

#include "document_forms/DocumentForm.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/RuntimeError.h"

namespace document_forms {
namespace {

// The failures of one print: the first is kept, to be reported once.
class Failures {
 public:
  // Runs `step` unless a step failed before; false when it did not run or failed.
  template <class F>
  bool Step(F&& step) {
    if (first_) return false;
    return Always(std::forward<F>(step));
  }

  // Runs `step` whatever failed before; a failure is kept when it is the first.
  template <class F>
  bool Always(F&& step) {
    try {
      std::forward<F>(step)();
      return true;
    } catch (const platform::ProgramEnded&) {
      throw;
    } catch (const platform::RuntimeError& error) {
      Keep(PrintFailureMessage(error.Number(), error.Description(), error.Source()));
    } catch (const std::exception& error) {
      Keep(QString::fromLocal8Bit(error.what()));
    }
    return false;
  }

  // Shows the first failure, once.
  void Report() {
    if (first_ && !reported_) {
      reported_ = true;
      platform::MsgBox(*first_, platform::vbOKOnly);
    }
  }

 private:
  void Keep(const QString& message) {
    if (!first_) first_ = message;
  }

  std::optional<QString> first_;
  bool reported_ = false;
};

}  // namespace

void RunPrint(platform::FormPrinter& printer, const PrintRun& run) {
  Failures failures;
  std::optional<int> savedPaper, savedOrientation;
  failures.Step(run.hideButtons);
  if (run.setsPaper) {
    failures.Step([&] { savedPaper = printer.PaperSize(); });
    failures.Step([&] { printer.SetPaperSize(platform::kPaperA4); });
    failures.Step([&] { savedOrientation = printer.Orientation(); });
    failures.Step([&] { printer.SetOrientation(run.orientation); });
  }
  failures.Step([&] { printer.PrintPage(run.paint); });
  failures.Report();
  if (savedOrientation) failures.Always([&] { printer.SetOrientation(*savedOrientation); });
  if (savedPaper) failures.Always([&] { printer.SetPaperSize(*savedPaper); });
  failures.Always(run.showButtons);
  failures.Report();
}

}  // namespace document_forms
