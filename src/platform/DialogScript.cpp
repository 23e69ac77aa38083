#include "platform/DialogScript.h"

namespace platform {
namespace {
std::function<void(const QString&)> g_unscripted;
}  // namespace

void SetUnscriptedDialogHandler(std::function<void(const QString& dialog)> handler) {
  g_unscripted = std::move(handler);
}

bool UnscriptedDialog(const QString& dialog) {
  if (!g_unscripted) return false;
  g_unscripted(dialog);
  return true;
}

}  // namespace platform
