#include "main_window/ShellLayout.h"

#include <gtest/gtest.h>

using namespace main_window;

namespace {

// The window as a 1280 x 1024 screen gives it: 19200 x 14400 twips inside.
ShellGeometry ResizedTo(int width, int height, int tab = 1) {
  ShellGeometry g;
  ResizeShell(g, width, height, tab);
  return g;
}

}  // namespace

TEST(ShellLayout, PanesBarsAndGridFollowTheWindow) {
  const ShellGeometry g = ResizedTo(19200, 14400);
  EXPECT_EQ(g.tabVelorast, (TwipsBox{0, 30, 19100, 14270}));
  EXPECT_EQ(g.picParent1, (TwipsBox{39, 390, 18625, 13780}));
  EXPECT_EQ(g.vscInput1.place, (TwipsBox{39 + 18625, 390, 255, 13780}));
  EXPECT_EQ(g.picParent3, g.picParent1);
  EXPECT_EQ(g.vscInput3.place, g.vscInput1.place);
  EXPECT_EQ(g.picParent4, (TwipsBox{39, 390, 18880, 13780}));
  EXPECT_EQ(g.picTop.Width, 18780);
  EXPECT_EQ(g.picLeftMic.Height, 13680);
  EXPECT_EQ(g.Grid, (TwipsBox{1680, 600, 18880 - 200 - 1635, 13780 - 100 - 555}));
}

TEST(ShellLayout, PersonsFrameNeverWiderThan4000Twips) {
  struct Case {
    int windowWidth;
    int fra1Width;
  };
  // picParent3.Width = window - 100 - 255 - 220; fra1 = that - 8325 - 50.
  for (const Case c : {Case{12000, 12000 - 575 - 8375}, Case{12950, 4000}, Case{12951, 4000}, Case{40000, 4000}}) {
    const ShellGeometry g = ResizedTo(c.windowWidth, 14400, 2);
    EXPECT_EQ(g.fra1.Width, c.fra1Width) << c.windowWidth;
    EXPECT_EQ(g.lvwResult.Width, c.fra1Width - 100) << c.windowWidth;
    EXPECT_EQ(g.fra1.Left, 8220);
  }
}

TEST(ShellLayout, AVerySmallWindowSkipsOnlyTheSizesThatWouldBeNegative) {
  const ShellGeometry before;
  ShellGeometry g;
  ResizeShell(g, 600, 800, 1);  // twips: 40 x 53 pixels
  EXPECT_EQ(g.tabVelorast.Height, 670);
  EXPECT_EQ(g.tabVelorast.Width, 500);
  // 670 - 390 - 100 is still a height; 500 - 255 - 220 is still a width.
  EXPECT_EQ(g.picParent1.Height, 180);
  EXPECT_EQ(g.picParent1.Width, 25);
  // Negative: kept as they were, and the rules after them still ran.
  EXPECT_EQ(g.picParent4.Width, 280);
  EXPECT_EQ(g.picTop.Width, 180);
  EXPECT_EQ(g.picLeftMic.Height, 80);
  EXPECT_EQ(g.Grid.Width, before.Grid.Width);
  EXPECT_EQ(g.Grid.Height, before.Grid.Height);
  EXPECT_EQ(g.fra1.Width, before.fra1.Width);
  EXPECT_EQ(g.lvwResult.Width, before.fra1.Width - 100);
  EXPECT_EQ(g.vscInput1.place, (TwipsBox{64, 390, 255, 180}));

  ShellGeometry tiny;
  ResizeShell(tiny, 0, 0, 1);
  EXPECT_EQ(tiny.tabVelorast, before.tabVelorast);
  EXPECT_EQ(tiny.picParent1, (TwipsBox{39, 390, 12975 - 255 - 220, 9705 - 390 - 100}));
}

