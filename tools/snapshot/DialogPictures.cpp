#include "DialogPictures.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <functional>

#include "core/QtTranslation.h"
#include "main_window/frmVelorast.h"
#include "platform/FolderDialog.h"

namespace snapshot {
namespace {

// Runs open, which shows a modal dialog and waits for it; the dialog is pictured into
// folder/name as soon as it is up (after prepare, when given), then closed as the
// clerk's Esc would close it.
bool PictureOfModal(const QDir& folder, const QString& name, const std::function<void()>& open,
                    const std::function<void(QDialog&)>& prepare = {}) {
  const QString path = folder.filePath(name);
  bool saved = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll.stop();
    if (prepare) prepare(*dialog);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    saved = dialog->grab().save(path);
    dialog->reject();
  });
  poll.start(50);
  open();
  if (!saved) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

bool WriteDialogPictures(frmVelorast& window, const QDir& folder) {
  core::InstallQtTranslation(*qApp);
  bool ok = PictureOfModal(folder, QStringLiteral("question.png"), [&] { window.cmdDelete_Click(); });

  // The folder choice opens at the home folder: a home of its own, with the folders an
  // office would have, keeps the picture the same on every machine.
  QTemporaryDir home;
  for (const char* sub : {"Documente", "Evidenta", "Velorast"}) QDir(home.path()).mkpath(QString::fromLatin1(sub));
  const QByteArray previousHome = qgetenv("HOME");
  qputenv("HOME", home.path().toLocal8Bit());
  ok = PictureOfModal(folder, QStringLiteral("folder-dialog.png"), [] {
         platform::FolderDialog dialog;
         dialog.Show();
       }) && ok;
  qputenv("HOME", previousHome);

  window.tabVelorast->setCurrentIndex(2);
  window.cmdFisaFata_Click();
  // The preview's toolbar shows pictures whose names the clerk reads as tips: for the
  // picture, each name is written under its button, on a window wide enough for all.
  ok = PictureOfModal(
           folder, QStringLiteral("preview.png"), [&] { window.cmdPrintPreview_Click(); },
           [](QDialog& preview) {
             for (QToolBar* bar : preview.findChildren<QToolBar*>()) bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
             preview.resize(1900, 800);
           }) &&
       ok;
  return ok;
}

}  // namespace snapshot
