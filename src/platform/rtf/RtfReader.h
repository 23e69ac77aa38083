#pragma once
// Reads Rich Text Format into a QTextDocument: groups, the font and colour tables, \par,
// \line, \tab, bold, italic, underline, font sizes and faces, colours, alignment,
// indents (a hanging first line with its tab stop at the indent), the default tab
// stops, \'hh bytes in the code page of the font or of the document (\ansicpg), \u with
// \uc (negative values and surrogate pairs included), and the common special
// characters. A field shows its result (\fldrslt, marked \* or not). Destinations it
// does not show (pictures, style sheet, document information, fields' instructions,
// anything else marked \*) are skipped whole. Text in the face of the receiving
// document's default font names no face, so that it follows that font.
//
// Any program's RTF may come here (the clipboard brings it), so malformed input is read
// as far as it goes: a file cut off or with unbalanced braces keeps what came before,
// huge numbers are held to sensible bounds, control words longer than RTF allows are
// ignored, deep nesting is read flat beyond a limit, and input beyond kMaxRtfBytes is
// refused whole, as is a text whose layout would hang the window that shows it (more
// than kMaxRunsInParagraph runs of differing formats in one paragraph, or more than
// kMaxTextLength characters): the input is measured before any of it is inserted.
// Reading never fails otherwise and its time and memory grow with the input's length
// alone. What RtfWriter.h writes of a document within these limits is read back.
//
// The formats it produces are those of RtfUnits.h.

#include <QByteArrayView>

class QTextCursor;
class QTextDocument;

namespace platform::rtf {

// The largest input read; a larger one is refused, leaving the selection as it was.
inline constexpr qsizetype kMaxRtfBytes = 64 * 1024 * 1024;
// The most runs of differing character formats in one paragraph, and the most
// characters (paragraph marks included) of a text read. Within them the writer's RTF of
// any such text stays below kMaxRtfBytes.
inline constexpr int kMaxRunsInParagraph = 10000;
inline constexpr qsizetype kMaxTextLength = 512 * 1024;

struct ReadResult {
  bool rtf = false;       // the input began as an RTF document ("{\rtf") and was read
  bool tooLarge = false;  // an RTF document refused for its size or its text's layout
  bool complete = false;  // its outer group was closed: nothing was cut off
};

// Replaces the document's content by the RTF document; its tab stops follow \deftab.
// A refused document leaves it empty. The document's last paragraph mark ends its last
// paragraph: "A\par}" is one paragraph.
ReadResult ReadRtf(QByteArrayView rtf, QTextDocument& document);

// Puts the RTF document in place of the cursor's selection (at the cursor when nothing
// is selected); the cursor ends after the inserted text. Input that is no RTF document
// leaves the selection as it is. The paragraph that the inserted text ends in keeps its
// format unless the text ends with a paragraph mark.
ReadResult InsertRtf(QByteArrayView rtf, QTextCursor& cursor);

}  // namespace platform::rtf
