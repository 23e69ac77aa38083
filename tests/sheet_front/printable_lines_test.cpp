// The complete front printed onto pre-printed paper (data cells only): each value cell
// comes out whole, with every line around it, whichever neighbour holds the line.

#include <QImage>
#include <gtest/gtest.h>

#include "SheetFixtures.h"
#include "report_grid/PageRenderer.h"
#include "report_grid/Printing.h"
#include "sheet_front/modFisaFata.h"

using namespace report_grid;
using namespace sheet_front;

namespace {

constexpr int kDpi = 192;  // two pixels a grid unit

// Whether the line along one edge of `rect` (pixels) is dark at five points along it.
bool EdgeDark(const QImage& image, const QRectF& rect, int edge, std::vector<bool>* points = nullptr) {
  bool all = true;
  for (double f : {0.1, 0.3, 0.5, 0.7, 0.9}) {
    QPointF at;
    switch (edge) {
      case kEdgeLeft: at = {rect.left(), rect.top() + f * rect.height()}; break;
      case kEdgeRight: at = {rect.right(), rect.top() + f * rect.height()}; break;
      case kEdgeTop: at = {rect.left() + f * rect.width(), rect.top()}; break;
      default: at = {rect.left() + f * rect.width(), rect.bottom()}; break;
    }
    // The line is centred on the boundary: look at the pixels on both sides of it.
    int darkest = 255;
    for (int d = -1; d <= 0; ++d) {
      const bool vertical = edge == kEdgeLeft || edge == kEdgeRight;
      const int x = int(at.x()) + (vertical ? d : 0), y = int(at.y()) + (vertical ? 0 : d);
      if (image.rect().contains(x, y)) darkest = std::min(darkest, qGray(image.pixel(x, y)));
    }
    if (points) points->push_back(darkest < 128);
    all = all && darkest < 128;
  }
  return all;
}

}  // namespace

TEST(PrintableLines, EveryValueCellOfTheCompleteFrontPrintsFramedWhole) {
  ReportGrid g;
  LayoutFisaFataComplet(g, sheettest::Boxes());
  SetPrintFisaFata(g, true);
  const QImage whole = RenderPageImage(g, kDpi);
  SetPrintFisaFata(g, false);
  const QImage data = RenderPageImage(g, kDpi);

  const GridGeometry geo(g);
  const QPointF margin = MarginOffset(g.Page(), kDpi, kDpi);
  const double scale = double(kDpi) / kUnitsPerInch;
  int framedEdges = 0;
  for (const DataCell& d : kFisaFataDataCells) {
    const QRectF units = geo.AreaRect(g.AreaOf(d.row, d.col));
    const QRectF px(margin + units.topLeft() * scale, units.size() * scale);
    for (int edge : {kEdgeLeft, kEdgeRight, kEdgeTop, kEdgeBottom}) {
      std::vector<bool> onWhole, onData;
      EdgeDark(whole, px, edge, &onWhole);
      EdgeDark(data, px, edge, &onData);
      // Where the complete sheet has the line, the data cell prints it too.
      EXPECT_EQ(onData, onWhole) << "cell " << d.row << ", " << d.col << " edge " << edge;
      framedEdges += EdgeDark(whole, px, edge);
    }
  }
  EXPECT_GT(framedEdges, 45);  // the value cells are framed on the complete sheet
}
