#include "document_forms/frmFisa2Fill.h"

#include "core/CaseBoxes.h"
#include "core/SheetPersonText.h"

namespace document_forms {
namespace {

// The boxes of one party: name with identity card, birth date or fiscal code, register
// number or CNP, address.
struct PartyBoxes {
  core::SheetParty party;
  int name, birthDate, registerOrCnp, address;
};
constexpr PartyBoxes kHolder{core::SheetParty::Buyer, 1, 4, 6, 7};
constexpr PartyBoxes kFormerHolder{core::SheetParty::Seller, 9, 10, 11, 12};

// The holder's parents and birth place, the plate number, the vehicle rubric by rubric
// (box 17 joins two items) and the specifications.
constexpr BoxCopy kCopies[] = {
    {2, core::Box("CumparatorTata")},       {3, core::Box("CumparatorMama")},
    {5, core::Box("CumparatorLocNasterii")}, {8, core::Box("NrVelorastulare")},
    {13, core::Box("Categoria")},           {14, core::Box("Caroseria")},
    {15, core::Box("Marca")},               {16, core::Box("Tipul")},
    {18, core::Box("NrIdentificare")},      {19, core::Box("MasaProprie")},
    {20, core::Box("MasaTotalaMax")},       {21, core::Box("SarcinaUtila")},
    {22, core::Box("SarcinaCarlig")},       {23, core::Box("AxaFata")},
    {24, core::Box("AxaMijloc")},           {25, core::Box("AxaSpate")},
    {26, core::Box("RolaSenila")},          {27, core::Box("RemorcabilaCuFrana")},
    {28, core::Box("RemorcabilaFaraFrana")}, {29, core::Box("LocuriTotal")},
    {30, core::Box("LocuriFata")},          {31, core::Box("LocuriScaune")},
    {32, core::Box("LocuriPicioare")},      {33, core::Box("Lungime")},
    {34, core::Box("Latime")},              {35, core::Box("Inaltime")},
    {36, core::Box("ExpirareInspectie")},   {37, core::Box("NrCarteIdentitate")},
    {38, core::Box("MotorTip")},            {39, core::Box("MotorSerie")},
    {40, core::Box("Cilindree")},           {41, core::Box("PutereTuratie")},
    {42, core::Box("SursaEnergie")},        {43, core::Box("NrAxe")},
    {44, core::Box("Tractiunea")},          {45, core::Box("AnvelopeFata")},
    {46, core::Box("AnvelopeFataSau")},     {47, core::Box("AnvelopeMijlocSpate")},
    {48, core::Box("AnvelopeMijlocSpateSau")}, {49, core::Box("ZgomotMers")},
    {50, core::Box("ZgomotStationare")},    {51, core::Box("PresiuneOConducta")},
    {52, core::Box("PresiuneDouaConducte")}, {53, core::Box("VitezaMax")},
    {54, core::Box("CapacitateRezervor")},  {55, core::Box("Culoarea")},
    {56, core::Box("PrimaVelorastulare")},  {58, core::Box("Specificatii")},
};

void FillParty(const core::CaseBoxes& boxes, const PartyBoxes& party, BoxTexts& out) {
  const core::SheetPersonTexts texts = core::ComposeSheetPerson(boxes, party.party);
  out[party.name] = texts.nameWithIdCard;
  out[party.birthDate] = texts.birthDateOrFiscalCode;
  if (texts.registerOrCnp) out[party.registerOrCnp] = *texts.registerOrCnp;
  out[party.address] = texts.address;
}

}  // namespace

BoxTexts FillFisa2(const core::CaseBoxes& boxes) {
  BoxTexts out;
  FillParty(boxes, kHolder, out);
  FillParty(boxes, kFormerHolder, out);
  CopyBoxes(boxes, kCopies, out);
  out[17] = boxes.Text(core::Box("NrOmologare")) + QStringLiteral("   ") + boxes.Text(core::Box("AnFabricatie"));
  return out;
}

}  // namespace document_forms
