#pragma once
// DocumentForm: the skeleton of every page form. A member is its page table (PageTable.h)
// and its FillFields; the skeleton lays the page out, opens it in the MDI parent at
// left 10, top 0, scrolls it by its Top, gives the boxes their focus and Enter handling,
// prints it (vector output, buttons hidden) and shows the main window again when it
// unloads. The paper shows what the window shows: boxes, check boxes and combo boxes
// stand above every label, line, shape and picture whatever the table's order, a box
// covers on paper the pixels it covers on the screen, and a caption or a box's text on
// paper too wide for its room is fitted into it by the one rule of every page
// (platform/FittedText.h); a box whose row says RunsOn() may use the blank paper after
// it. A member, whole:
//
//   // frmDeclVelorast.h
//   class frmDeclVelorast : public document_forms::DocumentForm {
//    public:
//     frmDeclVelorast();
//    private:
//     void FillFields() override;
//   };
//
//   // frmDeclVelorast.cpp
//   namespace {
//   using namespace document_forms;
//   constexpr Item kItems[] = {                      // in creation order, twips
//       Label(3402, 2835, "DECLARATIE DE VELORASTULARE", kTimes14Bold),
//       Label(2100, 5415, "Subsemnatul", kTimes12),
//       Box(0, 3600, 5430, 2775), Rule(5730, 3660, 6315),
//       Check("Check1", 3180, 7080, 645),
//       PrintButton(0, 960, 90), ExitButton(0, 2040, 90),
//       PrintButton(1, 1080, 13770), ExitButton(1, 2160, 13770),
//       Footer(1320, 15450),
//   };
//   // (rows several pages share: constexpr auto kItems = Concat(std::to_array(kHead), kSharedRows, ...))
//   constexpr TabStop kTabs[] = {{"txt", 0}, {"Check1"}, {"cmdPrint", 0}, {"cmdExit", 0}, ...};
//   constexpr Page kPage{.caption = "Declaratie de velorastulare", .items = kItems, .tabOrder = kTabs};
//   }
//   frmDeclVelorast::frmDeclVelorast() : DocumentForm(kPage) { Form_Load(); }   // always last
//   void frmDeclVelorast::FillFields() {            // boxes already have FontDrav's face
//     SetText(0, Case().Text(core::Box("CumparatorNume")));   // Case(): the main window's boxes
//     SetText(18, Today());                                   // "dd-mm-yyyy" from the clock
//   }
//   // Controls by name: Find<platform::FormCheckBox>("Check1"), Find<platform::FormLabel>("lblPermis"),
//   // cmdPrint(0), cmdExit(1), Box(i) / BoxWidget(i) / Text(i).
//
//   // main_window/DocumentButtons.cpp, in kDocuments:
//   .frmDeclVelorast = document_forms::Launch<document_forms::frmDeclVelorast>,
//
// What sets a member apart is data in its Page: .orientation = platform::kLandscape,
// .boxArray = "txtPJ", .boxFocus = BoxFocus::kSelectAll or kNone, .boxesTakeFontDrav =
// false (layout fonts kept), .bottomButtonsKeepInView, .print = PrintProcedure::kAsItStands;
// single buttons are PrintButton(-1, ...) and ExitButton(-1, ...); a box array with gaps
// simply has no rows for the missing indexes; Memo(...) is a box of several lines,
// Image("imgFond", ...) a picture (FormImage::LoadPicture), Combo("cboPierdere", ...) a
// combo box, Button("cmdPierdere", 0, "...", ...) a further button (hidden while printing
// like every button). Tests: tests/document_forms/FormFixture.h and FormPrintTest.h.
// What no data says, a member overrides:
// LoadExtras (between sizing and FillFields), BeforePrint / AfterPrint (around the
// print, after the buttons are hidden and before they are shown again), the handlers
// (txt_GotFocus, cmdPrint_GotFocus, ...) calling the skeleton's own, and ShowOpener (who
// is shown when the form unloads). ShiftControls(leftMm, topMm) moves all but the lines.

#include <QFont>
#include <QString>
#include <QWidget>
#include <map>
#include <span>
#include <utility>
#include <vector>

#include "core/CaseBoxes.h"
#include "document_forms/BoxCopies.h"
#include "document_forms/PageTable.h"
#include "platform/Forms.h"
#include "platform/PageControls.h"

