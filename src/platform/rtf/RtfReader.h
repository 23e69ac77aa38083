#pragma once
// Reads Rich Text Format into a QTextDocument: groups, the font and colour tables, \par,
// \line, \tab, bold, italic, underline, font sizes and faces, colours, alignment,
// indents (a hanging first line with its tab stop at the indent), the default tab
// stops, \'hh bytes in the code page of the font or of the document (\ansicpg), \u with
// \uc (negative values and surrogate pairs included), and the common special
// characters. Destinations it does not show (pictures, style sheet, document
// information, fields' instructions, anything marked \*) are skipped whole.
//
// Malformed input is read as far as it goes: a file cut off or with unbalanced braces
// keeps what came before, huge numbers are held to sensible bounds, deep nesting is
// read flat beyond a limit. Reading never fails otherwise and its time and memory grow
// with the input's length alone.
//
// The formats it produces are those of RtfUnits.h.

#include <QByteArrayView>

class QTextCursor;
class QTextDocument;

namespace platform::rtf {

struct ReadResult {
  bool rtf = false;       // the input began as an RTF document ("{\rtf")
  bool complete = false;  // its outer group was closed: nothing was cut off
};

// Replaces the document's content by the RTF document; its tab stops follow \deftab.
ReadResult ReadRtf(QByteArrayView rtf, QTextDocument& document);

// Puts the RTF document in place of the cursor's selection (at the cursor when nothing
// is selected); the cursor ends after the inserted text.
ReadResult InsertRtf(QByteArrayView rtf, QTextCursor& cursor);

}  // namespace platform::rtf
