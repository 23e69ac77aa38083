#pragma once
// Reads Rich Text Format into a QTextDocument: groups, the font and colour tables, \par,
// \line, \tab, bold, italic, underline, font sizes and faces, colours, alignment,
// indents (a hanging first line with its tab stop at the indent), page breaks before a
// paragraph (\page, \pagebb), the default tab stops, \'hh bytes in the code page of the
// font or of the document (\ansicpg), \u with \uc (negative values and surrogate pairs
// included), and the common special characters. A field shows its result (\fldrslt,
// marked \* or not); a HYPERLINK field's result is a link to its target. A list item's
// label (\listtext, \pntext) shows the bullet that its symbol font draws. A table's
// cells are read in order, each ended by a tab, each row a paragraph. Destinations it
// does not show (pictures, style sheet, document information, anything else marked \*)
// are skipped whole. Text in the face of the receiving document's default font names no
// face, so that it follows that font.
//
// Any program's RTF may come here (the clipboard brings it), so malformed input is read
// as far as it goes: a file cut off or with unbalanced braces keeps what came before,
// huge numbers are held to sensible bounds, control words longer than RTF allows are
// ignored, deep nesting is read flat beyond a limit, and input beyond kMaxRtfBytes is
// refused whole, as is a text whose layout would hold up the window that shows it (the
// limits below, of the document that the read makes): the input is measured before any
// of it is inserted. Reading never fails otherwise and its time and memory grow with the
// input's length alone. What RtfWriter.h writes of a document within these limits is
// read back.
//
// The formats it produces are those of RtfUnits.h.

#include <QByteArrayView>

class QTextCursor;
class QTextDocument;

namespace platform::rtf {

// The largest input read; a larger one is refused, leaving the selection as it was. Read
// twice (measured, then inserted), the hardest input of this size takes a quarter of a
// second; the clipboard takes as long again to bring it from another program.
inline constexpr qsizetype kMaxRtfBytes = 16 * 1024 * 1024;

// The most that a document may hold after a read, so that a box showing it lays it out,
// and a keystroke in it, within a fraction of a second, even when the box is made as
// narrow as a letter: Qt's layout slows with the square of a paragraph's runs and of a
// word's length (a narrow box breaks a long word anywhere, all the more slowly), and
// stops for good once the laid-out height passes 2^23 pixels. bench/rtf_reader_bench.cpp
// measures them. Within them the writer's RTF of any such text stays below kMaxRtfBytes.
//
// Paragraphs, characters (paragraph marks included), and runs of differing character
// formats, in the document and in one paragraph.
inline constexpr int kMaxParagraphs = 10000;
inline constexpr qsizetype kMaxTextLength = 256 * 1024;
inline constexpr int kMaxRuns = 10000;
inline constexpr int kMaxRunsInParagraph = 500;
// Characters of a word: between two spaces, tabs or line breaks; and the changes of
// writing system between its letters (Latin to Greek and back is two), each of which
// the layout shapes and breaks as a word of its own.
inline constexpr int kMaxWordLength = 512;
inline constexpr int kMaxScriptChangesInWord = 8;
// Distinct fonts that the layout resolves: a face, weight, slant and size together, once
// for the text set in it and once more for each writing system other than Latin in that
// text (digits, punctuation and marks go with the letters around them). Qt resolves each
// in 0.3 to 4 ms, and again for each font that a size or face picked later makes.
inline constexpr int kMaxFonts = 128;
// The text's height if the box were so narrow that each character stood on a line of
// its own: the sum of the sizes of its characters and paragraph marks, in points. A
// line takes 1.3 to 2.2 pixels a point in the faces installed; this keeps the tallest
// document four times below the height where the layout stops. In a box whose text the
// clerk may give another size, each character counts at no less than the largest size
// offered (`pickedPoints` below), so that no size picked later takes the text past it.
inline constexpr double kMaxTextHeightPoints = 1'000'000;
// Text in a writing system that Qt shapes only with a font made for it (Syriac, Thaana,
// the scripts of India and Sri Lanka, Khmer, N'Ko) is refused when no installed font
// supports it: Qt would try every installed face for it, tens to hundreds of milliseconds
// for each font of the text, and still show it as empty boxes.
//
// Entries of the colour table.
inline constexpr int kMaxColours = 1024;

struct ReadResult {
  bool rtf = false;       // the input began as an RTF document ("{\rtf") and was read
  bool tooLarge = false;  // an RTF document refused for its size or its text's layout
  bool unshown = false;   // one refused for letters that no installed font draws
  bool complete = false;  // its outer group was closed: nothing was cut off
};

// Replaces the document's content by the RTF document; its tab stops follow \deftab.
// A refused document leaves it empty. The document's last paragraph mark ends its last
// paragraph: "A\par}" is one paragraph. `pickedPoints`: the largest size that the box
// showing the document lets the clerk give its text (0: none, it keeps its sizes).
ReadResult ReadRtf(QByteArrayView rtf, QTextDocument& document, double pickedPoints = 0);

// Puts the RTF document in place of the cursor's selection (at the cursor when nothing
// is selected); the cursor ends after the inserted text. Input that is no RTF document
// leaves the selection as it is. The paragraph that the inserted text ends in keeps its
// format unless the text ends with a paragraph mark. `pickedPoints` as for ReadRtf: the
// text kept around the selection counts so too.
ReadResult InsertRtf(QByteArrayView rtf, QTextCursor& cursor, double pickedPoints = 0);

// Whether the document keeps within the limits above with `text` typed in place of the
// cursor's selection, in the cursor's format (a paragraph mark for each line break): a
// letter in a format of its own is a new run.
bool TypingFits(const QTextCursor& cursor, const QString& text, double pickedPoints = 0);

}  // namespace platform::rtf
