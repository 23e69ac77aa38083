#include "core/CaseWindow.h"

namespace core {
namespace {

class EmptyBoxes : public CaseBoxes {
 public:
  QString txtCamp(int) const override { return {}; }
  QString txtVerso(int) const override { return {}; }
  QString txtSpecificatii() const override { return {}; }
};

QPointer<QWidget> g_window;
const CaseBoxes* g_boxes = nullptr;

}  // namespace

void RegisterCaseWindow(QWidget* window, const CaseBoxes* boxes) {
  g_window = window;
  g_boxes = boxes;
}

const CaseBoxes& CaseWindowBoxes() {
  static const EmptyBoxes empty;
  return g_window && g_boxes ? *g_boxes : empty;
}

QWidget* CaseWindow() { return g_window.data(); }

void ShowCaseWindow() {
  if (g_window) g_window->setVisible(true);
}

}  // namespace core
