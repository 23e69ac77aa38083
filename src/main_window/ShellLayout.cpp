#include "main_window/ShellLayout.h"

namespace main_window {
namespace {

// A width or height assignment that would fail on a negative value is skipped.
void SetSize(int& property, int value) {
  if (value >= 0) property = value;
}

int RoundHalfEven(int numerator, int denominator) {
  int quotient = numerator / denominator;
  int remainder = numerator % denominator;
  if (remainder < 0) {
    remainder += denominator;
    --quotient;
  }
  if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
    ++quotient;
  return quotient;
}

// One data pane: its pane, bar and content (steps 3 and 4 of Form_Resize).
int ResizeDataPane(TwipsBox& pane, ScrollBarState& bar, const TwipsBox& content,
                   const TwipsBox& tab) {
  SetSize(pane.Height, tab.Height - pane.Top - 100);
  SetSize(pane.Width, tab.Width - bar.place.Width - 220);
  bar.place = {pane.Left + pane.Width, pane.Top, bar.place.Width, pane.Height};
  return Overflow(content, pane);
}

}  // namespace

int Overflow(const TwipsBox& content, const TwipsBox& pane) { return content.Height - pane.Height; }

void FitScrollBar(ScrollBarState& bar, int overflow) {
  if (overflow <= 0) {
    bar.Visible = false;
    return;
  }
  bar.Max = RoundHalfEven(overflow, kScrollStep);
  bar.Visible = true;
}

void ResizeShell(ShellGeometry& g, int innerWidth, int innerHeight, int selectedTab) {
  TwipsBox& tab = g.tabVelorast;
  SetSize(tab.Height, innerHeight - tab.Top - 100);
  SetSize(tab.Width, innerWidth - tab.Left - 100);

  const int overflow1 = ResizeDataPane(g.picParent1, g.vscInput1, g.picInput1, tab);
  const int overflow3 = ResizeDataPane(g.picParent3, g.vscInput3, g.picInput3, tab);

  SetSize(g.picParent4.Height, tab.Height - g.picParent4.Top - 100);
  SetSize(g.picParent4.Width, tab.Width - 220);
  SetSize(g.picTop.Width, g.picParent4.Width - 100);
  SetSize(g.picLeftMic.Height, g.picParent4.Height - 100);
  SetSize(g.Grid.Width, g.picParent4.Width - 200 - g.picLeftMic.Width);
  SetSize(g.Grid.Height, g.picParent4.Height - 100 - g.picTop.Height);

  SetSize(g.fra1.Width, g.picParent3.Width - g.picInput3.Width - 50);
  if (g.fra1.Width > 4000) g.fra1.Width = 4000;
  SetSize(g.lvwResult.Width, g.fra1.Width - 100);

  if (selectedTab == 2) FitScrollBar(g.vscInput3, overflow3);
  if (selectedTab == 1) FitScrollBar(g.vscInput1, overflow1);
}

void ShowTab(ShellGeometry& g, int tab) {
  g.picParent1Visible = g.picParent3Visible = g.picParent4Visible = false;
  g.vscInput1.Visible = g.vscInput3.Visible = false;
  switch (tab) {
    case 1:
      g.picParent1Visible = true;
      FitScrollBar(g.vscInput1, Overflow(g.picInput1, g.picParent1));
      break;
    case 2:
      g.picParent3Visible = true;
      FitScrollBar(g.vscInput3, Overflow(g.picInput3, g.picParent3));
      break;
    case 3:
      g.picParent4Visible = true;
      break;
  }
}

int ScrollIntoView(int contentTop, const TwipsBox& box, int paneHeight) {
  const int boxTop = contentTop + box.Top;
  if (boxTop > paneHeight - box.Height - 300) return contentTop - (boxTop - paneHeight) - box.Height - 300;
  if (boxTop < 100) return contentTop - boxTop + 450;
  return contentTop;
}

}  // namespace main_window
