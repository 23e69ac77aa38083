#include "core/SameOnEveryDesktop.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QProxyStyle>

namespace core {

namespace {

// The desktop's style, with the dialogs' buttons in one order whatever the desktop.
class OneButtonOrder : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_DialogButtonLayout) return QDialogButtonBox::WinLayout;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

}  // namespace

void UseQtDialogsEverywhere() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

QFont InterfaceFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(9);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void LookTheSameOnEveryDesktop() {
  QApplication::setStyle(new OneButtonOrder);
  QApplication::setFont(InterfaceFont());
}

}  // namespace core
