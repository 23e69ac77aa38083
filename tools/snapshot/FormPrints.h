#pragma once
// The document forms as the clerk sees them and as they print: each opened from the
// sample case in the main window, its window (frame and page) saved as <form>.png and
// its page printed into <form>.pdf.

#include <QDir>

namespace snapshot {

// False when a file could not be written.
bool WriteFormPrints(const QDir& folder);

}  // namespace snapshot
