// The folder choice and the common dialog, scripted and real.

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/CommonDialog.h"
#include "platform/FolderDialog.h"
#include "platform/RuntimeError.h"

using namespace platform;

namespace {

// Runs action on the modal dialog of type D that the next call opens, as soon as it is
// up; a dialog of another kind is rejected, so that the test never waits on it.
template <class D, class F>
void OnNextModal(F action, int triesLeft = 500) {
  QTimer::singleShot(10, [action, triesLeft] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<D*>(modal)) return action(dialog);
    if (auto* other = qobject_cast<QDialog*>(modal)) {
      ADD_FAILURE() << "another dialog came up";
      return other->reject();
    }
    if (triesLeft > 0) OnNextModal<D>(action, triesLeft - 1);
  });
}

TEST(FolderDialog, ScriptGivesTheChosenFolderOrNothing) {
  FolderDialogScript script;
  script.Choose("/srv/date");
  script.Cancel();
  FolderDialog dialog;
  dialog.Show();
  EXPECT_EQ(dialog.Folder(), "/srv/date");
  dialog.Show();
  EXPECT_EQ(dialog.Folder(), QString());
  dialog.Show();  // nothing queued: closed without a choice
  EXPECT_EQ(dialog.Folder(), QString());
  EXPECT_EQ(script.Shown(), 3);
}

TEST(FolderDialog, RealDialogReturnsTheFolderOrEmptyWhenCancelled) {
  SetUnscriptedDialogHandler(nullptr);
  QTemporaryDir dir;
  OnNextModal<QFileDialog>([&](QFileDialog* d) {
    d->setDirectory(dir.path());
    static_cast<QDialog*>(d)->accept();
  });
  FolderDialog dialog;
  dialog.Show();
  EXPECT_EQ(dialog.Folder(), dir.path());
  OnNextModal<QFileDialog>([](QFileDialog* d) { d->reject(); });
  dialog.Show();
  EXPECT_EQ(dialog.Folder(), QString());
  SetUnscriptedDialogHandler([](const QString& d) { ADD_FAILURE() << d.toStdString(); });
}

