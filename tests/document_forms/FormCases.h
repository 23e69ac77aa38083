#pragma once
// The captions that stand directly before their boxes, read back from the printed page,
// and a key pressed in the focused control.

#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <cmath>
#include <initializer_list>

#include "FormFixture.h"
#include "support/PdfText.h"

namespace testsupport {

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
  FormFixture::PressKey(QApplication::focusWidget(), key);
  QApplication::processEvents();
}

}  // namespace testsupport
