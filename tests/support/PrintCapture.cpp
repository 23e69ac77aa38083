#include "support/PrintCapture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include "support/PdfText.h"

namespace testsupport {

PrintQueues TestPrintQueues() {
  return PrintQueues{qEnvironmentVariable("VELORAST_TEST_PRINTER_FISA"),
                     qEnvironmentVariable("VELORAST_TEST_PRINTER_ACTE"),
                     qEnvironmentVariable("VELORAST_PRINT_CAPTURE_DIR"),
                     qEnvironmentVariable("VELORAST_TEST_PRINTER_REFUSING")};
}

QStringList CapturedJobs(const PrintQueues& queues) {
  return QDir(queues.captureDir).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

QString WaitForNewJob(const PrintQueues& queues, const QString& queue, const QStringList& before,
                      const QString& marker, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  QStringList seen = before;
  while (!deadline.hasExpired()) {
    for (const QString& name : CapturedJobs(queues)) {
      if (seen.contains(name) || !name.startsWith(queue + QStringLiteral("-job-"))) continue;
      seen.append(name);
      const QString path = QDir(queues.captureDir).filePath(name);
      for (const PdfPage& page : ReadPdfPages(path))
        if (page.Find(marker)) return path;
    }
    QCoreApplication::processEvents();
    QThread::msleep(50);
  }
  return {};
}

QStringList JobOptions(const QString& jobPath) {
  QString path = jobPath;
  path.replace(QRegularExpression(QStringLiteral("\\.pdf$")), QStringLiteral(".options"));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

}  // namespace testsupport
