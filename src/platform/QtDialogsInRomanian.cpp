#include "platform/QtDialogsInRomanian.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace platform {
namespace {

class RomanianFileList : public QIdentityProxyModel {
 public:
  enum Column { kName, kSize, kType, kDate };  // the columns of Qt's file model

  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const bool folder = files->isDir(source);
    switch (index.column()) {
      case kSize:
        if (!folder) return Size(files->size(source));
        break;
      case kType:
        if (!folder) return Type(files->fileInfo(source).suffix());
        break;
      case kDate: return files->lastModified(source).toString(QStringLiteral("dd.MM.yyyy HH:mm"));
      default: break;
    }
    return QIdentityProxyModel::data(index, role);
  }

 private:
  // Bytes below a kilobyte, else the size in the largest unit that holds it, with one
  // decimal after a comma.
  static QString Size(qint64 bytes) {
    if (bytes < 1024) return QStringLiteral("%1 octeti").arg(bytes);
    static const char* const units[] = {"KB", "MB", "GB", "TB"};
    double size = double(bytes);
    int unit = -1;
    while (size >= 1024 && unit < 3) size /= 1024, ++unit;
    return QString::number(size, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')) + QLatin1Char(' ') +
           QLatin1String(units[unit]);
  }

  static QString Type(const QString& suffix) {
    return suffix.isEmpty() ? QStringLiteral("Fisier") : QStringLiteral("Fisier ") + suffix.toUpper();
  }
};

// Gives every dialog of Qt's the Romanian numbers, and every file dialog the Romanian
// list, as it is shown. The program's own dialogs are left as they are.
class QtDialogWatch : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !QtsOwn(*dialog)) return false;
    static const QLocale romanian(QLocale::Romanian, QLocale::Romania);
    if (dialog->locale() != romanian) dialog->setLocale(romanian);
    if (auto* files = qobject_cast<QFileDialog*>(dialog)) UseRomanianFileList(*files);
    return false;
  }

 private:
  // A dialog class of Qt's, its own or one of its inner ones ("QPrintPropertiesDialog").
  static bool QtsOwn(const QDialog& dialog) {
    for (const QMetaObject* m = dialog.metaObject(); m != &QDialog::staticMetaObject; m = m->superClass())
      if (!QLatin1String(m->className()).startsWith(QLatin1Char('Q'))) return false;
    return true;
  }
};

}  // namespace

void UseRomanianFileList(QFileDialog& dialog) {
  if (dialog.proxyModel()) return;
  auto* list = new RomanianFileList(&dialog);
  dialog.setProxyModel(list);
  // The dates are as wide as they are written: their column widens to show them whole
  // once a folder is read.
  auto* files = qobject_cast<QFileSystemModel*>(list->sourceModel());
  auto* details = dialog.findChild<QTreeView*>();
  if (files && details)
    QObject::connect(files, &QFileSystemModel::directoryLoaded, details,
                     [details] { details->resizeColumnToContents(RomanianFileList::kDate); });
}

void UseRomanianInQtDialogs(QCoreApplication& app) {
  static const QString kName = QStringLiteral("velorast_qt_dialog_watch");
  if (app.findChild<QtDialogWatch*>(kName, Qt::FindDirectChildrenOnly)) return;
  auto* watch = new QtDialogWatch(&app);
  watch->setObjectName(kName);
  app.installEventFilter(watch);
}

}  // namespace platform
