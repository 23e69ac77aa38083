#include "platform/rtf/RtfWriter.h"

#include <QFontInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "platform/rtf/RtfReader.h"
#include "support/QtPrinters.h"
#include "support/RichTextDump.h"

using namespace platform::rtf;
using testsupport::DescribeRichText;

namespace {

QString ReadBack(const QByteArray& rtf) {
  QTextDocument doc;
  EXPECT_TRUE(ReadRtf(rtf, doc).complete) << rtf.toStdString();
  return DescribeRichText(doc);
}

}  // namespace

// Read, write, read again: the same document.
TEST(RtfWriter, RoundTripKeepsTheDocument) {
  struct Case { const char* name; QByteArray rtf; QString mustHold; } cases[] = {
      {"mixed bold, italic and underline", "{\\rtf1 a{\\b b}{\\i c}{\\ul d}{\\b\\i\\ul e} f\\b g\\b0 h}", "b i u"},
      {"mixed fonts and sizes",
       "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}\\f0\\fs20 a\\f1\\fs28 b\\plain c{\\f0\\fs17 d}}",
       "Times New Roman 14pt"},
      {"Romanian letters in the code page and beyond it",
       "{\\rtf1\\ansi\\ansicpg1250 \\'e3\\'e2\\'ee\\'ba\\'fe\\'aa\\'de \\u537?\\u539?\\u536?\\u538? \\'c3\\'c2\\'ce}",
       QString::fromUtf8("ăâîşţŞŢ șțȘȚ ĂÂÎ")},
      {"empty paragraphs with formats of their own",
       "{\\rtf1 \\qc a\\par\\par\\pard\\qr\\fs40\\par b\\par\\pard\\qj\\fs16\\par}", "para right"},
      {"a document without text", "{\\rtf1}", "para left"},
      {"the annex heading", "{\\rtf1\\qc\\b\\fs28\\ul\\ ANEXA LA CONTRACT\\ulnone\\b0\\par\\ql\\fs20\\par}",
       "14pt b u auto] ANEXA"},
      {"tabs, line breaks, braces and backslashes", "{\\rtf1\\deftab360 a\\tab b\\line c \\{d\\} e\\\\f}", "tabs 360"},
      {"colours and indents",
       "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue200;}\\li1440\\ri720\\fi-360 \\cf1 r\\cf2 b\\cf0 "
       "a\\par\\pard x}",
       "#ff0000"},
      {"characters beyond the first plane and control symbols", "{\\rtf1 \\u-10179?\\u-8704? \\~\\-\\_ \\emdash}",
       QString::fromUcs4(U"\U0001F600")},
      {"font names beyond the code page", "{\\rtf1{\\fonttbl{\\f0 \\u1040?\\u1041? Sans;}{\\f1\\fcharset0 Caf\\'e9;}}\\f0 x\\f1 y}",
       QString::fromUtf8("АБ Sans")},
      {"a font name holding the entry's separator", "{\\rtf1{\\fonttbl{\\f0 A\\u59?B;}}\\f0 x}", "A;B"},
      {"links, their formats ending with them",
       "{\\rtf1\\ansicpg1250 a {\\field{\\*\\fldinst HYPERLINK \"http://x.ro/a b;\\{c\\}\\'e3\"}{\\fldrslt \\b x{\\i y}\\par z}} b "
       "{\\field{\\*\\fldinst HYPERLINK \\\\l \"loc\"}{\\fldrslt w}}{\\field{\\*\\fldinst HYPERLINK \"http://y.ro\"}{\\fldrslt v}}}",
       QString::fromUtf8("link<http://x.ro/a b;{c}ă>] y")},
      {"page breaks", "{\\rtf1\\page a\\par\\page\\qc b\\par\\pagebb c\\par\\pard d\\par\\page}", "para centre pagebreak"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTextDocument first;
    ASSERT_TRUE(ReadRtf(c.rtf, first).complete);
    const QString described = DescribeRichText(first);
    EXPECT_TRUE(described.contains(c.mustHold)) << described.toStdString();
    const QByteArray written = WriteRtf(first);
    EXPECT_EQ(ReadBack(written), described) << written.toStdString();
    EXPECT_EQ(WriteRtf(first), written) << "writing is repeatable";
  }
}

// Faces go out by the family names other programs know: the box's own font as the face
// it shows in, not Qt's alias for it, and a family without the foundry Qt names it by.
TEST(RtfWriter, NamesFacesAsOtherProgramsKnowThem) {
  QTextDocument doc;
  doc.setDefaultFont(QFont(QStringLiteral("Sans Serif"), 10));
  QTextCursor c(&doc);
  c.insertText("baza ");
  QTextCharFormat roman;
  roman.setFontFamilies({QStringLiteral("Nimbus Roman [urw]")});
  c.insertText("roman", roman);
  // Qt's name for a kind of face, which the font box lists, and a name this machine has
  // no font of.
  QTextCharFormat serif, arial;
  serif.setFontFamilies({QStringLiteral("Serif")});
  c.insertText(" serif", serif);
  arial.setFontFamilies({QStringLiteral("Arial")});
  c.insertText(" arial", arial);
  const QByteArray rtf = WriteRtf(doc);
  EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fcharset238 " + QFontInfo(doc.defaultFont()).family().toUtf8() + ";}"
                           "{\\f1\\fcharset238 Nimbus Roman;}{\\f2\\fcharset238 " +
                           QFontInfo(QFont(QStringLiteral("Serif"))).family().toUtf8() + ";}"
                           "{\\f3\\fcharset238 Arial;}}"))
      << rtf.toStdString();
  EXPECT_FALSE(rtf.contains("Sans Serif")) << rtf.toStdString();
  EXPECT_FALSE(rtf.contains("238 Serif;")) << rtf.toStdString();

  // Read back into the box, the text in its own face names none.
  QTextDocument back;
  back.setDefaultFont(doc.defaultFont());
  ReadRtf(rtf, back);
  QTextCursor at(&back);
  at.setPosition(2);
  EXPECT_FALSE(at.charFormat().hasProperty(QTextFormat::FontFamilies));
}

