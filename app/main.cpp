// The program: an application object, then the start-up procedure.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Velorastulare autovehicule"));
  window.showMaximized();
  return app.exec();
}
