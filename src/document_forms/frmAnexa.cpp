#include "document_forms/frmAnexa.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QToolButton>
#include <algorithm>

#include "core/ErrorGuard.h"
#include "platform/Forms.h"
#include "platform/Keystrokes.h"
#include "platform/RichTextBox.h"
#include "platform/Toolbar.h"
#include "platform/Twips.h"
#include "platform/rtf/RtfUnits.h"

namespace document_forms {

using platform::Toolbar;
using platform::TwipsRect;
using platform::TwipsToPixels;

namespace {

constexpr double kOuterWidth = 9435, kOuterHeight = 7230;  // the window with its frame
constexpr double kFrameWidth = 120, kFrameHeight = 405;     // borders and caption
constexpr double kToolbarWidth = 7185, kToolbarHeight = 375;
constexpr double kTextTop = 450;

constexpr int kSizes[] = {8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 20, 22, 24, 26, 28, 30};

QIcon Picture(const char* name) { return QIcon(QStringLiteral(":/anexa/%1.gif").arg(QLatin1String(name))); }

}  // namespace

frmAnexa::frmAnexa() {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Anexa la contract"));
  setSizeGripEnabled(true);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setWindowFlag(Qt::WindowMinimizeButtonHint, true);
  resize(TwipsToPixels(kOuterWidth - kFrameWidth), TwipsToPixels(kOuterHeight - kFrameHeight));

  rtfAnunt = new platform::RichTextBox(this);
  rtfAnunt->setObjectName(QStringLiteral("rtfAnunt"));
  // Text pasted stays quick to lay out even when all of it is given the largest size.
  rtfAnunt->SetLargestPickedSize(std::ranges::max(kSizes));
  rtfAnunt->setGeometry(TwipsRect(0, kTextTop, 9435, 6765));

  tlbAnunt = new Toolbar(kToolbarWidth, kToolbarHeight, 345, 315, this);
  tlbAnunt->setObjectName(QStringLiteral("tlbAnunt"));
  tlbAnunt->move(0, 0);
  tlbAnunt->Add(Toolbar::Push, QStringLiteral("Tiparire"), Picture("print"));
  tlbAnunt->Add(Toolbar::Separator);
  tlbAnunt->Add(Toolbar::Push, QStringLiteral("Taiere text. CTRL - X"), Picture("cut"));
  tlbAnunt->Add(Toolbar::Push, QStringLiteral("Copiere text. CTRL - C"), Picture("copy"));
  tlbAnunt->Add(Toolbar::Push, QStringLiteral("Lipire text. CTRL - V"), Picture("paste"));
  tlbAnunt->Add(Toolbar::Separator);
  tlbAnunt->Add(Toolbar::Push, QStringLiteral("Undo. CTRL-Z"), Picture("undo"));
  tlbAnunt->Add(Toolbar::Placeholder, {}, {}, 3000);
  tlbAnunt->Add(Toolbar::Check, QStringLiteral("Scriere ingrosata"), Picture("bold"));
  tlbAnunt->Add(Toolbar::Check, QStringLiteral("Scriere cursiva"), Picture("italic"));
  tlbAnunt->Add(Toolbar::Check, QStringLiteral("Scriere subliniata"), Picture("underline"));
  tlbAnunt->Add(Toolbar::Separator);
  tlbAnunt->Add(Toolbar::ButtonGroup, QStringLiteral("Text aliniat la stanga"), Picture("left"));
  tlbAnunt->Add(Toolbar::ButtonGroup, QStringLiteral("Text centrat"), Picture("centre"));
  tlbAnunt->Add(Toolbar::ButtonGroup, QStringLiteral("Text aliniat la dreapta"), Picture("right"));
  tlbAnunt->Add(Toolbar::Separator);

  cboFont = new QComboBox(tlbAnunt);
  cboFont->setObjectName(QStringLiteral("cboFont"));
  cboSize = new QComboBox(tlbAnunt);
  cboSize->setObjectName(QStringLiteral("cboSize"));
  cboFont->setGeometry(TwipsRect(2040, 30, 2055, 315));
  cboFont->setToolTip(QStringLiteral("Tip caracter"));
  cboSize->setGeometry(TwipsRect(4200, 30, 615, 315));
  cboSize->setToolTip(QStringLiteral("Marime caracter"));
  for (QComboBox* box : {cboFont, cboSize}) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);  // what is typed is no new entry
    // Only an entry picked from the list applies: the box neither completes what is
    // typed nor takes a typed entry's name as picking it when Enter or Tab ends the
    // typing.
    box->setCompleter(nullptr);
    disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
  }

  mnuFlotant = new QMenu(QStringLiteral("Flotant"), this);
  mnuFlotant->setObjectName(QStringLiteral("mnuFlotant"));
  mnuUndo = mnuFlotant->addAction(QStringLiteral("Undo"));
  mnu1 = mnuFlotant->addSeparator();
  mnuTai = mnuFlotant->addAction(QStringLiteral("Taiere"));
  mnuCop = mnuFlotant->addAction(QStringLiteral("Copiere"));
  mnuLip = mnuFlotant->addAction(QStringLiteral("Lipire"));

  // The text first in the tab order, then the toolbar's boxes.
  setTabOrder(rtfAnunt, cboFont);
  setTabOrder(cboFont, cboSize);

  connect(tlbAnunt, &Toolbar::ButtonClick, this, &frmAnexa::tlbAnunt_ButtonClick);
  connect(cboFont, &QComboBox::activated, this, &frmAnexa::cboFont_Click);
  connect(cboSize, &QComboBox::activated, this, &frmAnexa::cboSize_Click);
  connect(mnuUndo, &QAction::triggered, this, &frmAnexa::mnuUndo_Click);
  connect(mnuTai, &QAction::triggered, this, &frmAnexa::mnuTai_Click);
  connect(mnuCop, &QAction::triggered, this, &frmAnexa::mnuCop_Click);
  connect(mnuLip, &QAction::triggered, this, &frmAnexa::mnuLip_Click);
  connect(rtfAnunt, &platform::RichTextBox::KeyUp, this, &frmAnexa::rtfAnunt_KeyUp);
  connect(rtfAnunt, &platform::RichTextBox::MouseUp, this, &frmAnexa::rtfAnunt_MouseUp);
  connect(rtfAnunt, &platform::RichTextBox::MouseDown, this, &frmAnexa::rtfAnunt_MouseDown);
  connect(rtfAnunt, &platform::RichTextBox::SelChange, this, &frmAnexa::rtfAnunt_SelChange);

  // Loaded with the handlers in place, so that the toolbar shows the heading's format.
  Form_Load();
  rtfAnunt->setFocus();
}

