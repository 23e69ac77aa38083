#pragma once
// How the registration sheet writes a person: the holder (the buyer) and the former
// holder (the seller) are each composed into four texts by the same rules wherever the
// sheet is printed, in the report grid and on the one-page form alike.
//
// A box counts as empty only when its text is the empty text: blanks count as filled,
// and nothing is trimmed or changed in case. Lengths count characters.

#include <QString>
#include <array>
#include <optional>

#include "core/CaseBoxTable.h"

namespace core {

class CaseBoxes;

// The caption of the registration-type entry in the observations box ("tip velorastulare").
inline constexpr char kRegistrationTypeCaption[] = "TIP VELOR.";

// The name; with a series, a line break (CR LF) and the series; with a number, four
// blanks and the number. So the name alone, "name\r\nseries", "name    number" or
// "name\r\nseries    number".
QString NameWithIdCard(const QString& name, const QString& series, const QString& number);

// "CUI: " and the fiscal code when there is one, otherwise the birth date unchanged
// (empty or not): a firm's fiscal code takes the place of the birth date.
QString BirthDateOrFiscalCode(const QString& fiscalCode, const QString& birthDate);

// The trade-register number when there is one, otherwise "CNP: " and the CNP when there
// is one, otherwise nothing: std::nullopt tells the caller to leave its place untouched.
std::optional<QString> RegisterOrCnp(const QString& regCom, const QString& cnp);

// The eight parts of an address, in the order in which they are joined (the locality
// comes after the flat).
struct AddressParts {
  QString street{}, number{}, block{}, staircase{}, flat{}, locality{}, county{}, postalCode{};
};

// Each filled part after its prefix (", str ", ", nr ", ", bl ", ", sc ", ", ap ",
// ", loc ", ", jud ", ", cod "), all joined, less the ", " that opens the first one:
// "str Lunga, nr 3, loc Brasov". The empty text when no part is filled.
QString JoinedAddress(const AddressParts& parts);

// Whose boxes: the buyer's are the holder on the sheet, the seller's the former holder.
enum class SheetParty { Buyer, Seller };

// The boxes of one party that the sheet reads.
struct SheetPartyBoxes {
  BoxRef name, series, number, cnp, birthDate, regCom, fiscalCode;
  std::array<BoxRef, 8> address;  // in the order of AddressParts
};

const SheetPartyBoxes& PartyBoxes(SheetParty party);

AddressParts PartyAddress(const CaseBoxes& boxes, SheetParty party);

// The four texts of one party, composed from the main window's boxes by the rules above.
struct SheetPersonTexts {
  QString nameWithIdCard;
  QString birthDateOrFiscalCode;
  std::optional<QString> registerOrCnp;
  QString address;
};

SheetPersonTexts ComposeSheetPerson(const CaseBoxes& boxes, SheetParty party);

}  // namespace core
