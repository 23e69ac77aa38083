#include "platform/Keystrokes.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

namespace platform {
namespace {

template <class F>
void Later(F f) {
  QTimer::singleShot(0, qApp, f);
}

bool TakesTabFocus(QWidget* w) {
  return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(w->window()) &&
         w->isVisible();
}

}  // namespace

QWidget* NextInTabOrder(QWidget* from) {
  if (!from) return nullptr;
  QWidget* window = from->window();
  for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
    if (w->window() == window && TakesTabFocus(w)) return w;
  }
  return nullptr;
}

void SendTab() {
  Later([] {
    QWidget* focused = QApplication::focusWidget();
    if (QWidget* next = NextInTabOrder(focused)) next->setFocus(Qt::TabFocusReason);
  });
}

void SendSelectAll() {
  Later([] {
    QWidget* w = QApplication::focusWidget();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
    else if (auto* t = qobject_cast<QTextEdit*>(w)) t->selectAll();
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) p->selectAll();
    else if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) c->lineEdit()->selectAll();
  });
}

void SendUndo() {
  Later([] {
    QWidget* w = QApplication::focusWidget();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->undo();
    else if (auto* t = qobject_cast<QTextEdit*>(w)) t->undo();
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) p->undo();
  });
}

}  // namespace platform
