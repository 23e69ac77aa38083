#pragma once
// Fills that copy main-window boxes as a table. A form copies straight into its boxes
// (DocumentForm::CopyFromCase); a fill written apart from its window, to be tested
// without one, collects box texts by index first.
//
//   constexpr BoxCopy kVehicle[] = {{13, core::Box("Categoria")}, {14, core::Box("Caroseria")}};
//   CopyBoxes(boxes, kVehicle, out);   // out[13], out[14] from txtCamp(0), txtCamp(1)

#include <QString>
#include <map>
#include <span>

#include "core/CaseBoxTable.h"

namespace core {
class CaseBoxes;
}

namespace document_forms {

using BoxTexts = std::map<int, QString>;

// One box of a fill copied from a main-window box: box `box` takes the text of `from`,
// unchanged.
struct BoxCopy {
  int box;
  core::BoxRef from;
};

// Writes every copy, in the table's order.
void CopyBoxes(const core::CaseBoxes& boxes, std::span<const BoxCopy> copies, BoxTexts& out);

}  // namespace document_forms