int CancelNumber(CommonDialog& cdg, void (CommonDialog::*show)()) {
  try {
    (cdg.*show)();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

TEST(CommonDialog, ColourDialogSetsColorAndCancelRaisesOnlyWithCancelError) {
  CommonDialogScript script;
  CommonDialog cdg;
  script.ChooseColor(QColor(255, 0, 0));
  script.Cancel();
  script.Cancel();
  cdg.ShowColor();
  EXPECT_EQ(cdg.Color, 255);
  EXPECT_EQ(CancelNumber(cdg, &CommonDialog::ShowColor), 0);
  cdg.CancelError = true;
  EXPECT_EQ(CancelNumber(cdg, &CommonDialog::ShowColor), kErrCancelSelected);
  EXPECT_EQ(cdg.Color, 255) << "a cancel keeps the colour";
  ASSERT_EQ(script.ShownDialogs().size(), 3);
  EXPECT_EQ(script.ShownDialogs()[1].color, 255);
  EXPECT_TRUE(script.ShownDialogs()[2].cancelError);
  EXPECT_EQ(ColorFromValue(ColorValue(QColor(1, 2, 3))), QColor(1, 2, 3));
  EXPECT_EQ(ColorValue(QColor(0, 0, 255)), 65536 * 255);
}

// What one user sets on the shared dialog stays set for the next.
TEST(CommonDialog, PrintDialogKeepsWhatWasSetAndPrintsWhereChosen) {
  QTemporaryDir dir;
  CommonDialogScript script;
  CommonDialog cdg;
  cdg.CancelError = true;
  cdg.Flags = cdlPDReturnDC + cdlPDSelection;
  cdg.Orientation = cdlPortrait;
  script.ChoosePrinterPdf({dir.filePath("out.pdf"), true, cdlPortrait});
  cdg.ShowPrinter();
  EXPECT_EQ(cdg.Printer().outputFileName(), dir.filePath("out.pdf"));
  EXPECT_EQ(cdg.Flags, 257);
  script.ChoosePrinterPdf({dir.filePath("all.pdf"), false, cdlLandscape});
  cdg.ShowPrinter();
  EXPECT_EQ(cdg.Flags, 256) << "the range the clerk chose comes back in Flags";
  EXPECT_EQ(cdg.Orientation, cdlLandscape);
  EXPECT_EQ(CancelNumber(cdg, &CommonDialog::ShowPrinter), kErrCancelSelected);
  // Queue empty: cancelled, and the colour dialog finds CancelError still set.
  EXPECT_EQ(CancelNumber(cdg, &CommonDialog::ShowColor), kErrCancelSelected);
  ASSERT_EQ(script.ShownDialogs().size(), 4);
  EXPECT_EQ(script.ShownDialogs()[0].flags, 257);
  EXPECT_EQ(script.ShownDialogs()[3].dialog, "ShowColor");
  EXPECT_TRUE(script.ShownDialogs()[3].cancelError);
}

TEST(CommonDialog, RealColourDialog) {
  SetUnscriptedDialogHandler(nullptr);
  CommonDialog cdg;
  cdg.Color = ColorValue(QColor(10, 20, 30));
  QColor opened;
  OnNextModal<QColorDialog>([&](QColorDialog* d) {
    opened = d->currentColor();
    d->setCurrentColor(QColor(0, 128, 0));
    d->accept();
  });
  cdg.ShowColor();
  EXPECT_EQ(opened, QColor(10, 20, 30));
  EXPECT_EQ(cdg.Color, 128 * 256);
  cdg.CancelError = true;
  OnNextModal<QColorDialog>([](QColorDialog* d) { d->reject(); });
  EXPECT_EQ(CancelNumber(cdg, &CommonDialog::ShowColor), kErrCancelSelected);
  SetUnscriptedDialogHandler([](const QString& d) { ADD_FAILURE() << d.toStdString(); });
}

// The real print dialog without page numbers offers the whole text or the selection and
// nothing of a page range; every other control shows as it does with page numbers.
TEST(CommonDialog, RealPrintDialogWithoutPageNumbersOffersNoPageRange) {
  SetUnscriptedDialogHandler(nullptr);
  struct Shown {
    QStringList range;  // what the range box shows
    QStringList rest;   // every other control shown, as box/name
  };
  const auto show = [](int flags) {
    Shown shown;
    OnNextModal<QPrintDialog>([&shown](QPrintDialog* d) {
      QWidget* range = d->findChild<QWidget*>(QStringLiteral("gbPrintRange"));
      for (QWidget* w : d->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        if (range && w->parentWidget() == range) {
          if (w->isVisibleTo(range)) shown.range << w->objectName();
        } else if (w->isVisibleTo(d)) {
          shown.rest << w->parentWidget()->objectName() + "/" + w->objectName();
        }
      }
      d->reject();
    });
    CommonDialog cdg;
    cdg.Flags = flags;
    cdg.ShowPrinter();
    return shown;
  };
  const Shown withPages = show(cdlPDReturnDC + cdlPDSelection);
  const Shown withoutPages = show(cdlPDReturnDC + cdlPDNoPageNums + cdlPDSelection);
  const auto text = [](const QStringList& names) { return names.join(' ').toStdString(); };
  EXPECT_TRUE(withPages.range.contains("from") && withPages.range.contains("to")) << text(withPages.range);
  EXPECT_EQ(text(withoutPages.range), "printAll printSelection");
  EXPECT_EQ(text(withoutPages.rest), text(withPages.rest));
  EXPECT_TRUE(withoutPages.rest.contains("printerGroup/label_3")) << "the printer's type label stays";
  SetUnscriptedDialogHandler([](const QString& d) { ADD_FAILURE() << d.toStdString(); });
}

}  // namespace
