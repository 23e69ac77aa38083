// The program: an application object, the main window's registration, then the
// start-up procedure. Asked for --help or --version, it answers on the terminal and
// ends before any window system is needed.

#include <cstdio>
#include <cstring>

#include "core/Application.h"
#include "core/MDIVelorast.h"
#include "core/Startup.h"
#include "core/Version.h"
#include "main_window/frmVelorast.h"

namespace {

constexpr const char kHelp[] =
    "Folosire: velorast [--help | --version]\n"
    "\n"
    "Programul birourilor care pregatesc actele autovehiculelor: persoanele si\n"
    "vehiculele stau intr-o baza de date protejata cu parola, iar cumparatorul,\n"
    "vanzatorul si vehiculul unui dosar se aduna intr-o singura fereastra, din care\n"
    "se tiparesc actele dosarului.\n"
    "\n"
    "  --help      arata acest text\n"
    "  --version   arata versiunea programului\n"
    "\n"
    "Setarile: $XDG_CONFIG_HOME/Velorast.ini (de obicei ~/.config/Velorast.ini).\n"
    "Baza de date: evidenta2000.mdb, in dosarul pe care il numesc setarile; o baza\n"
    "noua se face cu velorast-createdb DOSAR.\n"
    "Mai multe: man velorast\n";

// Answers --help or --version when an argument asks for one (the help when both do);
// whether it answered.
bool AnswerOnTerminal(int argc, char** argv) {
  bool help = false, version = false;
  for (int i = 1; i < argc; ++i) {
    help = help || std::strcmp(argv[i], "--help") == 0;
    version = version || std::strcmp(argv[i], "--version") == 0;
  }
  if (help)
    std::fputs(kHelp, stdout);
  else if (version)
    std::printf("velorast %d.%d.%d\n", core::kVersionMajor, core::kVersionMinor, core::kVersionRevision);
  return help || version;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerOnTerminal(argc, argv)) return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
  core::Application app(argc, argv);
  // The MDI parent loads the main window as its maximised child, once.
  core::MDIVelorast::SetMainWindowFactory([]() -> QWidget* { return frmVelorast::Load(); });
  core::Main();
  return app.exec();
}
