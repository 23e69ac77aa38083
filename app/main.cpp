// The program: an application object, the main window's registration, then the
// start-up procedure.

#include "core/Application.h"
#include "core/MDIVelorast.h"
#include "core/Startup.h"
#include "main_window/frmVelorast.h"

int main(int argc, char** argv) {
  core::Application app(argc, argv);
  // The MDI parent loads the main window as its maximised child, once.
  core::MDIVelorast::SetMainWindowFactory([]() -> QWidget* { return frmVelorast::Load(); });
  core::Main();
  return app.exec();
}
