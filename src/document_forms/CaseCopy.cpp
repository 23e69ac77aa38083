#include "document_forms/CaseCopy.h"

namespace document_forms {

void CopyBoxes(DocumentForm& form, const core::CaseBoxes& boxes, std::span<const BoxCopy> copies) {
  for (const BoxCopy& copy : copies) form.SetText(copy.box, boxes.Text(copy.from));
}

}  // namespace document_forms
