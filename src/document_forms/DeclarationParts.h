#pragma once
// What the registration declaration and the certificate exchange request share: the
// buyer's two lines under the title (boxes 0 to 5), a vehicle line ("- Marca" ...), the
// legal person's line, the place-and-date rows with the signature, the buttons and the
// footer; and their fill of the buyer's boxes and the vehicle's four items.

#include <array>

#include "document_forms/DocumentForm.h"
#include "document_forms/PageTable.h"

namespace document_forms::declaration {

// "Subsemnatul" [txt(0)] " domiciliat in localitatea" [txt(1)], then "Str." [txt(2)]
// ",   Nr." [txt(3)] " Ap." [txt(4)] "CNP/CUI" [txt(5)], each box on its rule.
inline constexpr Item kBuyerRows[] = {
    Label(2100, 5415, "Subsemnatul", kTimes12),
    Box(0, 3600, 5430, 2775), RuleUnder(3600, 5430, 2775),
    Label(6390, 5430, " domiciliat in localitatea", kTimes12),
    Box(1, 8880, 5430, 2145), Rule(5730, 8940, 10770),
    Label(1380, 5760, "Str.", kTimes12),
    Box(2, 1860, 5760, 2775), RuleUnder(1860, 5760, 2775),
    Label(4710, 5760, ",   Nr.", kTimes12),
    Box(3, 5310, 5760, 765), RuleUnder(5310, 5760, 765),
    Label(6120, 5760, " Ap.", kTimes12),
    Box(4, 6630, 5760, 675), RuleUnder(6630, 5760, 675),
    Label(7350, 5760, "CNP/CUI", kTimes12),
    Box(5, 8340, 5760, 2415), RuleUnder(8340, 5760, 2415),
};

// A line of the vehicle: its caption at 2130 and box `index` on its rule.
constexpr std::array<Item, 3> VehicleRow(double top, const char* caption, int index, double boxLeft, double width) {
  return {Label(2130, top, caption, kTimes12), Box(index, boxLeft, top, width), RuleUnder(boxLeft, top, width)};
}

// "In cazul persoanelor juridice, actele vor fi depuse de " [txt(index)] at top 9570.
constexpr std::array<Item, 3> LegalPersonRow(int index) {
  return {Label(2100, 9570, "In cazul persoanelor juridice, actele vor fi depuse de ", kTimes12),
          Box(index, 7140, 9570, 3615), RuleUnder(7140, 9570, 3615)};
}

// "Localitatea" [txt(placeBox)], "DATA" [txt(dateBox)], "Semnatura," with its line, the
// rule above the footer, the two pairs of buttons and the footer.
constexpr std::array<Item, 14> ClosingRows(int placeBox, int dateBox) {
  return {Label(1380, 12180, "Localitatea", kTimes12),
          Box(placeBox, 2760, 12180, 1665), RuleUnder(2760, 12180, 1665),
          Label(1410, 12930, "DATA", kTimes12),
          Box(dateBox, 2760, 12930, 1665), RuleUnder(2760, 12930, 1665),
          Label(7260, 12900, "Semnatura,", kTimes12),
          Rule(13170, 8790, 10170),
          Rule(15420, 1260, 10620),
          PrintButton(0, 960, 90), ExitButton(0, 2040, 90),
          PrintButton(1, 1080, 13770), ExitButton(1, 2160, 13770),
          Footer(1320, 15450)};
}

// Boxes 0 to 5: the buyer's name, locality, street, number, flat, and the fiscal code
// of a firm or else the CNP.
void FillBuyer(DocumentForm& form, const core::CaseBoxes& boxes);

// Boxes first .. first + 3: the make, the identification number, the vehicle's identity
// card number and the colour.
void FillVehicle(DocumentForm& form, const core::CaseBoxes& boxes, int first);

}  // namespace document_forms::declaration
