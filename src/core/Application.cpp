#include "core/Application.h"

#include "core/ApplicationIcon.h"
#include "core/ErrorGuard.h"
#include "core/QtTranslation.h"

namespace core {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setWindowIcon(ApplicationIcon());
  InstallQtTranslation(*this);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  Guarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

}  // namespace core
