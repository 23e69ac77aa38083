#pragma once
// The document fonts, loaded from table Campuri at start-up (name, size in points, bold,
// italic, underline).

#include <QFont>

namespace core::fonts {

inline QFont FontDrav;    // the documents' data cells and boxes
inline QFont DefFont;     // loaded and checked, otherwise unused
inline QFont FontRaport;  // loaded and checked, otherwise unused
inline QFont FontFisa;    // the registration sheets' data cells

// The font as a reader sees it: a font that nothing has filled yet (LoadFonts has not
// run) is created at this first use as the platform's default font.
const QFont& CreatedOnFirstUse(QFont& font);

// Loads the four fonts from BazaDate; on a missing or bad row shows
// "Setarile fonturilor din BD sunt gresite. Va rog sa corectati!" and ends the program.
// A file that cannot be read (platform::DatabaseFileError: damaged, held by another
// desk, read-only where it must be written) says nothing of the rows, which were not
// read: its error is passed on, for the start-up to tell.
void LoadFonts();

}  // namespace core::fonts
