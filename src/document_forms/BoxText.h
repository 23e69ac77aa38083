#pragma once
// One text that a form's fill writes into one of its boxes, by the box's index.

#include <QString>

namespace document_forms {

struct BoxText {
  int box;
  QString text;
  friend bool operator==(const BoxText&, const BoxText&) = default;
};

}  // namespace document_forms
