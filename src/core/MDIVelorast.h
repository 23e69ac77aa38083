#pragma once
// The MDI parent: the one window that holds all others. It has no menus of its own;
// while a child that offers menus (MdiChildMenus) is active, its menus stand on the
// parent's menu bar. Closing the parent asks each child in turn, and a child that
// refuses keeps the whole program open.

#include <QList>
#include <QMainWindow>
#include <functional>

#include "platform/CommonDialog.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace core {

// A child window whose menus the parent shows while it is the active child.
class MdiChildMenus {
 public:
  virtual ~MdiChildMenus() = default;
  virtual QList<QMenu*> ChildMenus() const = 0;
};

class MDIVelorast : public QMainWindow {
  Q_OBJECT

 public:
  MDIVelorast();
  ~MDIVelorast() override;

  // Creates the main window; registered by the application before start-up.
  using MainWindowFactory = std::function<QWidget*()>;
  static void SetMainWindowFactory(MainWindowFactory factory);

  // Loads the window (the first time) and shows it maximised, not modal.
  void Show();

  // Loads the main window as a maximised child and gives it the focus.
  void MDIForm_Load();
  // Does nothing and never cancels.
  void MDIForm_QueryUnload(bool& cancel, int unloadMode);

  // Puts a window inside as a child; closing it destroys it (the window unloads).
  QMdiSubWindow* AddChild(QWidget* child);
  // The child frame around a window added with AddChild, or nullptr.
  QMdiSubWindow* ChildFrame(const QWidget* child) const;

  // The height of the client area, in twips.
  int ScaleHeight() const;

  QMdiArea* Workspace() const { return workspace_; }

  // Shared by the colour dialog of the page set-up and the help window's print dialog.
  platform::CommonDialog cdgOpen;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowMenusOf(QMdiSubWindow* active);

  QMdiArea* workspace_;
  bool loaded_ = false;
};

}  // namespace core
