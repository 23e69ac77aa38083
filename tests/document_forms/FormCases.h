#pragma once
// A member's fill as a table: the main-window boxes typed for each case, and the texts
// that every box of the member then holds (the boxes not named are empty). And the
// captions that stand directly before their boxes, read back from the printed page.

#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "FormFixture.h"
#include "support/PdfText.h"

namespace testsupport {

struct FillCase {
  const char* what;
  std::initializer_list<std::pair<const char*, const char*>> typed;
  std::initializer_list<std::pair<int, const char*>> expected;
};

template <class F>
void ExpectFills(FormFixture& fixture, std::initializer_list<FillCase> cases) {
  for (const FillCase& c : cases) {
    fixture.case_.Clear();
    fixture.case_.Type(c.typed);
    F* form = fixture.template OpenForm<F>();
    QStringList expected(form->BoxCount());
    for (const auto& [index, text] : c.expected) expected[index] = QString::fromUtf8(text);
    EXPECT_EQ(FormFixture::Texts(*form), expected) << c.what;
    FormFixture::CloseForm<F>();
  }
}

// A caption directly before its box: its last word ends where the box begins.
struct CaptionBefore {
  const char* word;  // the caption's last word
  double top;        // the caption's line, twips: the word nearest to it is taken
  double boxLeft;    // twips
};

template <class F>
void ExpectCaptionsBeforeTheirBoxes(FormFixture& fixture, std::initializer_list<CaptionBefore> captions) {
  F* form = fixture.template OpenForm<F>();
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
  form->PrintToPdf(pdf);
  const QList<PdfPage> pages = ReadPdfPages(pdf);
  ASSERT_EQ(pages.size(), 1);
  for (const CaptionBefore& c : captions) {
    const PdfWord* word = nullptr;
    for (const PdfWord& w : pages[0].words) {
      if (w.text != QString::fromUtf8(c.word)) continue;
      if (!word || std::abs(w.yMin - c.top / 56.7) < std::abs(word->yMin - c.top / 56.7)) word = &w;
    }
    ASSERT_NE(word, nullptr) << c.word;
    EXPECT_NEAR(word->yMin, c.top / 56.7, 2 * kMmPerPoint) << c.word;
    EXPECT_NEAR(word->xMax, c.boxLeft / 56.7, 2 * kMmPerPoint) << c.word;
  }
  FormFixture::CloseForm<F>();
}

// A key pressed in the focused control, and what it queued done.
inline void PressKey(int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(QApplication::focusWidget(), &press);
  QApplication::processEvents();
}

}  // namespace testsupport