// Other programs read a link as a HYPERLINK field showing its text, and a page break as
// \page after the \pard of the paragraph it starts.
TEST(RtfWriter, WritesLinksAsFieldsAndPageBreaks) {
  QTextDocument doc;
  ReadRtf("{\\rtf1 Vezi {\\field{\\*\\fldinst HYPERLINK \"http://exemplu.ro/\"}{\\fldrslt\\ul aici}} tot\\par\\pagebb Doi}", doc);
  const QByteArray rtf = WriteRtf(doc);
  EXPECT_TRUE(rtf.contains("Vezi {\\field{\\*\\fldinst HYPERLINK \"http://exemplu.ro/\"}{\\fldrslt \\ul aici}} tot"))
      << rtf.toStdString();
  EXPECT_TRUE(rtf.contains("\\par\\pard\\page Doi")) << rtf.toStdString();
}

// Text the editor gives: in the program's code page where it can be, else as Unicode.
TEST(RtfWriter, WritesCodePageTextAndUnicodeEscapes) {
  QTextDocument doc;
  QTextCursor c(&doc);
  QTextCharFormat f;
  f.setFontFamilies({QStringLiteral("Arial")});
  f.setFontPointSize(11);
  f.setFontWeight(QFont::Bold);
  c.insertText(QString::fromUtf8("Cumpărător și"), f);
  const QByteArray rtf = WriteRtf(doc);
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250")) << rtf.toStdString();
  EXPECT_TRUE(rtf.contains("{\\f1\\fcharset238 Arial;}")) << rtf.toStdString();
  EXPECT_TRUE(rtf.contains("\\f1\\fs22\\b Cump\\'e3r\\'e3tor \\u537?i")) << rtf.toStdString();
  QTextDocument back;
  ReadRtf(rtf, back);
  EXPECT_EQ(back.toPlainText(), QString::fromUtf8("Cumpărător și"));
  QTextCursor at(&back);
  at.setPosition(2);
  EXPECT_EQ(at.charFormat().fontFamilies().toStringList(), QStringList{"Arial"});
  EXPECT_DOUBLE_EQ(at.charFormat().fontPointSize(), 11);
  EXPECT_EQ(at.charFormat().fontWeight(), QFont::Bold);
}

// A selection goes out with the paragraph formats of the paragraphs it touches; no
// selection gives a document without text.
TEST(RtfWriter, SelectionIsADocumentOfItsOwn) {
  QTextDocument doc;
  ReadRtf("{\\rtf1\\qc\\b\\fs28 ANEXA LA CONTRACT\\par\\pard\\b0\\fs20 Text}", doc);
  QTextCursor word = doc.find("LA");
  QTextDocument part;
  ReadRtf(WriteRtf(word), part);
  EXPECT_EQ(part.toPlainText(), "LA");
  EXPECT_EQ(part.begin().blockFormat().alignment(), Qt::AlignHCenter);

  QTextCursor across = doc.find("CONTRACT");
  across.setPosition(doc.find("Te").selectionEnd(), QTextCursor::KeepAnchor);
  ReadRtf(WriteRtf(across), part);
  EXPECT_EQ(part.toPlainText(), "CONTRACT\nTe");
  EXPECT_EQ(part.begin().blockFormat().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(part.lastBlock().blockFormat().alignment(), Qt::AlignLeft);

  ReadRtf(WriteRtf(QTextCursor(&doc)), part);
  EXPECT_TRUE(part.toPlainText().isEmpty());
}
