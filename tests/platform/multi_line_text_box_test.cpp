#include "platform/MultiLineTextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

using platform::MultiLineTextBox;

namespace {

void Type(QWidget* box, const QString& keys) {
  for (QChar c : keys) {
    const bool enter = c == QLatin1Char('\n');
    QKeyEvent press(QEvent::KeyPress, enter ? Qt::Key_Return : Qt::Key_unknown, Qt::NoModifier,
                    enter ? QString() : QString(c));
    QApplication::sendEvent(box, &press);
  }
}

}  // namespace

TEST(MultiLineTextBox, ATextSetByTheProgramComesBackAsItWasSet) {
  MultiLineTextBox box;
  for (const QString& text : {QStringLiteral("ABS\r\nclimatizare"), QStringLiteral("a\nb"), QStringLiteral("a\rb\r\n"),
                              QStringLiteral("\r\n\r\n"), QString()}) {
    box.SetText(text);
    EXPECT_EQ(box.Text(), text) << text.toUtf8().toHex().toStdString();
  }
}

TEST(MultiLineTextBox, LinesTheClerkTypesAreJoinedByCrLf) {
  MultiLineTextBox box;
  Type(&box, QStringLiteral("Carlig\nGPL"));
  EXPECT_EQ(box.Text(), "Carlig\r\nGPL");

  box.SetText(QStringLiteral("a\nb"));
  box.moveCursor(QTextCursor::End);
  Type(&box, QStringLiteral("\nc"));
  EXPECT_EQ(box.Text(), "a\r\nb\r\nc") << "once changed, every break is CR LF";

  box.setPlainText(QStringLiteral("x\ny"));  // set past SetText
  EXPECT_EQ(box.Text(), "x\r\ny");
}
