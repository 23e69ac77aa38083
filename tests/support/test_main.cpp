// The one main of every test executable: an offscreen application, a private settings
// folder, and no dialog that could wait for a click.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/Application.h"
#include "platform/DialogScript.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

  core::Application app(argc, argv);  // the program's own, which reports escaped errors
  testing::InitGoogleTest(&argc, argv);

  platform::SetUnscriptedMessageHandler([](const platform::ShownMessage& m) {
    ADD_FAILURE() << "a message box was shown without a script: " << m.prompt.toStdString();
    return platform::DefaultAnswer(m.style);
  });
  platform::SetUnscriptedDialogHandler([](const QString& dialog) {
    ADD_FAILURE() << "a dialog was shown without a script: " << dialog.toStdString();
  });
  platform::SetEndHandler([](int code) { throw platform::ProgramEnded(code); });

  return RUN_ALL_TESTS();
}
