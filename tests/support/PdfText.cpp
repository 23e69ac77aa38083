#include "support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

namespace testsupport {

const PdfWord* PdfPage::Find(const QString& text) const {
  for (const PdfWord& w : words)
    if (w.text == text) return &w;
  return nullptr;
}

QList<PdfPage> ReadPdfPages(const QString& pdfPath) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(30000) || pdftotext.exitStatus() != QProcess::NormalExit) {
    ADD_FAILURE() << "pdftotext did not run (poppler-utils is needed)";
    return {};
  }
  const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
  static const QRegularExpression pageRe(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
  static const QRegularExpression wordRe(QStringLiteral(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">(.*?)</word>"));
  QList<PdfPage> pages;
  for (const QString& chunk : html.split(QStringLiteral("</page>"))) {
    const auto page = pageRe.match(chunk);
    if (!page.hasMatch()) continue;
    PdfPage out;
    out.sizeMm = QSizeF(page.captured(1).toDouble() * kMmPerPoint, page.captured(2).toDouble() * kMmPerPoint);
    for (auto it = wordRe.globalMatch(chunk); it.hasNext();) {
      const auto m = it.next();
      out.words.append(PdfWord{QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(),
                               m.captured(1).toDouble() * kMmPerPoint, m.captured(2).toDouble() * kMmPerPoint,
                               m.captured(3).toDouble() * kMmPerPoint, m.captured(4).toDouble() * kMmPerPoint});
    }
    pages.append(out);
  }
  return pages;
}

}  // namespace testsupport
