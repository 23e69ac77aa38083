#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfUnits.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace platform::rtf;

namespace {

// The document's text, its paragraphs joined by "\n" (a \line stays U+2028).
QString Paragraphs(const QTextDocument& doc) {
  QStringList blocks;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) blocks << b.text();
  return blocks.join('\n');
}

// The character format at the first occurrence of the text.
QTextCharFormat FormatOf(QTextDocument& doc, const QString& text) {
  QTextCursor c = doc.find(text);
  EXPECT_FALSE(c.isNull()) << text.toStdString();
  QTextCursor at(&doc);
  at.setPosition(c.selectionStart() + 1);
  return at.charFormat();
}

QTextBlockFormat BlockOf(QTextDocument& doc, int block) { return doc.findBlockByNumber(block).blockFormat(); }

}  // namespace

TEST(RtfReader, TextOfSmallDocuments) {
  const QString deep = QString("{").repeated(100000) + "x" + QString("}").repeated(100000);
  struct Case { const char* name; QByteArray rtf; QString text; bool complete; } cases[] = {
      {"plain text", "{\\rtf1 Hello}", "Hello", true},
      {"par", "{\\rtf1 A\\par B}", "A\nB", true},
      {"line stays inside the paragraph", "{\\rtf1 A\\line B}", "A\u2028B", true},
      {"tab", "{\\rtf1 A\\tab B}", "A\tB", true},
      {"escaped braces and backslash", "{\\rtf1 \\{x\\}\\\\}", "{x}\\", true},
      {"line breaks of the file mean nothing", "{\\rtf1 A\r\nB}", "AB", true},
      {"backslash before a line break is a paragraph", "{\\rtf1 A\\\nB}", "A\nB", true},
      {"hex in the document's code page 1250", "{\\rtf1\\ansi\\ansicpg1250 \\'e3\\'ee\\'ba\\'fe\\'aa}",
       "\u0103\u00ee\u015f\u0163\u015e", true},
      {"hex without a code page is Western", "{\\rtf1\\ansi \\'e3}", "\u00e3", true},
      {"hex in the font's character set", 
       "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset238 Arial;}{\\f1\\fcharset0 Times;}}\\'e3\\f1\\'e3}",
       "\u0103\u00e3", true},
      {"unicode with its fallback", "{\\rtf1 \\u537\\'bax}", "\u0219x", true},
      {"negative unicode", "{\\rtf1 \\u-1279?}", "\ufb01", true},
      {"uc2 skips two", "{\\rtf1\\uc2 \\u259ab c}", "\u0103 c", true},
      {"uc0 skips none", "{\\rtf1\\uc0 \\u259 a}", "\u0103a", true},
      {"uc belongs to its group", "{\\rtf1 {\\uc2 \\u259xx}\\u259y}", "\u0103\u0103", true},
      {"fallback ends at a brace", "{\\rtf1\\uc3 \\u259{a}b}", "\u0103ab", true},
      {"surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", QString::fromUcs4(U"\U0001F600"), true},
      {"lone surrogate", "{\\rtf1 \\u-10179?x}", "\ufffdx", true},
      {"specials", "{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~}",
       "\u2014\u2013\u2022\u2018\u2019\u201c\u201d\u00a0", true},
      {"unknown word ignored, its text kept", "{\\rtf1 \\foo kept}", "kept", true},
      {"unknown destination after \\* skipped", "{\\rtf1 {\\*\\foo hidden {x}}shown}", "shown", true},
      {"known destinations skipped", "{\\rtf1 {\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}Body}", "Body", true},
      {"font and colour tables show nothing",
       "{\\rtf1{\\fonttbl\\f0 Arial;\\f1 Times;}{\\colortbl;\\red255\\green0\\blue0;}A}", "A", true},
      {"binary data skipped whole", "{\\rtf1 {\\pict\\bin4 }{}x}y}", "y", true},
      {"field shows its result", "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt Link}}}", "Link", true},
      {"a list's bullet as a word processor writes it, in a symbol font",
       "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\listtext\\f1 \\u61623\\'b7\\tab}unu\\par"
       "{\\listtext\\pard\\plain\\f1 \\u61607?\\tab}doi\\par{\\pntext\\f1\\'b7\\tab}trei\\par"
       "{\\listtext\\f0 \\u8226\\'95\\tab}patru\\par{\\listtext 1.\\tab}cinci\\par"
       "{\\listtext\\pard\\plain  \\u61623\\'3f\\tab}sase\\par"  // a space before the bullet
       "{\\listtext\\pard\\plain  \\u57354\\'3f\\tab}sapte\\par{\\listtext\\pard\\plain  \\u57356\\'3f\\tab}opt\\par"
       "{\\listtext\\pard\\plain \\u57352\\'3f\\tab}noua}",  // another program's own symbol font
       "\u2022\tunu\n\u25aa\tdoi\n\u2022\ttrei\n\u2022\tpatru\n1.\tcinci\n\u2022\tsase\n\u25a0\tsapte\n"
       "\u25c6\topt\n\u25cf\tnoua", true},
      {"a space of a symbol font's label stays a space",
       "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\listtext\\f1 \\'b7 \\tab}unu\\par{\\listtext\\f1 \\u61623?\\u61472?\\tab}doi}",
       "\u2022 \tunu\n\u2022 \tdoi", true},
      {"a symbol font's byte outside a list stays as it was read", "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}\\f1\\'b7}",
       "\u00b7", true},
      {"a table's cells in order, each row a paragraph",
       "{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl A1\\cell B1\\cell\\row\\trowd\\cellx1000\\cellx2000"
       "\\pard\\intbl A2\\cell {\\*\\nesttableprops\\trowd}B2\\nestcell\\nestrow C2\\cell\\row\\pard dupa}",
       "A1\tB1\t\nA2\tB2\t\nC2\t\ndupa", true},
      {"field result marked \\* too", "{\\rtf1 {\\field{\\*\\fldinst {HYPERLINK x}}{\\*\\fldrslt{\\ul Link}}}}", "Link", true},
      {"a field result inside a skipped group stays hidden", "{\\rtf1 {\\*\\foo {\\*\\fldrslt x}}y}", "y", true},
      {"the last paragraph mark ends the last paragraph", "{\\rtf1 A\\par B\\par}", "A\nB", true},
      {"a paragraph format after it starts one more", "{\\rtf1 A\\par\\pard}", "A\n", true},
      {"cut off", "{\\rtf1 Hello \\b wor", "Hello wor", false},
      {"cut off inside a hex byte", "{\\rtf1 A\\'4", "A", false},
      {"cut off after a backslash", "{\\rtf1 A\\", "A", false},
      {"text after the outer group is not read", "{\\rtf1 A}B}", "A", true},
      {"huge numbers", "{\\rtf1\\fs99999999999999 \\li-99999999999 A\\u99999999999?B}", "AB", true},
      {"deep nesting", "{\\rtf1 " + deep.toLatin1() + "y}", "xy", true},
      {"not RTF", "Hello", "", false},
  };
  for (const Case& c : cases) {
    QTextDocument doc;
    const ReadResult r = ReadRtf(c.rtf, doc);
    EXPECT_EQ(Paragraphs(doc), c.text) << c.name;
    EXPECT_EQ(r.complete, c.complete) << c.name;
    EXPECT_EQ(r.rtf, QByteArray(c.rtf).startsWith("{\\rtf")) << c.name;
  }
}

