#pragma once
// Writes a QTextDocument as Rich Text Format, the inverse of RtfReader.h: paragraphs with
// their alignment, indents and page break (\page before the paragraph), runs of text
// with their font face, size, bold, italic, underline and colour, links (a HYPERLINK
// field showing the linked text), line breaks and tabs, and the default tab stops. Text
// goes out in the program's code page (\ansicpg1250) where it has the character and as a
// Unicode escape (\u with a "?" for older readers) where it has not, so that any text
// survives. The font table names the document's own font as \f0 (\deff0), by the face
// it shows in rather than an alias of Qt's, every face by its family without a foundry,
// and every run selects its face by number, so that other programs show the text in the
// faces it has here.
// What the reader reads from what this writes is the document that was written.
//
//   QByteArray rtf = platform::rtf::WriteRtf(edit->document());
//   QByteArray part = platform::rtf::WriteRtf(edit->textCursor());  // the selection

#include <QByteArray>

class QTextCursor;
class QTextDocument;

namespace platform::rtf {

// The whole document.
QByteArray WriteRtf(const QTextDocument& document);

// The cursor's selection as a document of its own, with the paragraph formats of the
// paragraphs it touches; nothing selected gives a document without text.
QByteArray WriteRtf(const QTextCursor& selection);

}  // namespace platform::rtf
