#include "platform/MessageBox.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(MessageBox, ScriptRecordsBoxesAndGivesQueuedAnswersThenDefaults) {
  MessageBoxScript script;
  script.Answer(vbNo);
  EXPECT_EQ(MsgBox("Sigur?", vbYesNo + vbQuestion), vbNo);
  EXPECT_EQ(MsgBox("Alta?", vbYesNo + vbQuestion + vbDefaultButton2), vbNo);  // default
  EXPECT_EQ(MsgBox("Gata", vbOKOnly, "Login"), vbOK);
  ASSERT_EQ(script.Shown().size(), 3);
  EXPECT_EQ(script.Shown()[0].title, kAppTitle);
  EXPECT_EQ(script.Shown()[2].title, "Login");
  EXPECT_EQ(script.Prompts(), QStringList({"Sigur?", "Alta?", "Gata"}));
}

TEST(MessageBox, DefaultAnswerFollowsDefaultButton) {
  struct Case { int style; int answer; } cases[] = {
      {vbOKOnly, vbOK}, {vbOKCancel, vbOK}, {vbOKCancel + vbDefaultButton2, vbCancel},
      {vbYesNo, vbYes}, {vbYesNo + vbDefaultButton2 + vbQuestion, vbNo}, {vbYesNoCancel, vbYes}};
  for (const Case& c : cases) EXPECT_EQ(DefaultAnswer(c.style), c.answer) << c.style;
}

TEST(MessageBox, NestedScriptsRestoreTheOuterOne) {
  MessageBoxScript outer;
  {
    MessageBoxScript inner;
    MsgBox("inner");
    EXPECT_EQ(inner.Shown().size(), 1);
  }
  MsgBox("outer");
  EXPECT_EQ(outer.Prompts(), QStringList({"outer"}));
}
