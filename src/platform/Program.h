#pragma once
// Ending the program at once, as the start-up and the "Iesire" menu item do: no further
// events, nothing saved. Tests install a handler that throws, so that an end can be
// observed without ending the test runner.

#include <functional>
#include <stdexcept>

namespace platform {

// Thrown by the handler that tests install (see ProgramEndCatcher).
struct ProgramEnded : std::runtime_error {
  explicit ProgramEnded(int code) : std::runtime_error("program ended"), code(code) {}
  int code;
};

[[noreturn]] void End(int exitCode = 0);

// Replaces what End does; the handler must not return (it throws or exits).
void SetEndHandler(std::function<void(int)> handler);

// While an instance lives, End throws ProgramEnded instead of ending the process.
class ProgramEndCatcher {
 public:
  ProgramEndCatcher();
  ~ProgramEndCatcher();
};

}  // namespace platform
