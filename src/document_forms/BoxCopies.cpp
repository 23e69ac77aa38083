#include "document_forms/BoxCopies.h"

#include "core/CaseBoxes.h"

namespace document_forms {

void CopyBoxes(const core::CaseBoxes& boxes, std::span<const BoxCopy> copies, BoxTexts& out) {
  for (const BoxCopy& copy : copies) out[copy.box] = boxes.Text(copy.from);
}

}  // namespace document_forms
