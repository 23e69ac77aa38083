#pragma once
// The rubric layout of the two data panes, as data: the numbered rubrics of the vehicle
// pane (picInput1) and of the buyer and seller pane (picInput3), the lines of each
// rubric, and on each line its boxes in tab order with their widths. LayOutRubrics turns
// it into places in twips, measuring each caption with the captions' font; the window
// creates a label or a box at each place.

#include <QString>
#include <functional>
#include <string_view>
#include <vector>

#include "core/CaseBoxTable.h"
#include "main_window/ShellLayout.h"

namespace main_window {

inline constexpr int kBoxHeight = 315;

struct RubricItem {
  int box;    // index in the pane's array
  int width;  // twips; 0: up to the rubric's right edge
};

struct RubricLine {
  std::vector<RubricItem> items;
  std::string_view lead = {};  // a caption before the line's first box
};

enum class GroupStyle {
  None,
  Left,     // a caption at the left of the rubric's lines, right-aligned against them
  Stacked,  // a narrow column, written downwards
};

struct Rubric {
  int number;
  std::vector<RubricLine> lines;
  std::string_view group = {};
  GroupStyle groupStyle = GroupStyle::None;
  bool captionsAbove = false;  // the box captions stand on a line of their own above the boxes
};

struct RubricSection {
  int top;
  std::vector<Rubric> rubrics;
};

struct RubricPane {
  core::BoxArray array;
  int width;         // the rubrics' right edge
  int linePitch;     // height of one line of a rubric
  int numberWidth;   // the column of the rubric numbers
  int stackedWidth;  // the column of a stacked group caption
  std::vector<RubricSection> sections;
};

const RubricPane& FisaFataRubrics();   // txtCamp on picInput1
const RubricPane& FisaVersoRubrics();  // txtVerso on picInput3

// The data boxes in the order in which Tab and Enter move through them: the vehicle
// boxes, txtSpecificatii, then the price, buyer, plate number and seller boxes.
std::vector<core::BoxRef> BoxTabOrder();

enum class PlacedKind { Rubric, Number, Group, Lead, Caption, Box };

struct Placed {
  PlacedKind kind;
  int rubric;      // the rubric's number
  int box = -1;    // Caption and Box: the box's index
  QString text;    // Number, Group, Lead and Caption
  TwipsBox place;  // in the pane's content
  GroupStyle groupStyle = GroupStyle::None;
  bool captionAbove = false;
};

// The width of a caption's text, in twips.
using MeasureText = std::function<int(const QString&)>;

std::vector<Placed> LayOutRubrics(const RubricPane& pane, const MeasureText& measure);

}  // namespace main_window
