#pragma once
// What frmPierdere's FillFields copies from the driving-licence holder's record
// (frmFisaPermis's txtF boxes) into the loss declaration's txt boxes.

#include <QList>
#include <QString>
#include <functional>

#include "document_forms/BoxText.h"

namespace document_forms {

// The record's boxes, by index.
using RecordBoxes = std::function<QString(int txtF)>;

// The declarant's full name in txt(0): the surname txtF(0), one blank and the first name
// txtF(1); then one record box for each of the other boxes it fills. The birthplace goes
// locality into locality and county into county: txt(6) from txtF(8), txt(8) from
// txtF(7).
QList<BoxText> PierdereFromRecord(const RecordBoxes& txtF);

}  // namespace document_forms
