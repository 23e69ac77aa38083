#include "document_forms/frmProvizorie.h"

namespace document_forms {
namespace {

constexpr Font kSans{"Microsoft Sans Serif", 9.75};
constexpr Font kSansUnderlined{"Microsoft Sans Serif", 9.75, false, false, true};
constexpr Font kTitle{"Arial", 12, true};
constexpr double kBox = 290;  // the boxes' height below the receipt

constexpr Item kReceipt[] = {
    Label(1410, 2205, "Anexa la fisa AP-1", kTitle),
    Label(7710, 3225, "Am primit", kSansUnderlined),
    Label(7200, 3570, "autorizatia, placile de "),
    Label(7230, 3900, "velorastulare si chitanta"),
    Label(5610, 4230, "Semnatura si data "),
    Box(0, 7410, 4230, 3105, 300),
    Rule(4530, 7380, 10500),
    Label(4995, 5160, "Domnule Comandant ,"),
    // The holder
    Label(2040, 6520, "Subsemnatul(a)"),
    Label(8295, 6520, "cu domiciliul stabil/sediu in"),
    Label(1410, 6915, "localitatea"),
    Label(4485, 6915, ", strada"),
    Label(8025, 6915, ", nr."),
    Label(8775, 6915, ", bloc"),
    Label(9675, 6915, ", apart."),
    Label(10695, 6915, ","),
    Label(1410, 7320, "sector"),
    Label(2385, 7320, ", judet"),
    Label(4725, 7320, ", detinator al vehiculului:"),
    // The vehicle
    Label(2010, 7710, "- marca:"),
    Label(5415, 7710, ","),
    Label(2010, 8100, "-serie sasiu:"),
    Label(2010, 8490, "-culoare:"),
    Label(4965, 8490, ","),
    Label(2010, 8880, "- an de fabricatie:"),
    Label(5115, 8880, ","),
    Label(1410, 9270, "dobandit la data de"),
    Label(4965, 9270, ", prin:"),
    Label(10365, 9270, ",de"),
    Label(1410, 9660, "la"),
    Label(4785, 9660, ", solicit eliberarea unei autorizatii de circulatie provizorie,necesara"),
    Label(1410, 10050, "pentru efectuarea formalitatilor premergatoare velorastularii."),
    Label(2100, 10650,
          "Am  luat  la   cunostinta  ca  autorizatia  provizorie  de circulatie  este  valabila  doar  pe  "
          "teritoriul "),
    Label(1470, 10980, "Romaniei, pentru o perioada de maxim 30 zile."),
    Label(2160, 11580, "Anexez alaturat urmatoarele :"),
    Label(1470, 12090, "- documentul prin care fac dovada proprietatii asupra vehiculului (copie);"),
    Label(1470, 12420, "- asigurarea obligatorie de raspundere civila (xerox);"),
    Label(1470, 12750, "- chitanta seria"),
    Label(4605, 12750, "din data "),
    Label(6765, 12750, ", (taxa de autorixare provizorie);"),
    Label(1470, 13080,
          "- pentru  vehiculele  de  provenienta  straina,  care  nu  au  fost anterior   velorastulate  in   "
          "Romania -"),
    Label(1470, 13410,
          "declaratia    vamala   de   tranzit   sau  declaratia   vamala   pentru  calatori   (xerox)  ori  "
          "declaratia  "),
    Label(1470, 13740,
          "notariala in care se specifica  punctul  vamal  de  intrare si persoana care a introdus vehiculul."),
    Label(1950, 14970, "DATA"),
    Label(7380, 14970, "SEMNATURA "),
    Dots(8730, 15120, 1995),
    Rule(15930, 1440, 10890),
    PrintButton(0, 1470, 60, kButtonWidth, 555), ExitButton(0, 2580, 60, kButtonWidth, 555),
    PrintButton(1, 330, 14310, kButtonWidth, 555), ExitButton(1, 1440, 14310, kButtonWidth, 555),
    Footer(1470, 15960),
};

constexpr auto kItems = Concat(
    std::to_array(kReceipt), DottedBox(1, 3630, 6520, 4665, kBoxHeight, 170), DottedBox(2, 2430, 6930, 2055, kBox),
    DottedBox(3, 5250, 6930, 2775, kBox), DottedBox(4, 8370, 6930, 405, kBox), DottedBox(5, 9300, 6930, 375, kBox),
    DottedBox(6, 10320, 6930, 375, kBox), DottedBox(7, 2010, 7320, 375, kBox), DottedBox(8, 3000, 7320, 1725, kBox),
    DottedBox(9, 2790, 7710, 2625, kBox), DottedBox(10, 3390, 8100, 2625, kBox),
    DottedBox(11, 2970, 8490, 1995, kBox), DottedBox(12, 3570, 8880, 1545, kBox),
    DottedBox(13, 3270, 9270, 1695, kBox), DottedBox(14, 5490, 9270, 4875, kBox),
    DottedBox(15, 1680, 9660, 3105, kBox), DottedBox(16, 2940, 12750, 1665, kBox),
    DottedBox(17, 5460, 12750, 1305, kBox), DottedBox(18, 2610, 14970, 1515, kBox));

constexpr Page kPage{
    .caption = "Autorizatie provizorie",
    .items = kItems,
    .labelFont = kSans,
    .boxFont = kSans,
};

}  // namespace

frmProvizorie::frmProvizorie() : DocumentForm(kPage) { Form_Load(); }

// The receipt's date first, then the holder, the vehicle, the seller's name and the
// request's date; the sector, the acquisition and the payment are left to the clerk.
void frmProvizorie::FillFields() {
  static constexpr BoxCopy kCopies[] = {
      {1, core::Box("CumparatorNume")},   {2, core::Box("CumparatorLocalitate")},
      {3, core::Box("CumparatorStrada")}, {4, core::Box("CumparatorNumar")},
      {5, core::Box("CumparatorBloc")},   {6, core::Box("CumparatorApartament")},
      {8, core::Box("CumparatorJudet")},  {9, core::Box("Marca")},
      {10, core::Box("NrIdentificare")},  {11, core::Box("Culoarea")},
      {12, core::Box("AnFabricatie")},    {15, core::Box("VanzatorNume")},
  };
  SetText(0, Today());
  CopyFromCase(kCopies);
  SetText(18, Today());
}

}  // namespace document_forms
