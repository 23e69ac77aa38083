#pragma once
// The layout rules of the main window, in twips, over plain values: how the tab strip,
// the three panes, their scroll bars, the grid and the persons search frame follow the
// window's size (Form_Resize), which pane and bar a tab shows, and how a data box that
// takes the focus is brought into view. The window copies the result onto its controls.

namespace main_window {

// Left, Top, Width and Height of a control in its container, in twips.
struct TwipsBox {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
  friend bool operator==(const TwipsBox&, const TwipsBox&) = default;
};

struct ScrollBarState {
  TwipsBox place;
  bool Visible = false;
  int Min = 0;
  int Max = 32767;
};

// Twips that one unit of either scroll bar moves its pane's content.
inline constexpr int kScrollStep = 500;

// The places of the window's controls, as the layout rules read and write them.
// picParent1/3/4, tabVelorast and the scroll bars are on the window; picInput1 and
// vscInput1's pane is picParent1, picInput3's is picParent3; picTop, picLeftMic and Grid
// are on picParent4; fra1 is on picParent3 and lvwResult on fra1.
struct ShellGeometry {
  TwipsBox tabVelorast{0, 30, 12975, 9705};
  TwipsBox picParent1{39, 390, 12735, 9135};
  TwipsBox picParent3{39, 390, 12735, 9135};
  TwipsBox picParent4{39, 390, 12735, 9135};
  ScrollBarState vscInput1{{12780, 390, 255, 9135}, true};
  ScrollBarState vscInput3{{12780, 390, 255, 9135}};
  TwipsBox picInput1{30, 30, 8055, 8745};
  TwipsBox picInput3{0, 0, 8325, 9915};
  TwipsBox picTop{0, 0, 12735, 555};
  TwipsBox picLeftMic{0, 570, 1635, 8565};
  TwipsBox Grid{1680, 600, 10935, 8475};
  TwipsBox fra1{8220, 30, 3105, 6465};
  TwipsBox lvwResult{30, 1320, 3015, 5085};
  bool picParent1Visible = true;
  bool picParent3Visible = false;
  bool picParent4Visible = false;
};

// Form_Resize for a window whose inner area is innerWidth x innerHeight twips and whose
// selected tab is selectedTab (1..3). Every assignment that would give a negative width
// or height is skipped, as the failing statement was: that control keeps its size and the
// later rules work with it. Nothing is reported.
void ResizeShell(ShellGeometry& g, int innerWidth, int innerHeight, int selectedTab);

// tabVelorast_Click's panes and bars: hides the three panes and both bars, then shows
// the pane of the tab and, on a data pane whose content overflows, its bar.
void ShowTab(ShellGeometry& g, int tab);

// How far a pane's content reaches below the pane (0 or less when it fits).
int Overflow(const TwipsBox& content, const TwipsBox& pane);

// A bar shown only while its content overflows; its range then counts whole scroll steps,
// a half step going to the even number. Hiding it leaves the content where it is.
void FitScrollBar(ScrollBarState& bar, int overflow);

// The content's new Top once a box that takes the focus is in view: a box lower than
// 300 twips above the pane's bottom comes to rest with its bottom 300 twips above it; a
// box less than 100 twips below the pane's top comes to rest 450 twips below it; any
// other box leaves the content where it is.
int ScrollIntoView(int contentTop, const TwipsBox& box, int paneHeight);

}  // namespace main_window
