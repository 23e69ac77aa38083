#pragma once
// A printed line of a form page written as it reads: captions, boxes and fill-in lines
// left to right, laid into page-table rows. A caption stands directly before the box or
// fill-in line that follows it (it ends where that begins, right-aligned in the gap from
// the piece before it, or for the line's first caption from the line's left, and
// fitted into that gap, condensed and then smaller, when its text is wider); a caption that no box or line follows
// begins where the piece before it ends (a pixel further on where its first letter would
// reach down to the rule that ends there), the first at the line's left; a caption given
// a left of its own begins there. Where the page gives the line's left instead
// (AddLineAt), the line's first caption begins there, left-aligned in the room up to
// the box or line that follows it.
//
//   AddLine(items, 3870, 1410, kTimes12, {Field(1, 1470, 885), Say("judet"), Field(2, 2970, 2265),
//                                          Say("cod postal"), Blank(8970, 765)});
//
// A box stands on a fill-in line 15 twips under its bottom edge, as long as the box
// (Field), on a row of full stops starting 150 twips under its top (DottedField), or on
// nothing (BareField); a fill-in line for handwriting (Blank) lies where the line under a
// box would (285 high unless told).

#include <initializer_list>
#include <vector>

#include "document_forms/PageTable.h"

namespace document_forms {

struct Piece {
  enum class Kind { kCaption, kField, kBlank };
  enum class Under { kRule, kDots, kNothing };
  Kind kind = Kind::kCaption;
  const char* text = nullptr;
  int index = -1;
  double left = -1;  // -1: placed by the rule above
  double top = -1;   // a box's own top; -1: the line's
  double width = 0;
  double height = kBoxHeight;
  Under under = Under::kRule;
  Font font{};  // a caption's font; no face: the line's
};

constexpr Piece Say(const char* text, double left = -1, Font font = {}) {
  return {.kind = Piece::Kind::kCaption, .text = text, .left = left, .font = font};
}
constexpr Piece Field(int index, double left, double width, double height = kBoxHeight, double top = -1) {
  return {.kind = Piece::Kind::kField, .index = index, .left = left, .top = top, .width = width, .height = height};
}
constexpr Piece DottedField(int index, double left, double width, double height = kBoxHeight) {
  Piece p = Field(index, left, width, height);
  p.under = Piece::Under::kDots;
  return p;
}
constexpr Piece BareField(int index, double left, double width, double height = kBoxHeight, double top = -1) {
  Piece p = Field(index, left, width, height, top);
  p.under = Piece::Under::kNothing;
  return p;
}
// `height`: of the box whose line it matches.
constexpr Piece Blank(double left, double width, double height = kBoxHeight) {
  return {.kind = Piece::Kind::kBlank, .left = left, .width = width, .height = height};
}

// Appends the rows of one printed line whose captions stand at `top` in `font`, none
// further left than `left`.
void AddLine(std::vector<Item>& items, double top, double left, Font font, std::initializer_list<Piece> pieces);
// The same for a line that begins at `left`, where the page gives it.
void AddLineAt(std::vector<Item>& items, double top, double left, Font font, std::initializer_list<Piece> pieces);

// Tab stops: boxes `first` to `last` of the box array, in index order.
void AddBoxStops(std::vector<TabStop>& tabs, int first, int last);
// The two pairs of buttons in the tab order, either pair first.
inline constexpr TabStop kTopPairFirst[] = {{"cmdPrint", 0}, {"cmdExit", 0}, {"cmdPrint", 1}, {"cmdExit", 1}};
inline constexpr TabStop kBottomPairFirst[] = {{"cmdPrint", 1}, {"cmdExit", 1}, {"cmdPrint", 0}, {"cmdExit", 0}};

// A page whose rows are made when it is first used (its captions measured in their
// fonts), kept for the life of the program:
//   const Page& ThePage() {
//     static const BuiltPage built("Cerere de radiere", PageItems(), TabOrder(), kPageFont);
//     return built.page;
//   }
struct BuiltPage {
  BuiltPage(const char* caption, std::vector<Item> rows, std::vector<TabStop> stops, Font pageFont);
  BuiltPage(const BuiltPage&) = delete;
  BuiltPage& operator=(const BuiltPage&) = delete;

  const std::vector<Item> items;
  const std::vector<TabStop> tabs;
  const Page page;
};

}  // namespace document_forms
