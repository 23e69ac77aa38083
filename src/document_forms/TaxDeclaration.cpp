#include "document_forms/TaxDeclaration.h"

#include "core/CaseBoxes.h"
#include "core/DatabaseSchema.h"
#include "core/Modul.h"

namespace document_forms {

QString CategoryWord(const QString& categoria) {
  QString first, rest;
  core::SplitAtBlank20(categoria, first, rest);
  // Blanks only: a word followed by a tab is no category word.
  return core::schema::TrimBlanks(first.toUpper());
}

QString ChassisSeries(const QString& nrIdentificare) { return nrIdentificare.right(6); }

void FillVehicleRow(const core::CaseBoxes& boxes, const VehicleRow& row, core::BoxRef thirdSource,
                    BoxTexts& out) {
  out[row.makeAndType] =
      boxes.Text(core::Box("Marca")) + QLatin1Char(' ') + boxes.Text(core::Box("Tipul"));
  out[row.chassis] = ChassisSeries(boxes.Text(core::Box("NrIdentificare")));
  if (row.engine != kNoBox) out[row.engine] = boxes.Text(core::Box("MotorSerie"));
  out[row.third] = boxes.Text(thirdSource);
}

}  // namespace document_forms
