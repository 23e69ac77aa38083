// Loaded into the installed program (LD_PRELOAD) by the package check, to start it as a
// clerk would and close it again without a display. When the main window shows, it
// prints the program folder and the window's title, then closes the program and
// answers Yes to its closing question. A dialog shown before the main window (a
// message, the folder choice) means the program did not start: its title and text are
// printed and the program ends with status 3; a message with no Yes while closing ends
// it with status 4.

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

namespace {

void Say(const QString& line) {
  std::printf("probe: %s\n", qPrintable(line));
  std::fflush(stdout);
}

class MainWindowProbe : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->inherits("frmVelorast") && !closing_) {
      closing_ = true;
      Say(QStringLiteral("program folder %1").arg(QCoreApplication::applicationDirPath()));
      Say(QStringLiteral("main window \"%1\"").arg(widget->windowTitle()));
      QTimer::singleShot(0, widget->window(), &QWidget::close);
    } else if (auto* box = qobject_cast<QMessageBox*>(widget); box && closing_) {
      Say(QStringLiteral("closing question \"%1\"").arg(box->text()));
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      if (!yes) ::_exit(4);  // a message, not the question
      QTimer::singleShot(0, yes, &QAbstractButton::click);
    } else if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && !closing_) {
      const auto* box = qobject_cast<QMessageBox*>(dialog);
      Say(QStringLiteral("dialog before the main window: \"%1\" %2")
              .arg(dialog->windowTitle(), box ? box->text() : QString()));
      ::_exit(3);
    }
    return false;
  }

 private:
  bool closing_ = false;
};

void InstallProbe() { QCoreApplication::instance()->installEventFilter(new MainWindowProbe(QCoreApplication::instance())); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
