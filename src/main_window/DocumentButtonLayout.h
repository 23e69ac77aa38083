#pragma once
// The column of document buttons on the "Listari" pane (picLeftMic), as data: three
// headings and under them the buttons, top to bottom, each full width or one of a pair
// side by side. The three buttons at the end are never shown.

#include <string_view>
#include <vector>

#include "main_window/ShellLayout.h"

namespace main_window {

enum class ButtonSpan { Full, Left, Right };

struct DocumentButtonSpec {
  std::string_view name;
  std::string_view caption;
  ButtonSpan span = ButtonSpan::Full;
  int height = 375;
  bool hidden = false;
};

struct DocumentGroupSpec {
  std::string_view heading;
  bool centred;
  std::vector<DocumentButtonSpec> buttons;
};

const std::vector<DocumentGroupSpec>& DocumentButtonGroups();

struct PlacedHeading {
  std::string_view text;
  bool centred;
  TwipsBox picture;
  TwipsBox label;
};

struct PlacedButton {
  const DocumentButtonSpec* spec;
  TwipsBox place;
};

struct DocumentButtonPlaces {
  std::vector<PlacedHeading> headings;
  std::vector<PlacedButton> buttons;
};

// Places in picLeftMic: buttons 30 twips from its left edge, 1515 wide, or two of about
// half that side by side.
DocumentButtonPlaces LayOutDocumentButtons();

}  // namespace main_window
