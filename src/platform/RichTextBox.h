#pragma once
// The rich-text box: a multi-line box of formatted text whose content and selection are
// read and written as RTF (TextRTF, SelRTF), that copies to and pastes from the
// clipboard in the RTF format of other programs, and prints its selection or its whole
// text with its formatting (SelPrint). It reports key and mouse releases, mouse presses
// and every move of the selection, as the handlers of a window expect; it has no popup
// menu of its own.
//
//   box->SetTextRTF("{\\rtf1\\qc\\b Title\\par}");
//   box->PrintThroughDialog(dialog, cdlPDReturnDC);  // raises when cancelled

#include <QByteArray>
#include <QTextEdit>
#include <optional>

class QMimeData;
class QPrinter;

namespace platform {

class CommonDialog;

// The clipboard format of rich text.
inline const QString kRtfMimeType = QStringLiteral("text/rtf");

// The message of a paste refused for its size.
inline const QString kRtfTooLargeMessage =
    QStringLiteral("Textul din Clipboard nu poate fi lipit: este prea mare sau are prea multe formatari "
                   "intr-un paragraf. Copiati si lipiti textul in bucati mai mici.");
inline const QString kRtfUnshownScriptMessage =
    QStringLiteral("Textul din Clipboard nu poate fi lipit: are litere pe care niciun font instalat nu le poate "
                   "afisa.");
inline const QString kRtfMalformedMessage =
    QStringLiteral("Textul din Clipboard nu poate fi lipit: nu este un text RTF valid. Copiati-l din nou din "
                   "programul din care provine.");

// The format of a selection (of the text typed next, when nothing is selected): a value
// that differs within the selection is missing; bold, italic and underline are true
// only when the whole selection has them.
struct SelectionFormat {
  std::optional<QString> fontName;
  std::optional<double> fontSize;  // points
  bool bold = false, italic = false, underline = false;
  std::optional<Qt::Alignment> alignment;  // of the paragraphs the selection touches
};

class RichTextBox : public QTextEdit {
  Q_OBJECT
 public:
  explicit RichTextBox(QWidget* parent = nullptr);

  // The whole content; setting it replaces everything (text that is no RTF, or past the
  // limits of what the box lays out quickly, rtf/RtfReader.h, empties it) and reports
  // the move of the selection (SelChange) even when the cursor stays at 0.
  QByteArray TextRTF() const;
  void SetTextRTF(QByteArrayView rtf);
  // The selection; setting it replaces the selection (text that is no RTF, or that would
  // make the document pass those limits, leaves it).
  QByteArray SelRTF() const;
  void SetSelRTF(QByteArrayView rtf);
  // Pastes the clipboard data's rich text in place of the selection, as SetSelRTF does.
  // Data without rich text (none, plain text or HTML only, or an empty entry of rich
  // text) removes the selection and inserts nothing. Rich text too large to lay out, in
  // a writing system that no installed font draws, or that does not read as RTF, is
  // refused with a message and leaves the selection.
  // Ctrl+V, Shift+Insert, the middle button and the editor's own paste command all paste
  // so; a drop takes only rich text, at the place it is dropped, and one refused is not
  // taken (the program it was dragged from keeps it; a move of the box's own text leaves
  // it where it was).
  void Paste(const QMimeData* data);
  // The largest size the window lets the clerk give the text (its size box): text read
  // in counts as if any of it may take that size (rtf/RtfReader.h).
  void SetLargestPickedSize(double points) { pickedPoints_ = points; }
  int SelLength() const;
  SelectionFormat SelFormat() const;

  // Prints the selection, or the whole text when nothing is selected, with its
  // formatting, laid out on the printer's page as on the screen.
  void SelPrint(QPrinter& printer) const;
  // Shows the print dialog with `flags` (and the selection as its range when there is
  // one), then prints the selection or the whole text on the printer chosen there, and
  // nowhere else. Raises the dialog's error when it is cancelled and error 482 when the
  // printer refuses the job.
  void PrintThroughDialog(CommonDialog& dialog, int flags) const;

 signals:
  void KeyUp();
  void MouseDown(Qt::MouseButton button, const QPoint& globalPosition);
  void MouseUp();
  void SelChange();

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // Reads the rich text in place of the cursor's selection; shows why when it is refused.
  bool Insert(const QByteArray& rtf, QTextCursor& cursor);

  double pickedPoints_ = 0;
};

}  // namespace platform
