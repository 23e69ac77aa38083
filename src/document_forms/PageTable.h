#pragma once
// A form's page written as one table: every label, line, shape, picture, box, check box,
// combo box and button with its place in twips, in the order the controls are created
// (later ones stand above earlier ones), read by the skeleton (DocumentForm), which lays
// the controls out. See DocumentForm.h for a whole member.
//
//   const Item kItems[] = {
//     Label(3402, 2835, "DECLARATIE DE VELORASTULARE", kTitle),
//     Label(2100, 5415, "Subsemnatul", kText),
//     Box(0, 3600, 5430, 2775),                 // txt(0), 285 high
//     Rule(5730, 3660, 6315),                   // a ruled line under it
//     Check("Check1", 3180, 7080, 645),
//     PrintButton(0, 960, 90), ExitButton(0, 2040, 90),
//     Footer(1320, 15450),
//   };

#include <algorithm>
#include <array>
#include <span>

#include "platform/PageControls.h"
#include "platform/PaperCodes.h"

namespace document_forms {

// A font of the layout: face, size in points, bold, italic, underline. No face: the
// page's default font.
struct Font {
  const char* face = nullptr;
  double size = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

inline constexpr Font kPageFont{};  // the page's own font
inline constexpr Font kTimes12{"Times New Roman", 12};
inline constexpr Font kTimes14Bold{"Times New Roman", 14.25, true};
inline constexpr Font kArial6{"Arial", 6};

// The footer every member but two carries: "Act generat de aplicatia ..." with the
// maker's contact between the brackets, Arial 6, one line 9135 x 225.
inline constexpr const char* kFooterText =
    "Act generat de aplicatia DRAVENCO-VELORASTULARE (office@velorast.example)";
inline constexpr double kFooterWidth = 9135;
inline constexpr double kFooterHeight = 225;

enum class Kind {
  kLabel,   // a caption; width 0: as wide as its text
  kDots,    // a row of full stops about as wide as `width`, in the page's font
  kLine,    // from (left, top) to (width, height): x1, y1, x2, y2
  kShape,   // a rectangle, rounded rectangle or oval
  kImage,   // a picture (loaded by the member)
  kBox,     // a box of the page's box array, single-line
  kMemo,    // a box of the page's box array, several lines
  kCheck,   // a check box
  kCombo,   // a combo box (its entries set by the member)
  kButton,  // a command button
};

using platform::TextAlign;

// One row of a page table. Use the functions below to write rows.
struct Item {
  Kind kind = Kind::kLabel;
  const char* name = nullptr;  // the control's name: "txt", "Check1", "cmdPrint", "lblPermis"
  int index = -1;              // its index in its control array; -1: not an array
  double left = 0, top = 0, width = 0, height = 0;  // twips; a line: x1, y1, x2, y2
  const char* text = nullptr;  // caption
  Font font{};
  TextAlign align = TextAlign::kLeft;
  int border = 1;              // a line's or shape's thickness in pixels
  platform::FormShape::Kind shape = platform::FormShape::Kind::kRectangle;
  bool filled = false;         // a shape filled black
  bool dotted = false;         // a dotted line
  bool wrap = false;           // a label whose caption wraps at its width
  bool runsOn = false;         // a box whose text may run on over blank paper to its right

