#include "core/Settings.h"

#include <cmath>

#include "core/NumberReader.h"
#include "platform/SettingsStore.h"

namespace core::settings {
namespace {

void LoadOffset(const char* key, qint16& value) {
  value = NumberRule(platform::GetSetting(kApplication, kSection, QLatin1String(key))).Offset();
}

void LoadFlag(const char* key, bool& value) {
  value = FlagRule(platform::GetSetting(kApplication, kSection, QLatin1String(key)), value);
}

}  // namespace

RoundedNumber NumberRule(const QString& text) {
  QString kept;
  kept.reserve(text.size());
  for (QChar c : text)
    if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n')) kept += c;
  const double number = ReadLeadingNumber(kept).value;

  RoundedNumber out;
  out.value = std::isfinite(number) ? std::nearbyint(number) : number;  // halves to even
  out.fits16 = std::isfinite(out.value) && out.value >= -32768 && out.value <= 32767;
  return out;
}

bool FlagRule(const QString& text, bool current) {
  if (text.isEmpty()) return current;
  return text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

void LoadSettings() {
  Acte = platform::GetSetting(kApplication, kSection, QStringLiteral("Acte"));
  Fisa = platform::GetSetting(kApplication, kSection, QStringLiteral("Fisa"));
  LoadOffset("Top", Top);
  LoadOffset("Left", Left);
  LoadOffset("TopV", TopV);
  LoadOffset("LeftV", LeftV);
  LoadOffset("TopCVRad", TopCVRad);
  LoadOffset("LeftCVRad", LeftCVRad);
  LoadOffset("TopPF", TopPF);
  LoadOffset("LeftPF", LeftPF);
  LoadOffset("TopPJF", TopPJF);
  LoadOffset("LeftPJF", LeftPJF);
  LoadOffset("TopPJV", TopPJV);
  LoadOffset("LeftPJV", LeftPJV);
  LoadOffset("TopFPF", TopFPF);
  LoadOffset("LeftFPF", LeftFPF);
  LoadOffset("TopFPV", TopFPV);
  LoadOffset("LeftFPV", LeftFPV);
  LoadFlag("ContractInGrid", ContractInGrid);
  LoadFlag("UsesBD", UsesBD);
  CuloareFocus = platform::GetSetting(kApplication, kSection, QStringLiteral("CuloareFocus"));
}

}  // namespace core::settings
