// Rich text exchanged with other programs: what a word processor writes is read with all
// its text, and what the writer writes shows in another program in the faces and sizes
// it had here, with its links and page breaks. Where the word processors are installed
// (scripts/install-deps.sh installs them), their command lines convert the written file;
// without one, its part skips.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfUnits.h"
#include "platform/rtf/RtfWriter.h"
#include "support/PdfText.h"
#include "support/RichTextDump.h"

using namespace platform::rtf;

namespace {

// A paragraph as word processors write it: a hyperlink field whose shown result is
// marked \* and a change of face and size in the middle of the paragraph, back to the
// document's own face after it.
constexpr char kHyperlinkAndFontChange[] =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Liberation Sans;}"
    "{\\f1\\froman\\fcharset238 Liberation Serif;}}\n"
    "\\pard\\plain\\f0\\fs20 Vezi {\\field{\\*\\fldinst {HYPERLINK \"http://exemplu.ro/\"}}"
    "{\\*\\fldrslt{\\ul\\f0\\fs20 leg\\'e3tur\\'e3}}} si \\f1\\fs28 schimbat\\f0\\fs20  iar baz\\'e3\\par}";

// The document of the fixture, in a box whose own font is the fixture's \f0.
void ReadFixture(QTextDocument& doc) {
  doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
  ASSERT_TRUE(ReadRtf(kHyperlinkAndFontChange, doc).complete);
}

QTextCharFormat FormatOf(QTextDocument& doc, const QString& text) {
  const QTextCursor found = doc.find(text);
  EXPECT_FALSE(found.isNull()) << text.toStdString();
  QTextCursor at(&doc);
  at.setPosition(found.selectionStart() + 1);
  return at.charFormat();
}

// The word processors whose command lines convert a file, each in a folder of its own.
enum class Converter { AbiWord, LibreOffice };

QString ProgramOf(Converter converter) {
  return QStandardPaths::findExecutable(converter == Converter::AbiWord ? QStringLiteral("abiword")
                                                                         : QStringLiteral("soffice"));
}

// Runs the converter's command line turning `rtf` into a file of `format` (its file
// extension); the file's path, or nothing when the conversion failed.
QString ConvertFile(Converter converter, const QString& rtf, const QString& format) {
  const QFileInfo in(rtf);
  const QString dir = in.absolutePath() + QStringLiteral("/") + format;
  QDir().mkpath(dir);
  const QString out = dir + QStringLiteral("/") + in.completeBaseName() + QStringLiteral(".") + format;
  QProcess convert;
  if (converter == Converter::AbiWord) {
    convert.start(ProgramOf(converter), {QStringLiteral("--to=") + format, rtf, QStringLiteral("-o"), out});
  } else {
    // A profile of its own, so that runs side by side do not wait on each other.
    convert.start(ProgramOf(converter),
                  {QStringLiteral("-env:UserInstallation=file://") + in.absolutePath() + QStringLiteral("/profile"),
                   QStringLiteral("--headless"), QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"),
                   dir, rtf});
  }
  if (!convert.waitForFinished(240000) || convert.exitStatus() != QProcess::NormalExit) return {};
  return QFile::exists(out) ? out : QString();
}

// The document written as RTF to a file of the folder; its path, or nothing when it could
// not be written.
QString WrittenFile(const QTemporaryDir& dir, const QString& name, const QTextDocument& doc) {
  QFile file(dir.filePath(name));
  if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(WriteRtf(doc)) < 0) return {};
  return file.fileName();
}

QString Convert(const QString& rtf, const QString& format) {
  QFile file(ConvertFile(Converter::AbiWord, rtf, format));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

TEST(RtfInterop, WordProcessorTextIsReadWhole) {
  QTextDocument doc;
  ReadFixture(doc);
  EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("Vezi legătură si schimbat iar bază"));
  EXPECT_TRUE(FormatOf(doc, QString::fromUtf8("legătură")).fontUnderline());
  const QTextCharFormat changed = FormatOf(doc, "schimbat");
  EXPECT_EQ(changed.fontFamilies().toStringList(), QStringList{"Liberation Serif"});
  EXPECT_DOUBLE_EQ(changed.fontPointSize(), 14);
  const QTextCharFormat base = FormatOf(doc, "iar");
  EXPECT_FALSE(base.hasProperty(QTextFormat::FontFamilies)) << "the box's own face";
  EXPECT_DOUBLE_EQ(base.fontPointSize(), 10);
}

