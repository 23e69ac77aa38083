#include "core/Application.h"

#include <QByteArray>
#include <QList>
#include <cstdio>
#include <cstdlib>

#include "core/ApplicationIcon.h"
#include "core/ErrorGuard.h"
#include "core/QtTranslation.h"
#include "core/SameOnEveryDesktop.h"

namespace core {

namespace {

// While the application object is being made, Qt's messages are held back: when no
// display can be reached, Qt ends the program with an English message of its own; the
// program says in its own words what it lacks and ends with status 1 instead. Otherwise
// the messages held are passed on once the application is made.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};
QList<HeldMessage>& Held() {
  static QList<HeldMessage> held;
  return held;
}
QtMessageHandler& PreviousHandler() {
  static QtMessageHandler previous = nullptr;
  return previous;
}

void HoldBackWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs("velorast: programul are nevoie de un ecran grafic si nu a putut deschide niciunul "
               "(verificati DISPLAY sau WAYLAND_DISPLAY).\n",
               stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  Held().append({type, QByteArray(context.category), text});
}

void PassHeldMessagesOn() {
  const QtMessageHandler previous = PreviousHandler();
  qInstallMessageHandler(previous);
  for (const HeldMessage& m : std::as_const(Held()))
    previous(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.isEmpty() ? nullptr : m.category.constData()),
             m.text);
  Held().clear();
}

// What must be set before the application object is made, passing its argument count on.
int& BeforeTheApplication(int& argc) {
  UseQtDialogsEverywhere();
  PreviousHandler() = qInstallMessageHandler(HoldBackWhileStarting);
  return argc;
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(BeforeTheApplication(argc), argv) {
  PassHeldMessagesOn();
  LookTheSameOnEveryDesktop();
  setWindowIcon(ApplicationIcon());
  InstallQtTranslation(*this);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  Guarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

}  // namespace core