TEST(ShellLayout, ABarShowsOnlyWhileItsPaneOverflowsAndCountsWholeSteps) {
  struct Case {
    int paneHeight;  // picParent1.Height after the resize
    bool visible;
    int max;
  };
  // picInput1 is 8745 twips high: overflow = 8745 - pane.
  const Case cases[] = {
      {8745, false, 0},     // fits exactly
      {9000, false, 0},     // room to spare
      {8744, true, 0},      // 1 twip over: 0.002 steps round to 0
      {7995, true, 2},      // 750: 1.5 steps, the even neighbour is 2
      {7495, true, 2},      // 1250: 2.5 steps, the even neighbour is 2
      {7494, true, 3},      // 1251
      {2745, true, 12},     // 6000
  };
  for (const Case& c : cases) {
    const int innerHeight = c.paneHeight + 390 + 100 + 30 + 100;
    const ShellGeometry g = ResizedTo(19200, innerHeight, 1);
    ASSERT_EQ(g.picParent1.Height, c.paneHeight);
    EXPECT_EQ(g.vscInput1.Visible, c.visible) << c.paneHeight;
    if (c.visible) {
      EXPECT_EQ(g.vscInput1.Max, c.max) << c.paneHeight;
    }
  }
}

TEST(ShellLayout, OnlyTheSelectedDataPaneGetsItsBar) {
  ShellGeometry g;
  g.vscInput3.Visible = false;
  ResizeShell(g, 19200, 6000, 1);
  EXPECT_TRUE(g.vscInput1.Visible);
  EXPECT_FALSE(g.vscInput3.Visible);

  ShellGeometry listari;
  listari.vscInput1.Visible = false;
  ResizeShell(listari, 19200, 6000, 3);
  EXPECT_FALSE(listari.vscInput1.Visible);
  EXPECT_FALSE(listari.vscInput3.Visible);
}

TEST(ShellLayout, GrowingTheWindowHidesTheBarAndLeavesScrolledContentWhereItIs) {
  ShellGeometry g;
  ResizeShell(g, 19200, 6000, 1);
  ASSERT_TRUE(g.vscInput1.Visible);
  g.picInput1.Top = -1500;  // the clerk scrolled three steps
  ResizeShell(g, 19200, 14400, 1);
  EXPECT_FALSE(g.vscInput1.Visible);
  EXPECT_EQ(g.picInput1.Top, -1500);
}

TEST(ShellLayout, ATabShowsItsPaneAndOnAnOverflowingDataPaneItsBar) {
  ShellGeometry g;
  ResizeShell(g, 19200, 6000, 1);
  for (int tab : {2, 3, 1}) {
    ShowTab(g, tab);
    EXPECT_EQ(g.picParent1Visible, tab == 1);
    EXPECT_EQ(g.picParent3Visible, tab == 2);
    EXPECT_EQ(g.picParent4Visible, tab == 3);
    EXPECT_EQ(g.vscInput1.Visible, tab == 1);
    EXPECT_EQ(g.vscInput3.Visible, tab == 2);
  }
  ResizeShell(g, 19200, 14400, 1);
  ShowTab(g, 2);
  EXPECT_FALSE(g.vscInput3.Visible) << "9915 twips of content fit a pane of 13780";
}

TEST(ShellLayout, AFocusedBoxIsBroughtIntoView) {
  struct Case {
    const char* what;
    int contentTop;
    int boxTop;
    int newContentTop;
  };
  const int pane = 6000;
  const int boxHeight = 315;
  const Case cases[] = {
      {"in the middle: nothing moves", 0, 3000, 0},
      {"bottom exactly 300 above the edge", 0, 6000 - 315 - 300, 0},
      {"bottom 299 above the edge", 0, 6000 - 315 - 299, -1},
      {"below the pane", -500, 9000, -500 - (8500 - 6000) - 315 - 300},
      {"top exactly 100 below the pane's top", -1000, 1100, -1000},
      {"top 99 below the pane's top", -1000, 1099, -1000 - 99 + 450},
      {"above the pane", -4000, 1000, -4000 + 3000 + 450},
  };
  for (const Case& c : cases) {
    const int moved = ScrollIntoView(c.contentTop, {0, c.boxTop, 1000, boxHeight}, pane);
    EXPECT_EQ(moved, c.newContentTop) << c.what;
    const int seenTop = moved + c.boxTop;
    if (moved == c.contentTop) continue;
    if (c.boxTop + c.contentTop > 3000) {
      EXPECT_EQ(seenTop + boxHeight, pane - 300) << c.what;
    } else {
      EXPECT_EQ(seenTop, 450) << c.what;
    }
  }
}
