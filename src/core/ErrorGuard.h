#pragma once
// A run-time error that no handler catches must neither end the program nor lose what
// the clerk typed: it is shown in a message box ("number description") and the window
// stays as it was. Guarded runs one handler under that rule; the application object
// applies it to every event as well.

#include <exception>
#include <utility>

#include "platform/Program.h"

namespace core {

// Shows the error of an exception that escaped a handler.
void ReportUncaught(const std::exception& error);

// Shows the error of a print that did not go through (a printer that refused the job, for
// one); the clerk's cancelling of the print dialog, and any other failure, end the print
// without a word.
void ReportFailedPrint(const std::exception& error);

template <class F>
void Guarded(F&& handler) {
  try {
    std::forward<F>(handler)();
  } catch (const platform::ProgramEnded&) {
    throw;  // the program is ending on purpose
  } catch (const std::exception& error) {
    ReportUncaught(error);
  }
}

}  // namespace core