TEST(RtfReader, CharacterFormatsFollowTheGroups) {
  QTextDocument doc;
  ReadRtf("{\\rtf1\\deff1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
          "{\\colortbl;\\red255\\green0\\blue0;}"
          "a{\\b b{\\i c}}\\ul d\\ul0 e\\fs20 f\\f0 g\\cf1 h\\cf0 i\\b\\plain j}",
          doc);
  struct Case { const char* text; bool bold, italic, underline; double points; const char* family; } cases[] = {
      {"a", false, false, false, 12, "Times New Roman"},
      {"b", true, false, false, 12, "Times New Roman"},
      {"c", true, true, false, 12, "Times New Roman"},
      {"d", false, false, true, 12, "Times New Roman"},
      {"e", false, false, false, 12, "Times New Roman"},
      {"f", false, false, false, 10, "Times New Roman"},
      {"g", false, false, false, 10, "Arial"},
      {"j", false, false, false, 12, "Times New Roman"},
  };
  for (const Case& c : cases) {
    const QTextCharFormat f = FormatOf(doc, c.text);
    EXPECT_EQ(f.fontWeight() == QFont::Bold, c.bold) << c.text;
    EXPECT_EQ(f.fontItalic(), c.italic) << c.text;
    EXPECT_EQ(f.fontUnderline(), c.underline) << c.text;
    EXPECT_DOUBLE_EQ(f.fontPointSize(), c.points) << c.text;
    EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{c.family}) << c.text;
  }
  EXPECT_EQ(FormatOf(doc, "h").foreground().color(), QColor(255, 0, 0));
  EXPECT_FALSE(FormatOf(doc, "i").hasProperty(QTextFormat::ForegroundBrush));
}

