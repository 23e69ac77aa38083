#include "document_forms/frmFisaPermis.h"

#include "document_forms/frmPierdere.h"

namespace document_forms {
namespace {

constexpr Font kLabelFont{"Arial", 11.25, true};
constexpr Font kTitle{"Arial", 14.25, true};
constexpr Font kArial12Bold{"Arial", 12, true};
constexpr Font kTimes12Bold{"Times New Roman", 12, true};
constexpr Font kBoxFont{"MS Sans Serif", 9.75};
constexpr Font kCheckFont{"TimesRomanR", 11.25, true};
constexpr Font kCheckFontTimes{"Times New Roman", 11.25, true};

constexpr Item L(double left, double top, const char* text) { return Label(left, top, text, kLabelFont); }
// A caption from the line's left up to its box, fitted into that room when its text is wider.
constexpr Item LTo(double left, double top, const char* text, double boxLeft) {
  return Label(left, top, text, kLabelFont, boxLeft - left);
}
// A box of the record, 255 high, and the fill-in line under it.
constexpr Item F(int index, double left, double top, double width) {
  return Box(index, left, top, width, 255, kBoxFont);
}
constexpr Item Under(double left, double top, double width) { return Rule(top + 285, left, left + width); }
constexpr Item C(int index, double left, double top, double width, double height, const char* caption,
                 const Font& font = kCheckFont) {
  return Check("chkF", left, top, width, height, caption, font, index);
}

constexpr Item kItems[] = {
    Label(2520, 2730, "FISA DETINATORULUI PERMISULUI DE CONDUCERE", kTitle, 7905),
    // The applicant's part, inside the thick frame
    L(1590, 3810, "Numele"), F(0, 2460, 3810, 4665), Under(2460, 3810, 4665),
    L(1590, 4200, "Prenumele"), F(1, 2790, 4200, 4335), Under(2790, 4200, 4335),
    L(1590, 4620, "Prenumele "), L(1590, 4890, "parintilor"),
    L(3150, 4620, "Tata "), F(2, 3660, 4620, 3465), Under(3660, 4620, 3465),
    L(3135, 5010, "Mama "), F(3, 3840, 5010, 3315), Under(3840, 5010, 3315),
    L(1590, 5340, "Sex: M (masc.)  F (fem.) "), F(4, 4110, 5340, 585), Under(4110, 5340, 585),
    L(4740, 5340, "Nume anterior "), F(5, 6330, 5340, 2505), Under(6330, 5340, 2505),
    L(1590, 5670, "Data nasterii: (an, luna, zi) "), F(6, 4410, 5670, 4425), Under(4410, 5670, 4425),
    LTo(1590, 6030, "Locul nasterii: judet(sector) ", 4380), F(7, 4380, 6030, 1185), Under(4380, 6030, 1185),
    L(5580, 6030, "localitate "), F(8, 6630, 6030, 2205), Under(6630, 6030, 2205),
    L(3120, 6360, "tara "), F(9, 3600, 6360, 2055), Under(3600, 6360, 2055),
    LTo(1590, 6690, "Domiciliul: judet(sector) ", 4020), F(10, 4020, 6690, 1545), Under(4020, 6690, 1545),
    L(5565, 6690, "localitate "), F(11, 6570, 6690, 2265), Under(6570, 6690, 2265),
    L(3120, 7050, "str. "), F(12, 3540, 7050, 3135), Under(3540, 7050, 3135),
    L(6765, 7050, "nr."), F(13, 7050, 7050, 735), Under(7050, 7050, 735),
    L(7785, 7050, "bloc "), F(14, 8280, 7050, 555), Under(8280, 7050, 555),
    L(3120, 7380, "scara "), F(15, 3750, 7380, 1215), Under(3750, 7380, 1215),
    L(4995, 7380, "apart. "), F(16, 5670, 7380, 1035), Under(5670, 7380, 1035),
    L(1590, 7710, "Cod numeric personal "), F(17, 3990, 7710, 4845), Under(3990, 7710, 4845),
    L(1590, 8070, "Act de indentitate (felul, seria, numarul) "), F(18, 5820, 8070, 3015), Under(5820, 8070, 3015),
    L(1590, 8400, "Cetatenie "), F(19, 2640, 8400, 6195), Under(2640, 8400, 6195),
    L(1590, 8730, "Profesie "), F(20, 2550, 8730, 2715), Under(2550, 8730, 2715),
    L(5430, 8730, "ocupatie "), F(21, 6420, 8730, 2415), Under(6420, 8730, 2415),
    L(1590, 9090, "Loc de munca: organ tutelar, minister, etc. "), F(22, 6120, 9090, 2715), Under(6120, 9090, 2715),
    L(3120, 9420, "unitate "), F(23, 3870, 9420, 4965), Under(3870, 9420, 4965),
    L(1590, 9750, "Telefon acasa "), F(24, 3120, 9750, 1935), Under(3120, 9750, 1935),
    L(5130, 9750, "Telefon serviciu "), F(25, 6900, 9750, 1935), Under(6900, 9750, 1935),
    // What the applicant ticks
    L(1620, 10290, "Mentiuni:"),
    C(0, 2880, 10230, 3405, 345, "Poarta ochelari de corectie"),
    L(1590, 10680, "Restrictii vehicul:"),
    C(1, 3480, 10650, 2115, 345, "adaptat infirmitatii", kCheckFontTimes),
    C(2, 5730, 10620, 2415, 345, "cu ambreaj automatic", kCheckFontTimes),
    C(3, 3480, 11010, 1035, 315, "tractor"),
    C(4, 4530, 11010, 1125, 315, "tramvai"),
    C(5, 5730, 11010, 1275, 315, "troleibus"),
    L(1590, 11370, "TIPUL OPERATIUNII"),
    C(6, 3930, 11370, 2955, 315, "Eliberare prima categorie"),
    C(7, 3930, 11730, 2325, 345, "Adaugare categorie"),
    C(8, 3930, 12120, 1815, 345, "Preschimbare"),
    C(9, 3930, 12450, 1455, 315, "Modificare:"),
    C(10, 5460, 12450, 1065, 345, "Adresa"),
    C(11, 6570, 12450, 945, 315, "Nume"),
    C(12, 3930, 12810, 1245, 375, "Duplicat:"),
    C(13, 5340, 12810, 1875, 315, "Pierdere-Furt"),
    C(14, 5340, 13140, 1575, 315, "Deteriorare"),
    L(5520, 13530, "Semnatura solicitant:"),
    Shape(platform::FormShape::Kind::kRectangle, 8040, 13350, 3375, 495),  // the signature box
    L(1590, 13800, "Data:"), F(26, 2310, 13800, 2175), Under(2310, 13800, 2175),
    // The police part, top right, outside the thick frame
    Label(7500, 3600, "      NUMARUL PERMISULUI DE CONDUCERE / DATA ELIBERARII", kLabelFont, 3945, 645).Wrapped(),
    Label(8160, 4590, "      (se completeza de  Serviciul Politiei Rutiere)", kArial12Bold, 2865, 525).Wrapped(),
    Label(9030, 5460, "   Categoria", kArial12Bold),
    Label(10380, 5370, "    Data obtinerii", kArial12Bold, 1035, 555).Wrapped(),
    Label(9240, 9120, "Numarul permisului      anterior / data elib.", kLabelFont, 2265, 555).Wrapped(),
    // The photograph
    Shape(platform::FormShape::Kind::kRectangle, 9300, 10605, 2010, 2160),
    Label(9570, 11070, "LOC PENTRU FOTOGRAFIE", kTimes12Bold, 1665, 615).Wrapped(),
    Label(9570, 11820, "   Marimea  3,5 x 3,85 cm         color", kTimes12Bold, 1395, 1005).Wrapped(),
    // The police officer's part, under the thick frame
    L(1590, 14520, "Gradul, Numele si Prenumele lucratorului"),
    L(1590, 14850, "care a completat fisa:"), Rule(15060, 3900, 7650),
    L(1590, 15180, "Semnatura lucrator:"), Rule(15390, 3750, 5910),
    Label(1590, 15660, "Rubricile din chenarul ingrosat  se completeza prin dactilografiere de solicitant.", kLabelFont,
          8685),
    // The thick frame around the applicant's part
    Line(1245, 3480, 7350, 3480, 6), Line(7350, 3480, 7350, 5250, 6), Line(7350, 5250, 9000, 5250, 6),
    Line(9000, 5250, 9000, 9975, 6), Line(9000, 9975, 11430, 9975, 5), Line(11430, 9975, 11430, 14430, 6),
    Line(11430, 14430, 1245, 14430, 6), Line(1245, 14430, 1245, 3480, 6),
    // The police part and its table
    Rule(3450, 7320, 11445, 3), Line(11438, 3450, 11438, 10170, 3), Rule(5220, 8970, 11430, 3),
    Rule(4485, 7350, 11460),
    Rule(5970, 9000, 11450, 2), Rule(9030, 9000, 11450, 2), Rule(9690, 9000, 11450, 2),
    Rule(6330, 9000, 11450), Rule(6660, 9000, 11450), Rule(6990, 9000, 11450), Rule(7320, 9000, 11450),
    Rule(7680, 9000, 11450), Rule(8010, 9000, 11450), Rule(8340, 9000, 11450), Rule(8670, 9000, 11450),
    Line(10290, 5250, 10290, 9030, 2),
    // The officer's frame
    Line(1220, 14430, 1220, 15510, 3), Line(11438, 14430, 11438, 15510, 3), Rule(15510, 1220, 11438, 3),
    // The buttons
    PrintButton(0, 120, 150, 975, 495), ExitButton(0, 1170, 150, 975, 495),
    Button("cmdPierdere", 0, "Declaratie de pierdere ...", 120, 690, 2025, 495),
    Button("cmdPierdere", 1, "Declaratie de pierdere ...", 30, 13200, 1095, 945),
    PrintButton(1, 90, 14340, 975, 495), ExitButton(1, 90, 15120, 975, 495),
    Rule(16200, 1320, 11340), Footer(1350, 16230),
};

constexpr TabStop kTabOrder[] = {
    {"txtF", 0},         {"txtF", 1},         {"txtF", 2},     {"txtF", 3},     {"txtF", 4},     {"txtF", 5},
    {"txtF", 6},         {"txtF", 7},         {"txtF", 8},     {"txtF", 9},     {"txtF", 10},    {"txtF", 11},
    {"txtF", 12},        {"txtF", 13},        {"txtF", 14},    {"txtF", 15},    {"txtF", 16},    {"txtF", 17},
    {"txtF", 18},        {"txtF", 19},        {"txtF", 20},    {"txtF", 21},    {"txtF", 22},    {"txtF", 23},
    {"txtF", 24},        {"txtF", 25},        {"chkF", 0},     {"chkF", 1},     {"chkF", 2},     {"chkF", 3},
    {"chkF", 4},         {"chkF", 5},         {"chkF", 6},     {"chkF", 7},     {"chkF", 8},     {"chkF", 9},
    {"chkF", 10},        {"chkF", 11},        {"chkF", 12},    {"chkF", 13},    {"chkF", 14},    {"txtF", 26},
    {"cmdPrint", 0},     {"cmdExit", 0},      {"cmdPierdere", 0}, {"cmdPierdere", 1}, {"cmdPrint", 1}, {"cmdExit", 1},
};

constexpr Page kPage{
    .caption = "Fisa permis fata",
    .items = kItems,
    .tabOrder = kTabOrder,
    .boxArray = "txtF",
    .boxesTakeFontDrav = false,
};

}  // namespace

frmFisaPermis::frmFisaPermis() : DocumentForm(kPage) {
  for (int i = 0; i < kCheckCount; ++i)
    connect(chkF(i), &platform::FormCheckBox::GotFocus, this, [this, i] { chkF_GotFocus(i); });
  for (int i : {0, 1})
    connect(cmdPierdere(i), &QAbstractButton::clicked, this, [this, i] { cmdPierdere_Click(i); });
  Form_Load();
}

platform::FormCheckBox* frmFisaPermis::chkF(int index) const {
  return Find<platform::FormCheckBox>(QStringLiteral("chkF"), index);
}

platform::FormButton* frmFisaPermis::cmdPierdere(int index) const {
  return Find<platform::FormButton>(QStringLiteral("cmdPierdere"), index);
}

// The date on which the record was opened; the clerk may overwrite it.
void frmFisaPermis::LoadExtras() { SetText(26, Today()); }

void frmFisaPermis::chkF_GotFocus(int index) {
  if (Printing()) return;
  if (platform::FormCheckBox* box = chkF(index)) KeepInView(*box);
}

void frmFisaPermis::cmdPierdere_Click(int /*index*/) {
  OpenPierdere(frmPierdere::Opener::kFisaPermis);
}

}  // namespace document_forms
