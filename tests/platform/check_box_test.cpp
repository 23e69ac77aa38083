// The forms check box: Click on every change of Value and only then, the mouse taking
// the focus before it ticks, the space bar, focus events, its two looks, and a print of
// it that stays vector output.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QStringList>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <functional>
#include <utility>
#include <gtest/gtest.h>

#include "platform/CheckBox.h"
#include "support/PdfText.h"

using platform::CheckBox;

namespace {

// A box beside a line edit in an active window, with every event of the box logged.
struct Window {
  QWidget window;
  QLineEdit* before = new QLineEdit(&window);
  CheckBox* box = new CheckBox("Adresa", &window);
  QStringList log;
  Window() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(before);
    layout->addWidget(box);
    QObject::connect(box, &CheckBox::Click, [this] { log << (box->Value() ? "Click 1" : "Click 0"); });
    QObject::connect(box, &CheckBox::GotFocus, [this] { log << "GotFocus"; });
    QObject::connect(box, &CheckBox::LostFocus, [this] { log << "LostFocus"; });
    window.show();
    QApplication::setActiveWindow(&window);
    before->setFocus();
    QApplication::processEvents();
  }
  void MouseClick(QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, box->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, box->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(box, &release);
  }
  void Key(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "");
    QApplication::sendEvent(QApplication::focusWidget(), &press);
  }
};

QImage Look(int effect, bool ticked) {
  CheckBox box;
  box.resize(17, 19);
  box.SetBackColor(Qt::white);
  box.SetSpecialEffect(effect);
  box.SetValue(ticked);
  QImage image(box.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  box.Paint(p, box.rect(), 1.0);
  return image;
}

}  // namespace

TEST(CheckBox, ClickIsRaisedOnEveryChangeOfValueAndOnlyThen) {
  CheckBox box;
  int clicks = 0;
  QObject::connect(&box, &CheckBox::Click, [&] { ++clicks; });
  EXPECT_FALSE(box.Value()) << "a new box is unticked";
  EXPECT_EQ(box.SpecialEffect(), CheckBox::kSunken) << "and sunken";
  struct Step {
    bool value;
    int clicksAfter;
  };
  for (const Step step : {Step{false, 0}, Step{true, 1}, Step{true, 1}, Step{false, 2}, Step{true, 3}}) {
    box.SetValue(step.value);
    EXPECT_EQ(box.Value(), step.value);
    EXPECT_EQ(clicks, step.clicksAfter) << "after setting " << step.value;
  }
}

TEST(CheckBox, AMouseClickTakesTheFocusAndThenTicks) {
  Window w;
  w.MouseClick(w.box->SquareRect().center());
  EXPECT_TRUE(w.box->hasFocus());
  EXPECT_EQ(w.log, QStringList({"GotFocus", "Click 1"}));
  w.log.clear();
  w.MouseClick(QPoint(w.box->width() - 3, w.box->height() / 2));  // on the caption
  EXPECT_EQ(w.log, QStringList({"Click 0"})) << "the caption is part of the box; the focus stays";
}

TEST(CheckBox, TabBringsTheFocusAndTheSpaceBarTicks) {
  Window w;
  w.before->setFocus();
  w.Key(Qt::Key_Tab);
  ASSERT_TRUE(w.box->hasFocus());
  w.Key(Qt::Key_Space);
  w.Key(Qt::Key_Space);
  w.Key(Qt::Key_Backtab);
  EXPECT_TRUE(w.before->hasFocus());
  EXPECT_EQ(w.log, QStringList({"GotFocus", "Click 1", "Click 0", "LostFocus"}));
}

TEST(CheckBox, DrawsAFlatAndASunkenSquare) {
  CheckBox probe;
  probe.resize(17, 19);
  const QRect sq = probe.SquareRect();
  const QImage flat = Look(CheckBox::kFlat, false);
  const QImage sunken = Look(CheckBox::kSunken, false);
  // Flat: one black frame. Sunken: a grey outer edge above and left, a dark inner one,
  // white below and right.
  EXPECT_EQ(QColor(flat.pixel(sq.topLeft())), QColor(Qt::black));
  EXPECT_EQ(QColor(flat.pixel(sq.bottomRight())), QColor(Qt::black));
  EXPECT_EQ(QColor(flat.pixel(sq.topLeft() + QPoint(1, 1))), QColor(Qt::white));
  EXPECT_EQ(QColor(sunken.pixel(sq.topLeft())), QColor(128, 128, 128));
  EXPECT_EQ(QColor(sunken.pixel(sq.topLeft() + QPoint(1, 1))), QColor(64, 64, 64));
  EXPECT_EQ(QColor(sunken.pixel(sq.bottomRight())), QColor(Qt::white));

  // The tick darkens the middle of the square in both looks.
  for (int effect : {CheckBox::kFlat, CheckBox::kSunken}) {
    const QImage ticked = Look(effect, true);
    const QImage unticked = Look(effect, false);
    EXPECT_LT(qGray(ticked.pixel(sq.left() + 5, sq.top() + 8)), 128) << "effect " << effect;
    EXPECT_EQ(QColor(unticked.pixel(sq.left() + 5, sq.top() + 8)), QColor(Qt::white)) << "effect " << effect;
  }
}

TEST(CheckBox, PrintsAsVectorOutputWithItsCaptionAsText) {
  QWidget page;
  page.resize(400, 100);
  CheckBox box("Preschimbare", &page);
  QFont font("Times New Roman");
  font.setPointSizeF(11.25);
  font.setBold(true);
  box.setFont(font);
  box.setGeometry(40, 20, 160, 23);
  box.SetValue(true);

  QTemporaryDir dir;
  // The two ways a page reaches the paper: its widgets recorded into a picture and
  // replayed at 96 dots to the inch, or each control painted at the printer's resolution.
  const auto throughPicture = [&](const QString& pdf) {
    QPicture picture;
    {
      QPainter recorder(&picture);
      page.render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    QPdfWriter writer(pdf);
    writer.setResolution(96);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter paper(&writer);
    picture.play(&paper);
  };
  const auto atPrinterResolution = [&](const QString& pdf) {
    QPdfWriter writer(pdf);
    writer.setResolution(1200);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter paper(&writer);
    const double px = 1200.0 / 96.0;
    box.Paint(paper, QRectF(QPointF(box.geometry().topLeft()) * px, QSizeF(box.size()) * px), px);
  };
  for (const auto& [name, print] : {std::pair{"picture", std::function<void(const QString&)>(throughPicture)},
                                    std::pair{"direct", std::function<void(const QString&)>(atPrinterResolution)}}) {
    const QString pdf = dir.filePath(QString("%1.pdf").arg(name));
    print(pdf);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    EXPECT_FALSE(file.readAll().contains("/Subtype /Image")) << name << ": nothing of the box is a picture";

    const auto pages = testsupport::ReadPdfPages(pdf);
    ASSERT_EQ(pages.size(), 1) << name;
    const testsupport::PdfWord* word = pages[0].Find("Preschimbare");
    ASSERT_NE(word, nullptr) << name << ": the caption stays text";
    // The caption starts right of the square: 40 + 2 + 13 + 4 pixels at 96 dpi, and
    // keeps its size: 11.25 points high, whatever the resolution.
    EXPECT_NEAR(word->xMin, 59 * 25.4 / 96, 1.0) << name;
    EXPECT_NEAR(word->yMax - word->yMin, 11.25 * testsupport::kMmPerPoint, 1.2) << name;
  }
}
