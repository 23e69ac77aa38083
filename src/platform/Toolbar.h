#pragma once
// A toolbar of buttons known by their index (from 1, in the order they were added): push
// buttons, check buttons that stay pressed, group buttons of which one is pressed at a
// time, separators and placeholders that hold other controls. Sizes are in twips; the
// bar keeps its own size whatever its window does. A click reports the button's index.
//
//   bar->Add(Toolbar::Push, "Tiparire", icon);
//   bar->Add(Toolbar::Separator);
//   connect(bar, &Toolbar::ButtonClick, window, &Window::bar_ButtonClick);

#include <QIcon>
#include <QList>
#include <QWidget>

class QButtonGroup;
class QToolButton;

namespace platform {

class Toolbar : public QWidget {
  Q_OBJECT
 public:
  enum Style { Push, Check, ButtonGroup, Separator, Placeholder };

  // A bar of `width` x `height` twips whose buttons are `buttonWidth` x `buttonHeight`.
  Toolbar(double width, double height, double buttonWidth, double buttonHeight, QWidget* parent = nullptr);

  // Adds the next button; a placeholder is `placeholderWidth` twips wide.
  void Add(Style style, const QString& toolTip = {}, const QIcon& picture = {}, double placeholderWidth = 0);

  int Count() const { return static_cast<int>(buttons_.size()); }
  Style ButtonStyle(int index) const { return buttons_.at(index - 1).style; }
  // The button's control; nullptr for a separator or a placeholder.
  QToolButton* Button(int index) const { return buttons_.at(index - 1).button; }
  // Where the button stands on the bar, in pixels.
  QRect ButtonRect(int index) const { return buttons_.at(index - 1).rect; }

  // Pressed (a check or group button); setting it reports no click.
  bool Value(int index) const;
  void SetValue(int index, bool pressed);
  void SetEnabled(int index, bool enabled);

 signals:
  void ButtonClick(int index);

 private:
  struct Entry {
    Style style;
    QToolButton* button = nullptr;
    QRect rect;
  };
  QList<Entry> buttons_;
  QButtonGroup* group_ = nullptr;
  int x_ = 0;  // where the next button goes, in pixels
  int buttonWidth_, buttonHeight_;
};

}  // namespace platform
