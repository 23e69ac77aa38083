#include "platform/FolderDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

#include "platform/QtDialogsInRomanian.h"

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
  const std::unique_ptr<QFileDialog> dialog = NewFolderChoice(QApplication::activeWindow());
  folder_ = dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
}

std::unique_ptr<QFileDialog> NewFolderChoice(QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("Alegeti dosarul bazei de date"), QDir::homePath());
  dialog->setFileMode(QFileDialog::Directory);
  dialog->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  UseRomanianFileList(*dialog);
  return dialog;
}

}  // namespace platform
