#include "platform/MultiLineTextBox.h"

namespace platform {

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent) {}

QString MultiLineTextBox::Text() const {
  const QString shown = toPlainText();
  if (shown == shown_) return set_;
  QString text = shown;
  return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void MultiLineTextBox::SetText(const QString& text) {
  setPlainText(text);
  set_ = text;
  shown_ = toPlainText();
}

}  // namespace platform
