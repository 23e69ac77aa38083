#pragma once
// The application's version, as the About window shows it (its title is
// platform::kAppTitle). The build reads these three lines for the project's and the
// package's version: keep each as `name = number;`.

namespace core {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

}  // namespace core
