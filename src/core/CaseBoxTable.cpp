#include "core/CaseBoxTable.h"

namespace core {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool SameName(QStringView name, std::string_view fieldName) {
  return name == QLatin1StringView(fieldName.data(), static_cast<qsizetype>(fieldName.size()));
}

}  // namespace

std::optional<BoxRef> FindBox(QStringView fieldName) {
  for (const BoxSpec& b : kCampBoxes)
    if (SameName(fieldName, b.fieldName)) return BoxRef{BoxArray::txtCamp, b.index};
  for (const BoxSpec& b : kVersoBoxes)
    if (SameName(fieldName, b.fieldName)) return BoxRef{BoxArray::txtVerso, b.index};
  if (SameName(fieldName, kSpecificatiiBox.fieldName)) return BoxRef{BoxArray::txtSpecificatii, 0};
  return std::nullopt;
}

QString FieldName(BoxRef box) { return ToQString(Spec(box).fieldName); }

QString Caption(BoxRef box) { return ToQString(Spec(box).caption); }

}  // namespace core
