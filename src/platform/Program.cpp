#include "platform/Program.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {
std::function<void(int)> g_endHandler;
int g_catchers = 0;
}  // namespace

void End(int exitCode) {
  if (g_catchers > 0) throw ProgramEnded(exitCode);
  if (g_endHandler) g_endHandler(exitCode);
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

void SetEndHandler(std::function<void(int)> handler) { g_endHandler = std::move(handler); }

ProgramEndCatcher::ProgramEndCatcher() { ++g_catchers; }
ProgramEndCatcher::~ProgramEndCatcher() { --g_catchers; }

}  // namespace platform