// The written file names the document's own face as font 0 and selects every face by
// number, with no \plain that would send the rest of a paragraph to the reader's own
// default face and size.
TEST(RtfInterop, WrittenFacesAreNamedAndSelectedByNumber) {
  QTextDocument doc;
  ReadFixture(doc);
  const QByteArray written = WriteRtf(doc);
  EXPECT_TRUE(written.startsWith("{\\rtf1\\ansi\\ansicpg1250\\deff0")) << written.toStdString();
  EXPECT_TRUE(written.contains("{\\f0\\fcharset238 Liberation Sans;}")) << written.toStdString();
  EXPECT_TRUE(written.contains("{\\f1\\fcharset238 Liberation Serif;}")) << written.toStdString();
  EXPECT_FALSE(written.contains("\\plain")) << written.toStdString();
  EXPECT_TRUE(written.contains("\\f1\\fs28 schimbat\\f0\\fs20  iar")) << written.toStdString();

  QTextDocument back;
  back.setDefaultFont(doc.defaultFont());
  ASSERT_TRUE(ReadRtf(written, back).complete);
  EXPECT_EQ(testsupport::DescribeRichText(back), testsupport::DescribeRichText(doc));
}

TEST(RtfInterop, AnotherProgramReadsTheWrittenFileAsItWasHere) {
  if (ProgramOf(Converter::AbiWord).isEmpty()) GTEST_SKIP() << "abiword is not installed";
  QTextDocument doc;
  ReadFixture(doc);
  QTemporaryDir dir;
  const QString rtf = WrittenFile(dir, QStringLiteral("scris.rtf"), doc);
  ASSERT_FALSE(rtf.isEmpty());

  EXPECT_EQ(Convert(rtf, QStringLiteral("txt")).simplified(), doc.toPlainText());

  // Each run of text with the face and size it shows in there.
  const QString html = Convert(rtf, QStringLiteral("html"));
  ASSERT_FALSE(html.isEmpty());
  QStringList runs;
  static const QRegularExpression span(QStringLiteral("<span style=\"([^\"]*)\">([^<]*)</span>"));
  static const QRegularExpression face(QStringLiteral("font-size:([0-9.]+)pt;font-family:'([^']*)'"));
  for (const auto& m : span.globalMatch(html)) {
    const auto f = face.match(m.captured(1));
    runs << QStringLiteral("%1 %2pt: %3").arg(f.captured(2), f.captured(1), m.captured(2).trimmed());
  }
  EXPECT_EQ(runs, QStringList({"Liberation Sans 10pt: Vezi", QString::fromUtf8("Liberation Sans 10pt: legătură"),
                               "Liberation Sans 10pt: si", "Liberation Serif 14pt: schimbat",
                               QString::fromUtf8("Liberation Sans 10pt: iar bază")}))
      << html.toStdString();
}

// A text as the annex editor writes it: the box's own font (here Qt's alias of a face, as
// a desktop's interface font may be, not the face it shows), faces picked from the font
// box, sizes, bold, italic, underline, a link, and a page break before the second
// paragraph.
void AnnexText(QTextDocument& doc) {
  QFont alias(QStringLiteral("Sans Serif"));
  alias.setPointSizeF(QGuiApplication::font().pointSizeF());
  doc.setDefaultFont(alias);
  QTextCursor c(&doc);
  const auto run = [&c](const QString& text, const QString& family, double points, int style = 0,
                        const QString& link = {}) {
    QTextCharFormat f;
    if (!family.isEmpty()) f.setFontFamilies({family});
    f.setFontPointSize(points);
    f.setFontWeight(style & 1 ? QFont::Bold : QFont::Normal);
    f.setFontItalic(style & 2);
    f.setFontUnderline(style & 4);
    if (!link.isEmpty()) {
      f.setAnchor(true);
      f.setAnchorHref(link);
    }
    c.insertText(text, f);
  };
  run("Baza ", {}, 10);
  run("Serif ", "Liberation Serif", 14, 1);
  run("Roman ", "Nimbus Roman", 12, 2);
  run("Sublinia ", "Liberation Sans", 11, 4);
  run("aici", "Liberation Sans", 11, 0, "http://exemplu.ro/pagina");
  run(" final", "Liberation Sans", 11);
  QTextBlockFormat page;
  page.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  c.insertBlock(page);
  run("Pagina doi", "DejaVu Sans Mono", 16, 3);
}

