// The program: an application object, the main window's registration, then the
// start-up procedure.
#include <QWidget>

#include "core/Application.h"
#include "core/MDIVelorast.h"
#include "core/Startup.h"
#include "platform/Forms.h"

namespace {

// Stands in for the main window until it is built: an empty child with its caption.
class MainWindowPlaceholder : public QWidget {
 public:
  MainWindowPlaceholder() {
    setObjectName(QStringLiteral("frmVelorast"));
    setWindowTitle(QStringLiteral("Aplicatia Velorastulare si Radiere"));
  }
};

// The window that the MDI parent loads as its main child.
void RegisterMainWindow() {
  core::MDIVelorast::SetMainWindowFactory(
      [] { return platform::Forms::Get<MainWindowPlaceholder>(); });
}

}  // namespace

int main(int argc, char** argv) {
  core::Application app(argc, argv);
  RegisterMainWindow();
  core::Main();
  return app.exec();
}
