#include "platform/PictureButton.h"

#include <QEvent>

namespace platform {
namespace {

QPixmap Load(const QString& path) {
  // A missing or unreadable file gives a null picture: the state shows none.
  return path.isEmpty() ? QPixmap() : QPixmap(path);
}

}  // namespace

PictureButton::PictureButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  connect(this, &QAbstractButton::pressed, this, &PictureButton::ShowState);
  connect(this, &QAbstractButton::released, this, &PictureButton::ShowState);
}

void PictureButton::SetPicture(const QPixmap& picture) { normal_ = picture; ShowState(); }
void PictureButton::SetPicture(const QString& path) { SetPicture(Load(path)); }
void PictureButton::SetPictureOver(const QPixmap& picture) { over_ = picture; ShowState(); }
void PictureButton::SetPictureOver(const QString& path) { SetPictureOver(Load(path)); }
void PictureButton::SetPictureDown(const QPixmap& picture) { down_ = picture; ShowState(); }
void PictureButton::SetPictureDown(const QString& path) { SetPictureDown(Load(path)); }

const QPixmap& PictureButton::ShownPicture() const {
  if (isDown() && !down_.isNull()) return down_;
  if (hovered_ && !over_.isNull()) return over_;
  return normal_;
}

bool PictureButton::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::Enter: hovered_ = true; ShowState(); break;
    case QEvent::Leave: hovered_ = false; ShowState(); break;
    default: break;
  }
  return QPushButton::event(e);
}

void PictureButton::ShowState() {
  const QPixmap& shown = ShownPicture();
  if (shown.isNull()) {
    setIcon(QIcon());
    return;
  }
  setIcon(QIcon(shown));
  setIconSize(shown.deviceIndependentSize().toSize());
}

}  // namespace platform
