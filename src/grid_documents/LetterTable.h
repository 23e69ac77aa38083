#pragma once
// The kinds of cell that the letters (sale contract, deregistration certificate, request
// letter and contract with certificate on one page) are written in, as rows of the
// layout tables of sheet_front/LayoutTable.h:
//
//   Label     a fixed text, locked
//   OpenLabel a fixed text the clerk may change
//   Entry     an open cell or merged area with a fill-in line under it, for the fill or
//             for the clerk
//   TickBox   a single open cell drawn as a small square, ticked by the text "1"
//   LockOnly  a lock and nothing else: an empty locked cell, or a range locked as one
//   MergeOnly a merged area with nothing of its own

#include "sheet_front/LayoutTable.h"

namespace grid_documents {

using sheet_front::Area;
using sheet_front::At;
using sheet_front::FontSet;
using sheet_front::kLocked;
using sheet_front::kNoText;
using sheet_front::kNoWrap;
using sheet_front::kOpen;
using sheet_front::kWrap;
using sheet_front::Lines;
using sheet_front::Mark;
using sheet_front::Merged;
using sheet_front::Place;
using sheet_front::Span;

// The fonts of the letters' titles and headings (Font.Size, then Font.Bold).
inline constexpr FontSet kTitleFont{14, true};
inline constexpr FontSet kHeadingFont{12, true};
inline constexpr FontSet kAddresseeFont{13, true};

constexpr Area Label(Place place, const char* text, int alignment = 0, FontSet font = {}) {
  return {place, text, kLocked, alignment, kNoWrap, font};
}
constexpr Area OpenLabel(Place place, const char* text, int alignment = 0, FontSet font = {}) {
  return {place, text, kOpen, alignment, kNoWrap, font};
}
constexpr Area Entry(Place place, int alignment = 0) {
  return {place, kNoText, kOpen, alignment, kNoWrap, {}, Mark::kFillInLine};
}
constexpr Area TickBox(Place place) { return {place, kNoText, kOpen, 0, kNoWrap, {}, Mark::kTickBox}; }
constexpr Area LockOnly(Place place) { return {place, kNoText, kLocked}; }
constexpr Area MergeOnly(Place place) { return {place}; }
constexpr Area AlignOnly(Place place, int alignment) { return {place, kNoText, kOpen, alignment}; }

}  // namespace grid_documents
