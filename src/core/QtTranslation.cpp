#include "core/QtTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

#include "platform/QtDialogsInRomanian.h"

namespace core {

bool InstallQtTranslation(QCoreApplication& app) {
  static const QString kName = QStringLiteral("velorast_qt_translation");
  if (app.findChild<QTranslator*>(kName, Qt::FindDirectChildrenOnly)) return true;
  auto* translator = new QTranslator(&app);
  translator->setObjectName(kName);
  if (!translator->load(QStringLiteral(":/translations/qt_ro.qm")) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  platform::UseRomanianInQtDialogs(app);
  return true;
}

}  // namespace core