void frmAnexa::Form_Load() {
  // Each family once, named as other programs know it: without the foundry that tells
  // apart two makers' fonts of one name.
  QStringList families;
  for (const QString& family : QFontDatabase::families()) families << platform::rtf::FamilyWithoutFoundry(family);
  families.removeDuplicates();
  families.sort(Qt::CaseInsensitive);
  cboFont->addItems(families);
  cboFont->setEditText(QStringLiteral("Arial"));  // whether the machine has it or not
  for (int size : kSizes) cboSize->addItem(QString::number(size));
  cboSize->setEditText(QStringLiteral("10"));

  QTextCharFormat start;
  start.setFontFamilies({cboFont->currentText()});
  start.setFontPointSize(cboSize->currentText().toDouble());
  rtfAnunt->mergeCurrentCharFormat(start);
  // The paragraph's indents, left 300 and right 100 twips, until the heading replaces
  // the whole text with paragraphs of its own.
  QTextBlockFormat indents;
  indents.setLeftMargin(300 / platform::kTwipsPerPixel);
  indents.setRightMargin(100 / platform::kTwipsPerPixel);
  rtfAnunt->textCursor().mergeBlockFormat(indents);

  rtfAnunt->SetTextRTF(kAnexaTemplate);
}

void frmAnexa::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Form_Resize();
}

void frmAnexa::keyPressEvent(QKeyEvent* event) {
  // Only the close box closes the editor: Esc would throw the annex away unasked.
  if (event->key() == Qt::Key_Escape) return event->accept();
  QDialog::keyPressEvent(event);
}

void frmAnexa::Form_Resize() {
  // Each step on its own: a window too low for the text leaves its height as it was.
  const int height = this->height() - tlbAnunt->height();
  if (height >= 0) rtfAnunt->resize(rtfAnunt->width(), height);
  rtfAnunt->resize(width(), rtfAnunt->height());
}

// ---- Toolbar, font and size