TEST(RtfReader, ParagraphFormatIsTheOneInForceAtItsEnd) {
  QTextDocument doc;
  ReadRtf("{\\rtf1\\qr\\li1440\\ri720\\fi-360 A\\par\\pard B\\qc\\par\\qj C}", doc);
  ASSERT_EQ(doc.blockCount(), 3);
  EXPECT_EQ(BlockOf(doc, 0).alignment(), Qt::AlignRight);
  EXPECT_DOUBLE_EQ(BlockOf(doc, 0).leftMargin(), 96);  // 1440 twips at 96 dpi
  EXPECT_DOUBLE_EQ(BlockOf(doc, 0).rightMargin(), 48);
  EXPECT_DOUBLE_EQ(BlockOf(doc, 0).textIndent(), -24);
  EXPECT_EQ(BlockOf(doc, 1).alignment(), Qt::AlignHCenter);
  EXPECT_DOUBLE_EQ(BlockOf(doc, 1).leftMargin(), 0);
  EXPECT_EQ(BlockOf(doc, 2).alignment(), Qt::AlignJustify);
}

// The bounds the reader holds numbers and font tables to: sizes to 1638 points, indents
// to 22 inches either way, the first 1024 fonts of the table, names of 256 characters,
// whichever way a name's characters are written.
constexpr int kHalfPointsCap = 3276;
constexpr int kIndentCapTwips = 31680;
constexpr int kFontsKept = 1024;
constexpr int kFontNameCap = 256;

