#include "platform/FolderDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace platform {

void FolderDialog::Show() {
  if (FolderDialogScript* script = FolderDialogScript::Current()) {
    folder_ = script->Take();
    return;
  }
  if (UnscriptedDialog(QStringLiteral("FolderDialog"))) {
    folder_.clear();
    return;
  }
  folder_ = QFileDialog::getExistingDirectory(
      QApplication::activeWindow(), QStringLiteral("Alegeti dosarul bazei de date"), QDir::homePath(),
      QFileDialog::ShowDirsOnly);
}

}  // namespace platform
