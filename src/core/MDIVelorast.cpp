#include "core/MDIVelorast.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>

#include "platform/Twips.h"

namespace core {
namespace {
MDIVelorast::MainWindowFactory g_mainWindowFactory;

// Makes a child's frame follow the child: hidden when the child is hidden, shown and
// made active when it is shown again.
class FrameFollower : public QObject {
 public:
  FrameFollower(QMdiSubWindow* frame, QMdiArea* area) : QObject(frame), frame_(frame), area_(area) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* child = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Hide && child->isHidden() && frame_->isVisible()) {
      frame_->hide();
    } else if (event->type() == QEvent::ShowToParent && !frame_->isVisible()) {
      frame_->show();
      area_->setActiveSubWindow(frame_);
    }
    return false;
  }

 private:
  QMdiSubWindow* frame_;
  QMdiArea* area_;
};

}  // namespace

MDIVelorast::MDIVelorast() : workspace_(new QMdiArea(this)) {
  setObjectName(QStringLiteral("MDIVelorast"));
  setWindowTitle(QStringLiteral("Velorastulare autovehicule"));
  workspace_->setBackground(QApplication::palette().brush(QPalette::Dark));
  // The area never scrolls: a page window taller than the area scrolls by its own Top.
  workspace_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  workspace_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setCentralWidget(workspace_);
  menuBar()->setNativeMenuBar(false);
  connect(workspace_, &QMdiArea::subWindowActivated, this, &MDIVelorast::ShowMenusOf);
}

// The children go with the workspace after this object's own part is gone: they must
// no longer reach it.
MDIVelorast::~MDIVelorast() { disconnect(workspace_, nullptr, this, nullptr); }

void MDIVelorast::SetMainWindowFactory(MainWindowFactory factory) {
  g_mainWindowFactory = std::move(factory);
}

void MDIVelorast::Show() {
  if (!loaded_) {
    loaded_ = true;
    MDIForm_Load();
    // Filled to the screen also where no window manager maximises it.
    if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
  }
  showMaximized();
}

void MDIVelorast::MDIForm_Load() {
  if (!g_mainWindowFactory) return;
  QWidget* main = g_mainWindowFactory();
  if (!main) return;
  if (!ChildFrame(main)) AddChild(main);
  ChildFrame(main)->showMaximized();
  workspace_->setActiveSubWindow(ChildFrame(main));
  main->setFocus();
}

void MDIVelorast::MDIForm_QueryUnload(bool& /*cancel*/, int /*unloadMode*/) {}

QMdiSubWindow* MDIVelorast::AddChild(QWidget* child) {
  QMdiSubWindow* frame = workspace_->addSubWindow(child);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  child->setAttribute(Qt::WA_DeleteOnClose);
  child->installEventFilter(new FrameFollower(frame, workspace_));
  // A window that closes itself leaves no empty frame behind.
  connect(child, &QObject::destroyed, frame, [guard = QPointer<QMdiSubWindow>(frame)] {
    if (guard) guard->deleteLater();
  });
  return frame;
}

QMdiSubWindow* MDIVelorast::ChildFrame(const QWidget* child) const {
  for (QMdiSubWindow* frame : workspace_->subWindowList())
    if (frame->widget() == child) return frame;
  return nullptr;
}

int MDIVelorast::ScaleHeight() const {
  return platform::PixelsToTwips(workspace_->viewport()->height());
}

void MDIVelorast::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  MDIForm_QueryUnload(cancel, 0);
  if (cancel) return event->ignore();
  // Every child is asked, the oldest first, hidden ones included; the first that
  // refuses keeps itself, the later children and the parent open.
  for (QMdiSubWindow* frame : workspace_->subWindowList(QMdiArea::CreationOrder)) {
    if (!frame->close()) return event->ignore();
  }
  event->accept();
}

void MDIVelorast::ShowMenusOf(QMdiSubWindow* active) {
  // The area reports no active child also when the program merely loses the focus;
  // the menus go only when another child becomes active or no child is left.
  if (!active) {
    for (QMdiSubWindow* frame : workspace_->subWindowList())
      if (frame->isVisible()) return;
  }
  menuBar()->clear();
  const auto* offer = active ? dynamic_cast<const MdiChildMenus*>(active->widget()) : nullptr;
  if (!offer) return;
  for (QMenu* menu : offer->ChildMenus()) menuBar()->addMenu(menu);
}

}  // namespace core
