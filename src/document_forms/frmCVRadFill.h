#pragma once
// What frmCVRad's FillFields writes on the official contract-and-certificate paper: the
// texts of its txtCV boxes, taken from the case boxes unchanged, by box index. A box that
// the fill leaves for the clerk has no entry.

#include <QDate>
#include <QList>
#include <QString>

#include "core/CaseBoxes.h"
#include "document_forms/BoxText.h"

namespace document_forms {

// A party of the contract, seller or buyer, and the boxes of the paper that it fills.
// The party is a firm when its trade-register box holds any text at all, blanks
// included; otherwise it is a natural person.
struct CVRadParty {
  core::BoxRef regCom, name, serieBI, nrBI, codFiscal;
  int tickPerson, tickFirm;            // the tick boxes "natural person", "legal person"
  int personName, personSerie, personNr;
  int firmName, firmCodes;             // firmCodes: register number & "CUI: " & fiscal code
};

inline constexpr CVRadParty kCVRadSeller{core::Box("VanzatorRegCom"), core::Box("VanzatorNume"),
                                         core::Box("VanzatorSerieBI"), core::Box("VanzatorNrBI"),
                                         core::Box("VanzatorCodFiscal"), 72, 73, 0, 1, 2, 3, 4};
inline constexpr CVRadParty kCVRadBuyer{core::Box("CumparatorRegCom"), core::Box("CumparatorNume"),
                                        core::Box("CumparatorSerieBI"), core::Box("CumparatorNrBI"),
                                        core::Box("CumparatorCodFiscal"), 74, 75, 14, 15, 16, 17, 18};

// The boxes that one party's rule writes: its tick and either the person's or the firm's
// boxes, never both.
QList<BoxText> CVRadPartyFill(const CVRadParty& party, const core::CaseBoxes& boxes);

// The place where the contract is made, printed in box 38.
inline const QString kCVRadPlace = QStringLiteral("Rovi-Dedevi");

// The contract's date as the paper wants it: day, month and year as plain numbers joined
// by " - " (7 March 2024: "7 - 3 - 2024").
QString CVRadDate(const QDate& date);

// Every box that FillFields writes, in the order it writes them.
QList<BoxText> CVRadFill(const core::CaseBoxes& boxes, const QDate& today);

}  // namespace document_forms
