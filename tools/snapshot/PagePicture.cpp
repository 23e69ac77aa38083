#include "PagePicture.h"

#include <QProcess>
#include <cstdio>

#include "main_window/frmVelorast.h"
#include "platform/RuntimeError.h"
#include "report_grid/Printing.h"
#include "report_grid/ReportGridView.h"

namespace snapshot {
namespace {
constexpr int kPictureDpi = 150;
}  // namespace

bool SavePagePicture(const QDir& folder, const QString& name) {
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

bool PrintAsPrintDoes(frmVelorast& window, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name + QStringLiteral(".pdf"));
  try {
    window.PreparePrint();
    report_grid::PrintGridToPdf(window.Grid->Model(), path);
  } catch (const platform::RuntimeError& e) {
    std::fprintf(stderr, "%s: %d %s\n", qPrintable(path), e.Number(), qPrintable(e.Description()));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return SavePagePicture(folder, name);
}

}  // namespace snapshot
