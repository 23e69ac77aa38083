#pragma once
// What a form's fill writes, apart from its window: box texts by index in the form's box
// array, most of them copied from the main window's case boxes by a table.
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

// Box `box` of the form takes the text of the case box `source`, unchanged.
struct BoxCopy {
  int box;
  core::BoxRef source;
};

// Writes every copy, in the table's order.
void CopyBoxes(const core::CaseBoxes& boxes, std::span<const BoxCopy> copies, BoxTexts& out);

}  // namespace document_forms
