// Reading rich text: a user guide of a few hundred paragraphs with formats changing in
// every line must open without a noticeable wait, and no paste into the annex editor,
// nor a keystroke after it, may hold the window up: the reader's limits refuse what
// the box could not lay out quickly, before any of it is inserted.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

#include "document_forms/frmAnexa.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "platform/rtf/RtfReader.h"

namespace {

using namespace platform::rtf;

QByteArray Guide(int paragraphs) {
  QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fcharset238 Arial;}{\\f1 Times New Roman;}}"
                   "{\\colortbl;\\red0\\green96\\blue0;}";
  for (int i = 0; i < paragraphs; ++i) {
    rtf += "\\pard\\li360\\fi-360\\f1\\fs20 \\bullet\\tab Rubrica {\\b " + QByteArray::number(i) +
           "} a fi\\u537\\'bae\\'ba de \\'eenmatriculare, {\\i completat\\'e3} cu \\cf1 datele\\cf0  dosarului.\\par\n";
  }
  return rtf + "}";
}

void BM_ReadRtfGuide(benchmark::State& state) {
  const QByteArray rtf = Guide(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    QTextDocument doc;
    if (!ReadRtf(rtf, doc).rtf) state.SkipWithError("the guide was refused");
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_ReadRtfGuide)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

// ---- Pastes into the annex editor, near and past each limit

// The editor opens with the heading: two paragraphs, 19 characters with their marks, each
// counted at the largest size its size box offers, 30 points, which the clerk may give
// any of the text. The paste goes at the end, into the empty second paragraph.
// The heading's run is in a font of its own; the paste fills the empty paragraph.
constexpr int kTemplateFonts = 1;
constexpr int kTemplateParagraphs = 2;
constexpr int kTemplateLength = 19;
constexpr double kLargestOffered = 30;
constexpr double kTemplatePoints = kTemplateLength * kLargestOffered;
// Characters of 30 points or less that the height holds with the heading's.
constexpr qsizetype kOfferedLength = static_cast<qsizetype>(kMaxTextHeightPoints / kLargestOffered) - kTemplateLength;

QByteArray Rtf(const QByteArray& body, const QByteArray& tables = {}) {
  return "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Liberation Sans;}{\\f1 Liberation Serif;}"
         "{\\f2 DejaVu Sans Mono;}}" + tables + body + "}";
}

// `count` paragraphs of `text` at `halfPoints`.
QByteArray Paragraphs(qsizetype count, const QByteArray& text, int halfPoints = 24) {
  return Rtf("\\fs" + QByteArray::number(halfPoints) + " " + (text + "\\par ").repeated(count));
}

// `paragraphs` paragraphs of `runs` one-letter runs, each format differing from the last,
// and then `more` runs in one paragraph more.
QByteArray Runs(int paragraphs, int runs, bool faces = false, int more = 0) {
  const auto letters = [faces](int count) {
    QByteArray text;
    for (int i = 0; i < count; ++i) {
      if (faces) text += i % 2 ? "\\f1\\fs28\\b x" : "\\f2\\fs20\\b0 y";
      else text += i % 2 ? "\\b x" : "\\b0 y";
    }
    return text;
  };
  return Rtf((letters(runs) + "\\par ").repeated(paragraphs) + letters(more));
}

QByteArray Word(qsizetype length) { return Rtf(QByteArray(length, 'x')); }

// Text of `length` characters, marks included, in paragraphs of words at `halfPoints`.
QByteArray Text(qsizetype length, int halfPoints) {
  const QByteArray line = QByteArray("abcd ").repeated(40);  // 200 characters and a mark
  const qsizetype lines = length / (line.size() + 1);
  const qsizetype rest = length - lines * (line.size() + 1);
  return Rtf("\\fs" + QByteArray::number(halfPoints) + " " + (line + "\\par ").repeated(lines) +
             QByteArray(rest, 'z'));
}

QByteArray Colours(int count) {
  return Rtf("{\\cf1 x}", "{\\colortbl" + QByteArray("\\red1\\green2\\blue3;").repeated(count) + "}");
}

// A font table of `count` faces, each used by a paragraph of its own.
QByteArray Fonts(int count) {
  QByteArray table = "{\\fonttbl", body;
  for (int i = 0; i < count; ++i) {
    table += "{\\f" + QByteArray::number(i) + " Face" + QByteArray::number(i) + ";}";
    body += "\\f" + QByteArray::number(i) + " x\\par ";
  }
  return "{\\rtf1" + table + "}" + body + "}";
}

// Paragraphs of `text`, each in a font of its own: a size of its own from 8.5 points
// on, or with `faces` a face of its own with a name of `nameLength` letters.
QByteArray FontsOf(int count, const QByteArray& text, bool faces = false, int nameLength = 8) {
  QByteArray table = "{\\fonttbl", body;
  for (int i = 0; i < count; ++i) {
    if (faces) {
      const QByteArray name = ("Face" + QByteArray::number(i) + QByteArray(nameLength, 'n')).left(nameLength);
      table += "{\\f" + QByteArray::number(i) + " " + name + ";}";
      body += "\\f" + QByteArray::number(i) + " " + text + "\\par ";
    } else {
      body += "\\fs" + QByteArray::number(17 + i) + " " + text + "\\par ";
    }
  }
  return "{\\rtf1\\ansi" + table + "}" + body + "}";
}

// Words of `length` letters whose writing system changes `changes` times: Latin and
// Greek in turn, then the rest in the last.
QByteArray MixedWord(int length, int changes, const QByteArray& other = "\\u945?") {
  QByteArray word;
  for (int i = 0; i < length; ++i) word += (i <= changes ? i % 2 : changes % 2) ? other : QByteArray("x");
  return word;
}

struct PasteCase {
  const char* name;
  std::function<QByteArray()> rtf;
  bool taken;
};

const std::vector<PasteCase>& PasteCases() {
  // How many paragraphs of one letter at `halfPoints` the height holds with the heading's:
  // each is two characters of that size, the letter and its mark.
  const auto letterParagraphs = [](int halfPoints) {
    return static_cast<qsizetype>((kMaxTextHeightPoints - kTemplatePoints) / halfPoints);
  };
  static const std::vector<PasteCase> cases = {
      {"paragraphs at the limit", [] { return Paragraphs(kMaxParagraphs - kTemplateParagraphs, "x"); }, true},
      {"one paragraph more", [] { return Paragraphs(kMaxParagraphs - kTemplateParagraphs + 1, "x"); }, false},
      {"empty paragraphs at the limit", [] { return Paragraphs(kMaxParagraphs - kTemplateParagraphs, ""); }, true},
      {"450,000 empty paragraphs", [] { return Paragraphs(450000, ""); }, false},
      {"256 Ki short paragraphs", [] { return Paragraphs(256 * 1024, "ab"); }, false},
      {"characters at the limit, 3 points", [] { return Text(kOfferedLength, 6); }, true},
      {"one character more", [] { return Text(kOfferedLength + 1, 6); }, false},
      {"height at the limit, 40 points", [] { return Text(qsizetype((kMaxTextHeightPoints - kTemplatePoints) / 40), 80); }, true},
      {"height past the limit, 40 points", [] { return Text(qsizetype((kMaxTextHeightPoints - kTemplatePoints) / 40) + 1, 80); }, false},
      {"height at the limit, 1638 points", [=] { return Paragraphs(letterParagraphs(3276), "x", 3276); }, true},
      {"height past the limit, 1638 points", [=] { return Paragraphs(letterParagraphs(3276) + 1, "x", 3276); }, false},
      {"height at the limit, 100 points", [=] { return Paragraphs(letterParagraphs(200), "x", 200); }, true},
      {"4,000 paragraphs at 1638 points", [] { return Paragraphs(4000, "x", 3276); }, false},
      {"58,000 paragraphs at 100 points", [] { return Paragraphs(58000, "x", 200); }, false},
      {"a word at the limit", [] { return Word(kMaxWordLength); }, true},
      {"a word one letter longer", [] { return Word(kMaxWordLength + 1); }, false},
      {"a word of 512 Ki letters", [] { return Word(512 * 1024); }, false},
      {"words at the limit filling the text", [] {
         const QByteArray word = QByteArray(kMaxWordLength, 'x') + ' ';
         return Rtf("\\fs6 " + word.repeated(kOfferedLength / word.size()));
       }, true},
      {"runs in a paragraph at the limit", [] { return Runs(1, kMaxRunsInParagraph); }, true},
      {"one run more in the paragraph", [] { return Runs(1, kMaxRunsInParagraph + 1); }, false},
      // The heading is a run of its own.
      {"runs in the text at the limit",
       [] { return Runs(kMaxRuns / kMaxRunsInParagraph - 1, kMaxRunsInParagraph, false, kMaxRunsInParagraph - 1); }, true},
      {"runs at the limit, faces and sizes",
       [] { return Runs(kMaxRuns / kMaxRunsInParagraph - 1, kMaxRunsInParagraph, true, kMaxRunsInParagraph - 1); }, true},
      {"one run more in the text",
       [] { return Runs(kMaxRuns / kMaxRunsInParagraph - 1, kMaxRunsInParagraph, false, kMaxRunsInParagraph); }, false},
      {"52 paragraphs of 10,000 runs", [] { return Runs(52, 10000, true); }, false},
      {"colours at the limit", [] { return Colours(kMaxColours); }, true},
      {"one colour more", [] { return Colours(kMaxColours + 1); }, false},
      {"a colour table filling the input with ;", [] { return Rtf("x", "{\\colortbl" + QByteArray(kMaxRtfBytes - 200, ';') + "}"); }, false},
      {"fonts at the table's limit, each used", [] { return Fonts(1024); }, false},
      {"fonts at the limit, sizes", [] { return FontsOf(kMaxFonts - kTemplateFonts, "x"); }, true},
      {"one font more, sizes", [] { return FontsOf(kMaxFonts - kTemplateFonts + 1, "x"); }, false},
      {"fonts at the limit, unknown faces of 256 letters",
       [] { return FontsOf(kMaxFonts - kTemplateFonts, "x", true, 256); }, true},
      {"fonts at the limit, Latin and Greek", [] { return FontsOf((kMaxFonts - kTemplateFonts) / 2, "x\\u945?"); }, true},
      {"fonts at the limit, Latin and Hebrew", [] { return FontsOf((kMaxFonts - kTemplateFonts) / 2, "x\\u1488?"); }, true},
      {"fonts at the limit, Latin and Arabic", [] { return FontsOf((kMaxFonts - kTemplateFonts) / 2, "x\\u1576?"); }, true},
      {"fonts at the limit, Latin and Thai", [] { return FontsOf((kMaxFonts - kTemplateFonts) / 2, "x\\u3585?"); }, true},
      {"fonts at the limit, Latin and Han", [] { return FontsOf((kMaxFonts - kTemplateFonts) / 2, "x\\u20013?"); }, true},
      {"one font more, Latin and Greek", [] { return FontsOf((kMaxFonts - kTemplateFonts) / 2 + 1, "x\\u945?"); }, false},
      {"9,999 runs each of another face and size", [] {
         QByteArray table = "{\\fonttbl", body;
         for (int i = 0; i < 1000; ++i) table += "{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}";
         for (int i = 0; i < 9999; ++i)
           body += "\\f" + QByteArray::number(i % 1000) + "\\fs" + QByteArray::number(16 + i / 1000) + " x" +
                   (i % 400 == 399 ? "\\par " : " ");
         return "{\\rtf1" + table + "}" + body + "}";
       }, false},
      {"1,024 faces of 256 letters in seven scripts", [] {
         const QByteArray letters[] = {"x", "\\u945?", "\\u1488?", "\\u1576?", "\\u2325?", "\\u2965?", "\\u6016?"};
         QByteArray text;
         for (const QByteArray& l : letters) text += l;
         return FontsOf(1024, text, true, 256);
       }, false},
      {"a Devanagari letter", [] { return Rtf("\\u2325?"); }, false},
      {"a Devanagari letter in each of 1,024 faces", [] { return FontsOf(1024, "\\u2325?", true); }, false},
      {"Tamil, Khmer, Sinhala, Syriac, Thaana, Bengali letters", [] { return Rtf("\\u2965?\\u6016?\\u3482?\\u1808?\\u1920?\\u2453?"); }, false},
      {"script changes in a word at the limit", [] { return Rtf(MixedWord(kMaxWordLength, kMaxScriptChangesInWord)); }, true},
      {"one change more", [] { return Rtf(MixedWord(kMaxWordLength, kMaxScriptChangesInWord + 1)); }, false},
      {"words of 500 letters of Latin and Greek in turn", [] { return Rtf(MixedWord(500, 499) + " " + MixedWord(500, 499)); }, false},
      {"words at the script changes' limit filling the text, Greek", [] {
         const QByteArray word = MixedWord(kMaxWordLength, kMaxScriptChangesInWord) + ' ';
         return Rtf("\\fs6 " + word.repeated(kOfferedLength / (kMaxWordLength + 1)));
       }, true},
      {"words at the script changes' limit filling the text, Arabic", [] {
         const QByteArray word = MixedWord(kMaxWordLength, kMaxScriptChangesInWord, "\\u1576?") + ' ';
         return Rtf("\\fs6 " + word.repeated(kOfferedLength / (kMaxWordLength + 1)));
       }, true},
      {"words at the script changes' limit filling the text, Hebrew", [] {
         const QByteArray word = MixedWord(kMaxWordLength, kMaxScriptChangesInWord, "\\u1488?") + ' ';
         return Rtf("\\fs6 " + word.repeated(kOfferedLength / (kMaxWordLength + 1)));
       }, true},
      {"input past its limit", [] { return Rtf(QByteArray(kMaxRtfBytes, ' ')); }, false},
      {"control words filling the input", [] { return Rtf(QByteArray("\\b\\b0").repeated((kMaxRtfBytes - 200) / 5) + "x"); }, true},
      {"empty groups filling the input", [] { return Rtf(QByteArray("{}").repeated((kMaxRtfBytes - 200) / 2) + "x"); }, true},
  };
  return cases;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

double Elapsed(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e9; }

// Each paste as the clerk makes it, from the editor's menu; then a letter typed in the
// middle of the document's longest paragraph, the window made as narrow as a letter and
// wide again (narrow_ms, the slowest of three widths, with the text's tallest height
// there), a letter typed there in the narrowest (narrow_key_ms), the whole text copied with Ctrl+C, and then given the largest size of the
// size box (sized_ms) and made narrow so again (largest_ms, largest_px).
void BM_AnnexPaste(benchmark::State& state) {
  const PasteCase& c = PasteCases()[static_cast<size_t>(state.range(0))];
  state.SetLabel(c.name);
  const QByteArray rtf = c.rtf();
  double key = 0, narrowKey = 0, copy = 0, narrow = 0, narrowHeight = 0, sized = 0, largest = 0, largestHeight = 0;
  bool taken = false;
  for (auto _ : state) {
    auto* w = platform::Forms::Get<document_forms::frmAnexa>();
    w->show();
    Settle();
    w->rtfAnunt->moveCursor(QTextCursor::End);
    auto* data = new QMimeData;
    data->setData(platform::kRtfMimeType, rtf);
    QApplication::clipboard()->setMimeData(data);
    platform::MessageBoxScript messages;

    QElapsedTimer t;
    t.start();
    w->mnuLip_Click();
    QTextDocument* doc = w->rtfAnunt->document();
    doc->documentLayout()->blockBoundingRect(doc->lastBlock());  // the whole text laid out
    Settle();
    state.SetIterationTime(Elapsed(t));
    taken = messages.Shown().isEmpty();

    QTextBlock longest = doc->begin();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
      if (b.length() > longest.length()) longest = b;
    QTextCursor at(longest);
    at.setPosition(longest.position() + longest.length() / 2);
    w->rtfAnunt->setTextCursor(at);
    Settle();
    t.restart();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(w->rtfAnunt, &press);
    QApplication::sendEvent(w->rtfAnunt, &release);
    Settle();
    key = Elapsed(t);

    // Narrower than a letter, each word stands on a line of its own; a little wider,
    // each letter or two: the window is made each width in turn, and wide again.
    const QSize size = w->size();
    const auto narrowed = [&](double& seconds, double& height) {
      seconds = height = 0;
      for (const int width : {40, 60, 90}) {
        QElapsedTimer each;
        each.start();
        w->resize(width, size.height());
        Settle();
        doc->documentLayout()->blockBoundingRect(doc->lastBlock());
        height = qMax(height, doc->documentLayout()->documentSize().height());
        w->resize(size);
        Settle();
        doc->documentLayout()->blockBoundingRect(doc->lastBlock());
        seconds = qMax(seconds, Elapsed(each));
      }
    };
    narrowed(narrow, narrowHeight);
    // A letter typed there in the window made as narrow.
    w->resize(40, size.height());
    Settle();
    doc->documentLayout()->blockBoundingRect(doc->lastBlock());
    t.restart();
    QApplication::sendEvent(w->rtfAnunt, &press);
    QApplication::sendEvent(w->rtfAnunt, &release);
    Settle();
    doc->documentLayout()->blockBoundingRect(doc->lastBlock());
    narrowKey = Elapsed(t);
    w->resize(size);
    Settle();

    t.restart();
    w->rtfAnunt->selectAll();
    w->rtfAnunt->copy();
    copy = Elapsed(t);

    // The whole text given the largest size the size box offers, in the narrow window.
    t.restart();
    w->cboSize->setCurrentIndex(w->cboSize->count() - 1);
    w->cboSize_Click();
    Settle();
    sized = Elapsed(t);
    narrowed(largest, largestHeight);
    platform::Forms::Unload<document_forms::frmAnexa>();
    QApplication::clipboard()->clear();
  }
  state.counters["key_ms"] = key * 1000;
  state.counters["narrow_key_ms"] = narrowKey * 1000;
  state.counters["copy_ms"] = copy * 1000;
  state.counters["narrow_ms"] = narrow * 1000;
  state.counters["narrow_px"] = narrowHeight;
  state.counters["sized_ms"] = sized * 1000;
  state.counters["largest_ms"] = largest * 1000;
  state.counters["largest_px"] = largestHeight;
  state.counters["taken"] = taken;
  if (taken != c.taken) state.SkipWithError(taken ? "taken, though past a limit" : "refused within the limits");
}
BENCHMARK(BM_AnnexPaste)
    ->DenseRange(0, static_cast<int>(PasteCases().size()) - 1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
