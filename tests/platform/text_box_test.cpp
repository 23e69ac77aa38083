// Text boxes filled by the program show their text from its start.

#include <QApplication>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "platform/MultiLineTextBox.h"
#include "platform/TextBox.h"

TEST(TextBox, ALongTextSetByTheProgramShowsItsStart) {
  QWidget window;
  auto* box = new platform::TextBox(&window);
  auto* other = new platform::TextBox(&window);
  box->setGeometry(0, 0, 120, 22);
  other->setGeometry(0, 30, 120, 22);
  window.show();
  QApplication::setActiveWindow(&window);
  other->setFocus();
  const QString text = QStringLiteral("Inceput ") + QString(10000, QLatin1Char('x'));
  box->setText(text);
  EXPECT_EQ(box->text(), text);
  EXPECT_EQ(box->cursorPosition(), 0);

  // The box the clerk types in keeps its caret where the typing is.
  other->setText(text);
  other->setFocus();
  other->setText(text + QStringLiteral("y"));
  EXPECT_EQ(other->cursorPosition(), text.size() + 1);
}

TEST(MultiLineTextBox, ALongTextSetByTheProgramShowsItsStart) {
  platform::MultiLineTextBox box;
  box.resize(200, 60);
  box.show();
  QString text;
  for (int i = 0; i < 500; ++i) text += QStringLiteral("randul %1\r\n").arg(i);
  box.SetText(text);
  QApplication::processEvents();
  EXPECT_EQ(box.verticalScrollBar()->value(), box.verticalScrollBar()->minimum());
  EXPECT_EQ(box.textCursor().position(), 0);
}
