// The main window inside the MDI parent: loaded as its maximised child, its menus on the
// parent's menu bar, and the closing question when either window closes.

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "core/AppState.h"
#include "core/FontSubstitutions.h"
#include "core/MDIVelorast.h"
#include "main_window/frmVelorast.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "support/FixtureDatabase.h"

using core::MDIVelorast;
using platform::Forms;

namespace {

void ProcessDeletes() {
  for (int i = 0; i < 3; ++i) QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList MenuTitles(const MDIVelorast& mdi) {
  QStringList titles;
  for (QAction* a : mdi.menuBar()->actions()) titles << a->text();
  return titles;
}

class MainWindowInMdi : public testing::Test {
 protected:
  void SetUp() override {
    core::RegisterFontSubstitutions();
    core::BazaDate = fixture.Open();
    MDIVelorast::SetMainWindowFactory([]() -> QWidget* { return frmVelorast::Load(); });
    mdi = Forms::Get<MDIVelorast>();
    mdi->Show();
    QApplication::processEvents();
  }
  void TearDown() override {
    MDIVelorast::SetMainWindowFactory(nullptr);
    Forms::Unload<MDIVelorast>();
    ProcessDeletes();
    Forms::Unload<frmVelorast>();
    core::BazaDate.reset();
  }

  testsupport::FixtureDatabase fixture;
  MDIVelorast* mdi = nullptr;
};

}  // namespace

TEST_F(MainWindowInMdi, LoadsAsTheMaximisedChildWithItsMenusOnTheParent) {
  frmVelorast* w = Forms::IfLoaded<frmVelorast>();
  ASSERT_NE(w, nullptr);
  QMdiSubWindow* frame = mdi->ChildFrame(w);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->isMaximized());
  EXPECT_EQ(frame->windowTitle(), "Aplicatia Velorastulare si Radiere");
  EXPECT_EQ(MenuTitles(*mdi), (QStringList{"Meniu", "Setari", "Ajutor"}));
  // Form_Resize has laid the window out to the parent's client area.
  EXPECT_EQ(w->Shell().tabVelorast.Width, platform::PixelsToTwips(w->width()) - 100);
}

TEST_F(MainWindowInMdi, ClosingTheParentAsksAndNoKeepsEverythingOpen) {
  frmVelorast* w = Forms::IfLoaded<frmVelorast>();
  w->txtVerso[1]->setText("POPESCU ION");
  platform::MessageBoxScript boxes;
  boxes.Answer(platform::vbNo);
  EXPECT_FALSE(mdi->close());
  ASSERT_EQ(boxes.Prompts(), QStringList{"Sigur vreti sa iesiti din aceasta fereastra?"});
  ProcessDeletes();
  ASSERT_TRUE(Forms::IsLoaded<frmVelorast>());
  EXPECT_EQ(w->txtVerso[1]->text(), "POPESCU ION");
  EXPECT_TRUE(mdi->isVisible());

  // Hidden behind a document form, it is still asked.
  w->hide();
  boxes.Answer(platform::vbYes);
  EXPECT_TRUE(mdi->close());
  EXPECT_EQ(boxes.Shown().size(), 2);
  ProcessDeletes();
  EXPECT_FALSE(Forms::IsLoaded<frmVelorast>());
}

TEST_F(MainWindowInMdi, ClosingTheMainWindowAloneLeavesTheEmptyParent) {
  platform::MessageBoxScript boxes;
  boxes.Answer(platform::vbYes);
  EXPECT_TRUE(mdi->ChildFrame(Forms::IfLoaded<frmVelorast>())->close());
  ProcessDeletes();
  EXPECT_FALSE(Forms::IsLoaded<frmVelorast>());
  EXPECT_TRUE(mdi->isVisible());
  EXPECT_TRUE(MenuTitles(*mdi).isEmpty());
  EXPECT_TRUE(mdi->Workspace()->subWindowList().isEmpty());
  // The empty parent then closes without a question.
  EXPECT_TRUE(mdi->close());
  EXPECT_EQ(boxes.Shown().size(), 1);
}