// Each word with the face it shows in, its size, bold, italic, underline and link, and
// each paragraph with its page break.
QStringList ShownWords(const QTextDocument& doc) {
  QStringList words;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) words << "(page)";
    const QString text = b.text();
    for (qsizetype i = 0; i < text.size();) {
      if (text[i].isSpace()) {
        ++i;
        continue;
      }
      qsizetype end = i;
      while (end < text.size() && !text[end].isSpace()) ++end;
      QTextCursor at(b);
      at.setPosition(b.position() + i + 1);
      const QTextCharFormat f = at.charFormat();
      const QFont shown = f.font().resolve(doc.defaultFont());
      words << QStringLiteral("%1: %2 %3pt%4%5%6%7")
                   .arg(text.mid(i, end - i), ActualFamily(shown))
                   .arg(shown.pointSizeF())
                   .arg(shown.bold() ? " b" : "", shown.italic() ? " i" : "", shown.underline() ? " u" : "",
                        f.anchorHref().isEmpty() ? QString() : " <" + f.anchorHref() + ">");
      i = end;
    }
  }
  return words;
}

// The faces a PDF's text is set in, by their PostScript names without the subset's tag.
QStringList PdfFonts(const QString& pdf) {
  QProcess fonts;
  fonts.start(QStringLiteral("pdffonts"), {pdf});
  fonts.waitForFinished(60000);
  QStringList names;
  const QStringList lines = QString::fromUtf8(fonts.readAllStandardOutput()).split('\n');
  for (const QString& line : lines.mid(2))
    if (const QString name = line.section(' ', 0, 0).section('+', -1); !name.isEmpty()) names << name;
  names.removeDuplicates();
  names.sort();
  return names;
}

// The annex written here, converted by the word processor to RTF, reads back with every
// word in its face, size, bold, italic, underline and link, and the page break; printed
// there to PDF, it is set in those faces, the box's own font by the face it shows here
// (not a stand-in for a name it does not know), the second paragraph on page 2.
void CheckConverted(Converter converter) {
  QTextDocument doc;
  AnnexText(doc);
  const QStringList words = ShownWords(doc);
  ASSERT_EQ(words.first(), "Baza: DejaVu Sans 10pt") << "the box's own font shows in DejaVu Sans here";
  QTemporaryDir dir;
  const QString rtf = WrittenFile(dir, QStringLiteral("anexa.rtf"), doc);
  ASSERT_FALSE(rtf.isEmpty());

  const QString converted = ConvertFile(converter, rtf, QStringLiteral("rtf"));
  ASSERT_FALSE(converted.isEmpty()) << "the conversion to RTF failed";
  QFile convertedFile(converted);
  ASSERT_TRUE(convertedFile.open(QIODevice::ReadOnly));
  QTextDocument back;
  back.setDefaultFont(doc.defaultFont());
  ASSERT_TRUE(ReadRtf(convertedFile.readAll(), back).rtf);
  EXPECT_EQ(ShownWords(back), words);

  const QString pdf = ConvertFile(converter, rtf, QStringLiteral("pdf"));
  ASSERT_FALSE(pdf.isEmpty()) << "the conversion to PDF failed";
  // A face's PostScript name starts with its family's name without spaces.
  const QStringList families = {"DejaVuSans", "DejaVuSansMono", "LiberationSans", "LiberationSerif", "NimbusRoman"};
  QStringList shown;
  for (const QString& font : PdfFonts(pdf)) {
    QString family = font;
    for (const QString& f : families)
      if (font.startsWith(f) && (family == font || f.size() > family.size())) family = f;
    shown << family;
  }
  shown.removeDuplicates();
  shown.sort();
  EXPECT_EQ(shown, families) << PdfFonts(pdf).join(", ").toStdString();
  const auto pages = testsupport::ReadPdfPages(pdf);
  ASSERT_EQ(pages.size(), 2);
  EXPECT_TRUE(pages[0].Find("Baza") && !pages[0].Find("Pagina"));
  EXPECT_TRUE(pages[1].Find("Pagina"));
}

TEST(RtfInterop, LibreOfficeShowsTheWrittenAnnexAsItWasHere) {
  if (ProgramOf(Converter::LibreOffice).isEmpty()) GTEST_SKIP() << "soffice is not installed";
  CheckConverted(Converter::LibreOffice);
}

