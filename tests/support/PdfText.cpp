#include "support/PdfText.h"

#include <QFontMetricsF>
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

QRectF InkOf(const PdfWord& word, const QFont& font) {
  QFont face = font;
  face.setPixelSize(1000);
  face.setHintingPreference(QFont::PreferNoHinting);
  const QFontMetricsF metrics(face);
  const double perUnit = (word.yMax - word.yMin) / (metrics.ascent() + metrics.descent());
  const QRectF ink = metrics.tightBoundingRect(word.text);
  return QRectF(QPointF(word.xMin, word.yMin + (metrics.ascent() + ink.top()) * perUnit),
                QPointF(word.xMax, word.yMin + (metrics.ascent() + ink.bottom()) * perUnit));
}

void ExpectNoTwoWordsOverlap(const QList<PdfWord>& words, const std::function<QFont(const PdfWord&)>& fontOf,
                             const std::function<bool(const PdfWord&, const PdfWord&)>& compared) {
  QList<QRectF> inks;
  for (const PdfWord& w : words) inks.append(InkOf(w, fontOf(w)));
  constexpr double kSliverMm = 0.05;
  for (qsizetype i = 0; i < words.size(); ++i)
    for (qsizetype j = i + 1; j < words.size(); ++j) {
      if (compared && !compared(words[i], words[j])) continue;
      const QRectF both = inks[i].intersected(inks[j]);
      EXPECT_FALSE(both.width() > kSliverMm && both.height() > kSliverMm)
          << words[i].text.toStdString() << " over " << words[j].text.toStdString() << " at " << words[i].xMin
          << ", " << words[i].yMin << " mm";
    }
}

}  // namespace testsupport
