#include "document_forms/frmPierdere.h"

#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/CaseWindow.h"
#include "core/MDIVelorast.h"
#include "document_forms/frmFisaPermis.h"
#include "document_forms/frmPierdereFill.h"
#include "platform/KeyCodes.h"
#include "platform/Keystrokes.h"

namespace document_forms {
namespace {

constexpr Font kField{"Times New Roman", 11.25};
constexpr Font kText{"Times New Roman", 12.75};
constexpr Font kHeading{"Times New Roman", 12, true};

constexpr Item T(double left, double top, const char* text) { return Label(left, top, text, kField); }
constexpr Item S(double left, double top, const char* text) { return Label(left, top, text, kText); }
// A box, 250 high, over its dotted fill-in line, whose top lies `dotsBelow` under the box's.
constexpr Item B(int index, double left, double top, double width, double height = 250) {
  return Box(index, left, top, width, height);
}
constexpr Item D(double left, double top, double width, double dotsBelow = 120) {
  return Dots(left, top + dotsBelow, width, 195);
}

// The two wordings of the sentences after the choice, for the licence and the certificate.
struct Wording {
  const char* p1;
  const char* p2;
};
constexpr Wording kWordings[] = {
    {"legii, iar permisul de conducere nu a fost instrainat altei persoane sau lasat in gaj.",
     "In cazul gasirii permisului de conducere, ma oblig sa ma prezint la politie,"},
    {"legii, iar certificatul de velorastulare nu a fost instrainat altei persoane sau lasat in gaj.",
     "In cazul gasirii certificatului de velorastulare, ma oblig sa ma prezint la politie,"},
};

constexpr Item kItems[] = {
    Label(4592, 1247, "DOMNULE SEF DE SERVICIU", kHeading),
    T(1470, 2820, "Subsemnatul(a)"), D(3750, 2820, 7515, 90), B(0, 3750, 2820, 7515),
    T(1470, 3090, "fiul (fiica) lui"), D(2790, 3090, 3525), B(1, 2790, 3090, 3525),
    T(6450, 3090, "si al"), D(6870, 3090, 4395), B(2, 6870, 3090, 4395),
    T(1470, 3390, "nascut (a) in anul"), D(3090, 3390, 825), B(3, 3090, 3390, 825),
    T(4065, 3390, "luna"), D(4500, 3390, 1425), B(4, 4500, 3390, 1425),
    T(6030, 3390, "ziua"), D(6450, 3390, 1335), B(5, 6450, 3390, 1335),
    T(7860, 3390, "in localitatea"), D(9060, 3390, 2205), B(6, 9060, 3390, 2205),
    D(1470, 3690, 4545), B(7, 1470, 3690, 4545),
    T(6135, 3690, "judetul"), D(6810, 3690, 4455), B(8, 6810, 3690, 4455),
    T(1470, 3990, "cu domiciliu in localitatea"), D(3870, 3990, 3075), B(9, 3870, 3990, 3075),
    T(7065, 3990, "str."), D(7380, 3990, 3885), B(10, 7380, 3990, 3885),
    T(1470, 4290, "nr."), D(1770, 4290, 885), B(11, 1770, 4290, 885),
    T(2745, 4290, "bloc"), D(3180, 4290, 945), B(12, 3180, 4290, 945),
    T(4260, 4290, "scara"), D(4770, 4290, 915), B(13, 4770, 4290, 915),
    T(5865, 4290, "etaj"), D(6240, 4290, 885), B(14, 6240, 4290, 885),
    T(7245, 4290, "ap."), D(7560, 4290, 765), B(15, 7560, 4290, 765),
    T(8325, 4290, "judetul"), D(9000, 4290, 2265), B(16, 9000, 4290, 2265),
    T(1470, 4590, "si flotant in localitatea"), D(3510, 4590, 4275), B(17, 3510, 4590, 4275),
    T(7905, 4590, "str."), D(8220, 4590, 3045), B(18, 8220, 4590, 3045),
    T(1440, 4890, "nr."), D(1710, 4890, 945), B(19, 1710, 4890, 945),
    T(2655, 4890, "bloc"), D(3090, 4890, 1005), B(20, 3090, 4890, 1005),
    T(4230, 4890, "scara"), D(4740, 4890, 1035), B(21, 4740, 4890, 1035),
    T(5865, 4890, "etaj"), D(6240, 4890, 1155), B(22, 6240, 4890, 1155),
    T(7485, 4890, "ap."), D(7800, 4890, 615), B(23, 7800, 4890, 615),
    T(8475, 4890, "judetul"), D(9150, 4890, 2115), B(24, 9150, 4890, 2115),
    T(1470, 5190, "salariat la"), D(2490, 5190, 8775), B(25, 2490, 5190, 8775),
    T(1470, 5490, "cu sediul in localitatea"), D(3570, 5490, 4035), B(26, 3570, 5490, 4035),
    T(7695, 5490, "str."), D(8010, 5490, 3255), B(27, 8010, 5490, 3255),
    D(1470, 5790, 1605), B(28, 1470, 5790, 1605),
    T(3105, 5790, "nr."), D(3390, 5790, 1605), B(29, 3390, 5790, 1605),
    T(5040, 5790, "in functia de"), D(6210, 5790, 5055), B(30, 6210, 5790, 5055),
    T(1470, 6090, "telefon acasa"), D(2790, 6090, 3375), B(31, 2790, 6090, 3375),
    T(6165, 6090, "telefon la serviciu"), D(7830, 6090, 2445), B(32, 7830, 6090, 2445),
    T(10320, 6090, "va aduc la"),
    T(1470, 6390, "cunostinta urmatoarele:"),
    T(1455, 6690, "La data de "), D(2490, 6690, 4305), B(33, 2490, 6690, 4305),
    T(6840, 6690, "in localitatea"), D(8040, 6690, 3225), B(34, 8040, 6690, 3225),
    T(1470, 6990, "pe strada"), D(2460, 6990, 8805), B(35, 2460, 6990, 8805),
    T(1470, 7290, "in imprejurari necunoscute am pierdut "),
    // The lost document: the combo box on the screen, above the label that prints for it.
    Label(4980, 7320, "PERMISUL DE CONDUCERE, categoria", kField, 3855, 255).Named("lblPermis"),
    Label(4980, 7320, "CERTIFICATUL DE VELORASTULARE", kField, 3885, 255).Named("lblCertificat"),
    Combo("cboPierdere", 4920, 7290, 3975, 315),
    D(8970, 7290, 2295), B(36, 8970, 7290, 2295),
    T(1470, 7620, "eliberat de politia"), D(3090, 7620, 3285), B(37, 3090, 7620, 3285),
    T(6465, 7620, "la data de"), D(7380, 7620, 3885), B(38, 7380, 7620, 3885),
    T(1470, 7920, "pe numele"), D(2520, 7920, 8745), B(39, 2520, 7920, 8745),
    S(2460, 8850, "Solicit eliberarea unei dovezi de pierdere si duplicat."),
    S(2460, 9210, "Cunoscand prevederile art.293 din Codul penal al Romaniei, declar ca cele"),
    S(1410, 9570, "relatate mai sus, privind identitatea mea sunt reale, in caz contrar voi suporta rigorile"),
    Label(1410, 9930, kWordings[0].p1, kText, 9045, 300).Named("lblP1"),
    S(2490, 10290, "Va rog sa-mi eliberati o dovada din care sa rezulte ca am depus reclamatia la"),
    S(1410, 10650, "acest organ de politie"),
    Label(2490, 11010, kWordings[0].p2, kText, 8175, 300).Named("lblP2"),
    S(1410, 11370, "pentru rezolvarea situatiei."),
    S(1980, 12420, "Data"), D(2640, 12420, 2535, 150), B(40, 2640, 12420, 2535, 285),
    S(7410, 13320, "Semnatura"), Dots(7380, 13710, 3435, 195),
    S(1530, 15090, "Domnului Sef Serviciu al"), D(4320, 15090, 6615, 150), B(41, 4320, 15090, 6615),
    PrintButton(0, 1470, 60, 975, 555), ExitButton(0, 2580, 60, 975, 555),
    PrintButton(1, 150, 13260, 975, 555), ExitButton(1, 1170, 13260, 975, 555),
    Rule(16080, 1410, 11040), Footer(1440, 16110),
};

constexpr TabStop kTabOrder[] = {
    {"txt", 0},  {"txt", 1},  {"txt", 2},  {"txt", 3},  {"txt", 4},  {"txt", 5},  {"txt", 6},  {"txt", 7},
    {"txt", 8},  {"txt", 9},  {"txt", 10}, {"txt", 11}, {"txt", 12}, {"txt", 13}, {"txt", 14}, {"txt", 15},
    {"txt", 16}, {"txt", 17}, {"txt", 18}, {"txt", 19}, {"txt", 20}, {"txt", 21}, {"txt", 22}, {"txt", 23},
    {"txt", 24}, {"txt", 25}, {"txt", 26}, {"txt", 27}, {"txt", 28}, {"txt", 29}, {"txt", 30}, {"txt", 31},
    {"txt", 32}, {"txt", 33}, {"txt", 34}, {"txt", 35}, {"cboPierdere"}, {"txt", 36}, {"txt", 37}, {"txt", 38},
    {"txt", 39}, {"txt", 40}, {"txt", 41}, {"cmdPrint", 0}, {"cmdExit", 0}, {"cmdPrint", 1}, {"cmdExit", 1},
};

constexpr Page kPage{
    .caption = "Declaratie de pierdere",
    .items = kItems,
    .tabOrder = kTabOrder,
};

}  // namespace

frmPierdere::frmPierdere() : DocumentForm(kPage) {
  platform::FormComboBox* combo = cboPierdere();
  combo->addItems({QStringLiteral("PERMISUL DE CONDUCERE"), QStringLiteral("CERTIFICATUL DE VELORASTULARE")});
  combo->setCurrentIndex(-1);
  connect(combo, &QComboBox::currentIndexChanged, this, [this] { cboPierdere_Click(); });
  combo->installEventFilter(this);
  Form_Load();
}

platform::FormComboBox* frmPierdere::cboPierdere() const {
  return Find<platform::FormComboBox>(QStringLiteral("cboPierdere"));
}

platform::FormLabel* frmPierdere::Label(const char* name) const {
  return Find<platform::FormLabel>(QString::fromLatin1(name));
}

void frmPierdere::LoadExtras() { cboPierdere()->setCurrentIndex(kPermis); }

void frmPierdere::FillFields() {
  if (frmApelant != Opener::kFisaPermis) return;
  const frmFisaPermis* record = platform::Forms::IfLoaded<frmFisaPermis>();
  if (!record) return;
  for (const BoxText& b : PierdereFromRecord([record](int i) { return record->Text(i); })) SetText(b.box, b.text);
}

void frmPierdere::cboPierdere_Click() {
  const int choice = cboPierdere()->currentIndex();
  if (choice != kPermis && choice != kCertificat) return;
  Label("lblP1")->SetCaption(QString::fromUtf8(kWordings[choice].p1));
  Label("lblP2")->SetCaption(QString::fromUtf8(kWordings[choice].p2));
}

void frmPierdere::cboPierdere_KeyDown(int keyCode, Qt::KeyboardModifiers /*shift*/) {
  if (keyCode == platform::vbKeyReturn) platform::SendTab();
}

bool frmPierdere::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cboPierdere() && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = platform::KeyCode(key->key());
    cboPierdere_KeyDown(code, key->modifiers());
    if (code == platform::vbKeyReturn) return true;  // the choice stays as it is
  }
  return DocumentForm::eventFilter(watched, event);
}

