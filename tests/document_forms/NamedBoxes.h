#pragma once
// Case boxes that a test fills by field name; every other box is empty.
//
//   NamedBoxes boxes{{"Categoria", "AUTOTURISM M1"}, {"Cilindree", "1390"}};

#include <QString>
#include <initializer_list>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>

#include "core/CaseBoxes.h"

namespace formtest {

class NamedBoxes : public core::CaseBoxes {
 public:
  NamedBoxes() = default;
  NamedBoxes(std::initializer_list<std::pair<const char*, QString>> texts) {
    for (const auto& [name, text] : texts) Set(name, text);
  }
  void Set(const char* fieldName, const QString& text) {
    const std::optional<core::BoxRef> box = core::FindBox(QString::fromLatin1(fieldName));
    if (!box) throw std::invalid_argument(fieldName);
    texts_[Key(*box)] = text;
  }

  QString txtCamp(int index) const override { return Get({core::BoxArray::txtCamp, index}); }
  QString txtVerso(int index) const override { return Get({core::BoxArray::txtVerso, index}); }
  QString txtSpecificatii() const override { return Get({core::BoxArray::txtSpecificatii, 0}); }

 private:
  static std::pair<int, int> Key(core::BoxRef box) { return {int(box.array), box.index}; }
  QString Get(core::BoxRef box) const {
    const auto it = texts_.find(Key(box));
    return it == texts_.end() ? QString() : it->second;
  }
  std::map<std::pair<int, int>, QString> texts_;
};

}  // namespace formtest
