#pragma once
// The application object. An error that escapes an event handler is shown to the clerk
// ("number description") and the program goes on, with the windows and the case data as
// they were; only the program's own end (platform::End) passes through. Every window
// carries the application's icon, Qt's own texts are Romanian, and every dialog is Qt's
// own, the same on every desktop (core/SameOnEveryDesktop.h).

#include <QApplication>

namespace core {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace core
