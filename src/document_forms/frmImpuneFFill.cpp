// The fill of the tax declaration's front: the taxpayer block of the buyer's kind, the
// captions of that kind, and the passenger car or bus in the first row of its group.

#include <array>

#include "core/CaseBoxes.h"
#include "core/NumberReader.h"
#include "document_forms/PartyRules.h"
#include "document_forms/TaxDeclaration.h"

namespace document_forms {
namespace {

// Box by box, in the order written.
constexpr BoxCopy kNaturalPerson[] = {
    {0, core::Box("CumparatorNume")},        {1, core::Box("CumparatorCNP")},
    {2, core::Box("CumparatorSerieBI")},     {3, core::Box("CumparatorNrBI")},
    {4, core::Box("CumparatorJudet")},       {5, core::Box("CumparatorLocalitate")},
    {8, core::Box("CumparatorStrada")},      {9, core::Box("CumparatorNumar")},
    {10, core::Box("CumparatorBloc")},       {11, core::Box("CumparatorScara")},
    {13, core::Box("CumparatorApartament")}, {14, core::Box("CumparatorTelefoane")},
};
constexpr BoxCopy kLegalPerson[] = {
    {114, core::Box("CumparatorNume")},       {115, core::Box("CumparatorCodFiscal")},
    {116, core::Box("CumparatorJudet")},      {117, core::Box("CumparatorLocalitate")},
    {120, core::Box("CumparatorStrada")},     {121, core::Box("CumparatorNumar")},
    {128, core::Box("CumparatorBloc")},       {127, core::Box("CumparatorScara")},
    {125, core::Box("CumparatorApartament")}, {124, core::Box("CumparatorTelefoane")},
    {130, core::Box("CumparatorRegCom")},
};

// The first row of each group of table 1: make and type, chassis, engine, capacity.
constexpr std::array<VehicleRow, 6> kGroupRows{{
    {17, 19, 20, 21},
    {32, 34, 35, 36},
    {47, 49, 50, 51},
    {62, 65, 66, 68},
    {84, 86, 87, 88},
    {99, 101, 102, 103},
}};

// The closed capacity bands of groups 1 to 5, tested in this order.
struct Band {
  double from, to;
};
constexpr Band kBands[] = {{0, 1600}, {1601, 2000}, {2001, 2600}, {2601, 3000}, {3000, 10000}};

}  // namespace

int CapacityGroup(const QString& cilindree) {
  const double c =
      core::ReadLeadingNumber(core::WithoutBlanks(cilindree), core::NumberSyntax::kPlainDecimal).value;
  for (int group = 1; group <= 5; ++group)
    if (kBands[group - 1].from <= c && c <= kBands[group - 1].to) return group;
  return 0;
}

int VehicleGroupFront(const QString& categoria, const QString& cilindree) {
  const QString word = CategoryWord(categoria);
  if (word == QLatin1String("AUTOTURISM")) return CapacityGroup(cilindree);
  if (word == QLatin1String("AUTOBUZ") || word == QLatin1String("AUTOCAR") ||
      word == QLatin1String("MICROBUZ"))
    return kBusGroup;
  return 0;
}

ImpuneFTexts FillImpuneF(const core::CaseBoxes& boxes) {
  ImpuneFTexts out;
  if (IsFirm(boxes.Text(core::Box("CumparatorCodFiscal")))) {
    CopyBoxes(boxes, kLegalPerson, out.boxes);
    out.lblPers = QStringLiteral(" PERSOANE JURIDICE");
    out.lblTitlu = QStringLiteral(
        "in cazul contribuabillilor PERSOANA JURIDICA depusa pentru dobandire mijloace de transport, modificare,");
    out.lblIBAN = QStringLiteral("RO43TREZ2162116020202XXX");
  } else {
    CopyBoxes(boxes, kNaturalPerson, out.boxes);
    out.lblPers = QStringLiteral(" PERSOANE FIZICE");
    out.lblTitlu = QStringLiteral(
        "in cazul contribuabillilor PERSOANA FIZICA depusa pentru dobandire mijloace de transport, modificare,");
    out.lblIBAN = QStringLiteral("RO93TREZ2162116020201XXX");
  }
  const int group = VehicleGroupFront(boxes.Text(core::Box("Categoria")), boxes.Text(core::Box("Cilindree")));
  if (group != 0) FillVehicleRow(boxes, kGroupRows[group - 1], core::Box("Cilindree"), out.boxes);
  return out;
}

}  // namespace document_forms
