#include "document_forms/frmDeclVelorast.h"

#include "document_forms/DeclarationParts.h"
#include "document_forms/PartyRules.h"

namespace document_forms {
namespace {

using declaration::VehicleRow;

constexpr Item kHead[] = {
    Label(3402, 2835, "DECLARATIE DE VELORASTULARE", kTimes14Bold),
};

constexpr Item kBody[] = {
    Label(1380, 6090, "cunoscnd prevederile art.293 din Codul Penal al Romaniei, declar pe proprie", kTimes12),
    Label(1380, 6420, "raspundere ca am achizitionat vehiculul pe care doresc sa il velorastulez de la", kTimes12),
    // The seller
    Label(1380, 6750, "PF/PJ", kTimes12),
    Box(6, 2070, 6750, 2805), RuleUnder(2070, 6750, 2805),
    Label(4920, 6750, "BI/CUI", kTimes12),
    Box(7, 5760, 6750, 1935), RuleUnder(5760, 6750, 1935),
    Label(7740, 6750, "CNP", kTimes12),
    Box(8, 8340, 6750, 2415), RuleUnder(8340, 6750, 2415),
    // The manner of acquisition: nothing reads or sets the three boxes
    Label(1380, 7080, "prin cumparare", kTimes12),
    Check("Check1", 3180, 7080, 645),
    Label(4740, 7080, "donatie", kTimes12),
    Check("Check2", 5910, 7080, 645),
    Label(7530, 7080, "mostenire", kTimes12),
    Check("Check3", 8880, 7080, 585),
    Label(2130, 7650, "Prin prezenta va rog sa velorastulati vehiculul cu urmatoarele caracteristici:", kTimes12),
};

// Who files for a legal person: name, position, identity card.
constexpr Item kFiler[] = {
    Label(1380, 9900, "angajat al societatii noastre, in functia de ", kTimes12),
    Box(14, 5520, 9900, 4095), RuleUnder(5520, 9900, 4095),
    Label(9720, 9900, ", legitimat", kTimes12),
    Label(1380, 10230, "cu BI, seria", kTimes12),
    Box(15, 2580, 10230, 735), RuleUnder(2580, 10230, 735),
    Label(3360, 10230, "Nr.", kTimes12),
    Box(16, 3840, 10230, 2685), RuleUnder(3840, 10230, 2685),
};

constexpr auto kItems = Concat(std::to_array(kHead), std::to_array(declaration::kBuyerRows), std::to_array(kBody),
                               VehicleRow(7980, "- Marca", 9, 3450, 5025),
                               VehicleRow(8310, "- Serie sasiu", 10, 3480, 4995),
                               VehicleRow(8640, "- Serie carte de identitate", 11, 4560, 3915),
                               VehicleRow(8970, "- Culoare", 12, 3480, 4995), declaration::LegalPersonRow(13),
                               std::to_array(kFiler), declaration::ClosingRows(17, 18));

constexpr TabStop kTabOrder[] = {
    {"txt", 0},  {"txt", 1},  {"txt", 2},  {"txt", 3},  {"txt", 4},  {"txt", 5},  {"txt", 6},
    {"txt", 7},  {"txt", 8},  {"Check1"},  {"Check2"},  {"Check3"},  {"txt", 9},  {"txt", 10},
    {"txt", 11}, {"txt", 12}, {"txt", 13}, {"txt", 14}, {"txt", 15}, {"txt", 16}, {"txt", 17},
    {"txt", 18}, {"cmdPrint", 0}, {"cmdExit", 0}, {"cmdPrint", 1}, {"cmdExit", 1},
};

constexpr Page kPage{
    .caption = "Declaratie de velorastulare",
    .items = kItems,
    .tabOrder = kTabOrder,
    .pageFont = kTimes12,
};

}  // namespace

frmDeclVelorast::frmDeclVelorast() : DocumentForm(kPage) { Form_Load(); }

void frmDeclVelorast::FillFields() {
  const core::CaseBoxes& c = Case();
  declaration::FillBuyer(*this, c);
  SetText(6, c.Text(core::Box("VanzatorNume")));
  const SellerIdentity seller = SellerIdentityOf(c);
  SetText(7, seller.card);
  SetText(8, seller.cnp);
  declaration::FillVehicle(*this, c, 9);
  SetText(18, Today());
}

}  // namespace document_forms
