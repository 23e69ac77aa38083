#pragma once
// A single-line text box with the events the program's handlers are written against:
// GotFocus and LostFocus after the focus has moved, KeyDown before the box handles the
// key. Taking the focus by Tab selects nothing by itself (a handler that wants the text
// selected asks for it), and the back colour is set as one colour.

#include <QColor>
#include <QLineEdit>

namespace platform {

inline constexpr int vbKeyReturn = 13;

// The key code of a key event: 13 for both Enter keys, otherwise Qt's key.
int KeyCode(int qtKey);

class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);

  QColor BackColor() const;
  void SetBackColor(const QColor& colour);

 signals:
  void GotFocus();
  void LostFocus();
  void KeyDown(int keyCode, Qt::KeyboardModifiers shift);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace platform
