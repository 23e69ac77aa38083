#pragma once
// Two PDF files compared as a reader sees them: the same pages, with the same words at
// the same places (pdftotext -bbox) and the same pixels (pdftoppm).

#include <QString>

namespace testsupport {

// Fails unless `actual` shows what `expected` shows: page by page the same words in the
// same boxes, and the same picture at `dpi`.
void ExpectSamePrint(const QString& actual, const QString& expected, int dpi = 100);

}  // namespace testsupport
