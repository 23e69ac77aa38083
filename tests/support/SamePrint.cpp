#include "support/SamePrint.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/PdfText.h"

namespace testsupport {
namespace {

// The pages of `pdf` as pictures at `dpi`, in order.
QList<QImage> Pictures(const QString& pdf, int dpi, const QTemporaryDir& dir, const QString& name) {
  QProcess pdftoppm;
  pdftoppm.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), pdf, dir.filePath(name)});
  if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitStatus() != QProcess::NormalExit || pdftoppm.exitCode() != 0) {
    ADD_FAILURE() << "pdftoppm could not read " << pdf.toStdString();
    return {};
  }
  QList<QImage> pictures;
  const QStringList files =
      QDir(dir.path()).entryList({name + QStringLiteral("-*.png")}, QDir::Files, QDir::Name);
  for (const QString& file : files) pictures.append(QImage(dir.filePath(file)).convertToFormat(QImage::Format_RGB32));
  return pictures;
}

}  // namespace

void ExpectSamePrint(const QString& actual, const QString& expected, int dpi) {
  const QList<PdfPage> got = ReadPdfPages(actual), want = ReadPdfPages(expected);
  ASSERT_EQ(got.size(), want.size()) << "pages";
  for (qsizetype p = 0; p < got.size(); ++p) {
    SCOPED_TRACE(testing::Message() << "page " << p + 1);
    EXPECT_NEAR(got[p].sizeMm.width(), want[p].sizeMm.width(), 1e-6);
    EXPECT_NEAR(got[p].sizeMm.height(), want[p].sizeMm.height(), 1e-6);
    EXPECT_EQ(got[p].words.size(), want[p].words.size()) << "words";
    for (qsizetype w = 0; w < std::min(got[p].words.size(), want[p].words.size()); ++w) {
      const PdfWord &a = got[p].words[w], &b = want[p].words[w];
      EXPECT_EQ(a.text.toStdString(), b.text.toStdString()) << "word " << w;
      EXPECT_TRUE(a.xMin == b.xMin && a.yMin == b.yMin && a.xMax == b.xMax && a.yMax == b.yMax)
          << a.text.toStdString() << " at " << a.xMin << ", " << a.yMin << " to " << a.xMax << ", " << a.yMax
          << " mm, expected at " << b.xMin << ", " << b.yMin << " to " << b.xMax << ", " << b.yMax;
    }
  }
  QTemporaryDir dir;
  const QList<QImage> a = Pictures(actual, dpi, dir, QStringLiteral("actual"));
  const QList<QImage> b = Pictures(expected, dpi, dir, QStringLiteral("expected"));
  ASSERT_EQ(a.size(), b.size()) << "pictures";
  for (qsizetype p = 0; p < a.size(); ++p) {
    ASSERT_EQ(a[p].size(), b[p].size()) << "page " << p + 1;
    qsizetype differ = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < a[p].height(); ++y) {
      const QRgb* ra = reinterpret_cast<const QRgb*>(a[p].constScanLine(y));
      const QRgb* rb = reinterpret_cast<const QRgb*>(b[p].constScanLine(y));
      for (int x = 0; x < a[p].width(); ++x) {
        if (ra[x] == rb[x]) continue;
        if (differ++ == 0) first = QPoint(x, y);
      }
    }
    EXPECT_EQ(differ, 0) << "pixels of page " << p + 1 << " differ, the first at " << first.x() << ", " << first.y()
                         << " (" << dpi << " dpi)";
  }
}

}  // namespace testsupport