TEST(RtfInterop, AbiWordShowsTheWrittenAnnexAsItWasHere) {
  if (ProgramOf(Converter::AbiWord).isEmpty()) GTEST_SKIP() << "abiword is not installed";
  CheckConverted(Converter::AbiWord);
}

// Text whose layout would hold up its window is refused before any of it is inserted,
// measured as the document it makes with the text kept around the selection; what the
// writer writes of a text at the limits is read back whole.
TEST(RtfInterop, LayoutLimitsAreKeptBothWays) {
  const auto rtf = [](const QByteArray& body) { return "{\\rtf1 " + body + "}"; };
  const auto alternating = [](int runs) {
    QByteArray text;
    for (int i = 0; i < runs; ++i) text += i % 2 ? "\\b x" : "\\b0 x";
    return text;
  };
  const auto paragraphs = [](qsizetype count, const QByteArray& text = "x") { return (text + "\\par ").repeated(count); };
  // Letters of 3 points, in words of 99 and a space: the most characters within the height.
  const auto letters = [](qsizetype count) {
    QByteArray text = "\\fs6 " + (QByteArray(99, 'x') + ' ').repeated(count / 100);
    return text + QByteArray(count % 100, 'y');
  };
  // One paragraph of "x" at 1638 points is two characters of that size.
  const qsizetype tall = static_cast<qsizetype>(kMaxTextHeightPoints / (2 * 1638));
  const QByteArray colours = "{\\colortbl" + QByteArray("\\red9\\green9\\blue9;").repeated(kMaxColours) + "}";

  // `before`: the document's text, the selection between the two "|" in it (none: the
  // cursor at its end). Its runs alternate bold and regular, "*" changing the format.
  // Letters of 3 points as many as the height holds at `points`, a size the clerk may
  // give them afterwards, with the document's last paragraph mark.
  const auto pickable = [](double points) { return static_cast<qsizetype>(kMaxTextHeightPoints / points) - 1; };
  // Paragraphs of `text`, each in a size of its own, none of them the document's.
  const auto sizes = [](int count, const QByteArray& text = "x") {
    QByteArray body;
    for (int i = 0; i < count; ++i) body += "\\fs" + QByteArray::number(2 * i + 33) + " " + text + "\\par ";
    return "{\\rtf1 " + body + "}";
  };
  // A word of `length` letters whose writing system changes `changes` times, Latin and
  // Greek in turn, from Greek with `greekFirst`.
  const auto mixed = [](int changes, bool greekFirst = false, int length = kMaxWordLength) {
    QByteArray word;
    for (int i = 0; i < length; ++i) word += (qMin(i, changes) % 2 != 0) != greekFirst ? "\\u946?" : "y";
    return word;
  };
  const QByteArray longWord(kMaxWordLength + 1, 'x');
  // `picked`: the largest size the box lets the clerk give its text. `unshown`: refused
  // for letters no installed font draws.
  struct Case {
    const char* name; QString before; QByteArray rtf; bool read; double picked = 0; bool unshown = false;
  } cases[] = {
      {"runs at the limit", "", rtf(alternating(kMaxRunsInParagraph)), true},
      {"one run more", "", rtf(alternating(kMaxRunsInParagraph + 1)), false},
      {"the paragraph's runs around the cursor count", "a*b||*c", rtf(alternating(kMaxRunsInParagraph - 3)), true},
      {"one run more with them", "a*b||*c", rtf(alternating(kMaxRunsInParagraph - 2)), false},
      {"runs of the document at the limit", "",
       rtf(paragraphs(kMaxRuns / kMaxRunsInParagraph, alternating(kMaxRunsInParagraph))), true},
      {"one run more in the document", "a",
       rtf(paragraphs(kMaxRuns / kMaxRunsInParagraph, alternating(kMaxRunsInParagraph))), false},
      {"paragraphs at the limit", "", rtf(paragraphs(kMaxParagraphs - 1)), true},
      {"one paragraph more", "", rtf(paragraphs(kMaxParagraphs)), false},
      {"one paragraph more with the document's own", "a\nb", rtf(paragraphs(kMaxParagraphs - 1)), false},
      {"the selection's paragraph marks go with it", "a|\nb\n|c", rtf(paragraphs(kMaxParagraphs - 1, "")), true},
      // The document's last paragraph mark is a character of its own.
      {"characters at the limit", "", rtf(letters(kMaxTextLength - 1)), true},
      {"one character more", "", rtf(letters(kMaxTextLength)), false},
      {"a word at the limit", "", rtf(QByteArray(kMaxWordLength, 'x')), true},
      {"a word one letter longer", "", rtf(QByteArray(kMaxWordLength + 1, 'x')), false},
      {"the word the cursor stands in goes on", "ab||c", rtf(QByteArray(kMaxWordLength - 3, 'x')), true},
      {"and makes it one letter longer", "ab||c", rtf(QByteArray(kMaxWordLength - 2, 'x')), false},
      {"a word one letter longer, then more text", "", rtf(longWord + " y"), false},
      {"a word one letter longer, then a paragraph", "", rtf(longWord + "\\par y"), false},
      {"a word of letters beyond the first plane one letter longer", "",
       rtf(QByteArray("\\u-10232?\\u-9216?").repeated(kMaxWordLength + 1)), false},
      {"script changes in a word at the limit", "", rtf(mixed(kMaxScriptChangesInWord)), true},
      {"one change more", "", rtf(mixed(kMaxScriptChangesInWord + 1)), false},
      {"digits and marks change no script", "", rtf("x\\u946?" + QByteArray("1-\\u769?\\u946?").repeated(100)), true},
      {"the word the cursor stands in brings its changes", QString::fromUtf8("x\u03b1||"),
       rtf(mixed(kMaxScriptChangesInWord - 1, true, 100)), true},
      {"and one more where they meet", QString::fromUtf8("x\u03b1||"), rtf(mixed(kMaxScriptChangesInWord - 1, false, 100)), false},
      {"the word after the cursor too", QString::fromUtf8("||x\u03b1"), rtf(mixed(kMaxScriptChangesInWord - 1, false, 100)), false},
      {"fonts at the limit", "", sizes(kMaxFonts), true},
      {"one font more", "", sizes(kMaxFonts + 1), false},
      {"a writing system counts once more in each font", "", sizes(kMaxFonts / 2, "x\\u946?"), true},
      {"one font more so", "", sizes(kMaxFonts / 2 + 1, "x\\u946?"), false},
      {"the document's own fonts count", "a*b", sizes(kMaxFonts - 1), false},
      {"but not those of the selection", "|a*b|", sizes(kMaxFonts), true},
      {"a letter no installed font draws", "", rtf("a \\u2325?"), false, 0, true},
      {"nor in a word of its own", "", rtf("x\\par \\u3482?\\u3483?"), false, 0, true},
      {"a word ends at a space, a tab or a line break", "",
       rtf(QByteArray(kMaxWordLength, 'x') + " " + QByteArray(kMaxWordLength, 'x') + "\\tab " +
           QByteArray(kMaxWordLength, 'x') + "\\line " + QByteArray(kMaxWordLength, 'x')),
       true},
      {"height at the limit", "", rtf("\\fs3276 " + paragraphs(tall)), true},
      {"one tall paragraph more", "", rtf("\\fs3276 " + paragraphs(tall + 1)), false},
      {"with the document's own height", QString(100, 'a'), rtf("\\fs3276 " + paragraphs(tall)), false},
      {"letters at the height a size picked later gives", "", rtf(letters(pickable(30))), true, 30},
      {"one letter more", "", rtf(letters(pickable(30) + 1)), false, 30},
      {"a larger size of their own counts as it is", "", rtf("\\fs3276 " + paragraphs(tall)), true, 30},
      {"the document's own letters count so too", "a", rtf(letters(pickable(30))), false, 30},
      {"colours at the limit", "", rtf(colours + "\\cf1 x"), true},
      {"one colour more", "", rtf("{\\colortbl;" + colours.mid(10)), false},
  };
  ASSERT_FALSE(QFontDatabase::writingSystems().contains(QFontDatabase::Devanagari) ||
               QFontDatabase::writingSystems().contains(QFontDatabase::Sinhala))
      << "no installed font draws Devanagari or Sinhala here";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat regular, bold;
    bold.setFontWeight(QFont::Bold);
    bool isBold = false;
    int selectionStart = -1, selectionEnd = -1;
    for (QChar ch : c.before) {
      if (ch == '*') isBold = !isBold;
      else if (ch == '|') (selectionStart < 0 ? selectionStart : selectionEnd) = cursor.position();
      else if (ch == '\n') cursor.insertBlock();
      else cursor.insertText(ch, isBold ? bold : regular);
    }
    if (selectionStart >= 0) {
      cursor.setPosition(selectionStart);
      cursor.setPosition(selectionEnd, QTextCursor::KeepAnchor);
    }
    const QString kept = doc.toPlainText();
    if (c.before.isEmpty()) {
      QTextDocument loaded;
      EXPECT_EQ(ReadRtf(c.rtf, loaded, c.picked).rtf, c.read) << "the same limits for a whole document";
    }
    const ReadResult r = InsertRtf(c.rtf, cursor, c.picked);
    EXPECT_EQ(r.rtf, c.read);
    EXPECT_EQ(r.tooLarge, !c.read);
    EXPECT_EQ(r.unshown, c.unshown);
    if (!c.read) {
      EXPECT_EQ(doc.toPlainText(), kept) << "nothing inserted";
      EXPECT_EQ(cursor.selectionEnd() - cursor.selectionStart(), selectionEnd - selectionStart) << "the selection stays";
      continue;
    }
    QTextDocument whole;
    ASSERT_TRUE(ReadRtf(c.rtf, whole).complete);
    const QByteArray written = WriteRtf(whole);
    EXPECT_LT(written.size(), kMaxRtfBytes);
    QTextDocument back;
    const ReadResult again = ReadRtf(written, back);
    EXPECT_TRUE(again.rtf && again.complete);
    EXPECT_EQ(back.blockCount(), whole.blockCount());
    EXPECT_EQ(back.characterCount(), whole.characterCount());
  }
}

