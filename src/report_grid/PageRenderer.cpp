#include "report_grid/PageRenderer.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <deque>
#include <utility>

#include "platform/FittedText.h"

namespace report_grid {

// ---- GridGeometry -------------------------------------------------------------------

GridGeometry::GridGeometry(const ReportGrid& grid) {
  x_.assign(grid.Cols() + 1, 0.0);
  y_.assign(grid.Rows() + 1, 0.0);
  for (int c = 1; c < grid.Cols(); ++c) x_[c + 1] = x_[c] + grid.ColumnWidth(c);
  for (int r = 1; r < grid.Rows(); ++r) y_[r + 1] = y_[r] + grid.RowHeight(r);
}

QRectF GridGeometry::AreaRect(const CellRect& a) const {
  return QRectF(QPointF(x_[a.col1], y_[a.row1]), QPointF(x_[a.col2 + 1], y_[a.row2 + 1]));
}

CellRect GridGeometry::AreaAt(const ReportGrid& grid, QPointF p) const {
  const CellRect none{-1, -1, -1, -1};
  if (p.x() < 0 || p.y() < 0 || p.x() >= x_.back() || p.y() >= y_.back()) return none;
  // The last column or row whose left or top edge is at or before the point and that
  // has a size; hidden columns and rows cannot be hit.
  const auto col = std::upper_bound(x_.begin() + 1, x_.end(), p.x()) - x_.begin() - 1;
  const auto row = std::upper_bound(y_.begin() + 1, y_.end(), p.y()) - y_.begin() - 1;
  if (col < 1 || row < 1 || col >= grid.Cols() || row >= grid.Rows()) return none;
  return grid.AreaOf(static_cast<int>(row), static_cast<int>(col));
}

QFont QFontOf(const FontState& f) {
  QFont font(f.name);
  font.setPointSizeF(f.size);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  // The outlines as designed, not fitted to a screen's pixels: the same widths at every
  // resolution.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

void DrawCellText(QPainter& painter, const QRectF& rect, const QFont& font, Qt::Alignment alignment, bool wrap,
                  const QString& text, double devicePixelsPerUnit, const QMarginsF& lines, const QMarginsF& clear) {
  platform::DrawFitted(painter,
                       platform::FitText(text, font,
                                         platform::TextRoom{.rect = rect,
                                                            .alignment = alignment,
                                                            .unitsPerInch = devicePixelsPerUnit * kUnitsPerInch,
                                                            .lines = lines,
                                                            .clear = clear,
                                                            .wrap = wrap}));
}

// ---- Painting -----------------------------------------------------------------------

namespace {

// One drawable cell: an unmerged cell or a merged area, with the lines of its edges.
struct Piece {
  CellRect area;
  QRectF rect;  // device pixels
  EdgeState edges[4];
  bool sized = false;  // has a width and a height
  bool shows = false;  // has a size, and on paper is printable
  bool showsLines = false;  // shows, and on paper puts out the lines it holds
};

class Painter {
 public:
  Painter(QPainter& p, const ReportGrid& grid, double dpiX, double dpiY, RenderTarget target)
      : p_(p), grid_(grid), geo_(grid), sx_(dpiX / kUnitsPerInch), sy_(dpiY / kUnitsPerInch),
        target_(target), rows_(grid.Rows()), cols_(grid.Cols()),
        pieceOf_(static_cast<size_t>(rows_) * cols_, -1) {}

  void Run() {
    CollectPieces();
    if (target_ == RenderTarget::kScreen) {
      const QSizeF size = geo_.Size();
      p_.fillRect(QRectF(0, 0, size.width() * sx_, size.height() * sy_), Qt::white);
    }
    for (const Piece& piece : pieces_)
      if (piece.shows) PaintContent(piece);
    PaintLines();
  }

 private:
  QRectF ToDevice(const QRectF& r) const {
    return QRectF(r.x() * sx_, r.y() * sy_, r.width() * sx_, r.height() * sy_);
  }

  void CollectPieces() {
    for (int r = 1; r < rows_; ++r) {
      for (int c = 1; c < cols_; ++c) {
        const CellState& s = grid_.State(r, c);
        const bool covered = s.anchorRow >= 0 && (s.anchorRow != r || s.anchorCol != c);
        if (covered) continue;
        Piece piece;
        piece.area = grid_.AreaOf(r, c);
        piece.rect = ToDevice(geo_.AreaRect(piece.area));
        for (int e = 0; e < 4; ++e) piece.edges[e] = grid_.EffectiveEdge(r, c, e);
        piece.sized = piece.rect.width() > 0 && piece.rect.height() > 0;
        piece.shows = piece.sized && (target_ == RenderTarget::kScreen || s.printable);
        piece.showsLines = piece.shows && (target_ == RenderTarget::kScreen || s.linesPrintable);
        const int index = static_cast<int>(pieces_.size());
        pieces_.push_back(piece);
        for (int rr = piece.area.row1; rr <= piece.area.row2; ++rr)
          for (int cc = piece.area.col1; cc <= piece.area.col2; ++cc)
            pieceOf_[static_cast<size_t>(rr) * cols_ + cc] = index;
      }
    }
  }

  // A page holds few fonts: each made once, found again by its state.
  const QFont& FontFor(const FontState& f) {
    for (const auto& [state, font] : fonts_)
      if (state == f) return font;
    return fonts_.emplace_back(f, QFontOf(f)).second;
  }

  static Qt::Alignment AlignmentOf(int code) {
    Qt::Alignment a;
    switch (code / 4) {
      case 2: a = Qt::AlignHCenter; break;
      case 3: a = Qt::AlignRight; break;
      default: a = Qt::AlignLeft; break;
    }
    switch (code % 4) {
      case 1: a |= Qt::AlignTop; break;
      case 3: a |= Qt::AlignBottom; break;
      default: a |= Qt::AlignVCenter; break;
    }
    return a;
  }

  void PaintContent(const Piece& piece) {
    const CellState& s = grid_.State(piece.area.row1, piece.area.col1);
    const Qt::Alignment align = AlignmentOf(s.alignment);
    const QRectF inner = piece.rect.adjusted(kTextInsetUnits * sx_, 0, -kTextInsetUnits * sx_, 0);
    if (s.cellType == kCellTickBox) {
      PaintTickBox(inner, align, s.text == QLatin1String("1"));
      return;
    }
    if (s.text.isEmpty() || inner.width() <= 0) return;
    p_.setPen(Qt::black);
    // Along each side: how far the widest line drawn there reaches into the text's room,
    // with a hair's breadth of paper beside it (never touched), and how much further the
    // text keeps from it, so that it stands kTextClearUnits clear of the line wherever the
    // fit rule can (platform::TextRoom).
    const double inset[4] = {kTextInsetUnits * sx_, kTextInsetUnits * sx_, 0, 0};
    const double unit[4] = {sx_, sx_, sy_, sy_};
    double reach[4], keep[4];
    for (int edge : {kEdgeLeft, kEdgeRight, kEdgeTop, kEdgeBottom}) {
      const double half = HalfLineAlong(piece, edge);
      reach[edge] = half > 0 ? std::max(0.0, half + kTextGapUnits * unit[edge] - inset[edge]) : 0;
      keep[edge] = half > 0 ? std::max(0.0, half + kTextClearUnits * unit[edge] - inset[edge] - reach[edge]) : 0;
    }
    DrawCellText(p_, inner, FontFor(grid_.FontOf(piece.area.row1, piece.area.col1)), align, s.wrap, s.text, sx_,
                 QMarginsF(reach[kEdgeLeft], reach[kEdgeTop], reach[kEdgeRight], reach[kEdgeBottom]),
                 QMarginsF(keep[kEdgeLeft], keep[kEdgeTop], keep[kEdgeRight], keep[kEdgeBottom]));
  }

  // Half the width of the widest line drawn along one side of a piece (device pixels),
  // or 0.
  double HalfLineAlong(const Piece& piece, int edge) const {
    const bool upright = edge == kEdgeLeft || edge == kEdgeRight;
    const bool before = edge == kEdgeLeft || edge == kEdgeTop;  // the neighbour to the left or above
    const int facing = edge ^ 1;                                 // the neighbour's edge against it
    const int beside = upright ? (before ? piece.area.col1 - 1 : piece.area.col2 + 1)
                               : (before ? piece.area.row1 - 1 : piece.area.row2 + 1);
    const int first = upright ? piece.area.row1 : piece.area.col1;
    const int last = upright ? piece.area.row2 : piece.area.col2;
    double half = 0;
    for (int i = first; i <= last; ++i) {
      const Piece* other = upright ? PieceAt(i, beside) : PieceAt(beside, i);
      const int style = before ? LineBetween(other, facing, &piece, edge) : LineBetween(&piece, edge, other, facing);
      if (style != kLineNone) half = std::max(half, WidthOf(style, upright ? sx_ : sy_) / 2);
    }
    return half;
  }

  void PaintTickBox(const QRectF& inner, Qt::Alignment align, bool ticked) {
    const double side = std::min({kTickBoxUnits * sx_, inner.width(), inner.height() - sy_});
    if (side <= 0) return;
    double x = inner.left();
    if (align & Qt::AlignHCenter) x = inner.center().x() - side / 2;
    if (align & Qt::AlignRight) x = inner.right() - side;
    double y = inner.center().y() - side / 2;
    if (align & Qt::AlignTop) y = inner.top();
    if (align & Qt::AlignBottom) y = inner.bottom() - side;
    const QRectF box(x, y, side, side);
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(Qt::black, kThinLineUnits * sx_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p_.drawRect(box);
    if (ticked) {
      QPainterPath tick;
      tick.moveTo(box.left() + side * 0.2, box.top() + side * 0.55);
      tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.78);
      tick.lineTo(box.left() + side * 0.82, box.top() + side * 0.25);
      p_.setPen(QPen(Qt::black, kThickLineUnits * sx_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p_.drawPath(tick);
    }
  }

  const Piece* PieceAt(int r, int c) const {
    if (r < 1 || r >= rows_ || c < 1 || c >= cols_) return nullptr;
    return &pieces_[pieceOf_[static_cast<size_t>(r) * cols_ + c]];
  }

  // The line on the boundary between two pieces: the later of the two settings that
  // face each other, as the screen shows it. On paper it comes out only when a printable
  // piece holds a line there itself: a printable cell brings its own lines, never those
  // that only its neighbour holds. An inner line of a range is held by both sides.
  // With `drawnOnly` a piece whose lines the page leaves out holds none; without it the
  // line is still there for its text to keep clear of, as it is on the pre-printed sheet.
  int LineBetween(const Piece* a, int edgeOfA, const Piece* b, int edgeOfB, bool drawnOnly = false) const {
    EdgeState best;
    bool heldByShown = false;
    for (const auto& [piece, edge] : {std::pair{a, edgeOfA}, std::pair{b, edgeOfB}}) {
      if (!piece || !piece->sized) continue;
      const EdgeState& e = piece->edges[edge];
      if (e.stamp > best.stamp) best = e;
      if ((drawnOnly ? piece->showsLines : piece->shows) && e.style != kLineNone) heldByShown = true;
    }
    return heldByShown ? int{best.style} : int{kLineNone};
  }

  struct Segment {
    int style;
    bool horizontal;
    double at, from, to;  // device pixels
  };

  // The width of a line of `style` drawn across `unit` device pixels a grid unit.
  static double WidthOf(int style, double unit) {
    return (style == kLineThick ? kThickLineUnits : kThinLineUnits) * unit;
  }

  // For the end of a line that lies at `at` and ends at `along`: half the width of the
  // widest of `across` (the lines at right angles to it) that passes through or ends at
  // that point. The line reaches that far past its end, so that a frame's corner is
  // closed; a line that nothing meets stops at its cell's edge.
  static double HalfWidthMeeting(const std::vector<Segment>& across, double at, double along, double unit) {
    double widest = 0;
    for (const Segment& s : across)
      if (s.at == along && s.from <= at && at <= s.to) widest = std::max(widest, WidthOf(s.style, unit));
    return widest / 2;
  }

  void Add(std::vector<Segment>& out, const Segment& s) {
    if (s.to <= s.from) return;
    if (!out.empty()) {
      Segment& last = out.back();
      if (last.style == s.style && last.horizontal == s.horizontal && last.at == s.at && last.to == s.from) {
        last.to = s.to;
        return;
      }
    }
    out.push_back(s);
  }

  void PaintLines() {
    std::vector<Segment> horizontal, vertical, guides;
    const bool screen = target_ == RenderTarget::kScreen;
    // Horizontal boundaries: above row r, for r = 1 (top of the document) to rows_.
    for (int r = 1; r <= rows_; ++r) {
      const double y = geo_.RowTop(r) * sy_;
      for (int c = 1; c < cols_; ++c) {
        const Piece* above = PieceAt(r - 1, c);
        const Piece* below = PieceAt(r, c);
        if (above == below) continue;
        const Segment seg{LineBetween(above, kEdgeBottom, below, kEdgeTop, true), true, y,
                          geo_.ColumnLeft(c) * sx_, geo_.ColumnLeft(c + 1) * sx_};
        if (seg.style != kLineNone) Add(horizontal, seg);
        else if (screen) Add(guides, seg);
      }
    }
    // Vertical boundaries: left of column c.
    for (int c = 1; c <= cols_; ++c) {
      const double x = geo_.ColumnLeft(c) * sx_;
      for (int r = 1; r < rows_; ++r) {
        const Piece* left = PieceAt(r, c - 1);
        const Piece* right = PieceAt(r, c);
        if (left == right) continue;
        const Segment seg{LineBetween(left, kEdgeRight, right, kEdgeLeft, true), false, x,
                          geo_.RowTop(r) * sy_, geo_.RowTop(r + 1) * sy_};
        if (seg.style != kLineNone) Add(vertical, seg);
        else if (screen) Add(guides, seg);
      }
    }
    // Each loop walks along one boundary line at a time, so Add joins the runs.
    if (screen) {
      p_.setPen(QPen(QColor(215, 215, 215), 0));
      for (const Segment& s : guides) Draw(s);
    }
    // A line reaches past its ends by half the width of a line that meets it there.
    for (const std::vector<Segment>* lines : {&horizontal, &vertical}) {
      const std::vector<Segment>& across = lines == &horizontal ? vertical : horizontal;
      const double acrossUnit = lines == &horizontal ? sx_ : sy_;
      for (Segment s : *lines) {
        s.from -= HalfWidthMeeting(across, s.at, s.from, acrossUnit);
        s.to += HalfWidthMeeting(across, s.at, s.to, acrossUnit);
        QPen pen(Qt::black);
        pen.setCapStyle(Qt::FlatCap);
        pen.setWidthF(WidthOf(s.style, s.horizontal ? sy_ : sx_));
        if (s.style == kLineDotted) pen.setStyle(Qt::DotLine);
        p_.setPen(pen);
        Draw(s);
      }
    }
  }

  void Draw(const Segment& s) {
    if (s.horizontal) p_.drawLine(QPointF(s.from, s.at), QPointF(s.to, s.at));
    else p_.drawLine(QPointF(s.at, s.from), QPointF(s.at, s.to));
  }

  QPainter& p_;
  const ReportGrid& grid_;
  GridGeometry geo_;
  double sx_, sy_;  // device pixels per grid unit
  RenderTarget target_;
  int rows_, cols_;
  std::vector<Piece> pieces_;
  std::vector<int> pieceOf_;
  std::deque<std::pair<FontState, QFont>> fonts_;  // stable references as it grows
};

}  // namespace

void PaintGrid(QPainter& painter, const ReportGrid& grid, double dpiX, double dpiY, RenderTarget target) {
  painter.save();
  Painter(painter, grid, dpiX, dpiY, target).Run();
  painter.restore();
}

QPointF MarginOffset(const PageSettings& page, double dpiX, double dpiY) {
  return QPointF(page.leftMargin / 2.54 * dpiX, page.topMargin / 2.54 * dpiY);
}

void PaintPage(QPainter& painter, const ReportGrid& grid) {
  const QPaintDevice* device = painter.device();
  const double dpiX = device->logicalDpiX(), dpiY = device->logicalDpiY();
  painter.save();
  painter.translate(MarginOffset(grid.Page(), dpiX, dpiY));
  PaintGrid(painter, grid, dpiX, dpiY, RenderTarget::kPaper);
  painter.restore();
}

}  // namespace report_grid
