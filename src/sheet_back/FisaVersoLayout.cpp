// The two layouts of the registration sheet back: one sequence of cells, lines and
// frames, which the sheet for blank paper lays with other heights for ten rows, a ruled
// line under each rubric of boxes B and D but the last, and frames around both boxes.

#include <algorithm>
#include <array>
#include <vector>

#include "core/SheetPersonText.h"
#include "sheet_back/modFisaVerso.h"
#include "sheet_front/LayoutSkeleton.h"
#include "sheet_front/LayoutTable.h"

using report_grid::CellRect;
using report_grid::kEdgeBottom;
using report_grid::kEdgeLeft;
using report_grid::kEdgeRight;
using report_grid::kEdgeTop;
using report_grid::kLineDotted;
using report_grid::kLineThick;
using report_grid::kLineThin;
using report_grid::ReportGrid;
using namespace sheet_front;

namespace sheet_back {
namespace {

enum class Variant { kComplete, kDataOnly };

// ---- Sizes ------------------------------------------------------------------------

// Columns 0 to 28: 506 units in all.
constexpr int kWidths[29] = {
    0,  21, 47,                                  // 0 - 2
    19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19,  // 3 - 13
    20, 3,                                       // 14, 15: the gap between the boxes
    13, 13, 13, 13, 13, 14, 14, 13, 14, 14, 14,  // 16 - 26
    40, 18,                                      // 27, 28
};

// Rows 1 to 49 of the sheet for pre-printed paper: 726 units over rows 1 to 48; row 49
// keeps the height it has.
constexpr int kHeightsDataOnly[49] = {
    13, 13, 5,                           // 1 - 3: rubric 1, spacer
    23, 27, 17, 17, 17, 17, 17, 17,      // 4 - 11: box B and C
    23, 23, 16, 16, 12,                  // 12 - 16
    3,  15, 15, 3,                       // 17 - 20: the registering officer
    34, 15, 15, 15, 15, 15, 15, 15, 15,  // 21 - 29: observations
    6,  3,                               // 30, 31
    16, 15, 17, 17, 19, 15, 17, 17,      // 32 - 39: box D and E
    21, 22, 22, 3,                       // 40 - 43
    15, 15, 3,                           // 44 - 46: the deregistering officer
    20, 0,  kSizedLater,                 // 47 - 49: the note; row 48 hidden inside it
};

// The sheet for blank paper: 721 units over rows 1 to 48.
struct RowHeight {
  int row;
  int height;
};
constexpr RowHeight kCompleteHeights[] = {
    {5, 23}, {6, 16}, {7, 15}, {8, 16}, {9, 15}, {14, 19}, {15, 19}, {16, 14}, {34, 16}, {36, 17},
};

std::array<int, 49> Heights(Variant v) {
  std::array<int, 49> heights;
  std::copy(std::begin(kHeightsDataOnly), std::end(kHeightsDataOnly), heights.begin());
  if (v == Variant::kComplete)
    for (const RowHeight& h : kCompleteHeights) heights[h.row - 1] = h.height;
  return heights;
}

// ---- Kinds of cells ---------------------------------------------------------------

constexpr Mark kRightBottomThin = Lines2(kEdgeRight, kEdgeBottom, kLineThin);
constexpr Mark kLeftBottomThin = Lines2(kEdgeLeft, kEdgeBottom, kLineThin);
constexpr Mark kLeftThin = Line(kEdgeLeft, kLineThin);
constexpr Mark kAuthorityLine = Line(kEdgeBottom, kLineDotted);  // style 3
constexpr FontSet kNoteFont{6};

// A rubric's number: one point above the default font, centred, thin lines right and
// below.
constexpr Area Rubric(int row, int col, const char* number, Lock lock = kOpen) {
  return {At(row, col), number, lock, 10, kNoWrap, kDefaultPlus1, kRightBottomThin};
}
// A box letter: as a rubric number, bold, with its thin lines left and below.
constexpr Area BoxLetter(int row, int col, const char* letter) {
  return {At(row, col), letter, kOpen, 10, kNoWrap, kDefaultPlus1Bold, kLeftBottomThin};
}
// Lines set on a cell that a later row merges.
constexpr Area LinesOn(int row, int col, Mark lines) {
  return {At(row, col), kNoText, kOpen, 0, kNoWrap, {}, lines};
}

// ---- Cells, in the order in which they are laid ------------------------------------
// Labels get their lock from the range lock of rows 4 to 49; the entry cells are
// reopened after it.

// Rubric 1, the registration number, which the authority writes into (1, 9)-(2, 26).
const Area kRubric1[] = {
    {Span(1, 1, 2, 2),               kNoText, kLocked},
    {Span(1, FromLast(1), 2, kLast), kNoText, kLocked},
    Rubric(1, 3, "1", kLocked),
    {At(1, 4),                       "Numarul"},
    {At(2, 3),                       "        de velorastulare"},
    {Merged(1, 4, 1, 8)},
    {At(1, 5),                       kNoText, kOpen,   10},   // a covered cell of (1, 4)-(1, 8)
    {At(1, 4),                       kNoText, kLocked},
    {Merged(2, 3, 2, 8),             kNoText, kLocked},
    {Merged(1, 9, 2, FromLast(2))},
};

// Box B, the holder: rubrics 2 to 8.
const Area kRubric2[] = {
    Rubric(4, 1, "2"),
    {Merged(4, 2, 4, 4),    "Detinatorul"},
    BoxLetter(4, 14, "B"),
    {Merged(5, 1, 5, 4)},
    {Merged(4, 5, 4, 13),   kNoText, kOpen, 0, kWrap},  // the name, merged in two steps
    {Merged(5, 5, 5, 13)},
    {Merged(4, 5, 5, 13)},
};
const Area kRubric3[] = {
    Rubric(6, 1, "3"),
    {Merged(6, 2, 6, 6),    "Parintii: tata"},
    {Merged(6, 7, 6, 14)},
    {Merged(7, 1, 7, 6),    "                  mama"},
    {Merged(7, 7, 7, 14)},
};
const Area kRubric4[] = {
    Rubric(8, 1, "4"),
    {Merged(8, 2, 8, 6),    "Nascut: la data de"},
    {Merged(8, 7, 8, 14)},
    {Merged(9, 1, 9, 6),    "        in localitatea"},
    {Merged(9, 7, 9, 14)},
};
const Area kRubric5[] = {
    Rubric(10, 1, "5"),
    {Merged(10, 2, 10, 6),  "Nr. de velorastulare"},
    {Merged(10, 7, 10, 14)},
    {Merged(11, 1, 11, 6),  "   la Registrul Comertului"},
    {Merged(11, 7, 11, 14)},
    {Merged(10, 7, 11, 14)},
};
const Area kRubric6[] = {
    Rubric(12, 1, "6"),
    {At(12, 2),             "Adresa"},
    {Merged(12, 3, 13, 14)},
    {Span(12, 3, 13, 14),   kNoText, kOpen, 0, kWrap},
};
const Area kRubric7[] = {
    Rubric(14, 1, "7"),
    {Merged(14, 2, 14, 6),  "Profesia de baza"},
    {Merged(14, 7, 14, 14)},
    {Merged(15, 1, 15, 6),  "       Locul de munca"},
    {Merged(15, 7, 15, 14)},
};
const Area kRubric8[] = {
    Rubric(16, 1, "8"),
    {Merged(16, 2, 16, 5),  "Telefoane: ac."},
    {Merged(16, 6, 16, 14)},
};

// Box C, the authority's record of the registration.
const Area kBoxC[] = {
    // cell or range         text                        lock   align  wrap     font  lines
    {Merged(4, 16, 4, 22),   "Organul financiar"},
    {Merged(4, 23, 4, 27)},
    BoxLetter(4, 28, "C"),
    {Merged(5, 16, 5, 28)},
    {Merged(6, 16, 6, 21),   "Nr. proces verbal"},
    {Merged(6, 22, 6, 28),   kNoText,                    kOpen, 0,     kNoWrap, {},   kAuthorityLine},
    {Merged(7, 16, 7, 17),   "Data"},
    LinesOn(7, 18, kAuthorityLine),
    {Merged(7, 18, 7, 28)},
    {At(8, 16),              "Vehiculul al carei detinator este mentionat la punctul 2 si avand caracteristicile "
                             "tehnice prevazute pe verso a fost luat in evidenta:",
                                                         kOpen, 0,     kWrap},
    {Merged(8, 16, 10, 28)},
    {Merged(11, 16, 11, 20)},
    {At(11, 16),             "DEFINITIV"},
    {Merged(11, 21, 11, 28)},
    {Merged(12, 16, 12, 25)},
    {At(12, 16),             "TEMPORAR pana la data de", kOpen, 7},
    {Merged(12, 26, 12, 27)},
    {At(12, 26),             "20",                       kOpen, 15,    kNoWrap, {},   kAuthorityLine},
    LinesOn(12, 28, kAuthorityLine),
    {Merged(13, 16, 13, 28)},
    {Merged(14, 16, 14, 28), "Semnatura"},
    {Merged(15, 16, 15, 28), "si stampila"},
    {Merged(16, 16, 16, 28)},
};

// The officer who registered the vehicle, and the date.
const Area kRegisteringOfficer[] = {
    {Merged(18, 1, 18, 11),  "Gradul, numele si semnatura"},
    {Merged(18, 12, 18, 19)},
    {Merged(19, 12, 19, 19)},
    {Merged(18, 12, 19, 19)},
    {At(18, 20),             "Data velorastularii", kOpen, 0, kNoWrap, {}, kLeftThin},
    {Merged(18, 20, 18, 28), kNoText,               kOpen, 5},
    {Merged(19, 1, 19, 11),  "lucratorului care a efectuat velorastularea"},
    LinesOn(19, 20, kLeftThin),
    {Merged(19, 20, 19, 28)},
    {Merged(20, 1, 20, 28)},
};

// Rubric 9, the observations: eight labelled entries, the buyer's and the seller's
// places, the insurance.
const Area kObservations[] = {
    // cell or range         text                        lock   align  wrap     font  lines
    Rubric(21, 1, "9"),
    {Merged(21, 2, 21, 12),  "Observatii"},
    {Merged(22, 2, 22, 3),   "VAMA"},
    {Merged(22, 4, 22, 12),  kNoText,                    kOpen, 0,     kNoWrap, {},   Mark::kFillInLine},
    {Merged(23, 2, 23, 3),   "T.O."},
    {Merged(23, 4, 23, 12),  kNoText,                    kOpen, 0,     kNoWrap, {},   Mark::kFillInLine},
    {Merged(24, 2, 24, 3),   "T.A."},
    {Merged(24, 4, 24, 12),  kNoText,                    kOpen, 0,     kNoWrap, {},   Mark::kFillInLine},
    {Merged(25, 2, 25, 3),   "T.C."},
    {Merged(25, 4, 25, 12),  kNoText,                    kOpen, 0,     kNoWrap, {},   Mark::kFillInLine},
    {Merged(26, 2, 26, 3),   "T.P."},
    {Merged(26, 4, 26, 12),  kNoText,                    kOpen, 0,     kNoWrap, {},   Mark::kFillInLine},
    {Merged(27, 2, 27, 3),   "V.T.C."},
    {Merged(27, 4, 27, 12),  kNoText,                    kOpen, 0,     kNoWrap, {},   Mark::kFillInLine},
    {Merged(28, 2, 28, 5),   "ACT. PROPR."},
    {Merged(28, 6, 28, 12),  kNoText,                    kOpen, 0,     kNoWrap, {},   Mark::kFillInLine},
    {Merged(29, 2, 29, 5),   core::kRegistrationTypeCaption},
    {Merged(29, 6, 29, 12),  kNoText,                    kOpen, 0,     kNoWrap, {},   Mark::kFillInLine},
    {Merged(21, 14, 21, 20)},
    {At(21, 14),             "S. CUMPARATOR",            kOpen, 11},
    LinesOn(22, 14, Mark::kFillInLine),
    {Merged(22, 14, 22, 20)},
    {Merged(27, 14, 27, 20), "S. VANZATOR"},             // the grid's default alignment
    LinesOn(28, 14, Mark::kFillInLine),
    {Merged(28, 14, 28, 20)},
    {At(21, 21),             "ASIG.",                    kOpen, 10},
    {Merged(21, 21, 22, 28)},
    {Merged(31, 1, 31, 28)},
};

// Box D, the former holder: its letter, then rubrics 10 to 14.
const Area kRubric10[] = {
    BoxLetter(32, 14, "D"),
    Rubric(32, 1, "10"),
    {Merged(32, 2, 32, 6),  "Numarul de velo-"},
    {Merged(33, 1, 33, 6),  "rastulare al vehiculului"},
    {Merged(32, 7, 33, 13)},
};
const Area kRubric11[] = {
    Rubric(34, 1, "11"),
    {Merged(34, 2, 34, 3)},
    {At(34, 2),             "Detinatorul"},
    {Merged(35, 1, 36, 3)},
    {Merged(34, 4, 36, 14), kNoText, kOpen, 0, kWrap},
};
const Area kRubric12[] = {
    Rubric(37, 1, "12"),
    {Merged(37, 2, 37, 5),  "Data nasterii"},
    {Merged(37, 6, 37, 14)},
};
const Area kRubric13[] = {
    Rubric(38, 1, "13"),
    {Merged(38, 2, 38, 6)},
    {At(38, 2),             "Numarul de velorastulare"},
    {Merged(38, 7, 39, 14)},
    {Merged(39, 1, 39, 6)},
    {At(39, 1),             "la Registrul Comertului"},
};
const Area kRubric14[] = {
    Rubric(40, 1, "14"),
    {At(40, 2),             "Adresa"},
    {Merged(40, 3, 42, 14), kNoText, kOpen, 0, kWrap},
    {Merged(41, 1, 42, 2)},
};

// Box E, the authority's record that the vehicle may be sold.
const Area kBoxE[] = {
    {Merged(32, 16, 32, 22), "Organul financiar"},
    {Merged(32, 23, 32, 27)},
    BoxLetter(32, 28, "E"),
    {Merged(33, 16, 33, 28)},
    {Merged(34, 16, 34, 17), "Data"},
    LinesOn(34, 18, kAuthorityLine),
    {Merged(34, 18, 34, 28)},
    {At(35, 16),             "Vehiculul al carei detinator este mentionat la punctul 11 si avand caracteristicile "
                             "tehnice prevazute pe verso poate fi instrainat.",
                                                     kOpen, 0, kWrap},
    {Merged(35, 16, 37, 28)},
    {Merged(38, 16, 38, 28)},
    {Merged(39, 16, 39, 28), "Semnatura"},
    {Merged(40, 16, 40, 28), "si stampila"},
    {Merged(41, 16, 42, 28)},
};

// The officer who deregistered the vehicle, and the date.
const Area kDeregisteringOfficer[] = {
    {Merged(43, 1, 43, 28)},
    {Merged(44, 1, 44, 7),   "Gradul, numele si semnatura"},
    {Merged(44, 8, 45, 19)},
    {At(44, 20),             "Data radierii", kOpen, 0, kNoWrap, {}, kLeftThin},  // no alignment
    {Merged(44, 20, 44, 23)},
    {Merged(44, 24, 44, 28)},
    {Merged(45, 1, 45, 7),   "lucratorului care a efectuat radierea"},
    LinesOn(45, 20, kLeftThin),
    {Merged(45, 20, 45, 28)},
    {Merged(46, 1, 46, 28)},
};

// The note on who fills in what.
const Area kNote[] = {
    {At(47, 1),              "ATENTIE!",                                kOpen, 5, kNoWrap, kNoteFont},
    {Merged(47, 1, 47, 2)},
    {At(47, 3),              "Rubricile din caseta B se completeaza de catre detinator. Rubricile din caseta D se "
                             "completeaza de catre fostul detinator. Rubrica 1 si casetele C si E se completeaza "
                             "numai de catre autoritati",               kOpen, 5, kWrap,   kNoteFont},
    {Merged(47, 3, 48, 28)},
    {Merged(49, 3, 49, 28),  "Completarea se face cu masina de scris", kOpen, 5, kNoWrap, kNoteFont},
};

// One step of the cells: its areas, and the row under which the sheet for blank paper
// then rules a thin line across columns 1 to 14 (0: none).
struct CellStep {
  std::span<const Area> areas;
  int ruledRow = 0;
};

const CellStep kCellSteps[] = {
    {kRubric1},
    {kRubric2, 5}, {kRubric3, 7}, {kRubric4, 9}, {kRubric5, 11}, {kRubric6, 13}, {kRubric7, 15}, {kRubric8},
    {kBoxC},
    {kRegisteringOfficer},
    {kObservations},
    {kRubric10, 33}, {kRubric11, 36}, {kRubric12, 37}, {kRubric13, 39}, {kRubric14},
    {kBoxE},
    {kDeregisteringOfficer},
    {kNote},
};

// ---- Frames and locks ---------------------------------------------------------------

// Thick frames, each edge in the order top, bottom, left, right. An edge given on the
// first row or column of a merged area runs along that area's own edge: rubric 1's frame
// closes around (1, 3)-(2, 26), those of boxes D and E under row 42.
struct Frame {
  CellRect rect;
  bool completeOnly = false;
};

const Frame kFrames[] = {
    {{1, 3, 2, 9}},                  // rubric 1
    {{4, 1, 16, 14}, true},          // box B
    {{4, 16, 16, 28}},               // box C
    {{18, 1, 19, 28}},               // the registering officer
    {{21, 1, 30, 28}},               // observations
    {{32, 1, 41, 14}, true},         // box D
    {{32, 16, 41, 28}},              // box E
    {{44, 1, 45, 28}},               // the deregistering officer
};

const Area kLocks[] = {
    {Merged(3, 1, 3, kLast), kNoText, kLocked},
    {Span(4, 1, 49, 28),     kNoText, kLocked},
};

// ---- The layouts -----------------------------------------------------------------

void LayCells(ReportGrid& grid, Variant v) {
  for (const CellStep& step : kCellSteps) {
    LayAreas(grid, step.areas);
    if (v == Variant::kComplete && step.ruledRow)
      DrawLines(grid, std::vector<Lines>{{{Span(step.ruledRow, 1, step.ruledRow, 14)}, {kEdgeBottom}, kLineThin}});
  }
  std::vector<Lines> frames;
  for (const Frame& f : kFrames)
    if (v == Variant::kComplete || !f.completeOnly)
      frames.push_back({{Span(f.rect.row1, f.rect.col1, f.rect.row2, f.rect.col2)},
                        {kEdgeTop, kEdgeBottom, kEdgeLeft, kEdgeRight},
                        kLineThick});
  DrawLines(grid, frames);
  LayAreas(grid, kLocks);
  std::vector<Area> unlocks;
  for (const EntryCell& e : kFisaVersoEntryCells) unlocks.push_back({At(e.row, e.col), kNoText, kUnlocked});
  LayAreas(grid, unlocks);
}

void LayBack(ReportGrid& grid, const core::CaseBoxes& boxes, Variant v) {
  const std::array<int, 49> heights = Heights(v);
  LayDocument(grid, DocumentLayout{
                        v == Variant::kComplete ? kLayoutFisaVersoComplet : kLayoutFisaVerso,
                        kWidths,
                        heights,
                        [v](ReportGrid& g) { LayCells(g, v); },
                        [&boxes](ReportGrid& g) { FillFisaVerso(g, boxes); },
                    });
}

}  // namespace

const std::array<EntryCell, 27> kFisaVersoEntryCells = {{
    {4, 5},   {6, 7},   {7, 7},   {8, 7},   {9, 7},   {10, 7},  {12, 3},  {14, 7},  {15, 7},
    {16, 6},  {18, 12}, {19, 20}, {22, 4},  {23, 4},  {24, 4},  {25, 4},  {26, 4},  {27, 4},
    {28, 6},  {29, 6},  {32, 7},  {34, 4},  {37, 6},  {38, 7},  {40, 3},  {44, 8},  {45, 20},
}};

void LayoutFisaVerso(ReportGrid& grid, const core::CaseBoxes& boxes) { LayBack(grid, boxes, Variant::kDataOnly); }

void LayoutFisaVersoComplet(ReportGrid& grid, const core::CaseBoxes& boxes) {
  LayBack(grid, boxes, Variant::kComplete);
}

}  // namespace sheet_back
