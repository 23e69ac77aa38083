#include "core/SheetPersonText.h"

#include "core/CaseBoxes.h"

namespace core {

QString NameWithIdCard(const QString& name, const QString& series, const QString& number) {
  QString text = name;
  if (!series.isEmpty()) text += QStringLiteral("\r\n") + series;
  if (!number.isEmpty()) text += QStringLiteral("    ") + number;
  return text;
}

QString BirthDateOrFiscalCode(const QString& fiscalCode, const QString& birthDate) {
  return fiscalCode.isEmpty() ? birthDate : QStringLiteral("CUI: ") + fiscalCode;
}

std::optional<QString> RegisterOrCnp(const QString& regCom, const QString& cnp) {
  if (!regCom.isEmpty()) return regCom;
  if (!cnp.isEmpty()) return QStringLiteral("CNP: ") + cnp;
  return std::nullopt;
}

QString JoinedAddress(const AddressParts& parts) {
  const std::pair<const char*, const QString*> joined[] = {
      {", str ", &parts.street},    {", nr ", &parts.number},   {", bl ", &parts.block},
      {", sc ", &parts.staircase},  {", ap ", &parts.flat},     {", loc ", &parts.locality},
      {", jud ", &parts.county},    {", cod ", &parts.postalCode},
  };
  QString text;
  for (const auto& [prefix, part] : joined)
    if (!part->isEmpty()) text += QLatin1String(prefix) + *part;
  return text.mid(2);
}

namespace {

constexpr SheetPartyBoxes kBuyerBoxes{
    Box("CumparatorNume"), Box("CumparatorSerieBI"), Box("CumparatorNrBI"),
    Box("CumparatorCNP"), Box("CumparatorDataNasterii"), Box("CumparatorRegCom"),
    Box("CumparatorCodFiscal"),
    {Box("CumparatorStrada"), Box("CumparatorNumar"), Box("CumparatorBloc"),
     Box("CumparatorScara"), Box("CumparatorApartament"), Box("CumparatorLocalitate"),
     Box("CumparatorJudet"), Box("CumparatorCodPostal")}};

constexpr SheetPartyBoxes kSellerBoxes{
    Box("VanzatorNume"), Box("VanzatorSerieBI"), Box("VanzatorNrBI"),
    Box("VanzatorCNP"), Box("VanzatorDataNasterii"), Box("VanzatorRegCom"),
    Box("VanzatorCodFiscal"),
    {Box("VanzatorStrada"), Box("VanzatorNumar"), Box("VanzatorBloc"),
     Box("VanzatorScara"), Box("VanzatorApartament"), Box("VanzatorLocalitate"),
     Box("VanzatorJudet"), Box("VanzatorCodPostal")}};

}  // namespace

const SheetPartyBoxes& PartyBoxes(SheetParty party) {
  return party == SheetParty::Buyer ? kBuyerBoxes : kSellerBoxes;
}

AddressParts PartyAddress(const CaseBoxes& boxes, SheetParty party) {
  const std::array<BoxRef, 8>& a = PartyBoxes(party).address;
  return {boxes.Text(a[0]), boxes.Text(a[1]), boxes.Text(a[2]), boxes.Text(a[3]),
          boxes.Text(a[4]), boxes.Text(a[5]), boxes.Text(a[6]), boxes.Text(a[7])};
}

SheetPersonTexts ComposeSheetPerson(const CaseBoxes& boxes, SheetParty party) {
  const SheetPartyBoxes& b = PartyBoxes(party);
  return {NameWithIdCard(boxes.Text(b.name), boxes.Text(b.series), boxes.Text(b.number)),
          BirthDateOrFiscalCode(boxes.Text(b.fiscalCode), boxes.Text(b.birthDate)),
          RegisterOrCnp(boxes.Text(b.regCom), boxes.Text(b.cnp)),
          JoinedAddress(PartyAddress(boxes, party))};
}

}  // namespace core
