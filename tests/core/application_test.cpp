// The application object keeps the program going when a handler lets an error escape.

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QObject>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

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
  std::function<void()> fail;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    fail();
    return true;
  }
};

// What escaped is shown in Romanian: the program's own errors by number and description,
// the library's by what they mean for the clerk.
TEST(Application, EscapedErrorIsShownAndTheProgramGoesOn) {
  auto* app = static_cast<core::Application*>(QCoreApplication::instance());
  ASSERT_NE(dynamic_cast<core::Application*>(QCoreApplication::instance()), nullptr);
  const struct {
    std::function<void()> fail;
    QString shown;
  } cases[] = {
      {[] { throw platform::RuntimeError(3021, QStringLiteral("Nu exista inregistrare curenta.")); },
       "3021 Nu exista inregistrare curenta."},
      {[] { throw std::bad_alloc(); },
       "Memoria calculatorului nu ajunge pentru aceasta operatie. Inchideti alte programe si incercati din nou."},
      {[] { throw std::out_of_range("vector::at"); },
       "Operatia nu a reusit din cauza unei erori neasteptate (vector::at). Datele scrise raman in fereastra; "
       "incercati din nou, iar daca eroarea se repeta, cereti ajutorul administratorului."},
  };
  for (const auto& c : cases) {
    Thrower thrower;
    thrower.fail = c.fail;
    platform::MessageBoxScript boxes;
    QEvent event(QEvent::User);
    EXPECT_FALSE(app->notify(&thrower, &event));
    EXPECT_EQ(boxes.Prompts(), QStringList{c.shown});
  }

  Thrower ending;
  ending.fail = [] { platform::End(); };
  QEvent event(QEvent::User);
  EXPECT_THROW(app->notify(&ending, &event), platform::ProgramEnded);
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
