#include "platform/RichTextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>
#include <memory>

#include "platform/CommonDialog.h"
#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfUnits.h"
#include "platform/rtf/RtfWriter.h"

namespace platform {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(true);
  connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextBox::SelChange);
  connect(this, &QTextEdit::selectionChanged, this, &RichTextBox::SelChange);
}

QByteArray RichTextBox::TextRTF() const { return rtf::WriteRtf(*document()); }

namespace {

// The names that programs give rich text, the box's own first.
QStringList RtfTypes() { return {kRtfMimeType, QStringLiteral("application/rtf"), QStringLiteral("text/richtext")}; }

// The rich text that clipboard data holds, under any of those names; nothing when it
// holds none, or none but empty data under them (as a program that fails to hand its
// text on gives).
std::optional<QByteArray> RtfOf(const QMimeData* data) {
  if (data)
    for (const QString& type : RtfTypes())
      if (data->hasFormat(type))
        if (QByteArray rtf = data->data(type); !rtf.isEmpty()) return rtf;
  return std::nullopt;
}

// Whether it holds rich text, asked without bringing the text: from another program
// that takes as long as reading it.
bool HasRtf(const QMimeData* data) {
  const QStringList types = RtfTypes();
  return data && std::any_of(types.begin(), types.end(), [data](const QString& type) { return data->hasFormat(type); });
}

}  // namespace

void RichTextBox::SetTextRTF(QByteArrayView rtf) {
  rtf::ReadRtf(rtf, *document(), pickedPoints_);  // empties the box for text it does not read
  moveCursor(QTextCursor::Start);
  emit SelChange();  // the text under the cursor is new
}

QByteArray RichTextBox::SelRTF() const { return rtf::WriteRtf(textCursor()); }

void RichTextBox::SetSelRTF(QByteArrayView rtf) {
  QTextCursor cursor = textCursor();
  if (rtf::InsertRtf(rtf, cursor, pickedPoints_).rtf) setTextCursor(cursor);
}

bool RichTextBox::Insert(const QByteArray& rtf, QTextCursor& cursor) {
  const rtf::ReadResult read = rtf::InsertRtf(rtf, cursor, pickedPoints_);
  if (read.unshown) MsgBox(kRtfUnshownScriptMessage, vbExclamation);
  else if (read.tooLarge) MsgBox(kRtfTooLargeMessage, vbExclamation);
  else if (!read.rtf) MsgBox(kRtfMalformedMessage, vbExclamation);
  return read.rtf;
}

void RichTextBox::Paste(const QMimeData* data) {
  QTextCursor cursor = textCursor();
  const std::optional<QByteArray> rtf = RtfOf(data);
  if (!rtf) {  // nothing to paste: the selection goes, as an empty text in its place would
    cursor.removeSelectedText();
    setTextCursor(cursor);
    return;
  }
  if (!Insert(*rtf, cursor)) return;
  setTextCursor(cursor);
  ensureCursorVisible();
}

int RichTextBox::SelLength() const {
  const QTextCursor c = textCursor();
  return c.selectionEnd() - c.selectionStart();
}

SelectionFormat RichTextBox::SelFormat() const {
  const QTextCursor cursor = textCursor();
  const QFont base = document()->defaultFont();
  QList<QFont> fonts;  // the effective font of every run the selection touches
  if (!cursor.hasSelection()) {
    fonts.append(currentCharFormat().font().resolve(base));
  } else {
    const int start = cursor.selectionStart(), end = cursor.selectionEnd();
    for (QTextBlock b = document()->findBlock(start); b.isValid() && b.position() < end; b = b.next()) {
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.position() + f.length() > start && f.position() < end) fonts.append(f.charFormat().font().resolve(base));
      }
    }
    if (fonts.isEmpty()) fonts.append(currentCharFormat().font().resolve(base));  // only paragraph marks
  }
  SelectionFormat s;
  const auto family = [](const QFont& f) { return f.families().value(0, f.family()); };
  s.fontName = family(fonts.first());
  s.fontSize = fonts.first().pointSizeF();
  s.bold = s.italic = s.underline = true;
  for (const QFont& f : fonts) {
    if (s.fontName && family(f) != *s.fontName) s.fontName.reset();
    if (s.fontSize && f.pointSizeF() != *s.fontSize) s.fontSize.reset();
    s.bold = s.bold && f.weight() > QFont::Medium;
    s.italic = s.italic && f.italic();
    s.underline = s.underline && f.underline();
  }
  // Left, centre, right or justified, whichever way the paragraph says it.
  const auto alignment = [](const QTextBlock& b) { return rtf::ToQt(rtf::FromQt(b.blockFormat().alignment())); };
  const QTextBlock first = document()->findBlock(cursor.selectionStart());
  const QTextBlock last = document()->findBlock(cursor.selectionEnd());
  s.alignment = alignment(first);
  for (QTextBlock b = first; b.isValid(); b = b.next()) {
    if (alignment(b) != *s.alignment) {
      s.alignment.reset();
      break;
    }
    if (b == last) break;
  }
  return s;
}

void RichTextBox::SelPrint(QPrinter& printer) const {
  const QTextCursor selection = textCursor();
  std::unique_ptr<QTextDocument> page;
  if (selection.hasSelection()) {
    // The selection keeps the document's own font and tab stops, as a copy would.
    page = std::make_unique<QTextDocument>();
    page->setDefaultFont(document()->defaultFont());
    page->setDefaultTextOption(document()->defaultTextOption());
    QTextCursor(page.get()).insertFragment(selection.selection());
  } else {
    page.reset(document()->clone());
  }
  // Laid out on pages of the printer's printable area, in the units the screen lays the
  // text out in; a document paginated so is printed as it is, without page numbers.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  page->setPageSize(printer.pageRect(QPrinter::Point).size() * (dpi / 72.0));
  page->print(&printer);
  if (printer.printerState() == QPrinter::Error) RaisePrintFailed(printer);
  if (printer.outputFormat() == QPrinter::NativeFormat) CheckPrintAccepted(printer.printerName());
}

