#pragma once
// Every message box of the program goes through MsgBox. Tests replace the box by a
// script of answers (MessageBoxScript), so that no test ever waits on a dialog.

#include <QList>
#include <QString>
#include <functional>

namespace platform {

// Buttons, icons and default button, combined by adding them.
enum MsgBoxStyle : int {
  vbOKOnly = 0,
  vbOKCancel = 1,
  vbYesNoCancel = 3,
  vbYesNo = 4,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
  vbDefaultButton2 = 256,
};

// Answers.
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// The title of a box that brings none of its own.
inline const QString kAppTitle = QStringLiteral("Velorastulare");

// Shows a modal message box and returns the button the clerk pressed.
// An empty title gives the application title.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());

// One box as it was asked for.
struct ShownMessage {
  QString prompt;
  int style = vbOKOnly;
  QString title;  // as shown: the application title when none was given
};

// The answer a box gives when nobody presses anything: its default button.
int DefaultAnswer(int style);

// While an instance lives, MsgBox shows nothing: it records each box and returns the
// next queued answer, or the box's default answer when none is queued.
class MessageBoxScript {
 public:
  MessageBoxScript();
  ~MessageBoxScript();
  MessageBoxScript(const MessageBoxScript&) = delete;
  MessageBoxScript& operator=(const MessageBoxScript&) = delete;

  void Answer(int answer) { answers_.append(answer); }
  // Runs fn as each box is shown, before its answer is given: what changes in the world
  // while the box stands (another desk that ends its write while the clerk reads).
  void WhenShown(std::function<void(const ShownMessage&)> fn) { whenShown_ = std::move(fn); }
  const QList<ShownMessage>& Shown() const { return shown_; }
  QStringList Prompts() const;
  void Clear() { shown_.clear(); }

 private:
  friend int MsgBox(const QString&, int, const QString&);
  int Take(const ShownMessage& message);

  QList<int> answers_;
  QList<ShownMessage> shown_;
  std::function<void(const ShownMessage&)> whenShown_;
  MessageBoxScript* previous_;
};

// For test runners: what MsgBox does when no script is active and no dialog may be
// shown. The default shows a real QMessageBox.
void SetUnscriptedMessageHandler(std::function<int(const ShownMessage&)> handler);

}  // namespace platform
