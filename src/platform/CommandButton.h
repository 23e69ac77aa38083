#pragma once
// A push button whose caption wraps onto as many lines as its width needs, centred, as
// the program's command buttons showed long captions. text() is the caption as given.

#include <QPushButton>

namespace platform {

class CommandButton : public QPushButton {
  Q_OBJECT
 public:
  explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
