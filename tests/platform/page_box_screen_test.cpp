// A page's box that is not being edited shows a text too long for it as the paper prints
// it, fitted into the box; while it is being edited it scrolls its text as a box does.

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/PageControls.h"
#include "platform/Twips.h"

namespace {

// The control as the paper shows it, at the screen's 15 twips a pixel.
QImage OnPaper(const platform::PageControl& control, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(-control.Widget()->pos());
  control.PaintOnPaper(painter, 1 / platform::kTwipsPerPixel);
  return image;
}

// The last column with ink, or -1.
int LastInkColumn(const QImage& image) {
  for (int x = image.width() - 1; x >= 0; --x)
    for (int y = 0; y < image.height(); ++y)
      if (qGray(image.pixel(x, y)) < 128) return x;
  return -1;
}

TEST(PageBoxOnScreen, ABoxNotBeingEditedShowsALongTextAsThePaperDoes) {
  QWidget page;
  page.resize(600, 200);
  QFont arial(QStringLiteral("Arial"));
  arial.setPointSizeF(9);
  platform::FormTextBox box(&page);
  box.setFont(arial);
  box.SetTwips(QRectF(150, 150, 1500, 285));
  box.SetText(QStringLiteral("SC TRANSPORTURI \u0218I EXPEDI\u021AII INTERNA\u021AIONALE ROM\u00C2NIA SRL"));
  platform::FormMemoBox memo(&page);
  memo.setFont(arial);
  memo.SetTwips(QRectF(150, 900, 2400, 555));
  memo.SetText(QStringLiteral("str BULEVARDUL MARE\u0218AL ALEXANDRU AVERESCU, nr 127A, bl M12BIS, sc B2, ap 145, "
                              "loc DROBETA-TURNU SEVERIN, jud CARA\u0218-SEVERIN, cod 320067"));
  QLineEdit elsewhere(&page);
  elsewhere.move(400, 150);
  page.show();
  QApplication::setActiveWindow(&page);
  elsewhere.setFocus();
  QApplication::processEvents();
  ASSERT_FALSE(box.hasFocus());
  for (platform::PageControl* control : {static_cast<platform::PageControl*>(&box),
                                         static_cast<platform::PageControl*>(&memo)}) {
    const QImage screen = control->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, OnPaper(*control, screen.size())) << control->Widget()->metaObject()->className();
    EXPECT_LT(LastInkColumn(screen), screen.width() - platform::FormTextBox::kTextMargin);
  }
  // Being edited, the box shows its text at its size, running on past its end.
  box.setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(box.hasFocus());
  box.home(false);
  const QImage editing = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_NE(editing, OnPaper(box, editing.size()));
  EXPECT_GE(LastInkColumn(editing), editing.width() - platform::FormTextBox::kTextMargin);
}

}  // namespace
