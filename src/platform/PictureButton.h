#pragma once
// A push button with a caption and a picture for each of its states: normal, under the
// mouse (over) and pressed (down). A state without a picture of its own shows the
// normal picture; an empty or unreadable picture leaves that state without one.
// Its click is QAbstractButton::clicked.

#include <QPixmap>
#include <QPushButton>

namespace platform {

class PictureButton : public QPushButton {
  Q_OBJECT

 public:
  explicit PictureButton(const QString& caption = QString(), QWidget* parent = nullptr);

  void SetPicture(const QPixmap& picture);
  void SetPicture(const QString& path);
  void SetPictureOver(const QPixmap& picture);
  void SetPictureOver(const QString& path);
  void SetPictureDown(const QPixmap& picture);
  void SetPictureDown(const QString& path);

  const QPixmap& Picture() const { return normal_; }
  const QPixmap& PictureOver() const { return over_; }
  const QPixmap& PictureDown() const { return down_; }
  // The picture the button shows in its present state (null when none).
  const QPixmap& ShownPicture() const;

 protected:
  bool event(QEvent* event) override;

 private:
  void ShowState();

  QPixmap normal_, over_, down_;
  bool hovered_ = false;
};

}  // namespace platform
