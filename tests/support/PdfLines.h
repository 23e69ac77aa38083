#pragma once
// Reading printed pages back: the straight lines stroked on each page of a PDF, read from
// the pages' own drawing instructions, in millimetres from the top left corner of the
// page. Text, clipping paths and filled shapes are not lines and are left out.

#include <QList>
#include <QPointF>
#include <QString>

namespace testsupport {

struct PdfStroke {
  QPointF from, to;  // millimetres
  double widthMm = 0;
  bool dashed = false;
  bool Horizontal() const { return qAbs(from.y() - to.y()) < 1e-6; }
  bool Vertical() const { return qAbs(from.x() - to.x()) < 1e-6; }
};

// The strokes of each page of `pdfPath`, one list a page (a stroked rectangle gives its
// four sides); empty when the file cannot be read. Reads the files this program writes:
// one content stream a page, compressed or not.
QList<QList<PdfStroke>> ReadPdfStrokes(const QString& pdfPath);

}  // namespace testsupport
