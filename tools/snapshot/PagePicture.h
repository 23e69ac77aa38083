#pragma once
// A printed page as a picture beside its PDF, for looking at.

#include <QDir>
#include <QString>

class frmVelorast;

namespace snapshot {

// Prepares the print of what the window's grid holds as Print does (printer, printable
// cells, page) and prints it into NAME.pdf in `folder`, with NAME.png beside it; false
// (with a message on stderr) when a file could not be written.
bool PrintAsPrintDoes(frmVelorast& window, const QDir& folder, const QString& name);

// Makes NAME.png in `folder` from the first page of NAME.pdf there; false (with a
// message on stderr) when it cannot.
bool SavePagePicture(const QDir& folder, const QString& name);

}  // namespace snapshot
