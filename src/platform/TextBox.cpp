#include "platform/TextBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>

#include "platform/FocusEvents.h"

namespace platform {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  SetBackColor(Qt::white);
  // A text the program sets into a box the clerk is not in shows from its start, as a
  // Windows text box shows it (QLineEdit would put the caret, and so the view, at its end).
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (!hasFocus()) setCursorPosition(0);
  });
}

QColor TextBox::BackColor() const { return palette().color(QPalette::Base); }

void TextBox::SetBackColor(const QColor& colour) {
  QPalette p = palette();
  p.setColor(QPalette::Base, colour);
  setPalette(p);
}

void TextBox::focusInEvent(QFocusEvent* event) {
  // QLineEdit selects its whole text when Tab brings the focus; the boxes of this
  // program do not, so the event is passed on under a neutral reason.
  const Qt::FocusReason reason = event->reason();
  const bool byKey = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                     reason == Qt::ShortcutFocusReason;
  QFocusEvent neutral(event->type(), byKey ? Qt::OtherFocusReason : reason);
  QLineEdit::focusInEvent(&neutral);
  if (!FocusStaysInControl(event->reason())) emit GotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (!FocusStaysInControl(event->reason())) emit LostFocus();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  emit KeyDown(KeyCode(event->key()), event->modifiers());
  QLineEdit::keyPressEvent(event);
}

}  // namespace platform
