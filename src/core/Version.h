#pragma once
// The application's title and version, as the About window shows them.

#include <QString>

namespace core {

inline const QString kApplicationTitle = QStringLiteral("Velorastulare");
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

}  // namespace core
