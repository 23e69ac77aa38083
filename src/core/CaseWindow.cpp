#include "core/CaseWindow.h"

namespace core {
namespace {

QPointer<QWidget> g_window;
const CaseBoxes* g_boxes = nullptr;

}  // namespace

void RegisterCaseWindow(QWidget* window, const CaseBoxes* boxes) {
  g_window = window;
  g_boxes = boxes;
}

const CaseBoxes& CaseWindowBoxes() {
  return g_window && g_boxes ? *g_boxes : EmptyCaseBoxes();
}

QWidget* CaseWindow() { return g_window.data(); }

void ShowCaseWindow() {
  if (g_window) g_window->setVisible(true);
}

}  // namespace core
