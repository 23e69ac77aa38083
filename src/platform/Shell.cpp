#include "platform/Shell.h"

#include <QProcess>

namespace platform {
bool Shell(const QString& program) {
  if (program.isEmpty()) return false;
  if (ShellScript* script = ShellScript::Current()) {
    script->started_.append(program);
    return script->starts;
  }
  return QProcess::startDetached(program, {});
}

}  // namespace platform
