#include "document_forms/frmAnexa.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFontDatabase>
#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

#include "platform/CommonDialog.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "platform/RichTextBox.h"
#include "platform/Toolbar.h"
#include "platform/rtf/RtfReader.h"
#include "support/PdfText.h"
#include "support/PrintCapture.h"
#include "support/QtPrinters.h"

using document_forms::frmAnexa;
using platform::Forms;

namespace {

class Anexa : public ::testing::Test {
 protected:
  void SetUp() override {
    w = Forms::Get<frmAnexa>();
    w->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    Forms::Unload<frmAnexa>();
    QApplication::clipboard()->clear();
  }

  // Selects the first occurrence of the text.
  void Select(const QString& text) {
    QTextCursor c = w->rtfAnunt->document()->find(text);
    ASSERT_FALSE(c.isNull()) << text.toStdString();
    w->rtfAnunt->setTextCursor(c);
  }
  void SelectRange(int from, int to) {
    QTextCursor c(w->rtfAnunt->document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    w->rtfAnunt->setTextCursor(c);
  }
  // The format of the character at the position.
  QTextCharFormat FormatAt(int position) {
    QTextCursor c(w->rtfAnunt->document());
    c.setPosition(position + 1);
    return c.charFormat();
  }
  void ReleaseKey() {
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(w->rtfAnunt, &release);
  }
  void Mouse(QEvent::Type type, Qt::MouseButton button) {
    QWidget* viewport = w->rtfAnunt->viewport();
    const QPointF at(10, 10);
    QMouseEvent event(type, at, viewport->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
  }
  bool CutCopyEnabled() {
    const bool toolbar = w->tlbAnunt->Button(frmAnexa::kCut)->isEnabled();
    EXPECT_EQ(w->tlbAnunt->Button(frmAnexa::kCopy)->isEnabled(), toolbar);
    EXPECT_EQ(w->mnuTai->isEnabled(), toolbar);
    EXPECT_EQ(w->mnuCop->isEnabled(), toolbar);
    return toolbar;
  }
  bool PasteEnabled() {
    EXPECT_EQ(w->mnuLip->isEnabled(), w->tlbAnunt->Button(frmAnexa::kPaste)->isEnabled());
    return w->mnuLip->isEnabled();
  }
  QString Text() { return w->rtfAnunt->toPlainText(); }

  // The ways of pasting: the menu, the toolbar and the box's own keys.
  enum Paste { kMenu, kToolbar, kCtrlV, kShiftInsert };
  static constexpr Paste kPastes[] = {kMenu, kToolbar, kCtrlV, kShiftInsert};
  static constexpr const char* kPasteNames[] = {"menu", "toolbar", "Ctrl+V", "Shift+Insert"};
  void Key(int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(w->rtfAnunt, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(w->rtfAnunt, &release);
  }
  void PasteBy(Paste how) {
    switch (how) {
      case kMenu: w->mnuLip->trigger(); break;
      case kToolbar: w->tlbAnunt->Button(frmAnexa::kPaste)->click(); break;
      case kCtrlV: Key(Qt::Key_V, Qt::ControlModifier); break;
      case kShiftInsert: Key(Qt::Key_Insert, Qt::ShiftModifier); break;
    }
  }

  frmAnexa* w = nullptr;
};

}  // namespace

TEST_F(Anexa, OpensOnTheHeadingWithItsToolbarAndMenu) {
  EXPECT_EQ(w->windowTitle(), "Anexa la contract");
  EXPECT_EQ(Text(), "ANEXA LA CONTRACT\n");
  const QTextCharFormat heading = FormatAt(0);
  EXPECT_EQ(heading.fontWeight(), QFont::Bold);
  EXPECT_TRUE(heading.fontUnderline());
  EXPECT_DOUBLE_EQ(heading.fontPointSize(), 14);
  EXPECT_EQ(w->rtfAnunt->document()->begin().blockFormat().alignment(), Qt::AlignHCenter);
  EXPECT_DOUBLE_EQ(w->rtfAnunt->document()->findBlockByNumber(1).charFormat().fontPointSize(), 10);

  // The toolbar shows the heading's format at once: the box's own font, 14 points,
  // bold, underlined, centred. The font list is sorted.
  EXPECT_EQ(w->cboFont->currentText(), w->rtfAnunt->document()->defaultFont().family());
  EXPECT_EQ(w->cboSize->currentText(), "14");
  EXPECT_TRUE(w->tlbAnunt->Value(frmAnexa::kBold));
  EXPECT_FALSE(w->tlbAnunt->Value(frmAnexa::kItalic));
  EXPECT_TRUE(w->tlbAnunt->Value(frmAnexa::kUnderline));
  EXPECT_TRUE(w->tlbAnunt->Value(frmAnexa::kCentre));
  EXPECT_FALSE(w->tlbAnunt->Value(frmAnexa::kLeft));
  // Each family once, sorted, named without the foundry that Qt adds where two makers'
  // fonts share a name ("Nimbus Roman [urw]"): other programs know it by its family.
  QStringList fonts;
  for (int i = 0; i < w->cboFont->count(); ++i) fonts << w->cboFont->itemText(i);
  QStringList families;
  for (const QString& family : QFontDatabase::families()) families << family.section(QStringLiteral(" ["), 0, 0);
  families.removeDuplicates();
  families.sort(Qt::CaseInsensitive);
  EXPECT_EQ(fonts, families);
  EXPECT_TRUE(fonts.filter(QStringLiteral("[")).isEmpty()) << fonts.join(", ").toStdString();
  EXPECT_TRUE(fonts.contains("Liberation Serif"));
  QStringList sizes;
  for (int i = 0; i < w->cboSize->count(); ++i) sizes << w->cboSize->itemText(i);
  EXPECT_EQ(sizes, QStringList({"8", "9", "10", "11", "12", "13", "14", "15", "16", "18", "20", "22", "24", "26",
                                "28", "30"}));
  EXPECT_EQ(w->cboFont->toolTip(), "Tip caracter");
  EXPECT_EQ(w->cboSize->toolTip(), "Marime caracter");

  QStringList tips;
  for (int i = 1; i <= w->tlbAnunt->Count(); ++i)
    tips << (w->tlbAnunt->Button(i) ? w->tlbAnunt->Button(i)->toolTip() : QStringLiteral("|"));
  EXPECT_EQ(tips, QStringList({"Tiparire", "|", "Taiere text. CTRL - X", "Copiere text. CTRL - C",
                               "Lipire text. CTRL - V", "|", "Undo. CTRL-Z", "|", "Scriere ingrosata",
                               "Scriere cursiva", "Scriere subliniata", "|", "Text aliniat la stanga",
                               "Text centrat", "Text aliniat la dreapta", "|"}));
  // The two boxes stand on the toolbar's placeholder.
  const QRect placeholder = w->tlbAnunt->ButtonRect(frmAnexa::kFonts);
  EXPECT_TRUE(placeholder.contains(w->cboFont->geometry().adjusted(0, 1, 0, -1).topLeft()));
  EXPECT_LE(w->cboSize->geometry().right(), placeholder.right());

  QStringList items;
  for (QAction* a : w->mnuFlotant->actions()) items << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(items, QStringList({"Undo", "-", "Taiere", "Copiere", "Lipire"}));
  for (QAction* a : w->mnuFlotant->actions()) EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
  EXPECT_TRUE(w->mnuFlotant->isHidden());
  EXPECT_EQ(QApplication::focusWidget(), w->rtfAnunt);
}

TEST_F(Anexa, ReopeningShowsTheHeadingOnly) {
  w->rtfAnunt->textCursor().insertText("ceva scris");
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(w->rtfAnunt, &escape);
  EXPECT_TRUE(w->isVisible()) << "Esc throws nothing away";
  w->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::IsLoaded<frmAnexa>()) << "closing unloads it";
  w = Forms::Get<frmAnexa>();
  EXPECT_EQ(Text(), "ANEXA LA CONTRACT\n");
  EXPECT_EQ(w->cboSize->currentText(), "14");
}

TEST_F(Anexa, CopyWithoutASelectionPutsAnEmptyRichTextOnTheClipboard) {
  QApplication::clipboard()->setText("vechi");
  w->tlbAnunt->Button(frmAnexa::kCopy)->click();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_TRUE(data);
  EXPECT_EQ(data->formats(), QStringList{platform::kRtfMimeType}) << "rich text only";
  QTextDocument copied;
  EXPECT_TRUE(platform::rtf::ReadRtf(data->data(platform::kRtfMimeType), copied).complete);
  EXPECT_TRUE(copied.toPlainText().isEmpty());
  EXPECT_FALSE(CutCopyEnabled());
  EXPECT_TRUE(PasteEnabled());
  EXPECT_EQ(Text(), "ANEXA LA CONTRACT\n");
}

// A selection made by key or mouse enables cut and copy on release; nothing disables
// them when the selection is gone again.
TEST_F(Anexa, CutAndCopyFollowTheSelection) {
  w->mnuCop_Click();
  ASSERT_FALSE(CutCopyEnabled());
  ReleaseKey();
  EXPECT_FALSE(CutCopyEnabled()) << "no selection";
  Select("ANEXA");
  ReleaseKey();
  EXPECT_TRUE(CutCopyEnabled());

  w->mnuCop_Click();
  w->rtfAnunt->moveCursor(QTextCursor::Start);
  Mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_FALSE(CutCopyEnabled()) << "no selection";
  Select("CONTRACT");
  Mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_TRUE(CutCopyEnabled());
  w->rtfAnunt->moveCursor(QTextCursor::End);
  ReleaseKey();
  EXPECT_TRUE(CutCopyEnabled()) << "moving away leaves them enabled";
}

// Rich text between two places of the editor and from another program.
TEST_F(Anexa, PastesRichTextInPlaceOfTheSelection) {
  Select("ANEXA");
  w->tlbAnunt->Button(frmAnexa::kCopy)->click();
  w->rtfAnunt->moveCursor(QTextCursor::End);
  w->mnuLip_Click();
  EXPECT_EQ(Text(), "ANEXA LA CONTRACT\nANEXA");
  const QTextCharFormat pasted = FormatAt(Text().size() - 2);
  EXPECT_EQ(pasted.fontWeight(), QFont::Bold);
  EXPECT_TRUE(pasted.fontUnderline());
  EXPECT_DOUBLE_EQ(pasted.fontPointSize(), 14);
  EXPECT_EQ(w->rtfAnunt->document()->lastBlock().blockFormat().alignment(), Qt::AlignLeft)
      << "the paragraph it lands in keeps its own alignment";
  EXPECT_TRUE(CutCopyEnabled()) << "paste enables them with nothing selected";

  // Another program's rich text replaces the selection.
  auto* other = new QMimeData;
  other->setData(platform::kRtfMimeType, "{\\rtf1\\ansi\\ansicpg1250 {\\i Cump\\'e3r\\'e3tor}}");
  other->setText("Cumparator");
  QApplication::clipboard()->setMimeData(other);
  Select("LA");
  w->mnuLip_Click();
  EXPECT_TRUE(Text().startsWith(QString::fromUtf8("ANEXA Cumpărător CONTRACT"))) << Text().toStdString();
  EXPECT_TRUE(FormatAt(7).fontItalic());

  // Cut removes the selection and keeps it on the clipboard.
  Select("CONTRACT");
  w->tlbAnunt->Button(frmAnexa::kCut)->click();
  EXPECT_EQ(Text(), QString::fromUtf8("ANEXA Cumpărător \nANEXA"));
  EXPECT_FALSE(CutCopyEnabled());
  w->rtfAnunt->moveCursor(QTextCursor::End);
  w->tlbAnunt->Button(frmAnexa::kPaste)->click();
  EXPECT_TRUE(Text().endsWith("ANEXACONTRACT"));

  // The box's own keys hand on rich text too, with HTML and plain text for programs that
  // take no rich text, and a cut pasted back is the text that was cut.
  Select("ANEXA");
  Key(Qt::Key_X, Qt::ControlModifier);
  const QMimeData* keys = QApplication::clipboard()->mimeData();
  ASSERT_TRUE(keys);
  EXPECT_EQ(keys->formats(), QStringList({platform::kRtfMimeType, "text/html", "text/plain"}));
  EXPECT_EQ(keys->text(), "ANEXA");
  EXPECT_TRUE(keys->html().contains("ANEXA"));
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(Text().startsWith(QString::fromUtf8("ANEXA Cumpărător"))) << Text().toStdString();
  EXPECT_EQ(FormatAt(1).fontWeight(), QFont::Bold);
}

// A clipboard without rich text (empty, plain text or HTML only, or rich text of no
// bytes) removes the selection and inserts nothing, from the menu, the toolbar and the
// box's own keys alike.
TEST_F(Anexa, PasteWithoutRichTextRemovesTheSelection) {
  struct Clipboard { const char* name; QString type; QByteArray data; } clipboards[] = {
      {"empty", {}, {}},
      {"plain text", "text/plain", "simplu"},
      {"HTML", "text/html", "<b>gros</b>"},
      {"empty rich text", "text/rtf", ""},
  };
  for (const Clipboard& c : clipboards) {
    for (const Paste how : kPastes) {
      SCOPED_TRACE(std::string(c.name) + ", " + kPasteNames[how]);
      w->rtfAnunt->SetTextRTF(document_forms::kAnexaTemplate);
      w->mnuCop_Click();  // disables cut and copy, to see the paste enable them
      QApplication::clipboard()->clear();
      if (!c.type.isEmpty()) {
        auto* data = new QMimeData;
        data->setData(c.type, c.data);
        QApplication::clipboard()->setMimeData(data);
      }
      Select("LA ");
      platform::MessageBoxScript messages;
      PasteBy(how);
      EXPECT_EQ(Text(), "ANEXA CONTRACT\n");
      EXPECT_FALSE(w->rtfAnunt->textCursor().hasSelection());
      EXPECT_TRUE(messages.Shown().isEmpty());
      if (how != kCtrlV && how != kShiftInsert) {
        EXPECT_TRUE(CutCopyEnabled());
      }
    }
  }
  // Undone as one step.
  w->rtfAnunt->undo();
  EXPECT_EQ(Text(), "ANEXA LA CONTRACT\n");
}

// Rich text under each name programs give it is pasted as rich text; rich text too
// large to lay out, or that does not read, is refused with a message and leaves the text
// as it was, whichever way the paste is made.
TEST_F(Anexa, PastesRichTextUnderEveryNameAndRefusesWhatWouldHang) {
  QByteArray manyRuns = "{\\rtf1 ";
  for (int i = 0; i <= platform::rtf::kMaxRunsInParagraph; ++i) manyRuns += i % 2 ? "\\i y" : "\\i0 y";
  manyRuns += "}";
  // Read alone, these paragraphs are within the limit; with the heading's two they are
  // one too many.
  const QByteArray manyParagraphs =
      "{\\rtf1 " + QByteArray("\\i z\\par ").repeated(platform::rtf::kMaxParagraphs - 1) + "}";
  ASSERT_TRUE(platform::rtf::ReadRtf(manyParagraphs, *std::make_unique<QTextDocument>()).rtf);
  // Small letters, as many as the height holds at the largest size the size box offers,
  // which the clerk may give them once pasted; and one word more.
  const double largest = w->cboSize->itemText(w->cboSize->count() - 1).toDouble();
  const QByteArray smallLetters =
      "{\\rtf1\\fs6 " +
      (QByteArray(99, 'x') + ' ').repeated(qsizetype(platform::rtf::kMaxTextHeightPoints / largest / 100) + 1) + "}";
  // A paragraph in each of as many sizes as the fonts the layout may resolve, with the
  // heading's one too many.
  QByteArray manyFonts = "{\\rtf1\\i ";
  for (int i = 0; i < platform::rtf::kMaxFonts; ++i) manyFonts += "\\fs" + QByteArray::number(33 + i) + " z\\par ";
  manyFonts += "}";
  struct Case { const char* name; QString type; QByteArray rtf; QString text; QString refusal; } cases[] = {
      {"text/rtf", "text/rtf", "{\\rtf1 {\\i lipit}}", "lipit", {}},
      {"application/rtf", "application/rtf", "{\\rtf1 {\\i lipit}}", "lipit", {}},
      {"text/richtext", "text/richtext", "{\\rtf1 {\\i lipit}}", "lipit", {}},
      {"a hyperlink's shown text", "text/rtf",
       "{\\rtf1\\ansi\\ansicpg1250 {\\field{\\*\\fldinst {HYPERLINK \"http://exemplu.ro/\"}}{\\*\\fldrslt{\\i leg\\'e3tur\\'e3}}}}",
       QString::fromUtf8("legătură"), {}},
      {"too many runs in a paragraph", "application/rtf", manyRuns, "", platform::kRtfTooLargeMessage},
      {"too many paragraphs with the document's own", "text/rtf", manyParagraphs, "", platform::kRtfTooLargeMessage},
      {"small letters too tall at the largest size offered", "text/rtf", smallLetters, "",
       platform::kRtfTooLargeMessage},
      {"no rich text under its name", "text/rtf", "nu este RTF", "", platform::kRtfMalformedMessage},
      {"letters no installed font draws", "text/rtf", "{\\rtf1 {\\i lipit \\u2325?}}", "",
       platform::kRtfUnshownScriptMessage},
      {"too many fonts", "text/rtf", manyFonts, "", platform::kRtfTooLargeMessage},
  };
  for (const Case& c : cases) {
    for (const Paste how : kPastes) {
      SCOPED_TRACE(std::string(c.name) + ", " + kPasteNames[how]);
      w->rtfAnunt->SetTextRTF(document_forms::kAnexaTemplate);
      auto* data = new QMimeData;
      data->setData(c.type, c.rtf);
      data->setText("simplu");
      data->setHtml("<b>html</b>");
      QApplication::clipboard()->setMimeData(data);
      w->rtfAnunt->moveCursor(QTextCursor::End);
      const int steps = w->rtfAnunt->document()->availableUndoSteps();
      platform::MessageBoxScript messages;
      PasteBy(how);
      EXPECT_EQ(messages.Prompts(), c.refusal.isEmpty() ? QStringList() : QStringList{c.refusal});
      if (c.refusal.isEmpty()) {
        EXPECT_EQ(Text(), "ANEXA LA CONTRACT\n" + c.text);
        EXPECT_TRUE(FormatAt(Text().size() - 2).fontItalic());
      } else {
        EXPECT_EQ(Text(), "ANEXA LA CONTRACT\n") << "nothing inserted";
        EXPECT_EQ(w->rtfAnunt->document()->availableUndoSteps(), steps) << "nothing to undo";
      }
    }
  }
}

// A drop takes rich text only, at the place it is dropped, and leaves a drop it does not
// take untaken, so that the program it is dragged from keeps it. A drag passing over the
// box does not bring its text, which may be large, at every move.
TEST_F(Anexa, DropTakesOnlyRichTextItCanLayOut) {
  // Data that counts how often its text is brought.
  struct Dragged : QMimeData {
    mutable int brought = 0;
    QVariant retrieveData(const QString& type, QMetaType meta) const override {
      ++brought;
      return QMimeData::retrieveData(type, meta);
    }
  };
  const QByteArray tooLarge = "{\\rtf1 " + QByteArray("z\\par ").repeated(platform::rtf::kMaxParagraphs) + "}";
  struct Case { const char* name; QString type; QByteArray data; bool taken; QString text; QString message; } cases[] = {
      {"rich text", "text/rtf", "{\\rtf1 {\\i lasat}}", true, "ANEXA LA CONTRACT\nlasat", {}},
      {"plain text", "text/plain", "simplu", false, "ANEXA LA CONTRACT\n", {}},
      {"HTML", "text/html", "<b>gros</b>", false, "ANEXA LA CONTRACT\n", {}},
      {"empty rich text", "text/rtf", "", false, "ANEXA LA CONTRACT\n", {}},
      {"too large to lay out", "text/rtf", tooLarge, false, "ANEXA LA CONTRACT\n", platform::kRtfTooLargeMessage},
      {"no rich text under its name", "text/rtf", "nu este RTF", false, "ANEXA LA CONTRACT\n",
       platform::kRtfMalformedMessage},
  };
  QWidget* viewport = w->rtfAnunt->viewport();
  const QPoint below(10, viewport->height() - 5);  // under the text: its end
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    w->rtfAnunt->SetTextRTF(document_forms::kAnexaTemplate);
    Select("LA ");
    Dragged data;
    data.setData(c.type, c.data);
    const bool rtf = c.type == "text/rtf";
    QDragEnterEvent enter(below, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(below, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    EXPECT_EQ(move.isAccepted(), rtf);
    EXPECT_EQ(data.brought, 0) << "the text brought before the drop";
    platform::MessageBoxScript messages;
    QDropEvent drop(below, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(drop.isAccepted(), c.taken);
    EXPECT_EQ(Text(), c.text);
    EXPECT_EQ(messages.Prompts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    if (!c.taken) {
      EXPECT_EQ(w->rtfAnunt->textCursor().selectedText(), "LA ") << "the selection stays";
    }
  }
}

// The box's rich text, set whole or in place of the selection, keeps the paste's limits:
// what would make the document pass them is not read.
TEST_F(Anexa, SettingTheRichTextKeepsThePastesLimits) {
  const QByteArray paragraphs =
      "{\\rtf1 " + QByteArray("z\\par ").repeated(platform::rtf::kMaxParagraphs - 1) + "}";
  w->rtfAnunt->moveCursor(QTextCursor::End);
  w->rtfAnunt->SetSelRTF(paragraphs);
  EXPECT_EQ(Text(), "ANEXA LA CONTRACT\n") << "one paragraph too many with the heading's";
  w->rtfAnunt->SetTextRTF(paragraphs);
  EXPECT_EQ(w->rtfAnunt->document()->blockCount(), platform::rtf::kMaxParagraphs - 1);
  w->rtfAnunt->SetTextRTF("{\\rtf1 " + QByteArray("z\\par ").repeated(platform::rtf::kMaxParagraphs + 1) + "}");
  EXPECT_TRUE(Text().isEmpty());
}

// Typing keeps the text within the limits of a paste: a letter that would make the text
// too tall to lay out, a paragraph past the most, a word past the longest or a run past
// the most is not taken; typed in place of a selection that makes room, or within them,
// it is.
TEST_F(Anexa, TypingKeepsWithinWhatTheBoxLaysOutQuickly) {
  using namespace platform::rtf;
  // Tall paragraphs of one letter filling the height to one letter of their size.
  const QByteArray tall =
      "{\\rtf1\\fs3276 " + QByteArray("x\\par ").repeated(qsizetype(kMaxTextHeightPoints / 3276) - 1) + "x}";
  const QByteArray paragraphs = "{\\rtf1 " + QByteArray("z\\par ").repeated(kMaxParagraphs - 1) + "z}";
  const QByteArray word = "{\\rtf1 " + QByteArray(kMaxWordLength, 'w') + "}";
  // Paragraphs of runs of a space and two letters, bold and regular in turn, the last one
  // regular.
  const auto runs = [](int paragraphs, int runs) {
    QByteArray paragraph;
    for (int i = runs - 1; i >= 0; --i) paragraph += i % 2 ? "\\b  xx" : "\\b0  yy";
    return "{\\rtf1 " + (paragraph + "\\par ").repeated(paragraphs - 1) + paragraph + "}";
  };
  const QByteArray paragraphRuns = runs(1, kMaxRunsInParagraph);
  // A word of 400 letters whose writing system changes as often as a word's may, Latin
  // and Greek in turn, ending in Latin.
  QByteArray mixed = "{\\rtf1 ";
  for (int i = 0; i < 400; ++i) mixed += qMin(i, kMaxScriptChangesInWord) % 2 ? "\\u946?" : "y";
  mixed += "}";
  // A paragraph in each of as many sizes as the fonts the layout may resolve.
  QByteArray fonts = "{\\rtf1 ";
  for (int i = 0; i < kMaxFonts; ++i) fonts += "\\fs" + QByteArray::number(33 + i) + (i + 1 < kMaxFonts ? " z\\par " : " z");
  fonts += "}";
  const QByteArray textRuns = runs(kMaxRuns / (kMaxRunsInParagraph / 2), kMaxRunsInParagraph / 2);
  // `left`: the cursor moved so many letters back from the end; `selected`: letters
  // selected from there on, typed over; `bold`: the letter typed bold, in a format of its
  // own.
  struct Case {
    const char* name; QByteArray rtf; int selected; Qt::Key key; QString text; bool taken;
    int left = 0; bool bold = false;
  } cases[] = {
      {"a letter past the height", tall, 0, Qt::Key_X, "x", false},
      {"in place of a letter as tall", tall, 1, Qt::Key_X, "x", true, 1},
      {"a paragraph past the most", paragraphs, 0, Qt::Key_Return, "\r", false},
      {"a letter in the last paragraph", paragraphs, 0, Qt::Key_A, "a", true},
      {"a letter past the longest word", word, 0, Qt::Key_W, "w", false},
      {"a space after it", word, 0, Qt::Key_Space, " ", true},
      {"a tab after it", word, 0, Qt::Key_Tab, "\t", true},
      {"a letter inside the longest word", word, 0, Qt::Key_W, "w", false, 1},
      {"a letter half-way in it", word, 0, Qt::Key_W, "w", false, kMaxWordLength / 2},
      {"a space inside it", word, 0, Qt::Key_Space, " ", true, 1},
      {"a space half-way in it", word, 0, Qt::Key_Space, " ", true, kMaxWordLength / 2},
      {"a letter changing the writing system once more", mixed, 0, Qt::Key_unknown, QString::fromUtf8("\u03b2"), false},
      {"a letter of the one it ends in", mixed, 0, Qt::Key_Y, "y", true},
      {"a letter in a font past the most", fonts, 0, Qt::Key_Z, "z", false, 0, true},
      {"a letter in the font it follows", fonts, 0, Qt::Key_Z, "z", true},
      {"a letter no installed font draws", word, 0, Qt::Key_unknown, QString::fromUtf8("\u0915"), false, 0},
      {"nor after a space", word, 0, Qt::Key_unknown, QString::fromUtf8(" \u0915"), false, 0},
      {"a letter joining the paragraph's last run", paragraphRuns, 0, Qt::Key_Y, "y", true},
      {"a letter of its own past the paragraph's runs", paragraphRuns, 0, Qt::Key_A, "a", false, 0, true},
      {"a letter inside a run, in its format", paragraphRuns, 0, Qt::Key_Y, "y", true, 1},
      {"a letter of its own splitting a run", paragraphRuns, 0, Qt::Key_A, "a", false, 1, true},
      {"a new paragraph inside a run", paragraphRuns, 0, Qt::Key_Return, "\r", true, 1},
      {"a letter of its own past the text's runs", textRuns, 0, Qt::Key_A, "a", false, 0, true},
      {"in place of a run of its own", textRuns, 2, Qt::Key_Y, "y", true, 2},
  };
  // Each typed with the keys, and composed with an input method, as the desktop's input
  // methods hand letters on (a new paragraph is a key's).
  for (const Case& c : cases) {
    for (const bool composed : {false, true}) {
      if (composed && c.key == Qt::Key_Return) continue;
      SCOPED_TRACE(std::string(c.name) + (composed ? ", composed" : ""));
      w->rtfAnunt->SetTextRTF(c.rtf);
      const QString before = Text();
      ASSERT_FALSE(before.isEmpty()) << "read within the limits";
      w->rtfAnunt->moveCursor(QTextCursor::End);
      for (int i = 0; i < c.left; ++i) w->rtfAnunt->moveCursor(QTextCursor::PreviousCharacter);
      for (int i = 0; i < c.selected; ++i)
        w->rtfAnunt->moveCursor(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
      if (c.bold) {
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        w->rtfAnunt->mergeCurrentCharFormat(bold);
      }
      const QTextCursor at = w->rtfAnunt->textCursor();
      const int from = at.selectionStart(), to = at.selectionEnd();  // before the text moves them
      if (composed) {
        QInputMethodEvent compose(c.text, {});
        QApplication::sendEvent(w->rtfAnunt, &compose);
        QInputMethodEvent commit;
        commit.setCommitString(c.text);
        QApplication::sendEvent(w->rtfAnunt, &commit);
        EXPECT_TRUE(w->rtfAnunt->textCursor().block().layout()->preeditAreaText().isEmpty())
            << "composing ended";
      } else {
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
        QApplication::sendEvent(w->rtfAnunt, &press);
      }
      const QString typed = c.key == Qt::Key_Return ? QStringLiteral("\n") : c.text;
      const QString expected = QString(before).replace(from, to - from, typed);
      EXPECT_EQ(Text(), c.taken ? expected : before);
    }
  }
}

// Undo from the toolbar reaches the text box, the focus given back before it runs.
TEST_F(Anexa, UndoFromTheToolbarUndoesTheTextBox) {
  w->rtfAnunt->moveCursor(QTextCursor::End);
  w->rtfAnunt->textCursor().insertText("de sters");
  w->cboSize->setFocus();
  w->tlbAnunt->Button(frmAnexa::kUndo)->click();
  QApplication::processEvents();
  EXPECT_EQ(Text(), "ANEXA LA CONTRACT\n");
}

TEST_F(Anexa, ToolbarFormatsTheSelectionAndFollowsTheCursor) {
  w->rtfAnunt->moveCursor(QTextCursor::End);
  w->rtfAnunt->insertPlainText("Intre vanzator si cumparator");
  const int start = Text().indexOf("Intre");
  Select("vanzator");
  for (int button : {frmAnexa::kBold, frmAnexa::kItalic, frmAnexa::kUnderline}) {
    EXPECT_FALSE(w->tlbAnunt->Value(button));
    w->tlbAnunt->Button(button)->click();
  }
  const QTextCharFormat f = FormatAt(Text().indexOf("vanzator"));
  EXPECT_TRUE(f.fontWeight() == QFont::Bold && f.fontItalic() && f.fontUnderline());
  EXPECT_EQ(QApplication::focusWidget(), w->rtfAnunt);

  // A font and a size picked from the lists.
  Select("cumparator");
  const int font = w->cboFont->findText("Liberation Serif");
  ASSERT_GE(font, 0);
  w->cboFont->setCurrentIndex(font);
  w->cboFont_Click();
  w->cboSize->setCurrentIndex(w->cboSize->findText("16"));
  w->cboSize_Click();
  const QTextCharFormat g = FormatAt(Text().indexOf("cumparator"));
  EXPECT_EQ(g.fontFamilies().toStringList(), QStringList{"Liberation Serif"});
  EXPECT_DOUBLE_EQ(g.fontPointSize(), 16);
  w->tlbAnunt->Button(frmAnexa::kRight)->click();
  EXPECT_EQ(w->rtfAnunt->document()->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignRight);

  // The boxes and buttons follow the selection: mixed values leave the boxes alone and
  // release the buttons.
  w->cboFont->setEditText("neschimbat");
  w->cboSize->setEditText("99");
  SelectRange(start, Text().size());
  EXPECT_EQ(w->cboFont->currentText(), "neschimbat");
  EXPECT_EQ(w->cboSize->currentText(), "99");
  EXPECT_FALSE(w->tlbAnunt->Value(frmAnexa::kBold));
  EXPECT_TRUE(w->tlbAnunt->Value(frmAnexa::kRight));
  Select("vanzator");
  EXPECT_TRUE(w->tlbAnunt->Value(frmAnexa::kBold) && w->tlbAnunt->Value(frmAnexa::kItalic) &&
              w->tlbAnunt->Value(frmAnexa::kUnderline));
  Select("cumparator");
  EXPECT_EQ(w->cboFont->currentText(), "Liberation Serif");
  EXPECT_EQ(w->cboSize->currentText(), "16");
  Select("ANEXA");
  EXPECT_TRUE(w->tlbAnunt->Value(frmAnexa::kCentre));
  EXPECT_FALSE(w->tlbAnunt->Value(frmAnexa::kRight));
  EXPECT_EQ(w->cboSize->currentText(), "14");
  SelectRange(0, Text().size());
  EXPECT_TRUE(w->tlbAnunt->Value(frmAnexa::kCentre)) << "mixed alignment changes no button";
}

// Only an entry picked from a box's list formats the text: typing a name or a size and
// ending with Enter or Tab changes nothing.
TEST_F(Anexa, FontAndSizeApplyOnlyWhenPickedFromTheList) {
  w->rtfAnunt->moveCursor(QTextCursor::End);
  w->rtfAnunt->insertPlainText("Intre vanzator si cumparator");
  const auto type = [](QWidget* to, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &release);
  };
  enum How { TypedEnter, TypedTab, Picked };
  struct Case { const char* name; QComboBox* frmAnexa::*box; QString entry; How how; } cases[] = {
      {"size typed, then Enter", &frmAnexa::cboSize, "26", TypedEnter},
      {"font typed, then Tab", &frmAnexa::cboFont, "Liberation Serif", TypedTab},
      {"font typed, then Enter", &frmAnexa::cboFont, "Liberation Serif", TypedEnter},
      {"size picked from the list", &frmAnexa::cboSize, "26", Picked},
      {"font picked from the list", &frmAnexa::cboFont, "Liberation Serif", Picked},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QComboBox* box = w->*c.box;
    const int index = box->findText(c.entry);
    ASSERT_GE(index, 0);
    Select("vanzator");
    const QTextCharFormat before = FormatAt(Text().indexOf("vanzator"));
    box->setFocus();
    if (c.how == Picked) {
      box->showPopup();
      box->view()->setCurrentIndex(box->model()->index(index, 0));
      type(box->view(), Qt::Key_Return);
    } else {
      box->lineEdit()->selectAll();
      for (QChar ch : c.entry) type(box->lineEdit(), 0, ch);
      EXPECT_EQ(box->currentText(), c.entry);
      type(box->lineEdit(), c.how == TypedEnter ? Qt::Key_Return : Qt::Key_Tab);
      if (c.how == TypedTab) {
        EXPECT_NE(QApplication::focusWidget(), box->lineEdit()) << "Tab left the box";
      }
    }
    QApplication::processEvents();
    const QTextCharFormat after = FormatAt(Text().indexOf("vanzator"));
    if (c.how != Picked) {
      EXPECT_EQ(after, before);
      EXPECT_TRUE(w->isVisible()) << "Enter closes nothing";
      continue;
    }
    if (c.box == &frmAnexa::cboSize) {
      EXPECT_DOUBLE_EQ(after.fontPointSize(), 26);
    } else {
      EXPECT_EQ(after.fontFamilies().toStringList(), QStringList{c.entry});
    }
  }
}

TEST_F(Anexa, RightClickOpensThePopupMenu) {
  Mouse(QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_FALSE(w->mnuFlotant->isVisible());
  Mouse(QEvent::MouseButtonPress, Qt::RightButton);
  EXPECT_TRUE(w->mnuFlotant->isVisible());
  w->mnuFlotant->close();
}

TEST_F(Anexa, ResizingFitsTheTextToTheWindow) {
  for (QSize size : {QSize(800, 600), QSize(400, 300), QSize(300, 10)}) {
    const QSize before = w->rtfAnunt->size();
    w->resize(size);
    QApplication::processEvents();
    EXPECT_EQ(w->rtfAnunt->width(), w->width());
    if (w->height() >= w->tlbAnunt->height())
      EXPECT_EQ(w->rtfAnunt->height(), w->height() - w->tlbAnunt->height());
    else
      EXPECT_EQ(w->rtfAnunt->height(), before.height()) << "too low: the height stays";
    EXPECT_EQ(w->rtfAnunt->y(), 30);  // 450 twips
    EXPECT_EQ(w->tlbAnunt->size(), QSize(479, 25)) << "the toolbar keeps its size";
  }
}

// The print dialog opens with the selection as its range when there is one and no page
// range; the annex goes to the printer chosen there, and to no other, whole: a page
// range typed in the dialog reaches neither the program nor the print system.
TEST_F(Anexa, PrintsTheWholeTextOrTheSelectionOnTheChosenQueueOnly) {
  const testsupport::PrintQueues queues = testsupport::TestPrintQueues();
  if (!queues.Available()) GTEST_SKIP() << "no test print queues (scripts/test.sh starts them)";
  ASSERT_TRUE(platform::MakeCurrentPrinter(queues.fisa));  // the current printer is another one
  w->rtfAnunt->moveCursor(QTextCursor::End);
  w->rtfAnunt->insertPlainText("ANEXATOT1 ANEXASEL2");
  // A stray job would be an empty page, or hold the annex.
  const auto strayOn = [&](const QString& queue, const QStringList& before) {
    QStringList stray;
    for (const QString& name : testsupport::CapturedJobs(queues)) {
      if (before.contains(name) || !name.startsWith(queue + "-job-")) continue;
      QStringList words;
      for (const auto& page : testsupport::ReadPdfPages(queues.captureDir + "/" + name))
        for (const auto& word : page.words) words << word.text;
      if (words.isEmpty() || words.join(' ').contains("ANEXA")) stray << name;
    }
    return stray;
  };
  const auto settle = [] {
    for (int i = 0; i < 20; ++i) {
      QApplication::processEvents();
      QThread::msleep(50);
    }
  };

  struct Case {
    const char* name; bool selected; int flags; int fromPage; QString marker; QString words; int pages;
  } cases[] = {
      {"whole text", false, 264, 0, "ANEXATOT1", "ANEXA LA CONTRACT ANEXATOT1 ANEXASEL2", 1},
      {"selection", true, 265, 0, "ANEXASEL2", "ANEXASEL2", 1},
      {"selection, pages 2 to 2 typed", true, 265, 2, "ANEXASEL2", "ANEXASEL2", 1},
      {"three pages, page 1 typed", false, 264, 1, "ANEXAFINAL3", "", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.pages > 1) {  // the annex grows to three pages
      w->rtfAnunt->moveCursor(QTextCursor::End);
      for (int line = 0; line < 200; ++line) w->rtfAnunt->insertPlainText(QStringLiteral("\nrand %1").arg(line));
      w->rtfAnunt->insertPlainText("\nANEXAFINAL3");
    }
    if (c.selected) Select("ANEXASEL2");
    else w->rtfAnunt->moveCursor(QTextCursor::End);
    const QStringList before = testsupport::CapturedJobs(queues);
    platform::CommonDialogScript dialog;
    platform::MessageBoxScript noMessage;
    dialog.ChoosePrinterPdf({.printerName = queues.acte, .fromPage = c.fromPage, .toPage = c.fromPage});
    w->tlbAnunt->Button(frmAnexa::kPrint)->click();
    ASSERT_EQ(dialog.ShownDialogs().size(), 1);
    EXPECT_EQ(dialog.ShownDialogs()[0].dialog, "ShowPrinter");
    EXPECT_TRUE(dialog.ShownDialogs()[0].cancelError);
    EXPECT_EQ(dialog.ShownDialogs()[0].flags, c.flags);
    const QString job = testsupport::WaitForNewJob(queues, queues.acte, before, c.marker);
    ASSERT_FALSE(job.isEmpty()) << "no job on " << queues.acte.toStdString();
    QStringList words;
    const auto pages = testsupport::ReadPdfPages(job);
    for (const auto& page : pages)
      for (const auto& word : page.words) words << word.text;
    EXPECT_EQ(pages.size(), c.pages);
    if (!c.words.isEmpty()) {
      EXPECT_EQ(words.join(' '), c.words);
    }
    EXPECT_TRUE(words.contains("ANEXATOT1") || c.selected) << "the first page is printed";
    const QStringList options = testsupport::JobOptions(job);
    EXPECT_FALSE(options.isEmpty()) << "the queue kept the job's options";
    for (const QString& option : options) {
      EXPECT_FALSE(option.startsWith("page-ranges=") || option.startsWith("page-set=")) << option.toStdString();
    }
    settle();
    EXPECT_EQ(strayOn(queues.fisa, before), QStringList());
    EXPECT_TRUE(noMessage.Shown().isEmpty());
  }

  // Cancelled: nothing printed anywhere, nothing said.
  const QStringList before = testsupport::CapturedJobs(queues);
  platform::CommonDialogScript dialog;
  platform::MessageBoxScript noMessage;
  dialog.Cancel();
  w->tlbAnunt->Button(frmAnexa::kPrint)->click();
  EXPECT_EQ(dialog.ShownDialogs().size(), 1);
  settle();
  EXPECT_EQ(strayOn(queues.fisa, before), QStringList());
  EXPECT_EQ(strayOn(queues.acte, before), QStringList());
  EXPECT_TRUE(noMessage.Shown().isEmpty());
  platform::ResetCurrentPrinter();
}

// A print that does not go through says so, naming where it went; the annex stays as
// typed for another try.
TEST_F(Anexa, AFailedPrintIsReportedAndTheTextKept) {
  w->rtfAnunt->moveCursor(QTextCursor::End);
  w->rtfAnunt->insertPlainText("ANEXATOT1");
  const QString typed = w->rtfAnunt->toPlainText();
  platform::CommonDialogScript dialog;
  const QString pdf = QStringLiteral("/nonexistent-folder/anexa.pdf");
  dialog.ChoosePrinterPdf({.pdfFile = pdf});
  platform::MessageBoxScript boxes;
  w->tlbAnunt->Button(frmAnexa::kPrint)->click();
  ASSERT_EQ(boxes.Shown().size(), 1);
  EXPECT_TRUE(boxes.Prompts()[0].startsWith("482 Fisierul \"" + pdf + "\" nu a putut fi scris."))
      << boxes.Prompts()[0].toStdString();
  EXPECT_EQ(w->rtfAnunt->toPlainText(), typed);
}

// The main window's hidden button shows the editor modally.
TEST(AnexaModal, ShowAnexaRunsTheEditorModally) {
  bool modal = false;
  QTimer::singleShot(0, [&] {
    frmAnexa* w = Forms::IfLoaded<frmAnexa>();
    modal = w && w->isModal() && w->isVisible();
    if (w) w->close();
  });
  document_forms::ShowAnexa();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(modal);
  EXPECT_FALSE(Forms::IsLoaded<frmAnexa>());
}
