#pragma once
// The dialogs that speak Qt's own texts, in the program's Romanian: the delete question
// (question.png), the folder choice (folder-dialog.png) and the preview window of the
// registration sheet front (preview.png), each opened by the program's own path and
// pictured while it waits for the clerk.

#include <QDir>

class frmVelorast;

namespace snapshot {

// The main window holds the sample case, with a person chosen in its search list.
bool WriteDialogPictures(frmVelorast& window, const QDir& folder);

}  // namespace snapshot
