#include "CaseFile.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <stdexcept>

#include "core/CaseBoxTable.h"
#include "main_window/frmVelorast.h"
#include "platform/MultiLineTextBox.h"
#include "platform/TextBox.h"

namespace snapshot {
namespace {

CaseFile Failed(int line, const QString& reason) {
  return {.boxes = {}, .error = QStringLiteral("line %1: %2").arg(line).arg(reason)};
}

}  // namespace

CaseFile ParseCase(const QByteArray& text) {
  CaseFile result;
  QHash<QString, int> namedOn;  // field name -> the line that named it
  const QList<QByteArray> lines = text.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    QByteArray bytes = lines[i];
    if (bytes.endsWith('\r')) bytes.chop(1);  // a file written with CR LF line ends
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString line = utf8.decode(bytes);
    if (utf8.hasError()) return Failed(number, QStringLiteral("not UTF-8 text"));
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) return Failed(number, QStringLiteral("not Name=value: \"%1\"").arg(line));
    const QString name = line.left(equals).trimmed();
    const std::optional<core::BoxRef> box = core::FindBox(name);
    if (!box) return Failed(number, QStringLiteral("no case box is named \"%1\"").arg(name));
    if (const auto first = namedOn.constFind(name); first != namedOn.constEnd())
      return Failed(number, QStringLiteral("%1 is named again (first on line %2)").arg(name).arg(*first));
    namedOn.insert(name, number);
    QString value = line.mid(equals + 1);
    value.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
    const int limit = core::Spec(*box).maxLength;
    if (limit > 0 && value.size() > limit)
      return Failed(number, QStringLiteral("%1 takes at most %2 characters, \"%3\" has %4")
                                .arg(name)
                                .arg(limit)
                                .arg(value)
                                .arg(value.size()));
    result.boxes.append({name, value});
  }
  return result;
}

CaseFile ReadCaseFile(const QString& path) {
  QFile file(path);
  CaseFile result;
  if (!file.open(QIODevice::ReadOnly)) {
    result.error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return result;
  }
  result = ParseCase(file.readAll());
  if (!result.Read()) result.error = path + QStringLiteral(": ") + result.error;
  return result;
}

void FillBoxes(frmVelorast& window, const QList<std::pair<QString, QString>>& boxes) {
  for (const auto& [name, text] : boxes) {
    const std::optional<core::BoxRef> box = core::FindBox(name);
    if (!box) throw std::invalid_argument("no case box named " + name.toStdString());
    switch (box->array) {
      case core::BoxArray::txtCamp: window.txtCamp.at(box->index)->setText(text); break;
      case core::BoxArray::txtVerso: window.txtVerso.at(box->index)->setText(text); break;
      case core::BoxArray::txtSpecificatii: window.txtSpecificatii->SetText(text); break;
    }
  }
}

}  // namespace snapshot
