#include "SheetPrints.h"

#include "PagePicture.h"

#include <QCheckBox>
#include <QTabWidget>
#include <cstdio>

#include "core/Settings.h"
#include "main_window/frmVelorast.h"

namespace snapshot {
namespace {

// Lays a side of the sheet with the box ticked or not, prepares the print as Print does,
// and prints the page into NAME.pdf.
bool PrintSheet(frmVelorast& window, const QDir& folder, const QString& name, bool complete,
                void (frmVelorast::*button)()) {
  window.chkPrintComplet->setCheckState(complete ? Qt::Checked : Qt::Unchecked);
  (window.*button)();
  return PrintAsPrintDoes(window, folder, name);
}

}  // namespace

bool WriteSheetFrontPrints(frmVelorast& window, const QDir& folder) {
  window.tabVelorast->setCurrentIndex(2);
  bool ok = PrintSheet(window, folder, QStringLiteral("fisa-fata-complet"), true, &frmVelorast::cmdFisaFata_Click);

  const QString pane = folder.filePath(QStringLiteral("pane-listari-fisa-fata.png"));
  if (window.grab().save(pane)) {
    std::printf("%s\n", qPrintable(pane));
  } else {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(pane));
    ok = false;
  }

  core::settings::Top = 10;
  core::settings::Left = 5;
  ok = PrintSheet(window, folder, QStringLiteral("fisa-fata-date"), false, &frmVelorast::cmdFisaFata_Click) && ok;
  return ok;
}

bool WriteSheetBackPrints(frmVelorast& window, const QDir& folder) {
  window.tabVelorast->setCurrentIndex(2);
  bool ok = PrintSheet(window, folder, QStringLiteral("fisa-verso-complet"), true, &frmVelorast::cmdFisaVerso_Click);
  core::settings::TopV = 10;
  core::settings::LeftV = 5;
  ok = PrintSheet(window, folder, QStringLiteral("fisa-verso-date"), false, &frmVelorast::cmdFisaVerso_Click) && ok;
  return ok;
}

}  // namespace snapshot
