// The fill of the tax declaration's back: the vehicle in the first row of the group of
// its category, goods and special vehicles, tractors, motorcycles or trailers.

#include <QStringList>

#include "core/CaseBoxes.h"
#include "document_forms/TaxDeclaration.h"

namespace document_forms {
namespace {

struct Group {
  QStringList words;
  VehicleRow row;
  core::BoxRef third;
};

const Group& GroupAt(int i) {
  static const Group groups[] = {
      {{"AUTOUTILITARA", "AUTOSPECIALIZATA"}, {0, 2, 3, 4}, core::Box("Cilindree")},
      {{"TRACTOR"}, {15, 17, 18, 19}, core::Box("Cilindree")},
      {{"MOTOCICLETA", "MOTORETA", "SCUTER", "ATAS"}, {30, 32, 33, 34}, core::Box("Cilindree")},
      {{"REMORCA", "SEMIREMORCA", "RULOTA"}, {59, 57, kNoBox, 56}, core::Box("MasaTotalaMax")},
  };
  return groups[i];
}

}  // namespace

BackRow VehicleRowBack(const QString& categoria) {
  const QString word = CategoryWord(categoria);
  for (int i = 0; i < 4; ++i)
    if (GroupAt(i).words.contains(word)) return BackRow(i + 1);
  return BackRow::kNone;
}

BoxTexts FillImpuneV(const core::CaseBoxes& boxes) {
  BoxTexts out;
  const BackRow row = VehicleRowBack(boxes.Text(core::Box("Categoria")));
  if (row != BackRow::kNone) {
    const Group& group = GroupAt(int(row) - 1);
    FillVehicleRow(boxes, group.row, group.third, out);
  }
  return out;
}

}  // namespace document_forms