TEST(RtfReader, NumbersAndFontTablesAreHeldToTheirBounds) {
  QByteArray manyFonts = "{\\fonttbl";
  for (int i = 0; i < kFontsKept + 100; ++i) manyFonts += QByteArray("{\\f%1 F%1;}").replace("%1", QByteArray::number(i));
  manyFonts += "}";
  const QByteArray kept = QByteArray::number(kFontsKept - 1), first = QByteArray::number(kFontsKept);
  const QString longName(kFontNameCap, QLatin1Char('N'));
  const int over = kFontNameCap + 44;
  struct Case {
    const char* name;
    QByteArray rtf;  // its text "x" is looked at
    double points;
    int left, right, indent;  // twips
    QString family;           // empty: none named
  } cases[] = {
      {"a size above the cap", "{\\rtf1\\fs3277 x}", kHalfPointsCap / 2.0, 0, 0, 0, {}},
      {"a size beyond any number", "{\\rtf1\\fs99999999999999 x}", kHalfPointsCap / 2.0, 0, 0, 0, {}},
      {"indents above the cap", "{\\rtf1\\li31681\\ri40000\\fi99999999999 x}", 12, kIndentCapTwips,
       kIndentCapTwips, kIndentCapTwips, {}},
      {"indents below the cap", "{\\rtf1\\li-31681\\ri-99999999999\\fi-40000 x}", 12, -kIndentCapTwips,
       -kIndentCapTwips, -kIndentCapTwips, {}},
      {"the last font kept", "{\\rtf1" + manyFonts + "\\f" + kept + " x}", 12, 0, 0, 0, "F" + QString::fromLatin1(kept)},
      {"the first font beyond them", "{\\rtf1" + manyFonts + "\\f" + first + " x}", 12, 0, 0, 0, {}},
      {"a long name", "{\\rtf1{\\fonttbl{\\f1 " + QByteArray(over, 'N') + ";}}\\f1 x}", 12, 0, 0, 0, longName},
      {"a long name in hex", "{\\rtf1{\\fonttbl{\\f1 " + QByteArray("\\'4e").repeated(over) + ";}}\\f1 x}", 12, 0, 0,
       0, longName},
      {"a long name by \\u", "{\\rtf1{\\fonttbl{\\f1 " + QByteArray("\\u78?").repeated(over) + ";}}\\f1 x}", 12, 0,
       0, 0, longName},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTextDocument doc;
    ReadRtf(c.rtf, doc);
    ASSERT_EQ(Paragraphs(doc), "x");
    const QTextCharFormat f = FormatOf(doc, "x");
    EXPECT_DOUBLE_EQ(f.fontPointSize(), c.points);
    EXPECT_EQ(f.fontFamilies().toStringList(), c.family.isEmpty() ? QStringList() : QStringList{c.family});
    EXPECT_DOUBLE_EQ(BlockOf(doc, 0).leftMargin(), TwipsToLayout(c.left));
    EXPECT_DOUBLE_EQ(BlockOf(doc, 0).rightMargin(), TwipsToLayout(c.right));
    EXPECT_DOUBLE_EQ(BlockOf(doc, 0).textIndent(), TwipsToLayout(c.indent));
  }
}

TEST(RtfReader, TabStops) {
  QTextDocument doc;
  ReadRtf("{\\rtf1\\deftab360 \\li720\\fi-720 \\bullet\\tab a\\par\\pard b}", doc);
  EXPECT_DOUBLE_EQ(doc.defaultTextOption().tabStopDistance(), 24);
  ASSERT_EQ(BlockOf(doc, 0).tabPositions().size(), 1);  // the hanging line's own stop
  EXPECT_DOUBLE_EQ(BlockOf(doc, 0).tabPositions()[0].position, 48);
  EXPECT_TRUE(BlockOf(doc, 1).tabPositions().isEmpty());
  ReadRtf("{\\rtf1 x}", doc);
  EXPECT_DOUBLE_EQ(doc.defaultTextOption().tabStopDistance(), 48);  // half an inch
}

TEST(RtfReader, AnnexHeadingTemplate) {
  QTextDocument doc;
  doc.setDefaultFont(QFont("Liberation Sans", 9));
  ReadRtf("{\\rtf1\\qc\\b\\fs28\\ul\\ ANEXA LA CONTRACT\\ulnone\\b0\\par\\ql\\fs20\\par}", doc);
  EXPECT_EQ(Paragraphs(doc), "ANEXA LA CONTRACT\n") << "the heading and one empty paragraph";
  EXPECT_EQ(BlockOf(doc, 0).alignment(), Qt::AlignHCenter);
  const QTextCharFormat heading = FormatOf(doc, "ANEXA");
  EXPECT_TRUE(heading.fontWeight() == QFont::Bold && heading.fontUnderline());
  EXPECT_DOUBLE_EQ(heading.fontPointSize(), 14);
  EXPECT_FALSE(heading.hasProperty(QTextFormat::FontFamilies));  // the box's own font
  EXPECT_EQ(BlockOf(doc, 1).alignment(), Qt::AlignLeft);
  EXPECT_DOUBLE_EQ(doc.findBlockByNumber(1).charFormat().fontPointSize(), 10);
}

