#pragma once
// The contract annex editor: a small rich-text editor that starts from the heading
// "ANEXA LA CONTRACT", formats its text from a toolbar (font, size, bold, italic,
// underline, alignment) and a popup menu, copies and pastes rich text through the
// clipboard, and prints the whole text or its selection on a printer picked in the
// print dialog. Nothing is kept: each opening starts again from the heading.

#include <QDialog>

#include "platform/CommonDialog.h"

class QAction;
class QComboBox;
class QMenu;

namespace platform {
class RichTextBox;
class Toolbar;
}  // namespace platform

namespace document_forms {

// The text the editor opens with: a centred, bold, underlined 14-point heading and an
// empty left-aligned 10-point paragraph, in the box's own font.
inline constexpr char kAnexaTemplate[] =
    "{\\rtf1\\qc\\b\\fs28\\ul\\ ANEXA LA CONTRACT\\ulnone\\b0\\par\\ql\\fs20\\par}";

class frmAnexa : public QDialog {
  Q_OBJECT
 public:
  // The toolbar's buttons, by index.
  enum Button {
    kPrint = 1, kCut = 3, kCopy = 4, kPaste = 5, kUndo = 7, kFonts = 8,
    kBold = 9, kItalic = 10, kUnderline = 11, kLeft = 13, kCentre = 14, kRight = 15,
  };

  frmAnexa();

  void tlbAnunt_ButtonClick(int index);
  void cboFont_Click();
  void cboSize_Click();
  void mnuTai_Click();
  void mnuCop_Click();
  void mnuLip_Click();
  void mnuUndo_Click();
  void rtfAnunt_KeyUp();
  void rtfAnunt_MouseUp();
  void rtfAnunt_MouseDown(Qt::MouseButton button, const QPoint& globalPosition);
  void rtfAnunt_SelChange();

  platform::Toolbar* tlbAnunt;
  platform::RichTextBox* rtfAnunt;
  QComboBox* cboFont;
  QComboBox* cboSize;
  platform::CommonDialog cdlAnunt;
  QMenu* mnuFlotant;
  QAction* mnuUndo;
  QAction* mnu1;
  QAction* mnuTai;
  QAction* mnuCop;
  QAction* mnuLip;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Form_Load();
  void Form_Resize();
  void Print();
  void CopySelection();
  void SetCutCopyEnabled(bool enabled);
  void SetPasteEnabled(bool enabled);
};

// Shows the editor modally and returns when it is closed.
void ShowAnexa();

}  // namespace document_forms
