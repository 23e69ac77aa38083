#pragma once
// What the program once did by sending keystrokes to itself, done by direct calls that
// run after the current handler returns, as the queued keystrokes did. Each acts on the
// control that has the focus at the moment it runs.

class QWidget;

namespace platform {

// "{tab}": the focus moves to the next control of the window's tab order.
void SendTab();

// "{home}+{end}": the text of the focused box is selected whole.
void SendSelectAll();

// "^z": the focused box undoes its last change.
void SendUndo();

// The control that Tab would move to from `from` (the next enabled, visible control
// that takes the focus by Tab, in the window's focus chain), or nullptr.
QWidget* NextInTabOrder(QWidget* from);

}  // namespace platform
