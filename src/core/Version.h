#pragma once
// The application's version, as the About window shows it (its title is
// platform::kAppTitle).

namespace core {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

}  // namespace core
