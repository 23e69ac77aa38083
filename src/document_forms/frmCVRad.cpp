#include "document_forms/frmCVRad.h"

#include <QDir>
#include <array>

#include "core/AppState.h"
#include "core/Settings.h"
#include "document_forms/frmCVRadBoxes.h"
#include "document_forms/frmCVRadFill.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"

namespace document_forms {
namespace {

constexpr Font kArial{"Arial", 8.25};
constexpr Font kArialTitle{"Arial", 14.25, true};

// Everything of the page but its boxes and buttons, in creation order: the picture of
// the paper behind all, the frame lines, the certificate's labels and the tick squares.
constexpr Item kMarks[] = {
    Image("imgFond", 0, 0, 11205, 16560),
    Line(630, 1170, 630, 10920).Named("Line1"),
    Line(10710, 1170, 10710, 10890).Named("Line16"),
    Line(630, 3720, 10710, 3720).Named("Line15"),
    Line(630, 6270, 10650, 6240).Named("Line14"),
    Line(630, 7680, 10650, 7680).Named("Line13"),
    Line(630, 8100, 10680, 8100).Named("Line12"),
    Line(630, 10890, 10710, 10890).Named("Line2"),
    DottedLine(420, 11130, 10740, 11130).Named("Line17"),
    Line(630, 11370, 10710, 11370).Named("Line3"),
    Line(660, 15930, 630, 11370).Named("Line4"),
    Line(10710, 11340, 10710, 15960).Named("Line7"),
    Line(660, 14040, 10680, 14040).Named("Line8"),
    Line(630, 15930, 10680, 15930).Named("Line6"),
    Line(630, 16020, 10710, 16050).Named("Line9"),
    Line(660, 16440, 10710, 16470).Named("Line10"),
    Line(630, 16020, 660, 16470).Named("Line5"),
    Line(10740, 16080, 10710, 16470).Named("Line11"),
    Label(1080, 11580, "Inspectoratul de Politie al Judetului ........................................................", kArial, 5235, 255)
        .Named("Label1"),
    Label(1350, 11790, "- Serviciul Circulatie -", kArial, 1575, 195).Named("Label6"),
    Label(8310, 11790, "Semnatura si stampila", kArial, 1635, 255).Named("Label3"),
    Label(1080, 12030, "Nr  ...............", kArial, 795, 225)
        .Named("Label5"),
    Label(1890, 12030, "din  .....................................", kArial, 2025, 195)
        .Named("Label4"),
    Label(3900, 12240, "CERTIFICAT DE RADIERE", kArialTitle, 3615, 315).Named("Label2"),
    Label(780, 12720, "Vehiculul marca  ..............................................", kArial, 3315, 225)
        .Named("Label18"),
    Label(4050, 12720, ", tipul .....................................", kArial, 2115, 195)
        .Named("Label17"),
    Label(6150, 12690, ", numar de identificare ...............................................................", kArial, 4485, 255)
        .Named("Label16"),
    Label(750, 13050, "serie motor ..........................................", kArial, 2775, 195)
        .Named("Label15"),
};

// The tick squares Shape1 to Shape13, in the order of the tick boxes they frame.
constexpr const char* kSquareNames[] = {"Shape1",  "Shape2",  "Shape3", "Shape4",  "Shape5",  "Shape6", "Shape7",
                                        "Shape8",  "Shape9",  "Shape10", "Shape11", "Shape13", "Shape12"};
constexpr int kTickCount = kCVRadBoxCount - kCVRadFirstTick;

constexpr std::size_t kItemCount = std::size(kMarks) + kTickCount + kCVRadBoxCount + 2;

constexpr std::array<Item, kItemCount> MakeItems() {
  std::array<Item, kItemCount> items{};
  std::size_t n = 0;
  for (const Item& mark : kMarks) items[n++] = mark;
  for (int i = 0; i < kTickCount; ++i) {
    const TwipsBox s = TickSquare(kCVRadFirstTick + i);
    items[n++] = Shape(platform::FormShape::Kind::kRectangle, s.left, s.top, s.width, s.height).Named(kSquareNames[i]);
  }
  for (int i = 0; i < kCVRadBoxCount; ++i) {
    const TwipsBox& b = kCVRadBoxes[i];
    const bool tick = i >= kCVRadFirstTick;
    items[n++] = Box(i, b.left, b.top, b.width, b.height, kPageFont, tick ? TextAlign::kCentre : TextAlign::kLeft);
  }
  items[n++] = PrintButton(-1, 120, 330, 975, 615);
  items[n++] = ExitButton(-1, 1140, 330, 975, 615);
  return items;
}

constexpr std::array<Item, kItemCount> kItems = MakeItems();

// 72, 0, 1, 2, 73, 3 to 13, 74, 14, 15, 16, 75, 17 to 37, 76, 77, 38 to 56, 78, 57 to 64,
// 79, 65 to 71, 80 to 84, then Exit and Print.
constexpr int kBoxTabOrder[] = {72, 0,  1,  2,  73, 3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 74, 14, 15, 16, 75, 17,
                                18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 76, 77,
                                38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 78, 57, 58,
                                59, 60, 61, 62, 63, 64, 79, 65, 66, 67, 68, 69, 70, 71, 80, 81, 82, 83, 84};
static_assert(std::size(kBoxTabOrder) == kCVRadBoxCount);

constexpr std::array<TabStop, kCVRadBoxCount + 2> MakeTabOrder() {
  std::array<TabStop, kCVRadBoxCount + 2> stops{};
  std::size_t n = 0;
  for (int box : kBoxTabOrder) stops[n++] = {"txtCV", box};
  stops[n++] = {"cmdExit"};
  stops[n++] = {"cmdPrint"};
  return stops;
}

constexpr std::array<TabStop, kCVRadBoxCount + 2> kTabOrder = MakeTabOrder();

constexpr Page kPage{
    .caption = "Contract vanzare-cumparare + Certificat de radiere",
    .items = kItems,
    .tabOrder = kTabOrder,
    .boxArray = "txtCV",
    .boxesTakeFontDrav = false,
    .boxFocus = BoxFocus::kSelectAll,
    .print = PrintProcedure::kAsItStands,
};

}  // namespace

frmCVRad::frmCVRad() : DocumentForm(kPage) { Form_Load(); }

platform::FormImage* frmCVRad::imgFond() const { return Find<platform::FormImage>(QStringLiteral("imgFond")); }

// The offsets move the page once, at each load; the picture of the paper is read here
// and kept for as long as the page is open. Without it the page stays white.
void frmCVRad::LoadExtras() {
  ShiftControls(core::settings::LeftCVRad, core::settings::TopCVRad);
  const QString path = core::AppPath + QLatin1Char('/') + kCVRadPaperFile;
  if (!imgFond()->LoadPicture(path))
    platform::MsgBox(QStringLiteral("Imaginea formularului nu poate fi citita din fisierul \"%1\". Contractul se "
                                    "deschide pe fond alb; pentru imagine, reinstalati programul (sau cereti "
                                    "administratorului sa o faca).")
                         .arg(QDir::toNativeSeparators(path)),
                     platform::vbExclamation);
}

void frmCVRad::FillFields() {
  for (const BoxText& b : CVRadFill(Case(), platform::Today())) SetText(b.box, b.text);
}

// The picture of the paper never reaches the paper: hidden while the page prints, and
// shown again afterwards, whatever became of the print.
void frmCVRad::BeforePrint() { imgFond()->hide(); }
void frmCVRad::AfterPrint() { imgFond()->show(); }

}  // namespace document_forms
