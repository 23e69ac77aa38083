#pragma once
// The shared settings: one process-wide value per entry of section "Par" of the
// settings store, named like its key. LoadSettings fills them once at start-up; only the
// page set-up and printer set-up dialogs change them afterwards.

#include <QString>
#include <QtGlobal>

namespace core::settings {

inline QString Acte;  // device name of the documents printer
inline QString Fisa;  // device name of the registration sheet printer

// Print offsets in millimetres.
inline qint16 Top = 0, Left = 0;            // registration sheet front
inline qint16 TopV = 0, LeftV = 0;          // registration sheet back
inline qint16 TopCVRad = 0, LeftCVRad = 0;  // contract + certificate form
inline qint16 TopPF = 0, LeftPF = 0;
inline qint16 TopPJF = 0, LeftPJF = 0;
inline qint16 TopPJV = 0, LeftPJV = 0;
inline qint16 TopFPF = 0, LeftFPF = 0;
inline qint16 TopFPV = 0, LeftFPV = 0;

inline bool ContractInGrid = false;
inline bool UsesBD = false;
inline QString CuloareFocus;  // empty, or red + 256 * green + 65536 * blue as decimal text

// Reads every entry of section "Par" into the values above.
void LoadSettings();

}  // namespace core::settings
