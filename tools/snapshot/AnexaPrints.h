#pragma once
// The contract annex editor with its heading and a formatted paragraph, as frmAnexa.png,
// and that text printed as frmAnexa.pdf.

#include <QDir>

namespace snapshot {

bool WriteAnexaPrints(const QDir& folder);

}  // namespace snapshot
