#pragma once
// The per-user settings store: an application, a section and a key name one text.
// Each application keeps an INI file $XDG_CONFIG_HOME/<application>.ini (normally
// ~/.config/<application>.ini), one [section] per section.

#include <QString>

namespace platform {

// The text of the entry; the empty text when the entry, its section or the file is
// absent. An entry written by hand with commas and no quotes reads as the text it
// shows (its parts joined by ", ").
QString GetSetting(const QString& application, const QString& section, const QString& key);

// Creates or replaces the entry; false when the file could not be written (the entry
// is then not stored).
bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& text);

// Tells the clerk that the settings could not be written to the application's file, and
// what to do.
void ReportSettingsNotSaved(const QString& application);

// The file that holds the application's entries.
QString SettingsFilePath(const QString& application);

}  // namespace platform
