#pragma once
// The machine's registry of the program: a system-wide settings file that the
// administrator keeps, read-only for the program. Its sections are key paths and its
// entries value names, exactly as written:
//
//   [SOFTWARE\Microsoft\Shared Tools\MSINFO]
//   PATH=/usr/bin/gnome-system-monitor
//
// The file is $VELORAST_SYSTEM_INI when that is set, else /etc/xdg/Velorast/system.ini.
// Lines starting with ";" or "#" are comments; blanks around names and values are
// dropped.

#include <QString>
#include <optional>

namespace platform {

QString SystemRegistryFile();

// The text of the value under the key, or nothing when the file, the key or the value
// is missing. Key paths and value names are compared without regard to letter case.
std::optional<QString> ReadSystemValue(const QString& keyPath, const QString& valueName);

}  // namespace platform
