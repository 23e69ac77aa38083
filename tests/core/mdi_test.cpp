// The MDI parent: its load, the main child, the children's menus and closing.

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <gtest/gtest.h>

#include "core/MDIVelorast.h"
#include "platform/Forms.h"

using core::MDIVelorast;

namespace {

class Child : public QWidget, public core::MdiChildMenus {
 public:
  explicit Child(const QString& title, bool withMenus) {
    setWindowTitle(title);
    if (withMenus) menus_ = {new QMenu(QStringLiteral("Meniu"), this), new QMenu(QStringLiteral("Setari"), this)};
  }
  QList<QMenu*> ChildMenus() const override { return menus_; }
  bool refuse = false;
  int asked = 0;

 protected:
  void closeEvent(QCloseEvent* e) override {
    ++asked;
    if (refuse) e->ignore();
    else e->accept();
  }

 private:
  QList<QMenu*> menus_;
};

class MainChild : public Child {
 public:
  MainChild() : Child(QStringLiteral("Aplicatia Velorastulare si Radiere"), true) {}
};

// Runs the pending deletions, and the ones they lead to.
void ProcessDeletes() {
  for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList MenuTitles(QMainWindow& w) {
  QStringList out;
  for (QAction* a : w.menuBar()->actions()) out << a->text();
  return out;
}

class MdiTest : public testing::Test {
 protected:
  void SetUp() override {
    MDIVelorast::SetMainWindowFactory([] { return platform::Forms::Get<MainChild>(); });
  }
  void TearDown() override {
    MDIVelorast::SetMainWindowFactory(nullptr);
    delete mdi;
    platform::Forms::Unload<MainChild>();
  }
  MDIVelorast* mdi = new MDIVelorast;
};

TEST_F(MdiTest, ShowLoadsTheMainWindowAsMaximisedChild) {
  mdi->Show();
  // The maximised child's caption joins the parent's, as MDI windows show it.
  EXPECT_EQ(mdi->windowTitle(),
            QStringLiteral("Velorastulare autovehicule - [Aplicatia Velorastulare si Radiere]"));
  EXPECT_TRUE(mdi->isMaximized());
  ASSERT_TRUE(platform::Forms::IsLoaded<MainChild>());
  MainChild* main = platform::Forms::IfLoaded<MainChild>();
  QMdiSubWindow* frame = mdi->ChildFrame(main);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->isMaximized());
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Aplicatia Velorastulare si Radiere"));
  EXPECT_EQ(mdi->Workspace()->activeSubWindow(), frame);
  EXPECT_EQ(MenuTitles(*mdi), (QStringList{"Meniu", "Setari"}));
  // The main window hidden while a document form is open, then shown again.
  main->hide();
  EXPECT_FALSE(frame->isVisible());
  main->show();
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(frame->isMaximized());
  EXPECT_EQ(mdi->Workspace()->activeSubWindow(), frame);
  EXPECT_EQ(MenuTitles(*mdi), (QStringList{"Meniu", "Setari"}));
  mdi->Show();  // a second show loads nothing again
  EXPECT_EQ(mdi->Workspace()->subWindowList().size(), 1);
  EXPECT_EQ(mdi->ScaleHeight(), mdi->Workspace()->viewport()->height() * 15);
}

TEST_F(MdiTest, MenusFollowTheActiveChild) {
  mdi->Show();
  auto* form = new Child(QStringLiteral("formular"), false);
  mdi->AddChild(form)->show();
  mdi->Workspace()->setActiveSubWindow(mdi->ChildFrame(form));
  EXPECT_TRUE(MenuTitles(*mdi).isEmpty()) << "a document form has no menus";
  QPointer<Child> gone = form;
  mdi->ChildFrame(form)->close();
  ProcessDeletes();
  EXPECT_TRUE(gone.isNull()) << "a closed child unloads";
  mdi->Workspace()->setActiveSubWindow(mdi->ChildFrame(platform::Forms::IfLoaded<MainChild>()));
  EXPECT_EQ(MenuTitles(*mdi), (QStringList{"Meniu", "Setari"}));

  // A window that closes itself (its Exit button) takes its frame with it.
  auto* other = new Child(QStringLiteral("alt formular"), false);
  mdi->AddChild(other)->show();
  other->close();
  ProcessDeletes();
  EXPECT_EQ(mdi->Workspace()->subWindowList().size(), 1);

  mdi->ChildFrame(platform::Forms::IfLoaded<MainChild>())->close();
  ProcessDeletes();
  EXPECT_FALSE(platform::Forms::IsLoaded<MainChild>());
  EXPECT_TRUE(MenuTitles(*mdi).isEmpty()) << "the empty parent has an empty menu bar";
  EXPECT_TRUE(mdi->isVisible());
}

// Closing the parent asks each child, the oldest first; one that refuses keeps the
// program open, and the children after it are not asked.
TEST_F(MdiTest, ClosingTheParentAsksTheChildren) {
  mdi->Show();
  MainChild* main = platform::Forms::IfLoaded<MainChild>();
  auto* form = new Child(QStringLiteral("formular"), false);
  mdi->AddChild(form)->show();
  mdi->ChildFrame(main)->hide();  // hidden behind a document form: still asked
  main->refuse = true;
  EXPECT_FALSE(mdi->close());
  EXPECT_EQ(main->asked, 1);
  EXPECT_EQ(form->asked, 0);
  EXPECT_TRUE(mdi->isVisible());

  main->refuse = false;
  QPointer<Child> formAlive = form;
  EXPECT_TRUE(mdi->close());
  ProcessDeletes();
  EXPECT_TRUE(formAlive.isNull());
  EXPECT_FALSE(platform::Forms::IsLoaded<MainChild>());
}

}  // namespace
