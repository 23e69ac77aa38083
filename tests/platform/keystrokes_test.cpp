#include "platform/Keystrokes.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {
struct ThreeBoxes {
  QWidget window;
  QLineEdit* a = new QLineEdit(&window);
  QLineEdit* b = new QLineEdit(&window);
  QLineEdit* c = new QLineEdit(&window);
  ThreeBoxes() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(a);
    layout->addWidget(b);
    layout->addWidget(c);
    window.show();
    QApplication::setActiveWindow(&window);
  }
};
}  // namespace

TEST(Keystrokes, TabRunsAfterTheHandlerAndSkipsHiddenControls) {
  ThreeBoxes w;
  w.b->hide();
  w.a->setFocus();
  SendTab();
  EXPECT_TRUE(w.a->hasFocus()) << "the move waits until the current handler returns";
  QApplication::processEvents();
  EXPECT_TRUE(w.c->hasFocus());
}

TEST(Keystrokes, SelectAllAndUndoActOnTheFocusedBox) {
  ThreeBoxes w;
  w.b->setFocus();
  w.b->setText("parola");
  SendSelectAll();
  QApplication::processEvents();
  EXPECT_EQ(w.b->selectedText(), "parola");
  w.b->insert("x");
  SendUndo();
  QApplication::processEvents();
  EXPECT_EQ(w.b->text(), "parola");
}
