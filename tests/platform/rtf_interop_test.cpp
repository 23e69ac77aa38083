// Rich text exchanged with other programs: what a word processor writes is read with all
// its text, and what the writer writes shows in another program in the faces and sizes
// it had here. Where Debian's word processor is installed, its command line reads the
// written file back; without it that part skips.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"
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

// Runs the word processor's command line converting `rtf` to `format`; the output, or
// nothing when the conversion failed.
QString Convert(const QString& program, const QString& rtf, const QString& format) {
  const QString out = rtf + QStringLiteral(".") + format;
  QProcess convert;
  convert.start(program, {QStringLiteral("--to=") + format, rtf, QStringLiteral("-o"), out});
  if (!convert.waitForFinished(120000) || convert.exitStatus() != QProcess::NormalExit) return {};
  QFile file(out);
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
  const QString program = QStandardPaths::findExecutable(QStringLiteral("abiword"));
  if (program.isEmpty()) GTEST_SKIP() << "abiword is not installed";
  QTextDocument doc;
  ReadFixture(doc);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString rtf = dir.filePath(QStringLiteral("scris.rtf"));
  QFile file(rtf);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(WriteRtf(doc));
  file.close();

  EXPECT_EQ(Convert(program, rtf, QStringLiteral("txt")).simplified(), doc.toPlainText());

  // Each run of text with the face and size it shows in there.
  const QString html = Convert(program, rtf, QStringLiteral("html"));
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

// Text whose layout would hang its window is refused before any of it is inserted; what
// the writer writes of a text at the limits is read back whole.
TEST(RtfInterop, LayoutLimitsAreKeptBothWays) {
  const auto alternating = [](int runs) {
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < runs; ++i) rtf += i % 2 ? "\\b x" : "\\b0 x";
    return rtf + "}";
  };
  const auto paragraphs = [](qsizetype count) {
    return "{\\rtf1\\qr\\li31680\\ri31680\\fi-31680\\f1\\fs3276\\i\\ul " + QByteArray("x\\par ").repeated(count) + "}";
  };
  // Each paragraph holds "x" and its mark: two characters.
  struct Case { const char* name; QByteArray rtf; bool read; } cases[] = {
      {"runs at the limit", alternating(kMaxRunsInParagraph), true},
      {"one run more", alternating(kMaxRunsInParagraph + 1), false},
      {"text at the limit", paragraphs(kMaxTextLength / 2), true},
      {"one paragraph more", paragraphs(kMaxTextLength / 2 + 1), false},
      {"one long paragraph", "{\\rtf1 " + QByteArray(kMaxTextLength + 1, 'x') + "}", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTextDocument doc;
    doc.setPlainText("kept");
    QTextCursor cursor(&doc);
    cursor.select(QTextCursor::Document);
    const ReadResult r = InsertRtf(c.rtf, cursor);
    EXPECT_EQ(r.rtf, c.read);
    EXPECT_EQ(r.tooLarge, !c.read);
    if (!c.read) {
      EXPECT_EQ(doc.toPlainText(), "kept") << "nothing inserted";
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
