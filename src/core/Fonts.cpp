#include "core/Fonts.h"

#include "core/AppState.h"
#include "core/NumberReader.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/database/Database.h"

namespace core::fonts {
namespace {

// Thrown when a stored value does not convert to its font property.
struct BadValue {};

QString Text(const QVariant& value) {
  if (value.isNull()) throw BadValue{};
  return value.toString().trimmed();
}

double Number(const QVariant& value) {
  double n = 0;
  if (!ReadWholeNumber(Text(value), n)) throw BadValue{};
  return n;
}

// "True" or "False" in any letter case, or a number: zero false, any other true.
bool Flag(const QVariant& value) {
  const QString text = Text(value);
  if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
  if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
  return Number(value) != 0;
}

// Fills the font from the five rows of its key; false when the key has no row. A
// missing sixth row or a value that does not convert throws.
bool LoadFont(const char* key, QFont& font) {
  auto rs = BazaDate->OpenRecordset(
      QStringLiteral("SELECT * FROM Campuri WHERE Nume LIKE '%1'").arg(QLatin1String(key)));
  if (rs->BOF() && rs->EOF()) return false;
  auto value = [&] { return rs->Fields(QStringLiteral("Valoare")).Value(); };

  QFont loaded;
  const QString name = Text(value());
  if (name.isEmpty()) throw BadValue{};
  loaded.setFamily(name);
  rs->MoveNext();
  const double size = Number(value());
  if (size <= 0) throw BadValue{};
  loaded.setPointSizeF(size);
  rs->MoveNext();
  loaded.setBold(Flag(value()));
  rs->MoveNext();
  loaded.setItalic(Flag(value()));
  rs->MoveNext();
  loaded.setUnderline(Flag(value()));
  font = loaded;
  return true;
}

}  // namespace

const QFont& CreatedOnFirstUse(QFont& font) {
  if (font.resolveMask() == 0) font = QFont();
  return font;
}

void LoadFonts() {
  bool loaded = false;
  try {
    loaded = BazaDate && LoadFont("FontDrav", FontDrav) && LoadFont("DefFont", DefFont) &&
             LoadFont("FontRaport", FontRaport) && LoadFont("FontFisa", FontFisa);
  } catch (const BadValue&) {
  } catch (const platform::DatabaseFileError&) {
    throw;  // the file cannot be read: no word on the rows, which were not read
  } catch (const std::exception&) {  // the table or a row missing, a refused query
  }
  if (loaded) return;
  platform::MsgBox(QStringLiteral("Setarile fonturilor din BD sunt gresite. Va rog sa corectati!"),
                   platform::vbOKOnly);
  platform::End();
}

}  // namespace core::fonts
