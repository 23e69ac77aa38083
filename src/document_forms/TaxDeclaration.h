#pragma once
// The fills of the two faces of the local-tax declaration (frmImpuneF, frmImpuneV), apart
// from their windows: the category word of the vehicle, the one table row that each
// writes (make and type, chassis series, engine series and a third value, capacity or
// mass), and the front's taxpayer block and captions.

#include <QString>

#include "document_forms/BoxCopies.h"

namespace document_forms {

// The category word of Categoria: the part before its last blank among the first 20
// characters (the whole text when there is none), in capitals, without leading and
// trailing blanks. "AUTOTURISM M1" gives "AUTOTURISM", "AUTOTURISM DE TEREN M1G" gives
// "AUTOTURISM DE TEREN".
QString CategoryWord(const QString& categoria);

// The chassis series: the last six characters of the identification number, or the
// whole number when it is shorter.
QString ChassisSeries(const QString& nrIdentificare);

// The boxes of one row of a vehicle table that the fill writes; kNoBox: none.
inline constexpr int kNoBox = -1;
struct VehicleRow {
  int makeAndType;
  int chassis;
  int engine;
  int third;
};

// Writes the vehicle into the row: make and type as Marca, one blank and Tipul (the
// blank even when either is empty), the chassis series, MotorSerie, and the text of
// `thirdSource` unchanged in the third box. The date of acquisition is never written.
void FillVehicleRow(const core::CaseBoxes& boxes, const VehicleRow& row, core::BoxRef thirdSource,
                    BoxTexts& out);

// ---- The front

// The group of table 1 that holds buses, coaches and minibuses whatever their capacity.
inline constexpr int kBusGroup = 6;

// The group of table 1 for a passenger car of that cylinder capacity (the text read by
// its leading number, blanks skipped): 1 up to 1600 cm3, 2 from 1601 to 2000, 3 from
// 2001 to 2600, 4 from 2601 to 3000, 5 above that up to 10000; 0 outside every band
// (below 0, above 10000, or between two bands, as 1600.5).
int CapacityGroup(const QString& cilindree);

// The group of table 1 that the vehicle's row goes to: a passenger car by its capacity,
// a bus in kBusGroup; 0 for every other category, which the front does not place.
int VehicleGroupFront(const QString& categoria, const QString& cilindree);

// What FillFields writes: the boxes of txtPJ and the three captions of the taxpayer kind.
struct ImpuneFTexts {
  BoxTexts boxes;
  QString lblPers, lblTitlu, lblIBAN;
};
ImpuneFTexts FillImpuneF(const core::CaseBoxes& boxes);

// ---- The back

// Where the back places a vehicle: the first row of one of its groups.
enum class BackRow {
  kNone,              // any other category: the back stays empty
  kGoodsAndSpecial,   // table 1, group A: AUTOUTILITARA, AUTOSPECIALIZATA
  kTractors,          // table 1, group B: TRACTOR
  kMotorcycles,       // table 1, group C: MOTOCICLETA, MOTORETA, SCUTER, ATAS
  kTrailers,          // table 2: REMORCA, SEMIREMORCA, RULOTA
};
BackRow VehicleRowBack(const QString& categoria);

// What FillFields writes into txtPJ: the row of the category, its capacity (or, for a
// trailer, its total mass) as typed; nothing for any other category.
BoxTexts FillImpuneV(const core::CaseBoxes& boxes);

}  // namespace document_forms
