#pragma once
// When a control's GotFocus and LostFocus are raised.

#include <Qt>

namespace platform {

// The focus leaves for a popup menu or another window and comes back to the same
// control: for the program the control never lost it, so neither event is raised.
inline bool FocusStaysInControl(Qt::FocusReason reason) {
  return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

}  // namespace platform
