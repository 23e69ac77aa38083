#include "document_forms/frmFiscalPJ.h"

#include "document_forms/PrintedLine.h"
#include "document_forms/RequestParts.h"

namespace document_forms {
namespace {

constexpr double kLeft = 1410;

std::vector<Item> PageItems() {
  std::vector<Item> items;
  request::AddFiscalRequestHead(items, 840, 1365, "PENTRU PERSOANE JURIDICE");
  const auto line = [&](double top, std::initializer_list<Piece> pieces) {
    AddLine(items, top, kLeft, kTimes12, pieces);
  };
  line(2970, {Say("DATE DE IDENTIFICARE ALE PERSOANEI JURIDICE")});
  // The firm
  line(3510, {Say("Subscrisa"), Field(0, 3060, 5445), Say(" Cod unic de identificare")});
  line(3870, {Field(1, 1470, 885), Say("judet"), Field(2, 2970, 2265), Say("loc."), Field(3, 5670, 2235),
              Say("cod postal"), Field(4, 8970, 765), Say("sector"), Field(5, 10440, 765)});
  line(4230, {Say("str."), Field(6, 1800, 2265), Say(",   Nr."), Field(7, 4710, 765), Say(" Bl."), Field(8, 6030, 675),
              Say(" Sc."), Field(9, 7260, 675), Say(" Et."), Field(10, 8490, 675), Say(" Ap."), Field(11, 9720, 675)});
  line(4590, {Say("tel."), Field(12, 1800, 2385), Say("fax"), Field(13, 4650, 2415), Say("adresa de e-mail"),
              Field(14, 8850, 2295)});
  line(4980, {Say("inregistrat la registrul comertului"), Field(15, 4470, 1185), Say("la nr."), Field(16, 6360, 2415)});
  // The work point, written by hand, on the lines of the firm's own entries
  line(5340, {Say("Pentru punctul de lucru:"), Blank(3750, 3000), Say(", avand codul de identificare fiscala"),
              Blank(10170, 1050)});
  line(5700, {Say("judet"), Blank(2970, 2265), Say("loc."), Blank(5670, 2235), Say("cod postal"), Blank(8970, 765),
              Say("sector"), Blank(10440, 765)});
  line(6060, {Say("str."), Blank(1800, 2265), Say(",   Nr."), Blank(4710, 765), Say(" Bl."), Blank(6030, 675),
              Say(" Sc."), Blank(7260, 675), Say(" Et."), Blank(8490, 675), Say(" Ap."), Blank(9720, 675)});
  line(6420, {Say("tel."), Blank(1800, 2385), Say("fax"), Blank(4650, 2415), Say("adresa de e-mail"), Blank(8850, 2295)});
  line(6810, {Say("inregistrat la registrul comertului"), Blank(4470, 1185), Say("la nr."), Blank(6360, 2415)});
  // The representative
  line(7200, {Say("Reprezentat prin"), Field(17, 3150, 4425), Say("in calitate de actionar unic/asociat/")});
  line(7560, {Say("administrator/ imputernicit/ mandatat/ executor/ lichidator   domiciliat   in:   judet"),
              Field(18, 8790, 2265)});
  line(7920, {Say("loc."), Field(19, 1800, 2235), Say("cod postal"), Field(20, 5100, 765), Say("sector"),
              Field(21, 6570, 675), Say("str."), Field(22, 7650, 2265), Say(",   Nr."), Field(23, 10560, 765)});
  line(8280, {Say(" Bl."), Field(24, 1920, 675), Say(" Sc."), Field(25, 3150, 675), Say(" Et."), Field(26, 4380, 675),
              Say(" Ap."), Field(27, 5610, 675), Say("tel."), Field(28, 6690, 2145), Say("fax"), Field(29, 9300, 2145)});
  line(8640, {Say("adresa de e-mail"), Field(30, 3060, 2295), Say("posesorul"), Say("B.I./C.I./C.I.P./Pasaport Seria,"),
              Field(31, 9360, 735), Say("Nr.")});
  line(9000, {Field(32, 1410, 2415), Say("eliberat de "), Field(33, 4980, 2355), Say("la data de"),
              Field(34, 8400, 2415)});
  line(9390, {Say("solicit eliberarea unui certificat privind situatia obligatiilor de plata la bugetul local, "
                  "pentru a servi la:")});
  line(9750, {Field(35, 1410, 9795)});
  // The declaration
  constexpr const char* kDeclaration[] = {
      "     Declar pe proprie raspundere, cunoscand prevederile Codului penal ca la data prezentei cereri societatii/",
      "institutiei nu are alte modificari ale materiei impozabile fata de ultima declaratie depusa la organul fiscal.",
      "     In cazul in care, organul fiscal solicita clarificarea situatiei fiscale din motive imputabile "
      "societatii/institutiei ",
      "pe care o reprezint ma oblig sa furnizez precizarile si documentele necesare clarificarii acesteia in regim de ",
      "urgenta. In caz de nefurnizare a informatiilor si documentelor solicitate sunt de acord cu amanarea termenului ",
      "de eliberare a certificatului fiscal pana la clarificarea situatiei fiscale.",
  };
  double top = 10200;
  for (const char* text : kDeclaration) {
    items.push_back(Label(1320, top, text, kTimes12, 9975));
    top += 330;
  }
  line(12210, {Say("DATA"), Field(36, 2100, 1665)});
  // The signature
  AddLine(items, 12600, 6000, kTimes12, {Say("Prenume si nume"), Blank(8400, 2700)});
  AddLine(items, 12960, 6000, kTimes12, {Say("Calitatea"), Blank(8400, 2700)});
  AddLine(items, 13320, 6000, kTimes12, {Say("Semnatura si stampila"), Blank(8400, 2700)});
  items.insert(items.end(), {PrintButton(0, 960, 90), ExitButton(0, 2040, 90), PrintButton(1, 1080, 14010),
                             ExitButton(1, 2160, 14010), Rule(15420, 1260, 10620), Footer(1320, 15450)});
  return items;
}

std::vector<TabStop> TabOrder() {
  std::vector<TabStop> tabs;
  AddBoxStops(tabs, 0, 36);
  tabs.insert(tabs.end(), std::begin(kBottomPairFirst), std::end(kBottomPairFirst));
  return tabs;
}

const Page& ThePage() {
  static const BuiltPage built("Cerere pentru eliberarea certificatului de atestare fiscala persoane juridice ",
                               PageItems(), TabOrder(), request::kPageFont);
  return built.page;
}

// The firm is the seller; its postal code stays out.
constexpr BoxCopy kSeller[] = {
    {0, core::Box("VanzatorNume")},        {1, core::Box("VanzatorCodFiscal")}, {2, core::Box("VanzatorJudet")},
    {3, core::Box("VanzatorLocalitate")},  {6, core::Box("VanzatorStrada")},    {7, core::Box("VanzatorNumar")},
    {8, core::Box("VanzatorBloc")},        {9, core::Box("VanzatorScara")},     {11, core::Box("VanzatorApartament")},
    {16, core::Box("VanzatorRegCom")},
};

}  // namespace

frmFiscalPJ::frmFiscalPJ() : DocumentForm(ThePage()) { Form_Load(); }

void frmFiscalPJ::FillFields() {
  CopyFromCase(kSeller);
  SetText(36, Today());
}

}  // namespace document_forms