// Each paragraph with its alignment, its indents in whole points and its page break.
QStringList ParagraphLayouts(const QTextDocument& doc) {
  QStringList paragraphs;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const QTextBlockFormat f = b.blockFormat();
    const auto points = [](double layout) { return std::lround(LayoutToTwips(layout) / 20.0); };
    const char* align = f.alignment() & Qt::AlignHCenter ? "centre" : f.alignment() & Qt::AlignRight ? "right" : "left";
    paragraphs << QStringLiteral("%1%2: %3 li%4 ri%5 fi%6")
                      .arg(f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore ? "(page) " : "",
                           b.text().simplified(), QLatin1String(align))
                      .arg(points(f.leftMargin()))
                      .arg(points(f.rightMargin()))
                      .arg(points(f.textIndent()));
  }
  return paragraphs;
}

// A page break after a centred heading and after an indented list: in another program
// the paragraph after each break keeps its own alignment and indents, not those of the
// paragraph before the break.
TEST(RtfInterop, ParagraphsAfterPageBreaksKeepTheirFormatElsewhere) {
  QTextDocument doc;
  ReadRtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Sans;}}\\fs20"
          "\\pard\\qc\\b ANEXA LA CONTRACT\\b0\\par\\pard\\page Prima pagina\\par"
          "\\pard\\li720\\fi-360 \\bullet\\tab unu\\par\\bullet\\tab doi\\par"
          "\\pard\\page Pagina a doua\\par\\pard\\qr\\ri360 Semnatura}",
          doc);
  const QStringList written = ParagraphLayouts(doc);
  ASSERT_EQ(written, QStringList({"ANEXA LA CONTRACT: centre li0 ri0 fi0", "(page) Prima pagina: left li0 ri0 fi0",
                                  QString::fromUtf8("• unu: left li36 ri0 fi-18"),
                                  QString::fromUtf8("• doi: left li36 ri0 fi-18"),
                                  "(page) Pagina a doua: left li0 ri0 fi0", "Semnatura: right li0 ri18 fi0"}));
  QTemporaryDir dir;
  const QString rtf = WrittenFile(dir, QStringLiteral("pagini.rtf"), doc);
  ASSERT_FALSE(rtf.isEmpty());
  for (const Converter converter : {Converter::LibreOffice, Converter::AbiWord}) {
    SCOPED_TRACE(converter == Converter::LibreOffice ? "LibreOffice" : "AbiWord");
    QFile converted(ConvertFile(converter, rtf, QStringLiteral("rtf")));
    ASSERT_TRUE(converted.open(QIODevice::ReadOnly)) << "the conversion to RTF failed";
    QTextDocument back;
    ASSERT_TRUE(ReadRtf(converted.readAll(), back).rtf);
    EXPECT_EQ(ParagraphLayouts(back).join('\n').toStdString(), written.join('\n').toStdString());
  }
}
