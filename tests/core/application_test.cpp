// The application object keeps the program going when a handler lets an error escape.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <gtest/gtest.h>

#include "core/Application.h"
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

}  // namespace
