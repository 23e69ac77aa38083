// The anchor of the start benchmark: the least a Qt program does to show what the
// program's start shows. The encrypted file is opened under its password and read
// (its schema, and the first person, as a list over the table would), then a main
// window with three menus and three tabs is shown: on the first tab as many framed and
// numbered rubrics, captioned boxes and buttons as the vehicle pane has, a text box of
// several lines and a list of four columns; it ends once the window has painted.
//
//   velorast_bare_start FILE PASSWORD

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <cstdio>
#include <sqlite3.h>

#include "FirstPaint.h"

namespace {

// The vehicle pane as the program's start shows it.
constexpr int kRubrics = 24;
constexpr int kBoxes = 45;

// The file, open until the program ends; null when it does not read.
sqlite3* OpenAndRead(const char* path, const char* password) {
  sqlite3* db = nullptr;
  bool ok = sqlite3_open_v2(path, &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
            sqlite3_key(db, password, int(qstrlen(password))) == SQLITE_OK;
  for (const char* sql : {"PRAGMA cipher_page_size = 4096", "PRAGMA kdf_iter = 64000", "PRAGMA cipher_use_hmac = ON",
                          "PRAGMA cipher_hmac_algorithm = HMAC_SHA1", "PRAGMA cipher_kdf_algorithm = PBKDF2_HMAC_SHA1",
                          "SELECT count(*) FROM sqlite_master", "SELECT * FROM Persoane ORDER BY rowid LIMIT 1"})
    ok = ok && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
  if (ok) return db;
  sqlite3_close_v2(db);
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  sqlite3* db = argc < 3 ? nullptr : OpenAndRead(argv[1], argv[2]);
  if (!db) {
    std::fprintf(stderr, "the file does not open\n");
    return 1;
  }
  QMainWindow main;
  for (const char* menu : {"Meniu", "Setari", "Ajutor"}) main.menuBar()->addMenu(QString::fromLatin1(menu));
  auto* window = new QWidget;
  main.setCentralWidget(window);
  auto* tabs = new QTabWidget(window);
  tabs->setGeometry(0, 0, 1260, 30);
  for (const char* caption : {"Fisa fata", "Fisa Verso", "Listari"})
    tabs->addTab(new QWidget, QString::fromLatin1(caption));
  auto* pane = new QFrame(window);
  pane->setGeometry(2, 26, 1250, 900);
  auto* content = new QFrame(pane);
  content->setGeometry(0, 0, 530, 1200);
  for (int r = 0; r < kRubrics; ++r) {
    auto* frame = new QFrame(content);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setGeometry(20, 20 + r * 48, 500, 46);
    auto* number = new QLabel(QString::number(r + 1), content);
    number->setFrameStyle(QFrame::Box | QFrame::Plain);
    number->setGeometry(0, 20 + r * 48, 20, 46);
  }
  for (int b = 0; b < kBoxes; ++b) {
    const int x = 30 + b % 2 * 240, y = 24 + b / 2 * 48;
    (new QLabel(QStringLiteral("Rubrica %1").arg(b + 1), content))->setGeometry(x, y, 90, 20);
    (new QLineEdit(content))->setGeometry(x + 95, y, 140, 21);
  }
  (new QPushButton(QStringLiteral("Golire campuri"), content))->setGeometry(36, 0, 121, 17);
  (new QPlainTextEdit(pane))->setGeometry(538, 46, 209, 165);
  auto* search = new QGroupBox(QStringLiteral("Cautare dupa Nr de identificare"), pane);
  search->setGeometry(540, 212, 207, 265);
  (new QLineEdit(search))->setGeometry(8, 18, 191, 21);
  (new QPushButton(QStringLiteral("Cauta"), search))->setGeometry(8, 43, 191, 21);
  auto* list = new QTreeWidget(search);
  list->setHeaderLabels({QStringLiteral("Nr Ident"), QStringLiteral("Categorie"), QStringLiteral("Marca"),
                         QStringLiteral("Tip")});
  list->setGeometry(2, 69, 203, 161);
  for (const char* caption : {"Adauga", "Modifica", "Sterge"})
    new QPushButton(QString::fromLatin1(caption), search);
  (new QScrollBar(Qt::Vertical, window))->setGeometry(1252, 26, 17, 900);
  bench::EndAtFirstPaint end([window](QObject* o) { return o == window; });
  main.resize(1280, 1000);
  main.show();
  const int code = app.exec();
  sqlite3_close_v2(db);
  return code;
}