void RichTextBox::PrintThroughDialog(CommonDialog& dialog, int flags) const {
  dialog.CancelError = true;
  dialog.Flags = flags;
  if (SelLength() != 0) dialog.Flags += cdlPDSelection;
  dialog.ShowPrinter();
  // Only the chosen printer gets a job: nothing, not even an empty line, goes to the
  // current printer, where it would come out as a blank page. A selection prints
  // whenever there is one, whatever range the clerk chose.
  SelPrint(dialog.Printer());
}

namespace {

// The selection as the box's own keys, a drag and the selection of the window system
// hand it on: its rich text first, then HTML and plain text for programs that take no
// rich text, these made from a copy of the selection only when asked for. Every format
// is listed from the start, so that the box itself and other programs find the rich text.
class SelectionData : public QMimeData {
 public:
  SelectionData(QByteArray rtf, QTextDocumentFragment fragment) : rtf_(std::move(rtf)), fragment_(std::move(fragment)) {}
  QStringList formats() const override { return {kRtfMimeType, QStringLiteral("text/html"), QStringLiteral("text/plain")}; }
  bool hasFormat(const QString& type) const override { return formats().contains(type); }

 protected:
  QVariant retrieveData(const QString& type, QMetaType) const override {
    if (type == kRtfMimeType) return rtf_;
    if (type == QLatin1String("text/html")) return fragment_.toHtml();
    if (type == QLatin1String("text/plain")) return fragment_.toPlainText();
    return {};
  }

 private:
  QByteArray rtf_;
  QTextDocumentFragment fragment_;
};

}  // namespace

QMimeData* RichTextBox::createMimeDataFromSelection() const {
  return new SelectionData(SelRTF(), textCursor().selection());
}

// Asked at every move of a drag over the box: the text itself is read only when dropped.
bool RichTextBox::canInsertFromMimeData(const QMimeData* source) const { return HasRtf(source); }

// Only rich text is pasted: text in any other form is not taken in its place.
void RichTextBox::insertFromMimeData(const QMimeData* source) { Paste(source); }

void RichTextBox::dropEvent(QDropEvent* event) {
  QDragLeaveEvent leave;
  QTextEdit::dragLeaveEvent(&leave);  // the drag's caret goes
  const std::optional<QByteArray> rtf = isReadOnly() ? std::nullopt : RtfOf(event->mimeData());
  if (!rtf) return event->ignore();
  QTextCursor at = cursorForPosition(event->position().toPoint());
  QTextCursor moved = textCursor();
  const bool move = event->dropAction() == Qt::MoveAction && moved.hasSelection() && event->source() &&
                    (event->source() == this || isAncestorOf(qobject_cast<QWidget*>(event->source())));
  if (move && at.position() >= moved.selectionStart() && at.position() <= moved.selectionEnd())
    return event->acceptProposedAction();  // dropped onto itself: it stays
  at.beginEditBlock();
  QTextDocumentFragment text;
  int from = 0;
  if (move) {  // the measure of the drop is that of the document without it
    text = moved.selection();
    from = moved.selectionStart();
    moved.removeSelectedText();
  }
  const bool taken = Insert(*rtf, at);
  if (!taken && move) {
    QTextCursor back(document());
    back.setPosition(from);
    back.insertFragment(text);
  }
  at.endEditBlock();
  if (!taken) return event->ignore();
  setTextCursor(at);
  event->acceptProposedAction();
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
  if (isReadOnly()) return QTextEdit::keyPressEvent(event);
  // An empty clipboard pastes too: it removes the selection.
  if (event->matches(QKeySequence::Paste)) {
    Paste(QGuiApplication::clipboard()->mimeData());
    return event->accept();
  }
  // Typing, as a paste, keeps the text within what the box lays out quickly: a letter or
  // a new paragraph beyond it is not taken.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const QString typed = enter ? QStringLiteral("\n") : event->text();
  const bool types = enter || (!typed.isEmpty() && (typed[0].isPrint() || typed[0] == '\t') &&
                               !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)));
  if (types && !rtf::TypingFits(textCursor(), typed, pickedPoints_)) {
    QApplication::beep();
    return event->accept();
  }
  QTextEdit::keyPressEvent(event);
}

// Text composed with an input method keeps within them as typed text does: a text past
// them is not taken, and what was being composed goes.
void RichTextBox::inputMethodEvent(QInputMethodEvent* event) {
  if (!isReadOnly() && !event->commitString().isEmpty() &&
      !rtf::TypingFits(textCursor(), event->commitString(), pickedPoints_)) {
    QApplication::beep();
    QInputMethodEvent cleared;
    QTextEdit::inputMethodEvent(&cleared);
    return event->accept();
  }
  QTextEdit::inputMethodEvent(event);
}

void RichTextBox::keyReleaseEvent(QKeyEvent* event) {
  QTextEdit::keyReleaseEvent(event);
  emit KeyUp();
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
  QTextEdit::mousePressEvent(event);
  emit MouseDown(event->button(), event->globalPosition().toPoint());
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
  QTextEdit::mouseReleaseEvent(event);
  emit MouseUp();
}

void RichTextBox::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

}  // namespace platform
