// Feeds arbitrary bytes to the RTF reader and lays out what it read: neither may crash,
// hang or read out of bounds, whatever the input. What was read is written back and
// read again, which must give the same document (the writer is the reader's inverse).

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"
#include "support/RichTextDump.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  QTextDocument document;
  platform::rtf::ReadRtf(input, document);
  document.setTextWidth(400);
  (void)document.size();  // lays the whole document out

  // Read, write, read again: the same document.
  const QByteArray written = platform::rtf::WriteRtf(document);
  QTextDocument again;
  const platform::rtf::ReadResult reread = platform::rtf::ReadRtf(written, again);
  const QString first = testsupport::DescribeRichText(document), second = testsupport::DescribeRichText(again);
  if (!reread.complete || first != second) {
    std::fprintf(stderr, "round trip differs\nwritten: %s\nfirst:\n%s\nsecond:\n%s\n", written.constData(),
                 qPrintable(first), qPrintable(second));
    std::abort();
  }

  // Read again into the middle of a document, over a selection.
  QTextCursor cursor(&document);
  cursor.setPosition(document.characterCount() / 2);
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  platform::rtf::InsertRtf(input, cursor);
  return 0;
}
