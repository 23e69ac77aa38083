#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

MessageBoxScript* g_script = nullptr;
std::function<int(const ShownMessage&)> g_unscripted;

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

int ShowReal(const ShownMessage& m) {
  QMessageBox box(IconOf(m.style), m.title, m.prompt, QMessageBox::NoButton,
                  QApplication::activeWindow());
  struct Choice { QMessageBox::StandardButton button; int answer; };
  QList<Choice> choices;
  switch (m.style & 0x7) {
    case vbOKCancel: choices = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}}; break;
    case vbYesNoCancel:
      choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
      break;
    case vbYesNo: choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}}; break;
    default: choices = {{QMessageBox::Ok, vbOK}}; break;
  }
  for (const Choice& c : choices) box.addButton(c.button);
  int defaultIndex = (m.style & vbDefaultButton2) && choices.size() > 1 ? 1 : 0;
  box.setDefaultButton(choices[defaultIndex].button);
  box.exec();
  for (const Choice& c : choices)
    if (box.clickedButton() == box.button(c.button)) return c.answer;
  // Closed with Esc or the close box: the cancel-like answer.
  return choices.size() > 1 ? choices.last().answer : vbOK;
}

}  // namespace

int DefaultAnswer(int style) {
  switch (style & 0x7) {
    case vbOKCancel: return (style & vbDefaultButton2) ? vbCancel : vbOK;
    case vbYesNoCancel: return (style & vbDefaultButton2) ? vbNo : vbYes;
    case vbYesNo: return (style & vbDefaultButton2) ? vbNo : vbYes;
    default: return vbOK;
  }
}

int MsgBox(const QString& prompt, int style, const QString& title) {
  ShownMessage m{prompt, style, title.isEmpty() ? kAppTitle : title};
  if (g_script) return g_script->Take(m);
  if (g_unscripted) return g_unscripted(m);
  return ShowReal(m);
}

void SetUnscriptedMessageHandler(std::function<int(const ShownMessage&)> handler) {
  g_unscripted = std::move(handler);
}

MessageBoxScript::MessageBoxScript() : previous_(g_script) { g_script = this; }
MessageBoxScript::~MessageBoxScript() { g_script = previous_; }

int MessageBoxScript::Take(const ShownMessage& message) {
  shown_.append(message);
  if (whenShown_) whenShown_(message);
  if (!answers_.isEmpty()) return answers_.takeFirst();
  return DefaultAnswer(message.style);
}

QStringList MessageBoxScript::Prompts() const {
  QStringList out;
  for (const ShownMessage& m : shown_) out << m.prompt;
  return out;
}

}  // namespace platform
