#include "platform/FolderDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>

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

namespace {

// The folders' list as Qt's file model gives it, but for the date of the last change:
// the model writes it by the desktop's language (an English desktop shows "10 Dec"), so
// it is written here in digits, day first, as Romanian dates are.
class FolderList : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::DisplayRole && index.column() == kDateColumn)
      if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel()))
        return files->lastModified(mapToSource(index)).toString(QStringLiteral("dd.MM.yyyy HH:mm"));
    return QIdentityProxyModel::data(index, role);
  }

 private:
  static constexpr int kDateColumn = 3;  // name, size, type, date
};

}  // namespace

std::unique_ptr<QFileDialog> NewFolderChoice(QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("Alegeti dosarul bazei de date"), QDir::homePath());
  dialog->setFileMode(QFileDialog::Directory);
  dialog->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  dialog->setProxyModel(new FolderList(dialog.get()));
  return dialog;
}

}  // namespace platform
