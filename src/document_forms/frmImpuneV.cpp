// frmImpuneV: the page of the tax declaration's back, and its window.

#include "document_forms/frmImpuneV.h"

#include "document_forms/FormFonts.h"
#include "document_forms/TaxDeclarationLayout.h"

namespace document_forms {
namespace {

// The closing frame's paragraphs in Times New Roman 8.25: a line every 210 twips. The law
// number "571/2003" stands centred in its label at two places, which leaves about a
// blank's room between it and the words on either side.
constexpr double kLinePitch = 210;
constexpr double kLawNumberLeft1 = 10830, kLawNumberLeft2 = 14160, kLawNumberWidth = 735;

constexpr Item LawNumber(double left, double top) {
  return Label(left, top, "571/2003", kTimes825BoldUnderlined, kLawNumberWidth, 240, TextAlign::kCentre);
}

// In creation order. The box array has no boxes 45, 50, 55 and 60.
constexpr Item kItems[] = {
    // Table 1, continued from the front: three groups of a title row and three numbered rows.
    Line(510, 705, 15930, 705),
    Line(510, 930, 15930, 930),
    Line(510, 1155, 15930, 1155),
    Line(510, 1380, 15930, 1380),
    Line(510, 1605, 15930, 1605),
    Line(510, 1830, 15930, 1830),
    Line(510, 2055, 15930, 2055),
    Line(510, 2280, 15930, 2280),
    Line(510, 2505, 15930, 2505),
    Line(510, 2730, 15930, 2730),
    Line(510, 2955, 15930, 2955),
    Line(510, 3180, 15930, 3180),
    Line(510, 3405, 15930, 3405),
    Line(510, 705, 510, 3405),
    Line(15930, 705, 15930, 3405),
    Label(570, 720, "Alte autovehicule cu masa totala maxima autorizata de pana la 12 tone inclusiv, precum si autoturisme de teren din productie interna", kTimes825),
    Line(990, 930, 990, 1605),
    Line(3660, 930, 3660, 1605),
    Line(4950, 930, 4950, 1605),
    Line(6195, 930, 6195, 1605),
    Line(7470, 930, 7470, 1605),
    Line(8775, 930, 8775, 1605),
    Line(11205, 930, 11205, 1605),
    Label(690, 960, "1.", kTimes9),
    Label(690, 1170, "2.", kTimes9),
    Label(690, 1410, "3.", kTimes9),
    TaxBox(0, 1050, 960, 2565),
    TaxBox(1, 3720, 960, 1185),
    TaxBox(2, 5010, 960, 1155),
    TaxBox(3, 6270, 960, 1155),
    TaxBox(4, 7530, 960, 1215),
    TaxBox(5, 1050, 1170, 2565),
    TaxBox(6, 3720, 1170, 1185),
    TaxBox(7, 5010, 1170, 1155),
    TaxBox(8, 6270, 1170, 1155),
    TaxBox(9, 7530, 1170, 1215),
    TaxBox(10, 1050, 1410, 2565),
    TaxBox(11, 3720, 1410, 1185),
    TaxBox(12, 5010, 1410, 1155),
    TaxBox(13, 6270, 1410, 1155),
    TaxBox(14, 7530, 1410, 1215),
    Label(570, 1620, "Tractoare velorastulate", kTimes825),
    Line(990, 1830, 990, 2505),
    Line(3660, 1830, 3660, 2505),
    Line(4950, 1830, 4950, 2505),
    Line(6195, 1830, 6195, 2505),
    Line(7470, 1830, 7470, 2505),
    Line(8775, 1830, 8775, 2505),
    Line(11205, 1830, 11205, 2505),
    Label(690, 1860, "1.", kTimes9),
    Label(690, 2070, "2.", kTimes9),
    Label(690, 2310, "3.", kTimes9),
    TaxBox(15, 1050, 1860, 2565),
    TaxBox(16, 3720, 1860, 1185),
    TaxBox(17, 5010, 1860, 1155),
    TaxBox(18, 6270, 1860, 1155),
    TaxBox(19, 7530, 1860, 1215),
    TaxBox(20, 1050, 2070, 2565),
    TaxBox(21, 3720, 2070, 1185),
    TaxBox(22, 5010, 2070, 1155),
    TaxBox(23, 6270, 2070, 1155),
    TaxBox(24, 7530, 2070, 1215),
    TaxBox(25, 1050, 2310, 2565),
    TaxBox(26, 3720, 2310, 1185),
    TaxBox(27, 5010, 2310, 1155),
    TaxBox(28, 6270, 2310, 1155),
    TaxBox(29, 7530, 2310, 1215),
    Label(570, 2520, "Motociclete, motorete, scutere si atase", kTimes825),
    Line(990, 2730, 990, 3405),
    Line(3660, 2730, 3660, 3405),
    Line(4950, 2730, 4950, 3405),
    Line(6195, 2730, 6195, 3405),
    Line(7470, 2730, 7470, 3405),
    Line(8775, 2730, 8775, 3405),
    Line(11205, 2730, 11205, 3405),
    Label(690, 2760, "1.", kTimes9),
    Label(690, 2970, "2.", kTimes9),
    Label(690, 3210, "3.", kTimes9),
    TaxBox(30, 1050, 2760, 2565),
    TaxBox(31, 3720, 2760, 1185),
    TaxBox(32, 5010, 2760, 1155),
    TaxBox(33, 6270, 2760, 1155),
    TaxBox(34, 7530, 2760, 1215),
    TaxBox(35, 1050, 2970, 2565),
    TaxBox(36, 3720, 2970, 1185),
    TaxBox(37, 5010, 2970, 1155),
    TaxBox(38, 6270, 2970, 1155),
    TaxBox(39, 7530, 2970, 1215),
    TaxBox(40, 1050, 3210, 2565),
    TaxBox(41, 3720, 3210, 1185),
    TaxBox(42, 5010, 3210, 1155),
    TaxBox(43, 6270, 3210, 1155),
    TaxBox(44, 7530, 3210, 1215),
    // Between the tables.
    Label(540, 3480, "-Sectiunea II din tabelul 1 se completeaza de organul fiscal.In cazul de emitere a deciziei de impunere din oficiu se completeaza in totalitate de organul fiscal", kTimes1125),
    Label(540, 3720, "- remorci, semiremorci sau rulote (tabel 2):", kTimes1125),
    // Table 2: its sections, headings, column numbers and five rows.
    Line(510, 4035, 15930, 4035),
    Line(510, 4275, 15930, 4275),
    Line(510, 4725, 15930, 4725),
    Line(510, 4950, 15930, 4950),
    Line(510, 5205, 15930, 5205),
    Line(510, 5460, 15930, 5460),
    Line(510, 5715, 15930, 5715),
    Line(510, 5940, 15930, 5940),
    Line(510, 6180, 15930, 6180),
    Line(510, 4035, 510, 6180),
    Line(15930, 4035, 15930, 6180),
    Line(8760, 4035, 8760, 4275),
    Line(2010, 4275, 2010, 6180),
    Line(4140, 4275, 4140, 6180),
    Line(5760, 4275, 5760, 6180),
    Line(7200, 4275, 7200, 6180),
    Line(8760, 4275, 8760, 6180),
    Line(14190, 4275, 14190, 6180),
    Label(4260, 4050, "Sectiunea I", kTimes975BoldItalic),
    Label(12120, 4050, "Sectiunea II", kTimes975BoldItalic),
    Label(960, 4410, "Nr. crt.", kTimes9),
    Label(2340, 4380, "Marca si tipul", kTimes9),
    Label(4410, 4380, "Data dobandirii", kTimes9),
    Label(6000, 4380, "Serie sasiu", kTimes9),
    Label(7470, 4380, "Masa Totala", kTimes9),
    Label(9720, 4290, "Impozit datorat stabilit de organul fiscal", kTimes9, 2355, 420).Wrapped(),
    Label(14220, 4290, "Perioada pentru care se            stabileste ", kTimes9, 1695, 420).Wrapped(),
    Label(1140, 4740, "1", kTimes9),
    Label(2880, 4740, "2", kTimes9),
    Label(4920, 4740, "3", kTimes9),
    Label(6390, 4740, "4", kTimes9),
    Label(7920, 4740, "5", kTimes9),
    Label(11400, 4740, "6", kTimes9),
    Label(15240, 4740, "7", kTimes9),
    Label(1140, 4980, "1.", kTimes9),
    Label(1140, 5220, "2.", kTimes9),
    Label(1140, 5490, "3.", kTimes9),
    Label(1140, 5730, "4.", kTimes9),
    Label(1140, 5970, "5.", kTimes9),
    TaxBox(59, 2070, 4980, 2055, 225),
    TaxBox(58, 4200, 4980, 1545, 225),
    TaxBox(57, 5820, 4980, 1365, 225),
    TaxBox(56, 7260, 4980, 1485, 225),
    TaxBox(54, 2070, 5220, 2055, 225),
    TaxBox(53, 4200, 5220, 1545, 225),
    TaxBox(52, 5820, 5220, 1365, 225),
    TaxBox(51, 7260, 5220, 1485, 225),
    TaxBox(49, 2070, 5490, 2055, 225),
    TaxBox(48, 4200, 5490, 1545, 225),
    TaxBox(47, 5820, 5490, 1365, 225),
    TaxBox(46, 7260, 5490, 1485, 225),
    TaxBox(68, 2070, 5730, 2055),
    TaxBox(67, 4200, 5730, 1545),
    TaxBox(66, 5820, 5730, 1365),
    TaxBox(65, 7260, 5730, 1485),
    TaxBox(64, 2070, 5970, 2055),
    TaxBox(63, 4200, 5970, 1545),
    TaxBox(62, 5820, 5970, 1365),
    TaxBox(61, 7260, 5970, 1485),
    // The closing frame: the declarant on the left, the tax office on the right.
    Shape(platform::FormShape::Kind::kRectangle, 510, 6420, 15420, 3705),
    // The declarant's paragraph, line by line as the page breaks it (the run of blanks
    // after its first sentence starts "Prin prezenta" on a line of its own); no line
    // reaches the tax office's column at 8400.
    Label(540, 6450, "Contribuabilul intocmeste declaratia in doua exemplaresi anexeaza la prezenta un set de copii ale documentelor de", kTimes825),
    Label(540, 6450 + kLinePitch, "dobandire a dreptului de proprietate, certificate de comformitate cu originalul de catre organul fiscal.", kTimes825),
    Label(540, 6450 + 2 * kLinePitch, "Prin prezenta declar ca datele de identificare ale subsemnatului, precum si datele consemnate de mine in sectiunea I", kTimes825),
    Label(540, 6450 + 3 * kLinePitch, "din tabelul 1, respectiv in sectiunea I din tabelul 2 corespund relatii", kTimes825),
    Label(3090, 7650, "Subsemnatul,", kTimes975Bold),
    Label(2820, 7950, "........................................", kTimes9),
    Label(2610, 8130, "(numele, prenumele si semnatura) L.S. in cazul persoanelor juridice", kTimes825, 2445, 480).Wrapped(),
    Label(540, 8910, "Am primit un exemplar al deciziei de impunere,", kTimes825),
    Label(540, 9120, "Prenume si nume.........................., CNP............................... B.I./C.I.P./C.I. serie....nr. ...........", kTimes825),
    Label(540, 9450, "Semnatura contribulabil ................... Data ......./....../......sau                 ", kTimes825, 2745, 450).Wrapped(),
    Label(540, 9900, "Nr. si data confirmarii de primire: ...............", kTimes825),
    // The tax office's paragraph, line by line: "In caz de emitere" starts the second line,
    // and after each "Legii nr." a gap holds the law's number.
    Label(8400, 6420, "Sectiunea II din tabelul 2 se completeaza de organul fiscal.", kTimes825),
    Label(8400, 6420 + kLinePitch, "In caz de emitere a deciziei de impunere din oficiu se completeaza in totalitate de organul fiscal. In", kTimes825),
    Label(8400, 6840, "conformitate cu prevederile Legii nr.", kTimes825, kLawNumberLeft1 - 8400),
    LawNumber(kLawNumberLeft1, 6840),
    Label(kLawNumberLeft1 + kLawNumberWidth, 6840, "privind Codul Fiscal, cu modificarile si completarile ulterioare", kTimes825),
    Label(8400, 7050, "si a H.G. nr. 44/2004 pentru aprobarea Normelor metodologice de aplicare a Legii nr.", kTimes825),
    LawNumber(kLawNumberLeft2, 7050),
    Label(kLawNumberLeft2 + kLawNumberWidth, 7050, "privind Codul", kTimes825),
    Label(8400, 7050 + kLinePitch, "fiscal, cu modificarile si completarile ulterioare si a O.G. nr. 92/2003 privind Codul de procedura fiscala, cu", kTimes825),
    Label(8400, 7050 + 2 * kLinePitch, "modificarile si completarile ulterioare se stabilesc obligatiile de plata fata de bugetul local al", kTimes825),
    Label(8400, 7650, "comunei/orasului/municipiului/sectorului...............................:in cuantum de .................. lei (se cumuleaza creantele fiscale stabilite in tabelele de mai sus).", kTimes825, 7605, 390).Wrapped(),
    Label(8400, 8040, "Pentru neachitarea impozitului pana la termenele aratate mai sus, se vor calcula accesorii pana la data platii. Prezentul titlu de creanta devine titlu executoriu in conditiile legii.", kTimes825, 7605, 390).Wrapped(),
    Label(8400, 8460, "Impotriva masurilor dispune prin prezenta se poate face contestatie, care se depune in termen de  30 zile de la comunicare, la organul fiscal emitent.", kTimes825, 7605, 390).Wrapped(),
    Label(8370, 9090, "Conducatorul organului fiscal, ..........................................", kTimes825, 2745, 450).Wrapped(),
    Label(8370, 9450, "(prenume, nume si stampila)", kTimes825),
    Label(12090, 9330, "Intocmit azi data ................... (functia, pronume si nume)", kTimes825, 2265, 480).Wrapped(),
    // The footer.
    Line(510, 10680, 15900, 10680),
    Footer(540, 10710),
    // The note, below the bottom edge: on the page, never on paper.
    Label(1080, 15435, "NOTA:", kArial975BoldUnderlined),
    Label(1110, 15450, "              Taxa asupra mijloacelor de transport se stabileste pentru fiecare mijloc de transport cu tractine mecanica, precum si pentru fiecare remorca, semiremorca sau rulota care are carte de identitate a vehiculului, chiar daca acestea circula in combinatie.", kArial975, 9675, 705).Wrapped(),
    // The single buttons.
    PrintButton(-1, 90, 90, 975, 435),
    ExitButton(-1, 1080, 90, 975, 435),
};

// Table 1 by index, then table 2 row by row from left to right, then the buttons.
constexpr TabStop kTabs[] = {
    {"txtPJ", 0}, {"txtPJ", 1}, {"txtPJ", 2}, {"txtPJ", 3}, {"txtPJ", 4}, {"txtPJ", 5}, {"txtPJ", 6},
    {"txtPJ", 7}, {"txtPJ", 8}, {"txtPJ", 9}, {"txtPJ", 10}, {"txtPJ", 11}, {"txtPJ", 12}, {"txtPJ", 13},
    {"txtPJ", 14}, {"txtPJ", 15}, {"txtPJ", 16}, {"txtPJ", 17}, {"txtPJ", 18}, {"txtPJ", 19}, {"txtPJ", 20},
    {"txtPJ", 21}, {"txtPJ", 22}, {"txtPJ", 23}, {"txtPJ", 24}, {"txtPJ", 25}, {"txtPJ", 26}, {"txtPJ", 27},
    {"txtPJ", 28}, {"txtPJ", 29}, {"txtPJ", 30}, {"txtPJ", 31}, {"txtPJ", 32}, {"txtPJ", 33}, {"txtPJ", 34},
    {"txtPJ", 35}, {"txtPJ", 36}, {"txtPJ", 37}, {"txtPJ", 38}, {"txtPJ", 39}, {"txtPJ", 40}, {"txtPJ", 41},
    {"txtPJ", 42}, {"txtPJ", 43}, {"txtPJ", 44}, {"txtPJ", 59}, {"txtPJ", 58}, {"txtPJ", 57}, {"txtPJ", 56},
    {"txtPJ", 54}, {"txtPJ", 53}, {"txtPJ", 52}, {"txtPJ", 51}, {"txtPJ", 49}, {"txtPJ", 48}, {"txtPJ", 47},
    {"txtPJ", 46}, {"txtPJ", 68}, {"txtPJ", 67}, {"txtPJ", 66}, {"txtPJ", 65}, {"txtPJ", 64}, {"txtPJ", 63},
    {"txtPJ", 62}, {"txtPJ", 61}, {"cmdPrint"}, {"cmdExit"},
};

constexpr Page kPage{
    .caption = "Impunere verso",
    .orientation = platform::kLandscape,
    .items = kItems,
    .tabOrder = kTabs,
    .boxArray = "txtPJ",
    .boxesTakeFontDrav = false,
    .boxFocus = BoxFocus::kNone,
};

}  // namespace

frmImpuneV::frmImpuneV() : DocumentForm(kPage) { Form_Load(); }

void frmImpuneV::FillFields() {
  for (const auto& [index, text] : FillImpuneV(Case())) SetText(index, text);
}

}  // namespace document_forms
