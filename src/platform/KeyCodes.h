#pragma once
// Key codes as the program's key handlers test them: the codes of the keys they name,
// whatever the toolkit numbers them.

namespace platform {

inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;

// The key code of a Qt key: 13 for both Enter keys, 37 to 40 for the arrows, otherwise
// Qt's own key.
int KeyCode(int qtKey);

}  // namespace platform
