#include "platform/Toolbar.h"

#include <QButtonGroup>
#include <QFrame>
#include <QToolButton>

#include "platform/Twips.h"

namespace platform {
namespace {

constexpr int kSeparatorWidth = 8;  // pixels

}  // namespace

Toolbar::Toolbar(double width, double height, double buttonWidth, double buttonHeight, QWidget* parent)
    : QWidget(parent), buttonWidth_(TwipsToPixels(buttonWidth)), buttonHeight_(TwipsToPixels(buttonHeight)) {
  setFixedSize(TwipsToPixels(width), TwipsToPixels(height));
}

void Toolbar::Add(Style style, const QString& toolTip, const QIcon& picture, double placeholderWidth) {
  Entry entry{style, nullptr, {}};
  const int top = (height() - buttonHeight_) / 2;
  const int index = Count() + 1;
  switch (style) {
    case Separator: {
      entry.rect = QRect(x_, top, kSeparatorWidth, buttonHeight_);
      auto* line = new QFrame(this);
      line->setFrameShape(QFrame::VLine);
      line->setFrameShadow(QFrame::Sunken);
      line->setGeometry(entry.rect.adjusted(kSeparatorWidth / 2 - 1, 1, -(kSeparatorWidth / 2 - 1), -1));
      break;
    }
    case Placeholder:
      entry.rect = QRect(x_, top, TwipsToPixels(placeholderWidth), buttonHeight_);
      break;
    case Push:
    case Check:
    case ButtonGroup: {
      entry.rect = QRect(x_, top, buttonWidth_, buttonHeight_);
      auto* button = new QToolButton(this);
      button->setObjectName(QStringLiteral("Button%1").arg(index));
      button->setGeometry(entry.rect);
      button->setIcon(picture);
      button->setIconSize(QSize(16, 16));
      button->setToolTip(toolTip);
      button->setAutoRaise(true);
      button->setFocusPolicy(Qt::NoFocus);
      button->setCheckable(style != Push);
      if (style == ButtonGroup) {
        if (!group_) {
          group_ = new QButtonGroup(this);
          group_->setExclusive(true);
        }
        group_->addButton(button);
      }
      connect(button, &QToolButton::clicked, this, [this, index] { emit ButtonClick(index); });
      entry.button = button;
      break;
    }
  }
  x_ = entry.rect.right() + 1;
  buttons_.append(entry);
}

bool Toolbar::Value(int index) const {
  const QToolButton* b = Button(index);
  return b && b->isChecked();
}

void Toolbar::SetValue(int index, bool pressed) {
  if (QToolButton* b = Button(index)) b->setChecked(pressed);
}

void Toolbar::SetEnabled(int index, bool enabled) {
  if (QToolButton* b = Button(index)) b->setEnabled(enabled);
}

}  // namespace platform
