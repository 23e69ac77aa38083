#pragma once
// Qt's own texts that the program shows (the buttons of the message boxes, the folder,
// print and preview dialogs, the menus of the text boxes and windows) in Romanian, from
// the translation built into the program.

class QCoreApplication;

namespace core {

// Installs the translation on the application, once; true when it is installed.
bool InstallQtTranslation(QCoreApplication& app);

}  // namespace core
