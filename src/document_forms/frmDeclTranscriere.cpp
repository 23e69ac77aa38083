#include "document_forms/frmDeclTranscriere.h"

namespace document_forms {
namespace {

constexpr Font kTitle{"Arial", 11.25, true};
constexpr Font kSalutation{"Times New Roman", 12.75};

constexpr Item kText[] = {
    Label(2430, 2890, "Anexă la fişa de operaţii pentru transcriere", kTitle),
    Label(4819, 4536, "Domnule Comandant,", kSalutation),
    // The new holder
    Label(2220, 5790, "Subsemnatul(a)"),
    Label(8025, 5790, "cu domiciliul stabil/sediul"),
    Label(1545, 6150, "în   localitatea"),
    Label(5025, 6150, ",  strada"),
    Label(9465, 6150, ",   nr"),
    Label(1545, 6480, "bloc"),
    Label(2355, 6480, ", scara"),
    Label(3345, 6480, ", apart."),
    Label(4425, 6480, ", sector"),
    Label(5505, 6480, ", judeţ"),
    Label(8055, 6480, ", deţinător al vehiculului:"),
    // The vehicle, one bullet a line
    Bullet(1935, 7170), Label(2280, 7080, "numărul de velorastulare"),
    Bullet(1935, 7500), Label(2280, 7410, "marca:"),
    Bullet(1935, 7830), Label(2280, 7740, "nr. de identificare:"),
    Bullet(1935, 8190), Label(2280, 8070, "culoare:"),
    Bullet(1935, 8520), Label(2280, 8400, "an de  fabricaţie:"),
    // The former holder
    Label(1530, 9000,
          "solicit     transcrierea      acestuia          de         pe        numele         fostului          "
          "deţinator"),
    Label(4455, 9330, "cu domiciliul stabil/sediul in localitatea"),
    Label(9975, 9330, "str."),
    Label(4215, 9660, " nr."),
    Label(4965, 9660, ", bl."),
    Label(5745, 9660, ", sc."),
    Label(6585, 9660, ", ap."),
    Label(7425, 9660, ", sector/judeţ"),
    Label(10035, 9660, ", pe"),
    Label(1530, 9990, "numele meu."),
    Rule(9630, 1530, 4470), Rule(9630, 7950, 10050),
    Rule(9960, 1530, 4200), Rule(9960, 4560, 4950), Rule(9960, 5370, 5820), Rule(9960, 6180, 6600),
    Rule(9960, 7080, 7410), Rule(9960, 8670, 10050),
    // The mention on the certificate
    Label(1980, 10500,
          "Solicit      ca     pe    certificatul     de    velorastulare      să      fie       menţionat        "
          "şi   "),
    Box(22, 1470, 10830, 8985), Rule(11130, 1470, 10470),
    Box(23, 1470, 11160, 8985), Rule(11460, 1470, 10440),
    // What is annexed
    Label(2070, 11730,
          "Anexez,   alăturat,   copia   carţii   de  identitate   a   vehiculului,   fişa   de   transcriere,"),
    Label(1470, 12060,
          "certificatul  şi   plăcile  cu   numărul  de  velorastulare,  copie   act   de   proprietate,  taxa  de "),
    Label(1470, 12390,
          "transcriere,  dovada  de   plată   a  contravalorii   certificatului  de  velorastulare,  dovada  de "),
    Label(1470, 12720,
          "efectuare  a  inspecţiei  tehnice  periodice,  certificatul  de  autenticitate  al   vehiculului, copia"),
    Label(1470, 13050,
          "documentului  de  asigurare  obligatorie  de  răspundere  civila, copia  actului  de  identitate."),
    Label(1995, 13980, "DATA"),
    Label(7185, 13980, "SEMNATURA"),
    Dots(8670, 14130, 1995),
    Rule(15420, 1410, 10770),
    PrintButton(0, 960, 90), ExitButton(0, 2040, 90),
    PrintButton(1, 1140, 14670), ExitButton(1, 2220, 14670),
    Footer(1470, 15450),
};

constexpr auto kItems = Concat(
    std::to_array(kText), DottedBox(0, 3750, 5790, 4275, kBoxHeight, 180), DottedBox(1, 2910, 6150, 2115),
    DottedBox(2, 5880, 6150, 3585), DottedBox(3, 10020, 6150, 465), DottedBox(4, 1980, 6480, 375),
    DottedBox(5, 2970, 6480, 375), DottedBox(6, 4050, 6480, 375), DottedBox(7, 5130, 6480, 375),
    DottedBox(8, 6120, 6480, 1935), DottedBox(9, 4830, 7080, 2325), DottedBox(10, 3000, 7410, 2625),
    DottedBox(11, 4050, 7740, 2895), DottedBox(12, 3090, 8070, 2655), DottedBox(13, 3810, 8400, 2385),
    std::to_array({Box(14, 1530, 9330, 2925), Box(15, 7890, 9330, 2085), Box(16, 1530, 9660, 2685),
                   Box(17, 4620, 9660, 345), Box(18, 5370, 9660, 375), Box(19, 6210, 9660, 375),
                   Box(20, 7050, 9660, 375), Box(21, 8700, 9660, 1335)}),
    DottedBox(24, 2700, 13980, 1275));

constexpr Page kPage{
    .caption = "Declaratie de transcriere",
    .items = kItems,
    .labelFont = kTimes12,
    .boxFont = kTimes12,
};

}  // namespace

frmDeclTranscriere::frmDeclTranscriere() : DocumentForm(kPage) { Form_Load(); }

// The new holder, the plate and the vehicle, the former holder, the date; the sector and
// the two lines of the mention are left to the clerk.
void frmDeclTranscriere::FillFields() {
  static constexpr BoxCopy kCopies[] = {
      {0, core::Box("CumparatorNume")},        {1, core::Box("CumparatorLocalitate")},
      {2, core::Box("CumparatorStrada")},      {3, core::Box("CumparatorNumar")},
      {4, core::Box("CumparatorBloc")},        {5, core::Box("CumparatorScara")},
      {6, core::Box("CumparatorApartament")},  {8, core::Box("CumparatorJudet")},
      {9, core::Box("NrVelorastulare")},       {10, core::Box("Marca")},
      {11, core::Box("NrIdentificare")},       {12, core::Box("Culoarea")},
      {13, core::Box("AnFabricatie")},         {14, core::Box("VanzatorNume")},
      {15, core::Box("VanzatorLocalitate")},   {16, core::Box("VanzatorStrada")},
      {17, core::Box("VanzatorNumar")},        {18, core::Box("VanzatorBloc")},
      {19, core::Box("VanzatorScara")},        {20, core::Box("VanzatorApartament")},
      {21, core::Box("VanzatorJudet")},
  };
  CopyFromCase(kCopies);
  SetText(24, Today());
}

}  // namespace document_forms