// On paper the chosen document's label stands where the combo box stands on the screen.
void frmPierdere::BeforePrint() {
  Label("lblCertificat")->hide();
  Label("lblPermis")->hide();
  const int choice = cboPierdere()->currentIndex();
  if (choice == kPermis) Label("lblPermis")->show();
  else if (choice == kCertificat) Label("lblCertificat")->show();
  cboPierdere()->hide();
}

void frmPierdere::AfterPrint() { cboPierdere()->show(); }

// The window that opened the declaration comes back: the main window, or the record,
// which is loaded afresh when it was closed while the declaration was open.
void frmPierdere::ShowOpener() {
  if (frmApelant != Opener::kFisaPermis) {
    core::ShowCaseWindow();
    return;
  }
  if (frmFisaPermis* record = platform::Forms::IfLoaded<frmFisaPermis>()) {
    record->show();
    if (QMdiSubWindow* frame = record->Frame()) {
      frame->show();
      platform::Forms::Get<core::MDIVelorast>()->Workspace()->setActiveSubWindow(frame);
    }
    return;
  }
  Open<frmFisaPermis>();
}

frmPierdere* OpenPierdere(frmPierdere::Opener opener) {
  frmPierdere::frmApelant = opener;  // first: the fill reads it while the declaration loads
  return Open<frmPierdere>();
}

void LaunchPierdere(frmVelorast& /*mainWindow*/) { OpenPierdere(frmPierdere::Opener::kMainWindow); }

}  // namespace document_forms
