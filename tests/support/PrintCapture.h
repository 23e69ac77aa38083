#pragma once
// The CUPS queues that scripts/test.sh starts for the tests: a sheet printer and a
// documents printer whose jobs are copied unchanged (as the PDF that Qt sends) into a
// capture folder, as QUEUE-job-ID.pdf with its options in QUEUE-job-ID.options, and a
// queue that refuses every job. Without them
// (plain ctest on a machine without the test server) the tests that need them skip.

#include <QString>
#include <QStringList>

namespace testsupport {

struct PrintQueues {
  QString fisa;        // VELORAST_TEST_PRINTER_FISA: the sheet printer
  QString acte;        // VELORAST_TEST_PRINTER_ACTE: the documents printer
  QString captureDir;  // VELORAST_PRINT_CAPTURE_DIR
  QString refusing;    // VELORAST_TEST_PRINTER_REFUSING: a queue that refuses every job
  bool Available() const { return !fisa.isEmpty() && !acte.isEmpty() && !captureDir.isEmpty(); }
};

PrintQueues TestPrintQueues();

// The job files in the capture folder now.
QStringList CapturedJobs(const PrintQueues& queues);

// Waits (up to `timeoutMs`) for a job of `queue` that is not in `before` and whose text
// holds the word `marker` (tests running at the same time print too), and returns its
// path, or an empty string.
QString WaitForNewJob(const PrintQueues& queues, const QString& queue, const QStringList& before,
                      const QString& marker, int timeoutMs = 20000);

// The options the print system gave the queue with the job at `jobPath` (a file that
// WaitForNewJob returned), as "name=value" words; empty when none were kept.
QStringList JobOptions(const QString& jobPath);

}  // namespace testsupport
