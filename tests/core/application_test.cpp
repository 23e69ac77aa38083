// The application object keeps the program going when a handler lets an error escape.

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QObject>
#include <gtest/gtest.h>

#include "core/Application.h"
#include "core/ApplicationIcon.h"
#include "core/MDIVelorast.h"
#include "core/frmAbout.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/RuntimeError.h"

namespace {

class Thrower : public QObject {
 public:
  bool ends = false;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    if (ends) platform::End();
    throw platform::RuntimeError(3021, QStringLiteral("Nu exista inregistrare curenta."));
  }
};

TEST(Application, EscapedErrorIsShownAndTheProgramGoesOn) {
  auto* app = static_cast<core::Application*>(QCoreApplication::instance());
  ASSERT_NE(dynamic_cast<core::Application*>(QCoreApplication::instance()), nullptr);
  Thrower thrower;
  platform::MessageBoxScript boxes;
  QEvent event(QEvent::User);
  EXPECT_FALSE(app->notify(&thrower, &event));
  EXPECT_EQ(boxes.Prompts(), QStringList{"3021 Nu exista inregistrare curenta."});

  thrower.ends = true;
  EXPECT_THROW(app->notify(&thrower, &event), platform::ProgramEnded);
}

// The MDI parent (and so every window) shows the application's icon, and the About
// window shows it as its picture.
TEST(Application, WindowsCarryTheApplicationIcon) {
  const QImage icon = core::ApplicationIcon().pixmap(32, 32).toImage();
  ASSERT_FALSE(icon.isNull());
  core::MDIVelorast mdi;
  EXPECT_EQ(mdi.windowIcon().pixmap(32, 32).toImage(), icon);
  core::frmAbout about;
  EXPECT_EQ(about.Image1->pixmap().toImage(), core::ApplicationIcon().pixmap(48, 48).toImage());
}

}  // namespace