class QMdiSubWindow;
class QPainter;
class frmVelorast;

namespace document_forms {

// The A4 page in twips.
inline constexpr double kA4ShortTwips = 11907;
inline constexpr double kA4LongTwips = 16840;
// Where the launchers put a form in the MDI client area.
inline constexpr double kOpenLeft = 10;
inline constexpr double kOpenTop = 0;

// The Top that brings a control into view (KeepInView), all in twips: `windowTop` the
// window's Top, `controlTop` the control's Top within the page, `height` its height,
// `scaleHeight` the height of the MDI client area. Returns `windowTop` when the control
// is in view already.
double KeepInViewTop(double windowTop, double controlTop, double height, double scaleHeight);

// The font of a page-table row: its own, or the page's when it names no face.
QFont FontOf(const Font& font, const Font& pageFont);

// The message shown when a print fails with `number`, `description` and `source`.
QString PrintFailureMessage(int number, const QString& description, const QString& source);
inline const QString kPrinterNotConnected = QStringLiteral("E posibil ca imprimanta sa nu fie conectata la calculator");

class DocumentForm : public QWidget {
  Q_OBJECT
 public:
  explicit DocumentForm(const Page& page);
  ~DocumentForm() override;

  const Page& PageTable() const { return page_; }

  // ---- The controls, laid out from the page table
  // Every control, in the page table's order (the form's collection of controls).
  const std::vector<platform::PageControl*>& Controls() const { return controls_; }
  // A control by name and index, or nullptr.
  platform::PageControl* Control(const QString& name, int index = -1) const;
  template <class T>
  T* Find(const QString& name, int index = -1) const {
    return dynamic_cast<T*>(Control(name, index));
  }

  // The box array: the boxes by index (nullptr where the array has a gap).
  int BoxCount() const { return static_cast<int>(boxes_.size()); }
  platform::PageControl* Box(int index) const;
  QWidget* BoxWidget(int index) const;
  QString Text(int index) const;
  void SetText(int index, const QString& text);
  // The index of a box widget in the array, or -1.
  int IndexOfBox(const QWidget* widget) const;

  // The family's buttons: index 0 the top pair, 1 the bottom pair, -1 a single button.
  platform::FormButton* cmdPrint(int index = -1) const { return Find<platform::FormButton>("cmdPrint", index); }
  platform::FormButton* cmdExit(int index = -1) const { return Find<platform::FormButton>("cmdExit", index); }

  // ---- The window in the MDI client area, in twips
  double Left() const;
  double Top() const;
  void SetTop(double twips);
  void Move(double left, double top);
  // The height of the MDI client area (ScaleHeight of MDIVelorast), in twips.
  static double ScaleHeight();
  QMdiSubWindow* Frame() const;

  // Sizes the window, runs LoadExtras, then (the boxes given FontDrav's face when the
  // page says so) FillFields. The member's constructor calls it as its last statement.
  void Form_Load();

  // Opening: at left 10, top 0 of the MDI client area, shown, the focus on the first
  // control of the tab order.
  void OpenAtTopLeft();

  // Scrolls the page so that `control` is in view (KeepInViewTop).
  void KeepInView(const platform::PageControl& control);
  // Moves every control but the lines by the offsets in millimetres (56.7 twips each).
  void ShiftControls(double leftMm, double topMm);

  // The page as it prints: every visible control on the sheet but the buttons (a control
  // the table puts wholly off the sheet, or a caption whose letters begin past its edge, is
  // not drawn), `scale` device units a twip from the paper's top left corner; the drawn elements (labels, lines, shapes,
  // pictures) in creation order, then the boxes, check boxes and combo boxes above them
  // in theirs, as the screen stacks them.
  void PaintOnPaper(QPainter& painter, double scale) const;
  // Prints the page into a PDF file as it prints on paper (for the review pictures).
  // The member's own steps around a print (BeforePrint, AfterPrint) run around it too.
  void PrintToPdf(const QString& path);
  bool Printing() const { return printing_; }

