#include "SheetPrints.h"

#include "PagePicture.h"

#include <QCheckBox>
#include <QTabWidget>
#include <cstdio>

#include "core/Settings.h"
#include "main_window/frmVelorast.h"

namespace snapshot {
namespace {

// Lays the front with the box ticked or not, prepares the print as Print does, and
// prints the page into NAME.pdf.
bool PrintFront(frmVelorast& window, const QDir& folder, const QString& name, bool complete) {
  window.chkPrintComplet->setCheckState(complete ? Qt::Checked : Qt::Unchecked);
  window.cmdFisaFata_Click();
  return PrintAsPrintDoes(window, folder, name);
}

}  // namespace

bool WriteSheetFrontPrints(frmVelorast& window, const QDir& folder) {
  window.tabVelorast->setCurrentIndex(2);
  bool ok = PrintFront(window, folder, QStringLiteral("fisa-fata-complet"), true);

  const QString pane = folder.filePath(QStringLiteral("pane-listari-fisa-fata.png"));
  if (window.grab().save(pane)) {
    std::printf("%s\n", qPrintable(pane));
  } else {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(pane));
    ok = false;
  }

  core::settings::Top = 10;
  core::settings::Left = 5;
  ok = PrintFront(window, folder, QStringLiteral("fisa-fata-date"), false) && ok;
  return ok;
}

}  // namespace snapshot