TEST(RtfReader, InsertReplacesTheSelection) {
  QTextDocument doc;
  doc.setPlainText("Hello world");
  QTextCursor cursor = doc.find("world");
  const ReadResult r = InsertRtf("{\\rtf1 {\\b there}}", cursor);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(doc.toPlainText(), "Hello there");
  EXPECT_EQ(FormatOf(doc, "there").fontWeight(), QFont::Bold);
  EXPECT_EQ(cursor.position(), doc.toPlainText().size());
}

// RTF from the clipboard may come from any program: whatever it holds, the reader keeps
// to its limits and a refused input changes nothing.
TEST(RtfReader, ClipboardInputKeepsItsLimits) {
  QTextDocument doc;
  doc.setPlainText("Hello world");
  struct Case { const char* name; QByteArray rtf; bool read; QString text; } cases[] = {
      {"no RTF at all", "plain text", false, "Hello world"},
      {"too large", "{\\rtf1 " + QByteArray(kMaxRtfBytes, 'x') + "}", false, "Hello world"},
      {"deep nesting read flat", "{\\rtf1 " + QByteArray(100000, '{') + "a" + QByteArray(100000, '}') + "}", true,
       "Hello a"},
      {"a word longer than RTF allows is no word", "{\\rtf1 \\" + QByteArray(33, 'b') + " a\\par b}", true,
       "Hello a\nb"},
      {"huge numbers held", "{\\rtf1\\fs99999999999999 a\\u99999999999?b}", true, "Hello ab"},
      {"unbalanced and cut off", "{\\rtf1 {{\\b a}", true, "Hello a"},
      {"an empty document still takes the selection's place", "{\\rtf1}", true, "Hello "},
      {"control characters by \\u show nothing", "{\\rtf1 a\\u10?\\u13?\\u7?b}", true, "Hello ab"},
      {"a paragraph separator by \\u is a paragraph mark", "{\\rtf1 a\\u8233?b}", true, "Hello a\nb"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    doc.setPlainText("Hello world");
    QTextCursor cursor = doc.find("world");
    const ReadResult r = InsertRtf(c.rtf, cursor);
    EXPECT_EQ(r.rtf, c.read);
    EXPECT_EQ(Paragraphs(doc), c.text);
    if (!c.read) {
      EXPECT_EQ(cursor.selectedText(), "world") << "the selection stays";
    }
  }
  // A whole document refused, or no RTF at all, leaves the document empty.
  QTextDocument whole;
  whole.setPlainText("kept");
  const ReadResult r = ReadRtf("{\\rtf1 " + QByteArray(kMaxRtfBytes, 'x') + "}", whole);
  EXPECT_TRUE(r.tooLarge);
  EXPECT_TRUE(whole.isEmpty());
  whole.setPlainText("kept");
  EXPECT_FALSE(ReadRtf("plain text", whole).rtf);
  EXPECT_TRUE(whole.isEmpty());
}

// A HYPERLINK field's result links to its target, as word processors write it; the
// text around it and the paragraph mark after it link to nothing.
TEST(RtfReader, HyperlinkFieldsAreLinks) {
  struct Case { const char* name; QByteArray rtf; QString linked; QString target; } cases[] = {
      {"quoted, in a group of its own", "{\\rtf1 a {\\field{\\*\\fldinst {HYPERLINK \"http://exemplu.ro/\"}}{\\fldrslt legat}} b}",
       "legat", "http://exemplu.ro/"},
      {"a word processor's", "{\\rtf1 a {\\field{\\*\\fldinst HYPERLINK \"http://exemplu.ro/a?b=1\" }{\\fldrslt {\\ul\\cf1 legat}{}}} b}",
       "legat", "http://exemplu.ro/a?b=1"},
      {"unquoted, with a tooltip", "{\\rtf1 a {\\field{\\*\\fldinst HYPERLINK http://x.ro \\\\o \"sfat\"}{\\fldrslt legat}} b}",
       "legat", "http://x.ro"},
      {"a place in the document", "{\\rtf1 a {\\field{\\*\\fldinst HYPERLINK \\\\l \"cap2\"}{\\fldrslt legat}} b}", "legat",
       "#cap2"},
      {"escaped characters of the target", "{\\rtf1\\ansicpg1250 {\\field{\\*\\fldinst HYPERLINK \"http://x.ro/\\'e3\\u537?{}\"}{\\fldrslt legat}}}",
       "legat", QString::fromUtf8("http://x.ro/ăș")},
      {"across a paragraph mark", "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x.ro\"}{\\fldrslt unu\\par doi}} b}", "doi",
       "http://x.ro"},
      {"another field is no link", "{\\rtf1 a {\\field{\\*\\fldinst PAGE}{\\fldrslt 3}} b}", "3", ""},
      {"a field's instruction inside a skipped group", "{\\rtf1 {\\*\\foo {\\field{\\*\\fldinst HYPERLINK \"x\"}}}legat}",
       "legat", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTextDocument doc;
    ASSERT_TRUE(ReadRtf(c.rtf, doc).complete);
    const QTextCharFormat linked = FormatOf(doc, c.linked);
    EXPECT_EQ(linked.anchorHref(), c.target);
    EXPECT_EQ(linked.isAnchor(), !c.target.isEmpty());
    if (doc.toPlainText().endsWith(" b")) {
      EXPECT_TRUE(FormatOf(doc, " b").anchorHref().isEmpty()) << "the text after the field";
    }
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) EXPECT_FALSE(b.charFormat().isAnchor());
  }
}

// A page break starts the paragraph after it on a new page, whether it stands at the end
// of a paragraph, after its mark, or as the paragraph's own format.
TEST(RtfReader, PageBreaksBeforeAParagraph) {
  struct Case { const char* name; QByteArray rtf; QString text; QList<int> breaks; } cases[] = {
      {"after a paragraph mark", "{\\rtf1 A\\par\\page B\\par C}", "A\nB\nC", {1}},
      {"inside a paragraph, ending it", "{\\rtf1 A\\page B\\par C}", "A\nB\nC", {1}},
      {"as a paragraph format, until \\pard", "{\\rtf1 A\\par\\pagebb B\\par C\\par\\pard D}", "A\nB\nC\nD", {1, 2}},
      {"before the first paragraph", "{\\rtf1\\page A\\par B}", "A\nB", {0}},
      {"before an empty last paragraph", "{\\rtf1 A\\par\\page}", "A\n", {1}},
      {"as another program writes it, in a group", "{\\rtf1 {A}{\\par}{\\f0\\page B}}", "A\nB", {1}},
      {"a section break is no page break", "{\\rtf1 A\\sect B}", "A\nB", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTextDocument doc;
    ASSERT_TRUE(ReadRtf(c.rtf, doc).complete);
    EXPECT_EQ(Paragraphs(doc), c.text);
    QList<int> breaks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
      if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) breaks << b.blockNumber();
    EXPECT_EQ(breaks, c.breaks);
  }
}

// Inserted text leaves the format of the paragraph it ends in alone; a whole document's
// last paragraph takes the format in force at its end.
TEST(RtfReader, TheLastParagraphsFormatBelongsToItsMark) {
  QTextDocument doc;
  ReadRtf("{\\rtf1\\qc Heading\\par\\pard\\qr}", doc);
  EXPECT_EQ(BlockOf(doc, 1).alignment(), Qt::AlignRight) << "an empty last paragraph too";

  QTextCursor cursor(&doc);
  cursor.setPosition(3);
  InsertRtf("{\\rtf1\\qr\\b x}", cursor);
  EXPECT_EQ(Paragraphs(doc), "Heaxding\n");
  EXPECT_EQ(BlockOf(doc, 0).alignment(), Qt::AlignHCenter);
  InsertRtf("{\\rtf1\\qj y\\par}", cursor);
  EXPECT_EQ(BlockOf(doc, 0).alignment(), Qt::AlignJustify) << "its own mark carries its format";
}