  // ---- Handlers
  // The box array's GotFocus (txt_GotFocus, txtPJ_GotFocus, txtF_GotFocus,
  // txtCV_GotFocus, whichever the array's name) and KeyDown.
  virtual void txt_GotFocus(int index);
  virtual void txt_KeyDown(int index, int keyCode, Qt::KeyboardModifiers shift);
  virtual void cmdPrint_GotFocus(int index);
  virtual void cmdExit_GotFocus(int index);
  virtual void cmdPrint_Click(int index);
  virtual void cmdExit_Click(int index);
  // Never cancels; shows the opener (ShowOpener).
  virtual void Form_Unload(bool& cancel);

 protected:
  // The member's pre-fill from the main window.
  virtual void FillFields() {}
  // What the member does at load between sizing and FillFields.
  virtual void LoadExtras() {}
  // Around the print: after the buttons are hidden, and before they are shown again.
  virtual void BeforePrint() {}
  virtual void AfterPrint() {}
  // Who comes back when the form unloads: the main window unless overridden.
  virtual void ShowOpener();

  // The case data of the main window, and today's date "dd-mm-yyyy".
  static const core::CaseBoxes& Case();
  static QString Today();
  // Copies main-window boxes into this form's, in the order given, texts unchanged:
  //   constexpr BoxCopy kCopies[] = {{1, core::Box("CumparatorNume")}, ...};
  void CopyFromCase(std::span<const BoxCopy> copies);

  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayOut();
  // A caption of one line that runs under a box, so that the box standing above it would
  // hide some of its letters (on its line, or over a part of their height), ends where
  // the box begins, fitted into the room before it (a box over a caption's row of dots is
  // left to hide them); one that an upright rule of the page would cross ends a pixel
  // short of the rule's ink.
  void KeepCaptionsClear();
  // A box whose row says it runs on may print its text over the blank paper to its right,
  // up to what prints next on its line (FormTextBox::SetPaperRight).
  void LetBoxesRunOn();
  // An upright rule of the page: a line, or a side of a rectangle, in twips.
  struct UprightRule {
    double x, top, bottom;
    int thickness;    // pixels
    double from, to;  // the band it fills on paper, left to right
  };
  std::vector<UprightRule> UprightRules() const;
  // A level rule of the page: a line, or the top or bottom of a rectangle, in twips.
  struct LevelRule {
    double top, bottom, left, right;  // the band it fills on paper
  };
  std::vector<LevelRule> LevelRules() const;
  // A caption of one line whose letters a level rule runs through or touches at their
  // foot (a comma, a "p") or at their top is moved up or down just enough to stand a
  // pixel clear of it, by no more than the depth of the font's descenders, where the
  // letters so moved touch no other rule and no other caption and no box hides more of
  // them; one held where it stands (two rules, or a rule and a caption or box close by)
  // is reduced to the room between them (FormLabel::SetLetterBand), sharing the gap to a
  // caption with it. The lines of one caption (labels of one line in one font, lined up
  // one under another, closer than the lines of a list; the letters of a word set one
  // under another too) are one: they print at one size, the smallest any of them needs,
  // move together, and when held are reduced alike, keeping their distance.
  void KeepCaptionsOffLevelRules();
  // A caption of one line whose label begins or ends on an upright rule of its line, its
  // letters (not its blanks) within a pixel of the rule, keeps a pixel clear of the rule
  // (FormLabel::SetSideRules).
  void KeepCaptionsOffSideRules();
  void SetTabOrder();
  // The controls of the tab order, first to last: the page's own, or the boxes by index
  // and then the buttons.
  std::vector<QWidget*> TabChain() const;
  void ButtonGotFocus(platform::PageControl* button, int index);
  void PrintStandard();
  QSize PagePixels() const;

  const Page& page_;
  std::vector<platform::PageControl*> controls_;
  std::map<std::pair<QString, int>, platform::PageControl*> byName_;
  std::vector<platform::PageControl*> boxes_;
  double left_ = 0, top_ = 0;  // as last set, in twips
  bool printing_ = false;
};

// Opens a member as its launcher does: loads it when it is not loaded, puts it at the
// top left of the MDI client area and gives it the focus.
template <class F>
F* Open() {
  F* form = platform::Forms::Get<F>();
  form->OpenAtTopLeft();
  return form;
}

// The entry of a member in main_window::kDocuments.
template <class F>
void Launch(frmVelorast& /*mainWindow*/) {
  Open<F>();
}

}  // namespace document_forms
