#include "document_forms/frmCVRadFill.h"

namespace document_forms {
namespace {

using core::Box;
using core::BoxRef;

// A page box and the case box it copies.
struct Copy {
  int box;
  BoxRef from;
};

// The copies after the seller's rule, after the buyer's rule and after the price, in
// the order the fill writes them.
constexpr Copy kSellerAddress[] = {
    {6, Box("VanzatorLocalitate")}, {7, Box("VanzatorStrada")},      {8, Box("VanzatorNumar")},
    {9, Box("VanzatorBloc")},       {10, Box("VanzatorScara")},      {11, Box("VanzatorApartament")},
    {12, Box("VanzatorJudet")},     {13, Box("VanzatorCodPostal")},
};

constexpr Copy kBuyerAddressVehiclePrice[] = {
    {20, Box("CumparatorLocalitate")}, {21, Box("CumparatorStrada")},      {22, Box("CumparatorNumar")},
    {23, Box("CumparatorBloc")},       {24, Box("CumparatorScara")},       {25, Box("CumparatorApartament")},
    {26, Box("CumparatorJudet")},      {27, Box("CumparatorCodPostal")},
    {28, Box("Marca")},                {29, Box("Tipul")},                 {30, Box("NrIdentificare")},
    {31, Box("MotorSerie")},           {32, Box("Cilindree")},             {33, Box("NrVelorastulare")},
    {34, Box("ExpirareInspectie")},    {35, Box("NrCarteIdentitate")},
    {36, Box("PretCifre")},            {37, Box("PretLitere")},
};

// The certificate: the vehicle, its holder (the seller, without the postal code) and
// the buyer it was sold to.
constexpr Copy kCertificate[] = {
    {43, Box("Marca")},              {44, Box("Tipul")},                {45, Box("NrIdentificare")},
    {46, Box("MotorSerie")},         {47, Box("Cilindree")},            {48, Box("NrVelorastulare")},
    {49, Box("VanzatorNume")},       {50, Box("VanzatorLocalitate")},   {51, Box("VanzatorStrada")},
    {52, Box("VanzatorNumar")},      {53, Box("VanzatorBloc")},         {54, Box("VanzatorScara")},
    {55, Box("VanzatorApartament")}, {56, Box("VanzatorJudet")},
    {57, Box("CumparatorNume")},     {58, Box("CumparatorLocalitate")}, {59, Box("CumparatorStrada")},
    {60, Box("CumparatorNumar")},    {61, Box("CumparatorBloc")},       {62, Box("CumparatorScara")},
    {63, Box("CumparatorApartament")}, {64, Box("CumparatorJudet")},
};

template <std::size_t N>
void Append(QList<BoxText>& out, const Copy (&copies)[N], const core::CaseBoxes& boxes) {
  for (const Copy& c : copies) out.append({c.box, boxes.Text(c.from)});
}

const QString kTick = QStringLiteral("X");

}  // namespace

QList<BoxText> CVRadPartyFill(const CVRadParty& p, const core::CaseBoxes& boxes) {
  const QString regCom = boxes.Text(p.regCom);
  if (regCom.isEmpty())
    return {{p.tickPerson, kTick},
            {p.personName, boxes.Text(p.name)},
            {p.personSerie, boxes.Text(p.serieBI)},
            {p.personNr, boxes.Text(p.nrBI)}};
  return {{p.tickFirm, kTick},
          {p.firmName, boxes.Text(p.name)},
          {p.firmCodes, regCom + QStringLiteral("CUI: ") + boxes.Text(p.codFiscal)}};
}

QString CVRadDate(const QDate& date) {
  return QStringLiteral("%1 - %2 - %3").arg(date.day()).arg(date.month()).arg(date.year());
}

QList<BoxText> CVRadFill(const core::CaseBoxes& boxes, const QDate& today) {
  QList<BoxText> out = CVRadPartyFill(kCVRadSeller, boxes);
  Append(out, kSellerAddress, boxes);
  out += CVRadPartyFill(kCVRadBuyer, boxes);
  Append(out, kBuyerAddressVehiclePrice, boxes);
  out.append({38, kCVRadPlace});
  out.append({39, CVRadDate(today)});
  Append(out, kCertificate, boxes);
  return out;
}

}  // namespace document_forms
