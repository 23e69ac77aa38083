#pragma once
// Reading printed pages back: the words of a PDF with their boxes (pdftotext -bbox), in
// millimetres from the top left corner of the page.

#include <QList>
#include <QSizeF>
#include <QString>

namespace testsupport {

struct PdfWord {
  QString text;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // millimetres
};

struct PdfPage {
  QSizeF sizeMm;
  QList<PdfWord> words;
  // The first word equal to `text`, or nullptr.
  const PdfWord* Find(const QString& text) const;
};

// The pages of `pdfPath`; empty when the file cannot be read. Fails the test when
// pdftotext is missing.
QList<PdfPage> ReadPdfPages(const QString& pdfPath);

inline constexpr double kMmPerPoint = 25.4 / 72.0;

}  // namespace testsupport
