#include "document_forms/frmDeclScoatEvid.h"

#include "document_forms/AddressLine.h"
#include "document_forms/PrintedLine.h"
#include "document_forms/RequestParts.h"

namespace document_forms {
namespace {

using request::kTimes11;
using request::kTimes12Bold;
using request::kTimes9;

constexpr double kLeft = 1290;
constexpr double kLow = 225;  // most boxes of the declaration are this high

// A line for handwriting in the two town-hall sections: under its own row's text, as the
// lines of the declaration's boxes are, and clear of the next row's letters.
constexpr Piece HandLine(double left, double width) { return Blank(left, width, kLow); }

// A cut line: two lines at `y` with "aici se taie" between them.
void AddCutLine(std::vector<Item>& items, double top, double y, double x1, double x2, double x3, double x4) {
  items.push_back(Rule(y, x1, x2));
  items.push_back(Label(x2, top, "aici se taie", kTimes9, x3 - x2, 240, TextAlign::kCentre));
  items.push_back(Rule(y, x3, x4));
}

// The two signatures of the town hall: their titles, "L. S." at `sealTop`, the lines and
// the names.
void AddTownHallSignatures(std::vector<Item>& items, double top, double sealTop, double lineY, double left1,
                           double left2) {
  items.push_back(Label(left1 + 300, top, "SEF COMPARTIMENT,", kTimes11));
  items.push_back(Label(left2 + 600, top, "INSPECTOR,", kTimes11));
  items.push_back(Label(1800, sealTop, "L. S.", kTimes12));
  items.push_back(Rule(lineY, left1, left1 + 2820));
  items.push_back(Rule(lineY, left2, left2 + 2820));
  items.push_back(Label(left1 + 60, top + 570, "(prenumele, numele si semnatura)", kTimes11));
  items.push_back(Label(left2 + 60, top + 570, "(prenumele, numele si semnatura)", kTimes11));
}

std::vector<Item> PageItems() {
  std::vector<Item> items;
  const auto line = [&](double top, std::initializer_list<Piece> pieces) {
    AddLine(items, top, kLeft, kTimes11, pieces);
  };
  // The taxpayer block, framed; its bottom edge is the line of txt(31)
  items.insert(items.end(), {Rule(90, 2280, 10980), Rule(1140, 2310, 10980), Line(2280, 90, 2280, 1140),
                             Line(10980, 90, 10980, 1140), Line(8040, 90, 8040, 1110)});
  AddLine(items, 150, 2340, kTimes12, {Say("Contribuabilul"), Field(29, 3780, 4065)});
  AddLine(items, 510, 2340, kTimes12, {Say("Sediul"), Field(30, 3060, 4785, 255)});
  AddLine(items, 840, 2340, kTimes12, {Say("Codul unic de inregistrare"), BareField(31, 4800, 3015, 255)});
  const char* const kNote[] = {"Se completeaza numai in situatia", "persoanelor juridice, caz in care ",
                               "semnatarul declaratiei este", "reprezentantul acesteia"};
  const double kNoteTops[] = {120, 390, 630, 900};
  for (int i = 0; i < 4; ++i) items.push_back(Label(8130, kNoteTops[i], kNote[i], kTimes9));

  // The declaration
  items.push_back(Label(3405, 1275, "DECLARATIA", kTimes12Bold, 9540 - 3405, kLabelHeight, TextAlign::kCentre));
  items.push_back(Label(3420, 1590, "pentru scoaterea din evidenta a mijloacelor de transport ", kTimes12Bold));
  line(2070, {Say("Subsemnatul(a)"), Field(0, 3600, 2775, kLow), Say(" domiciliat(a) in "), Field(1, 7980, 2895, kLow)});
  line(2370, {Say("str."), Field(2, 1860, 2775, kLow), Say(",   nr."), Field(3, 5310, 735, kLow), Say(" bl."),
              Field(4, 6600, 675, kLow), Say(" sc."), Field(5, 7830, 675, kLow), Say(" ap."), Field(6, 9060, 675, kLow),
              Say("legitimat")});
  line(2670, {Say("prin B.I./C.I. seria"), Field(7, 3090, 735, kLow), Say("nr."), Field(8, 4380, 2385, kLow),
              Say("CNP"), Field(9, 7410, 2415, kLow), Say("solicit")});
  line(2970, {Say("scoaterea din evidenta dvs. a urmatorului mijloc de transport marca"), Field(10, 7470, 1935, kLow),
              Say(",cu seria motor")});
  line(3270, {Field(11, 1290, 2385, kLow), Say("seria sasiu*)"), Field(12, 5010, 1875, kLow),
              Say(",capacitatea cilindrica"), Field(13, 8970, 1365, kLow), Say("cmc")});
  line(3570, {Say("capacitatea **)"), Field(14, 2850, 1365, kLow), Say("tone,dobandit la data de"),
              Field(15, 6540, 1365, kLow), Say("ca efect al: instrainarii/ furtului/")});
  line(3840, {Say("scoaterii din functiune/schimbarii domiciliului/ scoaterii definitive din tara, incepand cu data "
                  "de "),
              Field(16, 9810, 1035, kLow)});
  line(4140, {Say("dovedind aceasta prin: actul nr."), Field(17, 4140, 735, kLow), Say("/certificatul de radiere nr."),
              Field(18, 7230, 1785, kLow), Say("anexat la prezenta.")});
  line(4440, {Say("Noul proprietar:"), Field(19, 3510, 2685, 255, 4425), Say("judet"), Field(20, 6900, 2265, kLow),
              Say("sector"), Field(21, 9870, 765, kLow)});
  line(4740, {Say("localitatea"), Field(22, 2400, 1425, kLow), Say("str."), Field(23, 4350, 1935, kLow), Say(",nr."),
              Field(24, 6690, 735, kLow), Say(" bl."), Field(25, 7830, 675, kLow), Say(" sc."),
              Field(26, 8970, 675, kLow), Say(" ap."), Field(27, 10110, 675, kLow)});
  AddLine(items, 5070, kLeft, kTimes12,
          {Say("DATA"), Field(28, 2160, 1665, 255), Say("Semnatura declarantului,", 5400), Blank(8040, 2700)});
  line(5460, {Say("*) serie sasiu pentru remorci", -1, kTimes9)});
  line(5730, {Say("**) capacitate tone (pentru) remorci", -1, kTimes9)});
  AddCutLine(items, 6000, 6120, 1080, 5310, 6390, 10860);

  // The notice to the other town hall
  line(6270, {Say("Judetul"), HandLine(2400, 2700)});
  line(6570, {Say("PRIMARIA"), HandLine(2400, 2700)});
  line(6870, {Say("Nr."), HandLine(2400, 2700)});
  items.push_back(Label(1260, 7320, "Catre:", kTimes12Bold, 9375 - 1260, kLabelHeight, TextAlign::kCentre));
  AddLine(items, 7620, 3600, kTimes12Bold, {Say("PRIMARIA"), HandLine(4800, 2700)});
  items.push_back(Label(3600, 7950, "- Compartimentul de specialitate -", kTimes12Bold));
  line(8400, {Say("Va facem cunoscut ca potrivit actului nr."), HandLine(5000, 1900), Say("contribuabilul"),
              HandLine(8400, 2550)});
  line(8670, {Say("din judetul"), HandLine(2340, 1900), Say(" , localitatea"), HandLine(5400, 2100), Say("str."),
              HandLine(7950, 2950)});
  line(8970, {Say("nr."), HandLine(1680, 600), Say(" bl."), HandLine(2640, 600), Say(" sc."), HandLine(3600, 600), Say(" ap."),
              HandLine(4560, 600), Say("a dobandit mijlocul de transport marca  "), HandLine(8775, 2145)});
  line(9270, {Say("cu seria motor"), HandLine(2640, 2100), Say("seria sasiu*)"), HandLine(5880, 1500),
              Say(",capacitatea cilindrica"), HandLine(9360, 1000), Say("cmc")});
  line(9570, {Say("capacitatea **)"), HandLine(2700, 1200),
              Say("tone. Va rugam sa luati masurile necesare pentru inscrierea in evidenta dvs.")});
  line(9870, {Say("conform Legii nr.571/22.12.2003 privind Codul fiscal")});
  AddTownHallSignatures(items, 10230, 10470, 10740, 3240, 8220);
  AddCutLine(items, 11190, 11310, 1140, 5370, 6450, 10920);

  // The answer to the declarant
  line(11490, {Say("PRIMARIA"), HandLine(2400, 2700)});
  line(11820, {Say("Catre:"), HandLine(2400, 2700)});
  line(12330, {Say("Ca urmare a declaratiei dvs. nr."), HandLine(4200, 1300),
               Say("prin care solicitati scoaterea din evidenta a mijlocului de")});
  line(12600, {Say("transport marca"), HandLine(2700, 1700), Say(",cu seria motor"), HandLine(5760, 1500),
               Say("seria sasiu*)"), HandLine(8460, 1140), Say(",cap. cil."), HandLine(10380, 500), Say("cmc")});
  line(12870, {Say("capacitatea **)"), HandLine(2580, 900), Say("tone,dobandit la"), HandLine(4950, 790),
               Say("si a actelor anexate, va aducem la cunostinta faptul ca aceasta a")});
  line(13140, {Say("fost operata. Nr. matricol"), HandLine(3780, 1300), Say(", nr. rol"), HandLine(5760, 1300),
               Say("au rezultat scaderi de debit astfel"), HandLine(10080, 840)});
  AddTownHallSignatures(items, 13560, 13890, 14070, 3120, 8100);
  items.push_back(Label(kLeft, 14400, "DATA", kTimes12));
  AddLine(items, 14490, 5400, kTimes12, {Say("Am primit un exemplar"), HandLine(7800, 1500), Say("DATA"), HandLine(9960, 1000)});
  items.push_back(Rule(14970, 3150, 4860));

  items.insert(items.end(), {PrintButton(0, 60, 90), ExitButton(0, 1110, 90), PrintButton(1, 300, 14070),
                             ExitButton(1, 1380, 14070), Rule(15420, 1260, 10620), Footer(1320, 15450)});
  return items;
}

// The taxpayer block first: the first focus goes to txt(29).
std::vector<TabStop> TabOrder() {
  std::vector<TabStop> tabs;
  AddBoxStops(tabs, 29, 31);
  AddBoxStops(tabs, 0, 28);
  tabs.insert(tabs.end(), std::begin(kBottomPairFirst), std::end(kBottomPairFirst));
  return tabs;
}

const Page& ThePage() {
  static const BuiltPage built("Declaratia pentru scoaterea din evidenta a mijloacelor de transport",
                               PageItems(), TabOrder(), request::kPageFont);
  return built.page;
}

constexpr BoxCopy kDeclarant[] = {
    {0, core::Box("VanzatorNume")},  {1, core::Box("VanzatorLocalitate")}, {2, core::Box("VanzatorStrada")},
    {3, core::Box("VanzatorNumar")}, {4, core::Box("VanzatorBloc")},       {5, core::Box("VanzatorScara")},
    {6, core::Box("VanzatorApartament")}, {9, core::Box("VanzatorCNP")},
};
constexpr BoxCopy kVehicle[] = {
    {10, core::Box("Marca")},     {11, core::Box("MotorSerie")},    {12, core::Box("NrIdentificare")},
    {13, core::Box("Cilindree")}, {14, core::Box("MasaTotalaMax")},
};
constexpr BoxCopy kNewOwner[] = {
    {19, core::Box("CumparatorNume")},   {20, core::Box("CumparatorJudet")}, {22, core::Box("CumparatorLocalitate")},
    {23, core::Box("CumparatorStrada")}, {24, core::Box("CumparatorNumar")}, {25, core::Box("CumparatorBloc")},
    {26, core::Box("CumparatorScara")},  {27, core::Box("CumparatorApartament")},
};

}  // namespace

frmDeclScoatEvid::frmDeclScoatEvid() : DocumentForm(ThePage()) { Form_Load(); }

void frmDeclScoatEvid::FillFields() {
  const core::CaseBoxes& c = Case();
  // Any fiscal code at all, blanks included, makes the seller a firm.
  const QString fiscalCode = c.Text(core::Box("VanzatorCodFiscal"));
  if (!fiscalCode.isEmpty()) {
    SetText(29, c.Text(core::Box("VanzatorNume")));
    SetText(30, SellerAddressLine(c));
    SetText(31, fiscalCode);
  } else {
    CopyFromCase(kDeclarant);
  }
  CopyFromCase(kVehicle);
  CopyFromCase(kNewOwner);
  SetText(28, Today());
}

}  // namespace document_forms
