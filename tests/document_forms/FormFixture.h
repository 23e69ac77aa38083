#pragma once
// What the document forms' tests share: a case typed by field name and registered as
// the main window's boxes, a stand-in main window, the MDI parent shown at a client
// height in twips, and helpers to open a member and read its boxes.

#include <QApplication>
#include <QDate>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

#include "core/CaseBoxes.h"
#include "core/CaseWindow.h"
#include "core/FontSubstitutions.h"
#include "core/MDIVelorast.h"
#include "document_forms/DocumentForm.h"
#include "platform/Clock.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/Keystrokes.h"
#include "platform/Printers.h"
#include "platform/Twips.h"
#include "support/QtPrinters.h"

namespace testsupport {

// The main window's boxes, typed by field name; every other box is empty.
class TypedCase : public core::CaseBoxes {
 public:
  QString txtCamp(int index) const override { return camp_.value(index); }
  QString txtVerso(int index) const override { return verso_.value(index); }
  QString txtSpecificatii() const override { return specificatii_; }

  void Type(const QString& fieldName, const QString& text) {
    const std::optional<core::BoxRef> box = core::FindBox(fieldName);
    ASSERT_TRUE(box) << fieldName.toStdString();
    if (box->array == core::BoxArray::txtCamp) camp_[box->index] = text;
    else if (box->array == core::BoxArray::txtVerso) verso_[box->index] = text;
    else specificatii_ = text;
  }
  void Type(std::initializer_list<std::pair<const char*, const char*>> fields) {
    for (const auto& [name, text] : fields) Type(QString::fromLatin1(name), QString::fromUtf8(text));
  }
  void Clear() {
    camp_.clear();
    verso_.clear();
    specificatii_.clear();
  }

 private:
  QHash<int, QString> camp_, verso_;
  QString specificatii_;
};

// One case of a member's fill: what is typed in the main window, and the boxes that must
// hold a text then (every other box empty).
struct FillCase {
  const char* what;
  std::initializer_list<std::pair<const char*, const char*>> typed;
  std::initializer_list<std::pair<int, const char*>> expected;
};

class FormFixture : public ::testing::Test {
 public:
  static constexpr double kClientHeight = 6000;  // twips

  void SetUp() override {
    platform::ResetCurrentPrinter();
    core::RegisterFontSubstitutions();
    platform::SetToday(QDate(2026, 3, 7));
    mainWindow_.setWindowTitle(QStringLiteral("main"));
    core::RegisterCaseWindow(&mainWindow_, &case_);
    ShowMdi(kClientHeight);
  }

  void TearDown() override {
    core::RegisterCaseWindow(nullptr, nullptr);
    platform::SetToday(QDate());
  }

  // The MDI parent, shown and active, its client area `clientTwips` high.
  static core::MDIVelorast* ShowMdi(double clientTwips) {
    core::MDIVelorast* mdi = platform::Forms::Get<core::MDIVelorast>();
    mdi->show();
    mdi->resize(1200, 600);
    QApplication::processEvents();
    const int extra = mdi->height() - mdi->Workspace()->viewport()->height();
    mdi->resize(1200, platform::TwipsToPixels(clientTwips) + extra);
    QApplication::setActiveWindow(mdi);
    QApplication::processEvents();
    return mdi;
  }

  // Opens a member as its launcher does, the main window hidden first.
  template <class F>
  F* OpenForm() {
    mainWindow_.hide();
    F* form = document_forms::Open<F>();
    QApplication::processEvents();
    return form;
  }

  template <class F>
  static void CloseForm() {
    if (F* form = platform::Forms::IfLoaded<F>()) form->close();
    Settle();
  }

  // Runs what is queued, the deletion of closed windows included.
  static void Settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }

  // A key pressed and released in `widget`.
  static void PressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
  }

  // A click of the left button at `pos` in `widget`: the focus first, as the window
  // system gives it on the press, then the press and release.
  static void Click(QWidget* widget, QPoint pos) {
    if (widget->focusPolicy() & Qt::ClickFocus) widget->setFocus(Qt::MouseFocusReason);
    const QPointF global = widget->mapToGlobal(QPointF(pos));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pos), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
  }

  // Opens the member afresh for each case and compares all its boxes.
  template <class F, std::size_t N>
  void ExpectFills(const FillCase (&cases)[N]) {
    for (const FillCase& c : cases) {
      case_.Clear();
      case_.Type(c.typed);
      F* form = OpenForm<F>();
      QStringList expected(form->BoxCount());
      for (const auto& [index, text] : c.expected) expected[index] = QString::fromUtf8(text);
      EXPECT_EQ(Texts(*form), expected) << c.what;
      CloseForm<F>();
    }
  }

  // The texts of boxes 0 .. count - 1.
  static QStringList Texts(const document_forms::DocumentForm& form) {
    QStringList out;
    for (int i = 0; i < form.BoxCount(); ++i) out << form.Text(i);
    return out;
  }

  TypedCase case_;
  QWidget mainWindow_;
  platform::MessageBoxScript messages_;
};

}  // namespace testsupport
