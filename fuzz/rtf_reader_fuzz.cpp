// Feeds arbitrary bytes to the RTF reader and lays out what it read: neither may crash,
// hang or read out of bounds, whatever the input.

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

#include "platform/rtf/RtfReader.h"

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

  // Read again into the middle of a document, over a selection.
  QTextCursor cursor(&document);
  cursor.setPosition(document.characterCount() / 2);
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  platform::rtf::InsertRtf(input, cursor);
  return 0;
}
