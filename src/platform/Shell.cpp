#include "platform/Shell.h"

#include <QProcess>

namespace platform {
namespace {
ShellScript* g_script = nullptr;
}

ShellScript::ShellScript() : previous_(g_script) { g_script = this; }
ShellScript::~ShellScript() { g_script = previous_; }

bool Shell(const QString& program) {
  if (program.isEmpty()) return false;
  if (g_script) {
    g_script->started_.append(program);
    return g_script->starts;
  }
  return QProcess::startDetached(program, {});
}

}  // namespace platform
