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
// The local tax office's telephone number with its extension, as the header of the tax
// declaration prints it after "tel./fax"; empty until an office sets it.
inline QString TelefonImpozite;

// The application and section of these entries in the settings store.
inline const QString kApplication = QStringLiteral("Velorast");
inline const QString kSection = QStringLiteral("Par");

// Reads every entry of section "Par" into the values above: the printer names and the
// colour and the telephone unchanged, the offsets by NumberRule (0 when the rounded value
// does not fit), the flags by FlagRule.
void LoadSettings();

// A stored text read as a number: blanks, tabs and line feeds dropped wherever they
// stand, then its leading number (core/NumberReader.h) with an exponent or a radix
// prefix allowed, rounded to a whole number, a half to the even neighbour.
struct RoundedNumber {
  double value = 0;     // the rounded whole number
  bool fits16 = true;   // whether it lies in -32768..32767
  qint16 Offset() const { return fits16 ? qint16(value) : qint16(0); }
};
RoundedNumber NumberRule(const QString& text);

// A stored flag: "True" or "False" in any letter case give true or false; the empty
// text leaves the flag as it is; any other text gives false.
bool FlagRule(const QString& text, bool current);

}  // namespace core::settings
