#include "document_forms/frmFisaPermisV.h"

namespace document_forms {
namespace {

constexpr Font kTitle{"Times New Roman", 14.25, true};
constexpr Font kHeading{"Times New Roman", 11.25, true};

constexpr Item H(double left, double width, double height, const char* text) {
  return Label(left, 3870, text, kHeading, width, height).Wrapped();
}
// One of the thirteen thin rules between the rows of the table.
constexpr Item Row(double y) { return Rule(y, 360, 10425); }
// One of the four thin dividers between its columns.
constexpr Item Column(double x) { return Line(x, 3630, x, 10425); }

constexpr Item kItems[] = {
    Label(4260, 2910, "SANCTIUNI APLICATE", kTitle, 3735, 375),
    // The frame and the rule under the heading row, 3 pixels
    Rule(3630, 390, 10425, 3), Line(368, 3629, 368, 10400, 3), Line(10425, 3630, 10425, 10400, 3),
    Rule(10425, 375, 10425, 3), Rule(4479, 368, 10425, 3),
    Column(1740), Column(3285), Column(4785), Column(7425),
    Row(4904), Row(5340), Row(5760), Row(6180), Row(6605), Row(7029), Row(7455), Row(7880), Row(8305),
    Row(8730), Row(9150), Row(9580), Row(10000),
    H(420, 1275, 465, "     DATA COMITERII"),
    H(1770, 1575, 525, "   NUMARUL JURNALULUI"),
    H(3450, 1635, 555, "ABATEREA         (CODUL)"),
    H(5100, 2235, 615, "    SANCTIUNEA     (DATA EXPIRARII)"),
    H(7530, 2895, 615, "     CINE A APLICAT-O       (ORGAN CONSTATATOR)"),
    PrintButton(0, 60, 90, 975, 495), ExitButton(0, 1050, 90, 975, 495),
    PrintButton(1, 180, 10800, 975, 495), ExitButton(1, 1170, 10800, 975, 495),
    Rule(15450, 390, 10410), Footer(420, 15480),
};

constexpr Page kPage{
    .caption = "Fisa permis verso",
    .items = kItems,
};

}  // namespace

frmFisaPermisV::frmFisaPermisV() : DocumentForm(kPage) { Form_Load(); }

}  // namespace document_forms
