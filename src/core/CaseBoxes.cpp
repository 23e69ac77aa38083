#include "core/CaseBoxes.h"

#include "platform/RuntimeError.h"

namespace core {
namespace {

class EmptyBoxes : public CaseBoxes {
 public:
  QString txtCamp(int) const override { return {}; }
  QString txtVerso(int) const override { return {}; }
  QString txtSpecificatii() const override { return {}; }
};

}  // namespace

const CaseBoxes& EmptyCaseBoxes() {
  static const EmptyBoxes empty;
  return empty;
}

QString CaseBoxes::Text(BoxRef box) const {
  switch (box.array) {
    case BoxArray::txtCamp: return txtCamp(box.index);
    case BoxArray::txtVerso: return txtVerso(box.index);
    case BoxArray::txtSpecificatii: return txtSpecificatii();
  }
  return QString();
}

QString CaseBoxes::Text(QStringView fieldName) const {
  const std::optional<BoxRef> box = FindBox(fieldName);
  if (!box)
    throw platform::RuntimeError(platform::kErrSubscriptOutOfRange,
                                 QStringLiteral("Nu exista campul %1").arg(fieldName),
                                 QStringLiteral("Velorast.Casete"));
  return Text(*box);
}

}  // namespace core
