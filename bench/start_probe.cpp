// The program's start in a process of its own, for the start benchmark: the start the
// program makes (the database folder from the settings, the MDI parent with the main
// window loaded in it), ended as soon as the main window has painted, so that the
// process's time and peak resident memory are the program's when the clerk first sees it.

#include "FirstPaint.h"
#include "core/Application.h"
#include "core/MDIVelorast.h"
#include "core/Startup.h"
#include "main_window/frmVelorast.h"

int main(int argc, char** argv) {
  core::Application app(argc, argv);
  bench::EndAtFirstPaint end([](QObject* o) { return qobject_cast<frmVelorast*>(o) != nullptr; });
  core::MDIVelorast::SetMainWindowFactory([]() -> QWidget* { return frmVelorast::Load(); });
  core::Main();
  return app.exec();
}