void frmAnexa::tlbAnunt_ButtonClick(int index) {
  const auto setFormat = [this](auto apply) {
    QTextCharFormat format;
    apply(format);
    rtfAnunt->mergeCurrentCharFormat(format);
    rtfAnunt->setFocus();
  };
  const auto align = [this](Qt::Alignment alignment) {
    rtfAnunt->setAlignment(alignment);
    rtfAnunt->setFocus();
  };
  switch (index) {
    case kPrint: Print(); break;
    case kCut: mnuTai_Click(); break;
    case kCopy: mnuCop_Click(); break;
    case kPaste: mnuLip_Click(); break;
    case kUndo:
      mnuUndo_Click();
      rtfAnunt->setFocus();  // before the queued undo runs
      break;
    case kBold:
      setFormat([on = tlbAnunt->Value(kBold)](QTextCharFormat& f) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); });
      break;
    case kItalic:
      setFormat([on = tlbAnunt->Value(kItalic)](QTextCharFormat& f) { f.setFontItalic(on); });
      break;
    case kUnderline:
      setFormat([on = tlbAnunt->Value(kUnderline)](QTextCharFormat& f) { f.setFontUnderline(on); });
      break;
    case kLeft: align(Qt::AlignLeft); break;
    case kCentre: align(Qt::AlignHCenter); break;
    case kRight: align(Qt::AlignRight); break;
    default: break;
  }
}

void frmAnexa::cboFont_Click() {
  QTextCharFormat format;
  format.setFontFamilies({cboFont->currentText()});
  rtfAnunt->mergeCurrentCharFormat(format);
  rtfAnunt->setFocus();
}

void frmAnexa::cboSize_Click() {
  bool number = false;
  const double size = cboSize->currentText().toDouble(&number);
  if (number && size > 0) {
    QTextCharFormat format;
    format.setFontPointSize(size);
    rtfAnunt->mergeCurrentCharFormat(format);
  }
  rtfAnunt->setFocus();
}

// ---- Cut, copy, paste, undo

void frmAnexa::SetCutCopyEnabled(bool enabled) {
  tlbAnunt->SetEnabled(kCut, enabled);
  tlbAnunt->SetEnabled(kCopy, enabled);
  mnuTai->setEnabled(enabled);
  mnuCop->setEnabled(enabled);
}

void frmAnexa::SetPasteEnabled(bool enabled) {
  tlbAnunt->SetEnabled(kPaste, enabled);
  mnuLip->setEnabled(enabled);
}

void frmAnexa::CopySelection() {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  // Rich text only, as other programs take it.
  auto* data = new QMimeData;
  data->setData(platform::kRtfMimeType, rtfAnunt->SelRTF());
  clipboard->setMimeData(data);
}

void frmAnexa::mnuCop_Click() {
  CopySelection();
  SetCutCopyEnabled(false);
  SetPasteEnabled(true);
  rtfAnunt->setFocus();
}

void frmAnexa::mnuTai_Click() {
  CopySelection();
  rtfAnunt->textCursor().removeSelectedText();
  SetCutCopyEnabled(false);
  SetPasteEnabled(true);
  rtfAnunt->setFocus();
}

void frmAnexa::mnuLip_Click() {
  rtfAnunt->Paste(QApplication::clipboard()->mimeData());
  SetCutCopyEnabled(true);
  rtfAnunt->setFocus();
}

void frmAnexa::mnuUndo_Click() { platform::SendUndo(); }

// ---- Following the text

void frmAnexa::rtfAnunt_KeyUp() {
  if (rtfAnunt->SelLength() != 0) SetCutCopyEnabled(true);
}

void frmAnexa::rtfAnunt_MouseUp() {
  if (rtfAnunt->SelLength() != 0) SetCutCopyEnabled(true);
}

void frmAnexa::rtfAnunt_MouseDown(Qt::MouseButton button, const QPoint& globalPosition) {
  if (button == Qt::RightButton) mnuFlotant->popup(globalPosition);
}

void frmAnexa::rtfAnunt_SelChange() {
  const platform::SelectionFormat s = rtfAnunt->SelFormat();
  if (s.fontName) cboFont->setEditText(*s.fontName);
  if (s.fontSize) cboSize->setEditText(QString::number(*s.fontSize));
  tlbAnunt->SetValue(kBold, s.bold);
  tlbAnunt->SetValue(kItalic, s.italic);
  tlbAnunt->SetValue(kUnderline, s.underline);
  if (s.alignment) {
    if (*s.alignment & Qt::AlignHCenter) tlbAnunt->SetValue(kCentre, true);
    else if (*s.alignment & Qt::AlignRight) tlbAnunt->SetValue(kRight, true);
    else if (*s.alignment & Qt::AlignLeft) tlbAnunt->SetValue(kLeft, true);
  }
}

// ---- Printing

void frmAnexa::Print() {
  try {
    rtfAnunt->PrintThroughDialog(cdlAnunt, platform::cdlPDReturnDC + platform::cdlPDNoPageNums);
  } catch (const std::exception& error) {
    // A cancelled dialog prints nothing and says nothing; a printer that did not take the
    // annex says so, and the text stays as it is for another try.
    core::ReportFailedPrint(error);
  }
}

void ShowAnexa() { platform::Forms::Get<frmAnexa>()->exec(); }

}  // namespace document_forms
