#pragma once
// The captions that stand directly before their boxes and the lines' first words, read
// back from the printed page, and a key pressed in the focused control.

#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <cmath>
#include <initializer_list>

#include "FormFixture.h"
#include "support/PdfText.h"

namespace testsupport {

// The form's page printed to a PDF file and read back; an empty page (and a failure)
// when the print is not one page.
inline PdfPage PrintedPage(document_forms::DocumentForm& form) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
  form.PrintToPdf(pdf);
  const QList<PdfPage> pages = ReadPdfPages(pdf);
  EXPECT_EQ(pages.size(), 1);
  return pages.size() == 1 ? pages[0] : PdfPage{};
}

// A word of a printed line and where one of its edges stands.
struct CaptionBefore {
  const char* word;  // a caption's last word (before its box), or a line's first word
  double top;        // the caption's line, twips: the word nearest to it is taken
  double boxLeft;    // twips: where the box begins, or where the line begins
};
using LineStart = CaptionBefore;

enum class WordEdge { kEnd, kStart };

// Each word read back from the printed page with its end (or start) at the given place.
template <class F>
void ExpectWordEdges(FormFixture& fixture, std::initializer_list<CaptionBefore> words, WordEdge edge) {
  const PdfPage page = PrintedPage(*fixture.template OpenForm<F>());
  for (const CaptionBefore& c : words) {
    const PdfWord* word = nullptr;
    for (const PdfWord& w : page.words) {
      if (w.text != QString::fromUtf8(c.word)) continue;
      if (!word || std::abs(w.yMin - c.top / 56.7) < std::abs(word->yMin - c.top / 56.7)) word = &w;
    }
    ASSERT_NE(word, nullptr) << c.word;
    EXPECT_NEAR(word->yMin, c.top / 56.7, 2 * kMmPerPoint) << c.word;
    EXPECT_NEAR(edge == WordEdge::kEnd ? word->xMax : word->xMin, c.boxLeft / 56.7, 2 * kMmPerPoint) << c.word;
  }
  FormFixture::CloseForm<F>();
}

// A caption directly before its box: its last word ends where the box begins.
template <class F>
void ExpectCaptionsBeforeTheirBoxes(FormFixture& fixture, std::initializer_list<CaptionBefore> captions) {
  ExpectWordEdges<F>(fixture, captions, WordEdge::kEnd);
}

// A line whose first word begins at the line's left.
template <class F>
void ExpectLinesStartAt(FormFixture& fixture, std::initializer_list<LineStart> lines) {
  ExpectWordEdges<F>(fixture, lines, WordEdge::kStart);
}

// A key pressed in the focused control, and what it queued done.
inline void PressKey(int key) {
  FormFixture::PressKey(QApplication::focusWidget(), key);
  QApplication::processEvents();
}

}  // namespace testsupport
