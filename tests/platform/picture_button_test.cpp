// The picture button: a picture per state, a click that reaches its handler, and no
// crash on a missing picture.

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/PictureButton.h"

using platform::PictureButton;

namespace {

QPixmap Filled(Qt::GlobalColor color) {
  QPixmap p(16, 16);
  p.fill(color);
  return p;
}

QRgb ColourOf(const QPixmap& p) { return p.toImage().pixel(0, 0); }

}  // namespace

TEST(PictureButton, ShowsThePictureOfEachState) {
  PictureButton button("Print");
  EXPECT_EQ(button.text(), "Print");
  button.SetPicture(Filled(Qt::red));
  button.SetPictureOver(Filled(Qt::green));
  button.SetPictureDown(Filled(Qt::blue));
  button.show();
  EXPECT_EQ(ColourOf(button.ShownPicture()), QColor(Qt::red).rgb());
  EXPECT_FALSE(button.icon().isNull());

  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(&button, &enter);
  EXPECT_EQ(ColourOf(button.ShownPicture()), QColor(Qt::green).rgb());
  button.setDown(true);
  emit button.pressed();
  EXPECT_EQ(ColourOf(button.ShownPicture()), QColor(Qt::blue).rgb());
  button.setDown(false);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_EQ(ColourOf(button.ShownPicture()), QColor(Qt::red).rgb());
}

TEST(PictureButton, OnePictureFromAFileServesEveryState) {
  QTemporaryDir dir;
  const QString path = dir.filePath("ok.png");
  ASSERT_TRUE(Filled(Qt::yellow).save(path));
  PictureButton button("OK");
  button.SetPicture(path);
  button.SetPictureOver(path);
  button.SetPictureDown(path);
  for (const QPixmap* p : {&button.Picture(), &button.PictureOver(), &button.PictureDown()})
    EXPECT_EQ(ColourOf(*p), QColor(Qt::yellow).rgb());
}

TEST(PictureButton, AMissingOrEmptyPictureLeavesItWithout) {
  PictureButton button("Exit");
  button.SetPicture(Filled(Qt::red));
  button.SetPicture(QStringLiteral("/nu/exista.bmp"));
  EXPECT_TRUE(button.Picture().isNull());
  EXPECT_TRUE(button.icon().isNull());
  button.SetPictureOver(QString());
  button.SetPictureDown(QPixmap());
  EXPECT_TRUE(button.ShownPicture().isNull());
}

TEST(PictureButton, AClickReachesTheHandler) {
  PictureButton button("Preview");
  int clicks = 0;
  QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
  button.SetPicture(Filled(Qt::red));
  button.resize(80, 30);
  button.show();
  const QPointF at(40, 15);
  QMouseEvent press(QEvent::MouseButtonPress, at, button.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, button.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(&button, &press);
  QApplication::sendEvent(&button, &release);
  EXPECT_EQ(clicks, 1);
}
