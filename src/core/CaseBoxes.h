#pragma once
// The case data boxes of the main window, as the documents read them: the vehicle boxes
// txtCamp(0..44), the price, buyer, plate and seller boxes txtVerso(0..39) and the
// specifications box. Documents only read them, by index or by field name
// (core/CaseBoxTable.h): boxes.Text(core::Box("CumparatorCNP")) is txtVerso(4).

#include <QString>
#include <QStringView>

#include "core/CaseBoxTable.h"

namespace core {

class CaseBoxes {
 public:
  virtual ~CaseBoxes() = default;
  virtual QString txtCamp(int index) const = 0;   // 0..44
  virtual QString txtVerso(int index) const = 0;  // 0..39
  virtual QString txtSpecificatii() const = 0;

  // The text of one box.
  QString Text(BoxRef box) const;
  // The text of the box with that field name; a name that no box has raises
  // platform::RuntimeError 9 (subscript out of range).
  QString Text(QStringView fieldName) const;
};

// Boxes that are all empty.
const CaseBoxes& EmptyCaseBoxes();

}  // namespace core
