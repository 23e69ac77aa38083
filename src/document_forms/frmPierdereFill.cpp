#include "document_forms/frmPierdereFill.h"

namespace document_forms {
namespace {

// A declaration box and the record box it copies unchanged.
struct RecordCopy {
  int txt, txtF;
};

constexpr RecordCopy kRecordCopies[] = {
    {1, 2},    // father's name
    {2, 3},    // mother's name
    {6, 8},    // birthplace locality
    {8, 7},    // birthplace county or sector
    {9, 11},   // domicile locality
    {10, 12},  // street
    {11, 13},  // number
    {12, 14},  // block
    {13, 15},  // staircase
    {15, 16},  // flat
    {25, 23},  // employer
    {30, 21},  // job
    {31, 24},  // home telephone
    {32, 25},  // work telephone
};

}  // namespace

QList<BoxText> PierdereFromRecord(const RecordBoxes& txtF) {
  QList<BoxText> out{{0, txtF(0) + QLatin1Char(' ') + txtF(1)}};
  for (const RecordCopy& c : kRecordCopies) out.append({c.txt, txtF(c.txtF)});
  return out;
}

}  // namespace document_forms
