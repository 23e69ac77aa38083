#pragma once
// What the folder choice and the common dialog share for tests: while a script of a
// dialog kind lives, that dialog shows nothing and takes its outcome from the script;
// scripts nest, the innermost one answering. Without a script, a handler set by the
// test runner may stand in for every real dialog (it reports the dialog and the
// dialog then counts as cancelled).

#include <QString>
#include <functional>

namespace platform {

template <class Script>
class ActiveScript {
 public:
  static Script* Current() { return current_; }

 protected:
  ActiveScript() : previous_(current_) { current_ = static_cast<Script*>(this); }
  ~ActiveScript() { current_ = previous_; }
  ActiveScript(const ActiveScript&) = delete;
  ActiveScript& operator=(const ActiveScript&) = delete;

 private:
  static inline Script* current_ = nullptr;
  Script* previous_;
};

// Called, when set, instead of showing a real dialog that no script answers.
void SetUnscriptedDialogHandler(std::function<void(const QString& dialog)> handler);
// True when the handler stood in (the dialog is then cancelled).
bool UnscriptedDialog(const QString& dialog);

}  // namespace platform
