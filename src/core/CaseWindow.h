#pragma once
// The window that holds the case (the main window) as the documents reach it without
// knowing it: its data boxes, and showing it again when a document form closes. The main
// window registers itself while it exists; with none registered the documents read empty
// boxes and showing does nothing.

#include <QPointer>
#include <QWidget>

#include "core/CaseBoxes.h"

namespace core {

// Registers `window`, whose boxes are `boxes`; nullptr for both unregisters.
void RegisterCaseWindow(QWidget* window, const CaseBoxes* boxes);

// The case boxes of the registered window, or boxes that are all empty.
const CaseBoxes& CaseWindowBoxes();

// The registered window, or nullptr.
QWidget* CaseWindow();

// Makes the registered window visible again (Visible = True); nothing when there is none.
void ShowCaseWindow();

}  // namespace core
