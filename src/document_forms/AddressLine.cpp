#include "document_forms/AddressLine.h"

namespace document_forms {
namespace {

struct AddressPart {
  const char* prefix;
  core::BoxRef box;
};

constexpr AddressPart kParts[] = {
    {", str ", core::Box("VanzatorStrada")},     {", nr ", core::Box("VanzatorNumar")},
    {", bl ", core::Box("VanzatorBloc")},        {", sc ", core::Box("VanzatorScara")},
    {", ap ", core::Box("VanzatorApartament")},  {", jud ", core::Box("VanzatorJudet")},
};

}  // namespace

QString SellerAddressLine(const core::CaseBoxes& boxes) {
  QString line = boxes.Text(core::Box("VanzatorLocalitate"));
  for (const AddressPart& part : kParts) {
    const QString text = boxes.Text(part.box);
    if (!text.isEmpty()) line += QLatin1String(part.prefix) + text;
  }
  return line;
}

}  // namespace document_forms
