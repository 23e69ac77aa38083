// velorast-draw-paper OUTFILE: our own picture of the blank official paper on which
// frmCVRad types the sale contract and the deregistration certificate: 747 by 1104
// pixels at 96 dots per inch (11205 by 16560 twips), a colour JPEG. The paper's frames,
// its printed captions beside every blank and a fill-in line under it are drawn from
// the page's own box table, so that each box of the form lands on its blank.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "core/FontSubstitutions.h"
#include "document_forms/frmCVRadBoxes.h"

namespace {

using document_forms::kCVRadBoxes;
using document_forms::TwipsBox;

constexpr int kWidth = 747, kHeight = 1104;
const QColor kPaper(252, 250, 240);
const QColor kInk(40, 92, 120);        // the paper's printing
const QColor kFaint(150, 182, 196);    // its fill-in lines and frames

double Px(double twips) { return twips / 15.0; }
QRectF PxRect(const TwipsBox& b) { return {Px(b.left), Px(b.top), Px(b.width), Px(b.height)}; }

enum class Side { kBefore, kAfter };

// A caption printed on the paper beside a box: before it (ending just left of it) or, for
// a tick box, after its square.
struct Caption {
  int box;
  const char* text;
  Side side = Side::kBefore;
};

constexpr Caption kCaptions[] = {
    {0, "persoana fizica, numele"},   {1, "B.I./C.I. seria"},        {2, "nr."},
    {3, "persoana juridica"},         {4, "Reg. Com. / cod fiscal"}, {5, "reprezentant"},
    {6, "domiciliu/sediu"},           {7, "str."},                   {8, "nr."},
    {9, "bl."},                       {10, "sc."},                   {11, "ap."},
    {12, "jud./sect."},               {13, "cod"},
    {14, "persoana fizica, numele"},  {15, "B.I./C.I. seria"},       {16, "nr."},
    {17, "persoana juridica"},        {18, "Reg. Com. / cod fiscal"}, {19, "reprezentant"},
    {20, "domiciliu/sediu"},          {21, "str."},                  {22, "nr."},
    {23, "bl."},                      {24, "sc."},                   {25, "ap."},
    {26, "jud./sect."},               {27, "cod"},
    {28, "marca"},                    {29, "tipul"},                 {30, "numar de identificare"},
    {31, "serie motor"},              {32, "cm3"},                   {33, "nr. de velorastulare"},
    {34, "inspectie tehnica pana la"}, {35, "carte de identitate nr."},
    {36, "Pretul, in cifre"},         {37, "in litere"},
    {38, "Incheiat astazi, la"},      {39, "data"},
    {47, "cm3"},                      {48, "nr. de velorastulare"},
    {50, "domiciliu/sediu"},          {51, "str."},
    {52, "nr."},                      {53, "bl."},                   {54, "sc."},
    {55, "ap."},                      {56, "jud./sect."},
    {57, "catre"},                    {58, "domiciliu/sediu"},       {59, "str."},
    {60, "nr."},                      {61, "bl."},                   {62, "sc."},
    {63, "ap."},                      {64, "jud./sect."},
    {65, "noul domiciliu/sediu"},     {66, "str."},                  {67, "nr."},
    {68, "bl."},                      {69, "sc."},                   {70, "ap."},
    {71, "jud./sect."},
    {76, "da", Side::kAfter},         {77, "nu", Side::kAfter},      {78, "vandut", Side::kAfter},
    {79, "schimbare", Side::kAfter},  {80, "dezmembrat", Side::kAfter}, {81, "exportat", Side::kAfter},
    {82, "furat", Side::kAfter},      {83, "da", Side::kAfter},      {84, "nu", Side::kAfter},
};

// Printed text of the paper that belongs to no box: left, top (twips), size, bold.
struct Text {
  int left, top;
  double points;
  bool bold;
  const char* text;
};

constexpr Text kTexts[] = {
    {2400, 600, 11, true, "CONTRACT DE VANZARE-CUMPARARE"},
    {3700, 870, 8, false, "a unui vehicul folosit"},
    {700, 1230, 8, true, "1. VANZATORUL"},
    {700, 3330, 7, false, "vinde cumparatorului de mai jos vehiculul descris la punctul 3, pe care il detine in"},
    {700, 3480, 7, false, "proprietate si care nu este gajat, sechestrat sau urmarit."},
    {700, 3780, 8, true, "2. CUMPARATORUL"},
    {700, 5850, 7, false, "cumpara vehiculul in starea tehnica in care se afla, pe care a cunoscut-o la incheierea contractului."},
    {700, 6330, 8, true, "3. VEHICULUL"},
    {700, 7740, 8, true, "4."},
    {700, 8250, 8, true, "5. ALTE CLAUZE"},
    {700, 8520, 7, false, "Predarea vehiculului si a actelor lui se face la data incheierii contractului. Vanzatorul"},
    {700, 8670, 7, false, "garanteaza cumparatorul impotriva evictiunii; cumparatorul plateste taxele transferului."},
    {700, 8970, 7, false, "Contractul s-a incheiat in trei exemplare, cate unul pentru fiecare parte si unul pentru"},
    {700, 9120, 7, false, "organul de politie care face radierea."},
    {700, 9420, 7, false, "Anexa:"},
    {700, 9780, 7, false, "Partile au citit contractul si il semneaza."},
    {6000, 10050, 8, true, "VANZATOR"},
    {8600, 10050, 8, true, "CUMPARATOR"},
    {6000, 10440, 7, false, "(semnatura)"},
    {8600, 10440, 7, false, "(semnatura)"},
    {4300, 11010, 6, false, "se decupeaza de-a lungul liniei punctate"},
    {9360, 12990, 6.5, false, "detinut de"},
    {780, 16110, 7, false, "Vanzatorul pastreaza"},
    {780, 16260, 7, false, "numarul de velorastulare:"},
};

// The paper's frames, under those that the form draws (twips).
constexpr TwipsBox kFrames[] = {
    {630, 1170, 10080, 9720},    // the contract
    {630, 11370, 10080, 4560},   // the certificate
    {630, 16020, 10080, 435},    // the registration number kept
};
constexpr int kRules[] = {3720, 6255, 7680, 8100};     // the contract's sections
constexpr int kCertificateRules[] = {14040};

void DrawText(QPainter& p, double x, double y, double points, bool bold, const QString& text,
              Qt::Alignment align = Qt::AlignLeft) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setBold(bold);
  p.setFont(font);
  const QRectF box = align & Qt::AlignRight ? QRectF(x - 400, y, 400, 20) : QRectF(x, y, 700, 20);
  p.drawText(box, align | Qt::AlignTop, text);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: velorast-draw-paper OUTFILE.jpg\n");
    return 2;
  }
  core::RegisterFontSubstitutions();

  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);  // 96 dots per inch
  image.setDotsPerMeterY(3780);
  image.fill(kPaper);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  p.setPen(QPen(kFaint, 1.5));
  for (const TwipsBox& f : kFrames) p.drawRect(PxRect(f));
  for (int y : kRules) p.drawLine(QPointF(Px(630), Px(y)), QPointF(Px(10710), Px(y)));
  for (int y : kCertificateRules) p.drawLine(QPointF(Px(630), Px(y)), QPointF(Px(10710), Px(y)));

  // A fill-in line under every blank, a square printed under every tick box.
  p.setPen(QPen(kFaint, 1, Qt::DotLine));
  for (int i = 0; i < document_forms::kCVRadFieldCount; ++i) {
    const QRectF r = PxRect(kCVRadBoxes[i]);
    p.drawLine(r.bottomLeft() + QPointF(0, 1), r.bottomRight() + QPointF(0, 1));
  }
  p.setPen(QPen(kFaint, 1));
  for (int i = document_forms::kCVRadFirstTick; i < document_forms::kCVRadBoxCount; ++i)
    p.drawRect(PxRect(document_forms::TickSquare(i)));

  p.setPen(kInk);
  for (const Caption& c : kCaptions) {
    const TwipsBox& b = kCVRadBoxes[c.box];
    if (c.side == Side::kBefore)
      DrawText(p, Px(b.left - 45), Px(b.top + 30), 6.5, false, QString::fromLatin1(c.text), Qt::AlignRight);
    else
      DrawText(p, Px(b.left + 255), Px(b.top + 15), 6.5, false, QString::fromLatin1(c.text));
  }
  for (const Text& t : kTexts) DrawText(p, Px(t.left), Px(t.top), t.points, t.bold, QString::fromLatin1(t.text));
  p.end();

  if (!image.save(QString::fromLocal8Bit(argv[1]), "JPG", 88)) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
