#include "platform/QtDialogsInRomanian.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDoubleValidator>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTreeView>
#include <algorithm>

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

const QLocale& Romanian() {
  static const QLocale romanian(QLocale::Romanian, QLocale::Romania);
  return romanian;
}

// The preview's zoom box, written and read with a decimal comma. Qt writes its list and
// the zoom it shows with a point ("12.5%") and reads the box by the C locale, so that
// "12,5%" would not zoom. The box is taken over here as Qt's preview handles it: a zoom
// typed (from 1 to 1000 percent, one decimal) or chosen from the list, the one shown
// included, is applied and the fitting buttons let go.
class RomanianZoom : public QObject {
 public:
  static void Attach(QPrintPreviewDialog& dialog) {
    static const QString kName = QStringLiteral("velorast_romanian_zoom");
    if (dialog.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly)) return;
    auto* view = dialog.findChild<QPrintPreviewWidget*>();
    for (QComboBox* box : dialog.findChildren<QComboBox*>())
      if (view && box->lineEdit() && box->count() > 0 && box->itemText(0).endsWith(QLatin1Char('%'))) {
        (new RomanianZoom(dialog, *box, *view))->setObjectName(kName);
        return;
      }
  }

 private:
  // Takes a zoom in percent, the sign optional, with a decimal comma; a point, typed or
  // written by Qt after a zoom in or out or a fit ("37.5%"), becomes the comma. A digit
  // that would take the zoom past the largest is refused.
  class Validator : public QDoubleValidator {
   public:
    explicit Validator(QObject* parent) : QDoubleValidator(1, 1000, 1, parent) {
      setNotation(StandardNotation);
      setLocale(Romanian());
    }
    State validate(QString& input, int& pos) const override {
      input.replace(QLatin1Char('.'), QLatin1Char(','));
      QString number = input;
      if (number.endsWith(QLatin1Char('%'))) number.chop(1);
      const State state = QDoubleValidator::validate(number, pos);
      return state == Intermediate && locale().toDouble(number) > top() ? Invalid : state;
    }
  };

  RomanianZoom(QPrintPreviewDialog& dialog, QComboBox& box, QPrintPreviewWidget& view)
      : QObject(&dialog), box_(box), view_(view) {
    QLineEdit* edit = box.lineEdit();
    const QString zoom = edit->text();  // rewriting the current entry writes over it
    for (int i = 0; i < box.count(); ++i)
      box.setItemText(i, box.itemText(i).replace(QLatin1Char('.'), QLatin1Char(',')));
    edit->setValidator(new Validator(edit));
    edit->setText(zoom);
    // Qt's own reading of the box gives way to this one.
    QObject::disconnect(&box, nullptr, &dialog, nullptr);
    QObject::disconnect(edit, nullptr, &dialog, nullptr);
    connect(edit, &QLineEdit::editingFinished, this, &RomanianZoom::Apply);
    connect(&box, &QComboBox::activated, this, &RomanianZoom::Apply);
  }

  void Apply() {
    QString typed = box_.lineEdit()->text();
    if (typed.endsWith(QLatin1Char('%'))) typed.chop(1);
    bool ok = false;
    const double percent = std::clamp(Romanian().toDouble(typed, &ok), 1.0, 1000.0);
    if (!ok) return;
    view_.setZoomFactor(percent / 100);
    box_.setEditText(QString::number(percent) + QLatin1Char('%'));  // the comma by the validator
    for (QAction* fit : parent()->findChildren<QAction*>()) {
      if (!fit->objectName().startsWith(QLatin1String("fit"))) continue;
      if (fit->actionGroup()) fit->actionGroup()->setExclusive(false);
      fit->setChecked(false);
    }
  }

  QComboBox& box_;
  QPrintPreviewWidget& view_;
};

// Gives every dialog of Qt's the Romanian numbers, every file dialog the Romanian list and
// the preview its zoom box with a decimal comma, as it is shown. The program's own
// dialogs are left as they are.
class QtDialogWatch : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !QtsOwn(*dialog)) return false;
    if (dialog->locale() != Romanian()) dialog->setLocale(Romanian());
    if (auto* files = qobject_cast<QFileDialog*>(dialog)) UseRomanianFileList(*files);
    if (auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog)) RomanianZoom::Attach(*preview);
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
