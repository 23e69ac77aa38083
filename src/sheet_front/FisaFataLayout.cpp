// The two layouts of the registration sheet front: the cells, frames and lines of the
// sheet for blank paper, and what the sheet for pre-printed paper does otherwise.

#include <vector>

#include "sheet_front/LayoutSkeleton.h"
#include "sheet_front/LayoutTable.h"
#include "sheet_front/modFisaFata.h"

using report_grid::kEdgeBottom;
using report_grid::kEdgeInner;
using report_grid::kEdgeLeft;
using report_grid::kEdgeRight;
using report_grid::kEdgeTop;
using report_grid::kLineThick;
using report_grid::kLineThin;
using report_grid::ReportGrid;

namespace sheet_front {
namespace {

enum class Variant { kComplete, kDataOnly };

// ---- Sizes ------------------------------------------------------------------------

// Columns 0 to 28: 508 units in all.
constexpr int kWidths[29] = {
    0,  19, 33,                          // 0 - 2
    19, 19, 19, 19, 19, 19, 19, 19,      // 3 - 10
    20, 19, 19, 18,                      // 11 - 14
    15, 19, 19, 19, 17, 17, 17,          // 15 - 21
    15, 15, 15, 15, 15, 15, 15,          // 22 - 28
};

// Rows 1 to 36 of the complete sheet: 753 units in all.
constexpr int kHeightsComplete[36] = {
    30, 3,  16,                          // 1 - 3: title, spacer, head of box A
    16, 16, 16, 16, 17, 17,              // 4 - 9
    16, 17, 17, 17, 17, 17, 17,          // 10 - 16
    16, 17, 16,                          // 17 - 19
    16, 16, 16, 17, 16,                  // 20 - 24
    16, 17, 16, 16, 16, 16, 16,          // 25 - 31
    3,  21, 189, 20, 12,                 // 32 - 36: spacer, changes boxes, note
};

// Rows 1 to 36 of the sheet for pre-printed paper: 749 units in all.
constexpr int kHeightsDataOnly[36] = {
    30, 3,  12,                          // 1 - 3
    16, 16, 16, 16, 16, 17,              // 4 - 9
    17, 17, 17, 17, 17, 17, 16,          // 10 - 16
    16, 16, 16,                          // 17 - 19
    17, 17, 16, 16, 16,                  // 20 - 24
    17, 16, 16, 16, 16, 17, 16,          // 25 - 31
    3,  21, 189, 20, 12,                 // 32 - 36
};

constexpr FontSet kBold{0, true};
constexpr FontSet kBold7{7, true};
constexpr FontSet kTitleFont{18, true};

// ---- Cells ------------------------------------------------------------------------
// Item numbers in column 1 and 15 take 7-point bold from the whole-grid format; labels
// are locked; value areas (kNoText) get their alignment only, their text comes from the
// fill.

const Area kTitleAndHead[] = {
    // cell or range        text                       lock     align  wrap     font
    {Merged(1, 1, 1, 28),   "FISA DE VELORASTULARE",   kLocked, 10,    kNoWrap, kTitleFont},
    {Merged(2, 1, 2, 28)},
    {Merged(3, 1, 3, 27),   "DATE DESPRE VEHICUL",     kLocked, 10,    kNoWrap, kBold},
    {At(3, 28),             "A",                       kLocked, 10,    kNoWrap, kBold7},
};

// Box A, left half: items 1 to 9.
const Area kItems1To9[] = {
    // cell or range        text                                      lock     align  wrap
    {At(4, 1),              "1",                                      kLocked, 10},
    {Merged(4, 2, 4, 3),    "Categoria",                              kLocked, 6},
    {Merged(4, 4, 4, 14),   kNoText,                                  kOpen,   10},
    {At(5, 1),              "2",                                      kLocked, 10},
    {Merged(5, 2, 5, 3),    "Caroseria",                              kLocked, 6},
    {Merged(5, 4, 5, 14),   kNoText,                                  kOpen,   10},
    {At(6, 1),              "3",                                      kLocked, 10},
    {Merged(6, 2, 6, 3),    "Marca",                                  kLocked, 6},
    {Merged(6, 4, 6, 14),   kNoText,                                  kOpen,   10},
    {At(7, 1),              "4",                                      kLocked, 10},
    {Merged(7, 2, 7, 3),    "Tipul Varianta",                         kLocked, 6,     kWrap},
    {Merged(7, 4, 7, 14),   kNoText,                                  kOpen,   10},
    {At(8, 1),              "5",                                      kLocked, 10},
    {Merged(8, 2, 8, 6),    "Numarul de omologare/ Anul fabricatiei", kLocked, 6,     kWrap},
    {Merged(8, 7, 8, 14),   kNoText,                                  kOpen,   10},
    {At(9, 1),              "6",                                      kLocked, 10},
    {Merged(9, 2, 9, 4),    "Numarul de identificare",                kLocked, 6,     kWrap},
    {Merged(9, 5, 9, 14),   kNoText,                                  kOpen,   10},
    // 7: the masses, with a vertical label one piece a line
    {Merged(10, 1, 14, 1),  "7",                                      kLocked, 10},
    {Merged(10, 2, 14, 2),  "M\r\na\r\ns\r\ne\r\nl\r\ne\r\n(Kg)",     kLocked, 10,    kWrap},
    {Merged(10, 3, 10, 4),  "Proprie",                                kLocked, 6},
    {Merged(10, 5, 10, 6),  kNoText,                                  kOpen,   10},
    {Merged(10, 7, 10, 11), "Totala max. autorizata",                 kLocked},
    {Merged(10, 12, 10, 14), kNoText,                                 kOpen,   10},
    {Merged(11, 3, 11, 5),  "Sarcina utila max. autoriz.",            kLocked, 6,     kWrap},
    {Merged(11, 6, 11, 7),  kNoText,                                  kOpen,   10},
    {Merged(11, 8, 11, 12), "Sarcina pe carligul de remorcare",       kLocked, 0,     kWrap},
    {Merged(11, 13, 11, 14), kNoText,                                 kOpen,   10},
    {Merged(12, 3, 13, 4),  "Maxima autorizata pe axe",               kLocked, 6,     kWrap},
    {Merged(12, 5, 12, 6),  "Fata",                                   kLocked},
    {Merged(12, 7, 12, 8),  kNoText,                                  kOpen,   10},
    {Merged(12, 9, 12, 10), "Mijloc",                                 kLocked},
    {Merged(12, 11, 12, 14), kNoText,                                 kOpen,   10},
    {Merged(13, 5, 13, 6),  "Spate",                                  kLocked},
    {Merged(13, 7, 13, 8),  kNoText,                                  kOpen,   10},
    {Merged(13, 9, 13, 10), "Pe rola senila",                         kLocked, 0,     kWrap},
    {Merged(13, 11, 13, 14), kNoText,                                 kOpen,   10},
    {Merged(14, 3, 14, 6),  "Remorcabila cu disp. de franare",        kLocked, 6,     kWrap},
    {Merged(14, 7, 14, 8),  kNoText,                                  kOpen,   10},
    {Merged(14, 9, 14, 12), "Remorcabila fara disp. de franare",      kLocked, 0,     kWrap},
    {Merged(14, 13, 14, 14), kNoText,                                 kOpen,   10},
    // 8: seats
    {At(15, 1),             "8",                                      kLocked, 10},
    {At(15, 2),             "Nr. locuri",                             kLocked, 6,     kWrap},
    {Merged(15, 3, 15, 4),  "total",                                  kLocked},
    {At(15, 5),             kNoText,                                  kOpen,   10},
    {Merged(15, 6, 15, 7),  "in fata",                                kLocked, 0,     kWrap},
    {At(15, 8),             kNoText,                                  kOpen,   10},
    {Merged(15, 9, 15, 10), "pe scaune",                              kLocked, 0,     kWrap},
    {At(15, 11),            kNoText,                                  kOpen,   10},
    {Merged(15, 12, 15, 13), "in picioare",                           kLocked, 0,     kWrap},
    {At(15, 14),            kNoText,                                  kOpen,   10},
    // 9: dimensions
    {At(16, 1),             "9",                                      kLocked, 10},
    {Merged(16, 2, 16, 4),  "Dimensiunile de gabarit (mm)",           kLocked, 6,     kWrap},
    {At(16, 5),             "L",                                      kLocked},
    {Merged(16, 6, 16, 7),  kNoText,                                  kOpen,   10},
    {At(16, 8),             "I",                                      kLocked},
    {Merged(16, 9, 16, 10), kNoText,                                  kOpen,   10},
    {At(16, 11),            "H",                                      kLocked},
    {Merged(16, 12, 16, 14), kNoText,                                 kOpen,   10},
};

// 10: the engine, first line. The sheet for blank paper has "Serie" over two columns and
// its value on the right; the pre-printed sheet gives the engine type one column more.
const Area kEngineHead[] = {
    // cell or range        text        lock     align  wrap
    {Merged(17, 1, 19, 1),  "10",       kLocked, 10},
    {Merged(17, 2, 19, 2),  "Motorul",  kLocked, 10,    kWrap},
    {At(17, 3),             "Tipul",    kLocked, 6},
};
const Area kEngineTypeAndSerialComplete[] = {
    {Merged(17, 4, 17, 8),  kNoText,    kOpen,   10},
    {Merged(17, 9, 17, 10), "Serie",    kLocked},
    {Merged(17, 11, 17, 14), kNoText,   kOpen,   14},
};
const Area kEngineTypeAndSerialDataOnly[] = {
    {Merged(17, 4, 17, 9),  kNoText,    kOpen,   10},
    {At(17, 10),            "Serie",    kLocked},
    {Merged(17, 11, 17, 14), kNoText,   kOpen,   10},
};

// Box A, left half: the rest of item 10 and items 11 to 21 (19 to 21 run across the
// whole box).
const Area kItems10To21[] = {
    // cell or range        text                                      lock     align  wrap     font
    {Merged(18, 3, 18, 4),  "Cilindree (cm3)",                        kLocked, 6,     kWrap},
    {Merged(18, 5, 18, 6),  kNoText,                                  kOpen,   10},
    {Merged(18, 7, 18, 10), "Putere max. (Kw) /Turatie (min -1)",     kLocked, 0,     kWrap},
    {Merged(18, 11, 18, 14), kNoText,                                 kOpen,   10},
    {Merged(19, 3, 19, 6),  "Sursa de energie",                       kLocked, 6},
    {Merged(19, 7, 19, 14), kNoText,                                  kOpen,   10},
    // 11 and 12: numbers and values, no labels
    {At(20, 1),             "11",                                     kLocked, 10},
    {Merged(20, 2, 20, 6),  kNoText,                                  kOpen,   10},
    {At(20, 7),             "12",                                     kLocked, 10,    kNoWrap, kBold7},
    {Merged(20, 8, 20, 14), kNoText,                                  kOpen,   10},
    // 13: tyres; columns 3 to 14 are aligned by one range once merged
    {Merged(21, 1, 24, 1),  "13",                                     kLocked, 10},
    {Merged(21, 2, 24, 2),  "Dimens.\r\nanvelopelor",                 kLocked, 0,     kWrap},
    {Merged(21, 3, 21, 4),  "Fata",                                   kLocked},
    {Merged(21, 5, 21, 14)},
    {Merged(22, 3, 22, 4),  "sau",                                    kLocked},
    {Merged(22, 5, 22, 14)},
    {Merged(23, 3, 23, 4),  "Mijloc- spate",                          kLocked, 0,     kWrap},
    {Merged(23, 5, 23, 14)},
    {Merged(24, 3, 24, 4),  "sau",                                    kLocked},
    {Merged(24, 5, 24, 14)},
    {Span(21, 3, 24, 14),   kNoText,                                  kOpen,   6},
    // 14: noise
    {At(25, 1),             "14",                                     kLocked, 10},
    {Merged(25, 2, 25, 4),  "Zgomotul (db(A))",                       kLocked},
    {Merged(25, 5, 25, 7),  "in mers",                                kLocked},
    {Merged(25, 8, 25, 9),  kNoText,                                  kOpen,   10},
    {Merged(25, 10, 25, 12), "in stationare",                         kLocked},
    {Merged(25, 13, 25, 14), kNoText,                                 kOpen,   10},
    // 15: brake air pressure
    {At(26, 1),             "15",                                     kLocked, 10},
    {Merged(26, 2, 26, 5),  "Presiunea aerului la (bar) cupla de franare", kLocked, 6, kWrap},
    {Merged(26, 6, 26, 8),  "cu o conducta",                          kLocked, 0,     kWrap},
    {Merged(26, 9, 26, 10), kNoText,                                  kOpen,   10},
    {Merged(26, 11, 26, 12), "cu doua conducte",                      kLocked, 0,     kWrap},
    {Merged(26, 13, 26, 14), kNoText,                                 kOpen,   10},
    // 16 and 17: speed and tank
    {At(27, 1),             "16",                                     kLocked, 10},
    {Merged(27, 2, 27, 5),  "Viteza max. constructiva",               kLocked, 6},
    {Merged(27, 6, 27, 7),  kNoText,                                  kOpen,   10},
    {At(27, 8),             "17",                                     kLocked, 10,    kNoWrap, kBold7},
    {Merged(27, 9, 27, 12), "Capacitatea rezervorului (l)",           kLocked, 0,     kWrap},
    {Merged(27, 13, 27, 14), kNoText,                                 kOpen,   10},
    // 18 to 21
    {At(28, 1),             "18",                                     kLocked, 10},
    {Merged(28, 2, 28, 4),  "Culoarea",                               kLocked, 6},
    {Merged(28, 5, 28, 14), kNoText,                                  kOpen,   10},
    {At(29, 1),             "19",                                     kLocked, 10},
    {Merged(29, 2, 29, 12), "Data primei velorastulari/Numarul de velorastulare", kLocked, 6},
    {Merged(29, 13, 29, 28), kNoText,                                 kOpen,   6},
    {At(30, 1),             "20",                                     kLocked, 10},
    {Merged(30, 2, 30, 9),  "Data la care expira inspectia tehnica",  kLocked, 6},
    {Merged(30, 10, 30, 14), kNoText,                                 kOpen,   10},
    {Merged(30, 15, 30, 23), "Statia care a efectuat inspectia tehnica", kLocked},
    {Merged(30, 24, 30, 28), kNoText,                                 kOpen,   10},
    {At(31, 1),             "21",                                     kLocked, 10},
    {Merged(31, 2, 31, 6),  "Nr. cartii de identitate",               kLocked, 6},
    {Merged(31, 7, 31, 28), kNoText,                                  kOpen,   6},
};

// Rows 32 to 34: spacer and the two boxes for changes; the left box's text cell (34, 2)
// receives the specifications.
const Area kChangesBoxes[] = {
    // cell or range         text                                                        lock     align  wrap
    {Merged(32, 1, 32, 28)},
    {Merged(33, 1, 33, 14),  "Modificari ce nu afecteaza performantele si caracteristicile de folosinta ale "
                             "vehiculului",                                              kLocked, 5,     kWrap},
    {Merged(33, 15, 33, 28), "Modificari ce nu afecteaza performantele si caracteristicile de  folosinta ale "
                             "vehiculului",                                              kLocked, 5,     kWrap},
    {Merged(34, 2, 34, 14),  kNoText,                                                    kOpen,   5,     kWrap},
    {Merged(34, 15, 34, 28), kNoText,                                                    kOpen,   0,     kWrap},
};

// Box A, right half: the item numbers 1 to 18 again (locked as one column at the end),
// with empty areas that repeat in part the left half's rows.
const Area kRightHalf[] = {
    // cell or range         text  lock     align  wrap     font
    {At(4, 15), "1"},   {Merged(4, 16, 4, 28)},
    {At(5, 15), "2"},   {Merged(5, 16, 5, 28)},
    {At(6, 15), "3"},   {Merged(6, 16, 6, 28)},
    {At(7, 15), "4"},   {Merged(7, 16, 7, 28)},
    {At(8, 15), "5"},   {Merged(8, 16, 8, 28)},
    {At(9, 15), "6"},   {Merged(9, 16, 9, 28)},
    {Merged(10, 15, 14, 15), "7"},
    {Merged(10, 16, 14, 16)},
    {Merged(10, 17, 10, 20)}, {Merged(10, 21, 10, 28)},
    {Merged(11, 17, 11, 21)}, {Merged(11, 22, 11, 28)},
    {Merged(12, 17, 12, 21)}, {Merged(12, 22, 12, 28)},
    {Merged(13, 17, 13, 21)}, {Merged(13, 22, 13, 28)},
    {Merged(14, 17, 14, 21)}, {Merged(14, 22, 14, 28)},
    {At(15, 15), "8"},
    {Merged(15, 16, 15, 19)}, {Merged(15, 20, 15, 22)}, {Merged(15, 23, 15, 25)}, {Merged(15, 26, 15, 28)},
    {At(16, 15), "9"},
    {Merged(16, 16, 16, 20)}, {Merged(16, 21, 16, 25)}, {Merged(16, 26, 16, 28)},
    {Merged(17, 15, 19, 15), "10"},
    {Merged(17, 16, 19, 16)},
    {Merged(17, 17, 17, 23)}, {Merged(17, 24, 17, 28)},
    {Merged(18, 17, 18, 22)}, {Merged(18, 23, 18, 28)},
    {Merged(19, 17, 19, 28)},
    {At(20, 15), "11"},
    {Merged(20, 16, 20, 20)},
    {At(20, 21), "12", kLocked, 10, kNoWrap, kBold7},
    {Merged(20, 22, 20, 28)},
    {Merged(21, 15, 24, 15), "13"},
    {Merged(21, 16, 24, 16)},
    {Merged(21, 17, 21, 28)}, {Merged(22, 17, 22, 28)}, {Merged(23, 17, 23, 28)}, {Merged(24, 17, 24, 28)},
    {At(25, 15), "14"}, {Merged(25, 16, 25, 21)}, {Merged(25, 22, 25, 28)},
    {At(26, 15), "15"}, {Merged(26, 16, 26, 21)}, {Merged(26, 22, 26, 28)},
    {At(27, 15), "16"},
    {Merged(27, 16, 27, 20)},
    {At(27, 21), "17", kLocked, 10, kNoWrap, kBold7},
    {Merged(27, 22, 27, 28)},
    {At(28, 15), "18"}, {Merged(28, 16, 28, 28)},
    {Span(4, 15, 28, 15), kNoText, kLocked},
};

// Rows 35 and 36: the note on how the sheet is filled in (blank paper only).
const Area kNote[] = {
    // cell or range         text                                                        lock     align  wrap
    {Merged(35, 1, 35, 2),   "ATENTIE!",                                                 kLocked},
    {Merged(35, 3, 35, 28),  "Rubricile din caseta A se completeaza de catre detinator (1-19 si 21 dupa cartea "
                             "de identitate a vehiculului, 20 dupa anexa la certificatul de velorastulare).",
                                                                                         kLocked, 0,     kWrap},
    {Span(36, 1, 36, 2),     kNoText,                                                    kLocked},
    {Merged(36, 3, 36, 28),  "Completarea se face cu masina de scris.",                  kLocked},
};

// ---- Frames and lines --------------------------------------------------------------

const std::vector<int> kFourEdges = {kEdgeTop, kEdgeBottom, kEdgeLeft, kEdgeRight};

// The thin lines that both variants draw after the frames. The right line of (10, 3)-(10,
// 5) is the blank paper's only.
std::vector<Lines> ThinLines(Variant v) {
  std::vector<Place> rightOfRanges = {Span(4, 1, 31, 1), Span(10, 2, 14, 2)};
  if (v == Variant::kComplete) rightOfRanges.push_back(Span(10, 3, 10, 5));
  return {
      {rightOfRanges, {kEdgeRight}, kLineThin},
      {{At(3, 28), At(11, 8), At(12, 5), At(13, 5), At(12, 9), At(13, 9), At(14, 9), At(15, 3),
        At(15, 6), At(15, 9), At(15, 12), At(16, 5), At(16, 8), At(16, 11), At(17, 9), At(18, 7),
        At(20, 7), At(25, 5), At(25, 10), At(26, 6), At(26, 11), At(27, 8), At(30, 15)},
       {kEdgeLeft},
       kLineThin},
      {{At(17, 2), At(20, 7), At(21, 2), At(27, 8), At(10, 16), At(10, 17), At(11, 17), At(12, 17),
        At(13, 17), At(14, 17), At(15, 16), At(15, 20), At(15, 23), At(16, 16), At(16, 21), At(17, 16),
        At(17, 17), At(18, 17), At(20, 16), At(20, 21), At(21, 16), At(25, 16), At(26, 16), At(27, 16),
        At(27, 21)},
       {kEdgeRight},
       kLineThin},
      {{Span(4, 15, 28, 15)}, {kEdgeLeft, kEdgeRight}, kLineThin},
  };
}

std::vector<Lines> FramesAndLines(Variant v) {
  std::vector<Lines> lines;
  if (v == Variant::kComplete) {
    lines = {
        {{Span(3, 1, 31, 28)}, kFourEdges, kLineThick},
        {{Span(3, 1, 31, 28)}, {kEdgeInner}, kLineThin},
        {{Span(33, 1, 34, 14)}, kFourEdges, kLineThick},
        {{Span(33, 15, 34, 28)}, kFourEdges, kLineThick},
    };
  } else {
    // The pre-printed paper has its own frames: box A only its top and left, the left
    // changes box only its top.
    lines = {
        {{Span(3, 1, 31, kLast)}, {kEdgeTop, kEdgeLeft}, kLineThick},
        {{Span(33, 1, 34, 14)}, {kEdgeTop}, kLineThick},
        {{Span(33, 15, 34, kLast)}, kFourEdges, kLineThick},
    };
  }
  for (Lines& l : ThinLines(v)) lines.push_back(std::move(l));
  return lines;
}

// ---- The layouts -----------------------------------------------------------------

void LayCells(ReportGrid& grid, Variant v) {
  LayAreas(grid, kTitleAndHead);
  LayAreas(grid, kItems1To9);
  LayAreas(grid, kEngineHead);
  LayAreas(grid, v == Variant::kComplete ? std::span<const Area>(kEngineTypeAndSerialComplete)
                                         : std::span<const Area>(kEngineTypeAndSerialDataOnly));
  LayAreas(grid, kItems10To21);
  LayAreas(grid, kChangesBoxes);
  LayAreas(grid, kRightHalf);
  if (v == Variant::kComplete) LayAreas(grid, kNote);
  DrawLines(grid, FramesAndLines(v));
}

void LayFront(ReportGrid& grid, const core::CaseBoxes& boxes, Variant v) {
  const bool complete = v == Variant::kComplete;
  LayDocument(grid, DocumentLayout{
                        complete ? kLayoutFisaFataComplet : kLayoutFisaFata,
                        kWidths,
                        complete ? std::span<const int>(kHeightsComplete) : std::span<const int>(kHeightsDataOnly),
                        [v](ReportGrid& g) { LayCells(g, v); },
                        [&boxes](ReportGrid& g) { FillFisaFata(g, boxes); },
                    });
}

}  // namespace

void LayoutFisaFataComplet(ReportGrid& grid, const core::CaseBoxes& boxes) {
  LayFront(grid, boxes, Variant::kComplete);
}

void LayoutFisaFata(ReportGrid& grid, const core::CaseBoxes& boxes) { LayFront(grid, boxes, Variant::kDataOnly); }

}  // namespace sheet_front
