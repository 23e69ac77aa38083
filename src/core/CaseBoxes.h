#pragma once
// The case data boxes of the main window, as the documents read them: the vehicle boxes
// txtCamp(0..44), the price, buyer, plate and seller boxes txtVerso(0..39) and the
// specifications box. Documents only read them.

#include <QString>

namespace core {

class CaseBoxes {
 public:
  virtual ~CaseBoxes() = default;
  virtual QString txtCamp(int index) const = 0;   // 0..44
  virtual QString txtVerso(int index) const = 0;  // 0..39
  virtual QString txtSpecificatii() const = 0;
};

}  // namespace core
