#pragma once
// The folder choice: Show lets the clerk choose a folder and returns when the dialog is
// closed; Folder then gives the chosen folder, empty when the clerk chose none.

#include <QList>
#include <QString>
#include <memory>

#include "platform/DialogScript.h"

class QFileDialog;
class QWidget;

namespace platform {

// The folder choice as FolderDialog shows it: Qt's own dialog, the same on every desktop
// and in the program's language (a desktop's native dialog would speak the desktop's),
// folders only, starting at the home folder.
std::unique_ptr<QFileDialog> NewFolderChoice(QWidget* parent);

class FolderDialog {
 public:
  void Show();
  QString Folder() const { return folder_; }

 private:
  QString folder_;
};

// While an instance lives, FolderDialog::Show shows nothing: it records that it was
// shown and takes the next queued answer (a folder, or the empty text for a closed
// dialog); with nothing queued it counts as closed without a choice.
class FolderDialogScript : public ActiveScript<FolderDialogScript> {
 public:
  void Choose(const QString& folder) { answers_.append(folder); }
  void Cancel() { answers_.append(QString()); }
  int Shown() const { return shown_; }

 private:
  friend class FolderDialog;
  QString Take() {
    ++shown_;
    return answers_.isEmpty() ? QString() : answers_.takeFirst();
  }
  QList<QString> answers_;
  int shown_ = 0;
};

}  // namespace platform
