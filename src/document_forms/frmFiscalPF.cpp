#include "document_forms/frmFiscalPF.h"

#include "document_forms/AddressLine.h"
#include "document_forms/PrintedLine.h"
#include "document_forms/RequestParts.h"

namespace document_forms {
namespace {

using request::kTimes9;

constexpr double kLeft = 1320;

std::vector<Item> PageItems() {
  std::vector<Item> items;
  request::AddFiscalRequestHead(items, 1710, 2835, "PENTRU PERSOANE FIZICE *)");
  const auto line = [&](double top, std::initializer_list<Piece> pieces) {
    AddLine(items, top, kLeft, kTimes12, pieces);
  };
  line(4530, {Say("Subsemnatul (a)"), Field(0, 3690, 2655), Say(" domiciliat in localitatea"), Field(1, 8880, 2115)});
  line(4890, {Say("Str."), Field(2, 1860, 2775), Say(",   Nr."), Field(3, 5310, 765), Say(" Bl."), Field(4, 6630, 675),
              Say(" Sc."), Field(5, 7860, 675), Say(" Et."), Field(6, 9090, 675), Say(" Ap."), Field(7, 10320, 675)});
  line(5250, {Say("in calitate de proprietar/coproprietar/mandatat/executor/mostenitor in baza act"),
              Field(8, 8580, 675), Say("legitimat(a) prin")});
  line(5610, {Say("B.I./C.I./C.I.P./Pasaport Seria,"), Field(9, 4320, 705), Say("Nr."), Field(10, 5580, 2385),
              Say("CNP"), Field(11, 8640, 2355)});
  line(5970, {Say("solicit eliberarea unui certificat privind situatia obligatiilor de plata la bugetul local, "
                  "pentru rolul")});
  line(6300, {Say("nominal unic nr. 3)"), Blank(3300, 3000)});
  line(6630, {Say("-pentru bunurile imobile situate la adresele:")});
  for (double y : {7170, 7470, 7770}) items.push_back(Rule(y, 1410, 10950));
  line(7860, {Say("-pentru mijloacele de transport inregistrate la adresa:")});
  line(8220, {Field(13, 1320, 9525)});
  line(8550, {Field(15, 1320, 9525, 225)});
  line(8820, {Field(14, 1320, 9525, 225)});
  line(9120, {Say("fiindu-mi necesar pentru:")});
  line(9450, {Say("a) Instrainare bunuri(descrierea obiectului de instrainat)")});
  line(9810, {Field(16, 1350, 9495)});
  items.push_back(Rule(10350, 1380, 10920));
  line(10440, {Say("b) Alte destinatii")});
  for (double y : {11040, 11340}) items.push_back(Rule(y, 1380, 10920));
  line(11910, {Say("Semnatura,"), Blank(2640, 2700), Say("DATA", 8400), Field(12, 9150, 1665, kBoxHeight, 11940)});
  // The notes
  line(12780, {Say("1) Executorii fiscali ai altor organe fiscale, executori judecatoresti/bancari.", -1, kTimes9)});
  line(13050, {Say("2) Mostenitorii trebuie sa faca dovada decesului titularului cu copia actului de deces.", -1,
                   kTimes9)});
  line(13320, {Say("3)Daca se cunoaste.", -1, kTimes9)});
  line(13590, {Say("*) Certificatul se elibereaza la sediul organului fiscal de catre solicitant.", -1, kTimes9)});
  items.insert(items.end(), {PrintButton(0, 690, 120), ExitButton(0, 2040, 90), PrintButton(1, 1080, 14010),
                             ExitButton(1, 2160, 14010), Rule(15420, 1260, 10620), Footer(1320, 15450)});
  return items;
}

// The buttons come in the middle: the three lines of the vehicles' address and the goods
// to be sold are reached after them.
std::vector<TabStop> TabOrder() {
  std::vector<TabStop> tabs;
  AddBoxStops(tabs, 0, 12);
  tabs.insert(tabs.end(), std::begin(kTopPairFirst), std::end(kTopPairFirst));
  tabs.insert(tabs.end(), {{"txt", 13}, {"txt", 16}, {"txt", 14}, {"txt", 15}});
  return tabs;
}

const Page& ThePage() {
  static const BuiltPage built("Cerere pentru eliberarea certificatului de atestare fiscala persoane fizice ",
                               PageItems(), TabOrder(), request::kPageFont);
  return built.page;
}

constexpr BoxCopy kPerson[] = {
    {0, core::Box("VanzatorNume")},   {1, core::Box("VanzatorLocalitate")}, {2, core::Box("VanzatorStrada")},
    {3, core::Box("VanzatorNumar")},  {4, core::Box("VanzatorBloc")},       {5, core::Box("VanzatorScara")},
    {7, core::Box("VanzatorApartament")},
};
constexpr BoxCopy kIdentity[] = {
    {9, core::Box("VanzatorSerieBI")}, {10, core::Box("VanzatorNrBI")}, {11, core::Box("VanzatorCNP")},
};

}  // namespace

frmFiscalPF::frmFiscalPF() : DocumentForm(ThePage()) { Form_Load(); }

void frmFiscalPF::FillFields() {
  const core::CaseBoxes& c = Case();
  CopyFromCase(kPerson);
  SetText(8, QStringLiteral("C.I."));
  CopyFromCase(kIdentity);
  SetText(13, SellerAddressLine(c));
  SetText(12, Today());
}

}  // namespace document_forms
