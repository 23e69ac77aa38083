#include "SheetPrints.h"

#include <QCheckBox>
#include <QProcess>
#include <QTabWidget>
#include <cstdio>

#include "core/Settings.h"
#include "main_window/frmVelorast.h"
#include "platform/RuntimeError.h"
#include "report_grid/Printing.h"
#include "report_grid/ReportGridView.h"

namespace snapshot {
namespace {

constexpr int kPictureDpi = 150;

// The page of the PDF as NAME.png beside it.
bool SavePicture(const QDir& folder, const QString& name) {
  QProcess pdftoppm;
  pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                              QStringLiteral("-r"), QString::number(kPictureDpi),
                                              folder.filePath(name + QStringLiteral(".pdf")),
                                              folder.filePath(name)});
  if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitStatus() != QProcess::NormalExit || pdftoppm.exitCode() != 0) {
    std::fprintf(stderr, "pdftoppm could not make %s.png\n", qPrintable(folder.filePath(name)));
    return false;
  }
  std::printf("%s\n", qPrintable(folder.filePath(name + QStringLiteral(".png"))));
  return true;
}

// Lays a side of the sheet with the box ticked or not, prepares the print as Print does,
// and prints the page into NAME.pdf.
bool PrintSheet(frmVelorast& window, const QDir& folder, const QString& name, bool complete,
                void (frmVelorast::*button)()) {
  window.chkPrintComplet->setCheckState(complete ? Qt::Checked : Qt::Unchecked);
  (window.*button)();
  const QString path = folder.filePath(name + QStringLiteral(".pdf"));
  try {
    if (!window.PreparePrint()) {
      std::fprintf(stderr, "%s: the printable cells could not be marked\n", qPrintable(path));
      return false;
    }
    report_grid::PrintGridToPdf(window.Grid->Model(), path);
  } catch (const platform::RuntimeError& e) {
    std::fprintf(stderr, "%s: %d %s\n", qPrintable(path), e.Number(), qPrintable(e.Description()));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return SavePicture(folder, name);
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