  // The same row with a name (and index) of its own, for a control the member works on.
  constexpr Item Named(const char* controlName, int controlIndex = -1) const {
    Item copy = *this;
    copy.name = controlName;
    copy.index = controlIndex;
    return copy;
  }
  constexpr Item Wrapped() const {
    Item copy = *this;
    copy.wrap = true;
    return copy;
  }
  // A box whose text, too long for it, may run on over the blank paper to its right on
  // paper, up to whatever is printed next on its line; the box itself keeps its place.
  constexpr Item RunsOn() const {
    Item copy = *this;
    copy.runsOn = true;
    return copy;
  }
};

// Labels are 300 high unless told.
inline constexpr double kLabelHeight = 300;
// Boxes are 285 high unless told.
inline constexpr double kBoxHeight = 285;
// The family's buttons, 975 x 645 unless told.
inline constexpr double kButtonWidth = 975;
inline constexpr double kButtonHeight = 645;

constexpr Item Label(double left, double top, const char* text, Font font = kPageFont, double width = 0,
                     double height = kLabelHeight, TextAlign align = TextAlign::kLeft) {
  return {.kind = Kind::kLabel, .left = left, .top = top, .width = width, .height = height, .text = text,
          .font = font, .align = align};
}
constexpr Item Dots(double left, double top, double width, double height = kLabelHeight) {
  return {.kind = Kind::kDots, .left = left, .top = top, .width = width, .height = height};
}
constexpr Item Line(double x1, double y1, double x2, double y2, int thickness = 1) {
  return {.kind = Kind::kLine, .left = x1, .top = y1, .width = x2, .height = y2, .border = thickness};
}
// A horizontal rule at `y` from `x1` to `x2`.
constexpr Item Rule(double y, double x1, double x2, int thickness = 1) { return Line(x1, y, x2, y, thickness); }
// The thin rule under a box at (left, top) `width` wide: 300 below the box's top,
// within 60 of either end.
constexpr Item RuleUnder(double left, double top, double width) {
  return Rule(top + 300, left + 60, left + width - 60);
}
constexpr Item DottedLine(double x1, double y1, double x2, double y2) {
  Item line = Line(x1, y1, x2, y2);
  line.dotted = true;
  return line;
}
constexpr Item Shape(platform::FormShape::Kind kind, double left, double top, double width, double height,
                     int thickness = 1, bool filled = false) {
  return {.kind = Kind::kShape, .left = left, .top = top, .width = width, .height = height, .border = thickness,
          .shape = kind, .filled = filled};
}
// A small filled circle.
constexpr Item Bullet(double left, double top, double width = 135, double height = 105) {
  return Shape(platform::FormShape::Kind::kOval, left, top, width, height, 0, true);
}
constexpr Item Image(const char* name, double left, double top, double width, double height) {
  return {.kind = Kind::kImage, .name = name, .left = left, .top = top, .width = width, .height = height};
}
// Box `index` of the page's box array.
constexpr Item Box(int index, double left, double top, double width, double height = kBoxHeight,
                   Font font = kPageFont, TextAlign align = TextAlign::kLeft) {
  return {.kind = Kind::kBox, .index = index, .left = left, .top = top, .width = width, .height = height,
          .font = font, .align = align};
}
constexpr Item Memo(int index, double left, double top, double width, double height, Font font = kPageFont) {
  return {.kind = Kind::kMemo, .index = index, .left = left, .top = top, .width = width, .height = height,
          .font = font};
}
constexpr Item Check(const char* name, double left, double top, double width, double height = kBoxHeight,
                     const char* caption = "", Font font = kPageFont, int index = -1) {
  return {.kind = Kind::kCheck, .name = name, .index = index, .left = left, .top = top, .width = width,
          .height = height, .text = caption, .font = font};
}
constexpr Item Combo(const char* name, double left, double top, double width, double height = 315,
                     Font font = kPageFont) {
  return {.kind = Kind::kCombo, .name = name, .left = left, .top = top, .width = width, .height = height,
          .font = font};
}
constexpr Item Button(const char* name, int index, const char* caption, double left, double top,
                      double width = kButtonWidth, double height = kButtonHeight) {
  return {.kind = Kind::kButton, .name = name, .index = index, .left = left, .top = top, .width = width,
          .height = height, .text = caption};
}
// cmdPrint(index) "Tiparire" and cmdExit(index) "Iesire"; index -1 for a single button.
constexpr Item PrintButton(int index, double left, double top, double width = kButtonWidth,
                           double height = kButtonHeight) {
  return Button("cmdPrint", index, "Tiparire", left, top, width, height);
}
constexpr Item ExitButton(int index, double left, double top, double width = kButtonWidth,
                          double height = kButtonHeight) {
  return Button("cmdExit", index, "Iesire", left, top, width, height);
}
// The family's footer label at (left, top).
constexpr Item Footer(double left, double top) {
  return Label(left, top, kFooterText, kArial6, kFooterWidth, kFooterHeight).Named("lblFooter");
}

// Rows written once for several pages joined into one table, in order (a plain array
// through std::to_array):
//   constexpr auto kItems = Concat(std::to_array(kHead), VehicleRow(7980, ...), kTail);
template <std::size_t... N>
constexpr std::array<Item, (N + ...)> Concat(const std::array<Item, N>&... parts) {
  std::array<Item, (N + ...)> out{};
  std::size_t at = 0;
  ((std::copy(parts.begin(), parts.end(), out.begin() + at), at += N), ...);
  return out;
}

// Box `index` standing on a row of dots that starts `dotsBelow` under the box's top,
// as wide as the box (the dots first, so that the box stands above them).
constexpr std::array<Item, 2> DottedBox(int index, double left, double top, double width,
                                        double height = kBoxHeight, double dotsBelow = 150) {
  return {Dots(left, top + dotsBelow, width), Box(index, left, top, width, height)};
}

// A stop of the tab order: a control by name and index.
struct TabStop {
  const char* name;
  int index = -1;
};

// What a box does when it takes the focus.
enum class BoxFocus {
  kSelectButFirst,  // its text selected (Home, Shift+End), except box 0; kept in view
  kSelectAll,       // box 0 selected too
  kNone,            // no focus or Enter handling at all
};

// How the page prints.
enum class PrintProcedure {
  kStandard,    // A4 in the page's orientation set around the print, and set back
  kAsItStands,  // the printer's paper and orientation left as they are
};

// A member's page and what sets it apart.
struct Page {
  const char* caption = "";
  int orientation = platform::kPortrait;
  std::span<const Item> items;
  // The tab order; empty: the boxes by index, then cmdPrint(0), cmdExit(0), cmdPrint(1),
  // cmdExit(1) (or the single cmdPrint, cmdExit).
  std::span<const TabStop> tabOrder = {};
  const char* boxArray = "txt";   // the name of the box array: txt, txtPJ, txtF, txtCV
  Font pageFont{"MS Sans Serif", 8.25};  // the page's font: rows of dots, and what has no font below
  Font labelFont{};               // labels without a font of their own (no face: the page's font)
  Font boxFont{};                 // boxes without a font of their own (no face: the page's font)
  bool boxesTakeFontDrav = true;  // before FillFields every box takes FontDrav's face
  BoxFocus boxFocus = BoxFocus::kSelectButFirst;
  bool bottomButtonsKeepInView = false;  // the bottom pair (index 1) keeps itself in view
  PrintProcedure print = PrintProcedure::kStandard;
};

}  // namespace document_forms
