#pragma once
// The registration sheet, front and back, as the print path puts it on paper: laid from
// the sample case, complete and data-only, printed into PDF files, each page also as a
// PNG picture.

#include <QDir>

class frmVelorast;

namespace snapshot {

// Writes fisa-fata-complet.pdf and fisa-fata-date.pdf (data-only, with the offsets Top 10
// and Left 5) with a PNG of each, and the "Listari" pane showing the complete front.
// False when a file could not be written.
bool WriteSheetFrontPrints(frmVelorast& window, const QDir& folder);

// Writes fisa-verso-complet.pdf and fisa-verso-date.pdf (data-only, with the offsets TopV
// 10 and LeftV 5) with a PNG of each. False when a file could not be written.
bool WriteSheetBackPrints(frmVelorast& window, const QDir& folder);

}  // namespace snapshot
