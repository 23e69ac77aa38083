#include "document_forms/frmCertifVelorast.h"

#include "core/Modul.h"
#include "document_forms/DeclarationParts.h"

namespace document_forms {
namespace {

using declaration::VehicleRow;

constexpr Item kHead[] = {
    Label(3405, 2835, "CERERE DE PRESCHIMBARE A", kTimes14Bold, 4485),
    Label(3420, 3150, " CERTIFICATULUI DE ", kTimes14Bold, 4455, kLabelHeight, TextAlign::kCentre),
    Label(3420, 3420, "VELORASTULARE", kTimes14Bold, 4455, kLabelHeight, TextAlign::kCentre),
};

constexpr Item kBody[] = {
    Label(1380, 6090, "cunoscand prevederile art.293 din Codul Penal al Romaniei, doresc preschimbarea certificatului",
          kTimes12),
    Label(1380, 6420, "de velorastulare a autovehiculului cu urmatoarele caracteristici;", kTimes12),
};

// Who files for a legal person: identity card series and number.
constexpr Item kFiler[] = {
    Label(1380, 9900, "Legitimat cu B.I./C.I. serie,", kTimes12),
    Box(12, 4170, 9900, 735), RuleUnder(4170, 9900, 735),
    Label(4980, 9900, "Nr.", kTimes12),
    Box(13, 5460, 9900, 2685), RuleUnder(5460, 9900, 2685),
};

constexpr auto kItems = Concat(std::to_array(kHead), std::to_array(declaration::kBuyerRows), std::to_array(kBody),
                               VehicleRow(7110, "- Marca", 6, 3450, 5025),
                               VehicleRow(7440, "- Serie sasiu", 7, 3480, 4995),
                               VehicleRow(7770, "- Serie carte de identitate", 8, 4680, 3795),
                               VehicleRow(8100, "- Culoare", 9, 3480, 4995),
                               VehicleRow(8430, "- Nr. de velorastulare", 10, 4350, 4125),
                               declaration::LegalPersonRow(11), std::to_array(kFiler),
                               declaration::ClosingRows(14, 15));

constexpr Page kPage{
    .caption = "Cerere de preschimbare a certificatului de velorastulare ",
    .items = kItems,
    .pageFont = kTimes12,
};

}  // namespace

frmCertifVelorast::frmCertifVelorast() : DocumentForm(kPage) { Form_Load(); }

void frmCertifVelorast::FillFields() {
  const core::CaseBoxes& c = Case();
  declaration::FillBuyer(*this, c);
  declaration::FillVehicle(*this, c, 6);
  // The registration number: what follows the first "/" of the first registration's item.
  SetText(10, core::TextAfterSlash(c.Text(core::Box("PrimaVelorastulare"))));
  SetText(15, Today());
}

}  // namespace document_forms
