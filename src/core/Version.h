#pragma once
// The application's version, as the About window shows it (its title is
// platform::kAppTitle). The build reads these three lines for the project's and the
// package's version: keep each as `name = number;`. A new version also adds its entry,
// with its date, on top of packaging/changelog (the build stops until it has one).

namespace core {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

}  // namespace core
