// Each document opens at its top: a document laid after another that the clerk scrolled
// shows its first row and column, with its first cell current.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>

#include "LetterFixtures.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"
#include "grid_documents/modEvidenta.h"
#include "report_grid/ReportGridView.h"
#include "sheet_back/modFisaVerso.h"

using lettertest::Boxes;
using report_grid::CellRect;
using report_grid::ReportGrid;

namespace {

class FromTop : public lettertest::LetterTest {};

TEST_F(FromTop, ALetterLaidAfterTheScrolledBackShowsItsFirstRowAndColumn) {
  using Layout = void (*)(ReportGrid&, const core::CaseBoxes&);
  const std::pair<const char*, Layout> letters[] = {
      {"request", grid_documents::LayoutEvidenta},
      {"contract", grid_documents::LayoutCV},
      {"certificate", grid_documents::LayoutCertifRadiere},
      {"contract and certificate", grid_documents::LayoutCVCertifRadiere},
      {"the back again", sheet_back::LayoutFisaVerso},
  };
  report_grid::ReportGridView view;
  view.resize(300, 200);  // smaller than any document: both scroll bars are in use
  view.show();
  QApplication::processEvents();
  for (auto [name, layout] : letters) {
    SCOPED_TRACE(name);
    sheet_back::LayoutFisaVerso(view.Model(), Boxes());
    view.viewport()->repaint();
    QScrollBar* across = view.horizontalScrollBar();
    QScrollBar* down = view.verticalScrollBar();
    ASSERT_GT(across->maximum(), 0);
    ASSERT_GT(down->maximum(), 0);
    across->setValue(across->maximum());  // the clerk scrolls to the back's end
    down->setValue(down->maximum());
    view.SetCurrentCell(45, 20);

    layout(view.Model(), Boxes());
    view.viewport()->repaint();
    EXPECT_EQ(across->value(), 0);
    EXPECT_EQ(down->value(), 0);
    EXPECT_EQ(view.CurrentArea(), view.Model().AreaOf(1, 1));
  }
}

}  // namespace
