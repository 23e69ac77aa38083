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

platform::TextFit FitCellText(const QRectF& rect, const QFont& font, Qt::Alignment alignment, bool wrap,
                              const QString& text, double devicePixelsPerUnit, const QMarginsF& lines,
                              const QMarginsF& clear) {
  return platform::FitText(text, font,
                           platform::TextRoom{.rect = rect,
                                              .alignment = alignment,
                                              .unitsPerInch = devicePixelsPerUnit * kUnitsPerInch,
                                              .lines = lines,
                                              .clear = clear,
                                              .wrap = wrap});
}

void DrawCellText(QPainter& painter, const QRectF& rect, const QFont& font, Qt::Alignment alignment, bool wrap,
                  const QString& text, double devicePixelsPerUnit, const QMarginsF& lines, const QMarginsF& clear) {
  platform::DrawFitted(painter, FitCellText(rect, font, alignment, wrap, text, devicePixelsPerUnit, lines, clear));
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

struct Segment {
  int style;
  bool horizontal;
  double at, from, to;  // device pixels
  int atEdge = 0, fromEdge = 0, toEdge = 0;  // the row and column edges it runs along (PaperLine)
  double before = 0, after = 0;              // how far it reaches past them, device pixels
};

// The width of a line of `style` drawn across `unit` device pixels a grid unit.
double WidthOf(int style, double unit) { return (style == kLineThick ? kThickLineUnits : kThinLineUnits) * unit; }

// The cells of a grid as a target shows them, and the lines along them, in the pixels of
// a device of `dpiX` x `dpiY`.
class Pieces {
 public:
  Pieces(const ReportGrid& grid, double dpiX, double dpiY, RenderTarget target)
      : grid_(grid), geo_(grid), sx_(dpiX / kUnitsPerInch), sy_(dpiY / kUnitsPerInch), target_(target),
        rows_(grid.Rows()), cols_(grid.Cols()), pieceOf_(static_cast<size_t>(rows_) * cols_, -1) {
    CollectPieces();
  }

  // The lines the target draws, the horizontal ones first, each reaching past its ends by
  // half the width of a line that meets it there, so that a frame's corner is closed; and
  // on screen, into `guides`, the cell edges that have no line.
  std::vector<Segment> Lines(std::vector<Segment>* guides = nullptr) const {
    std::vector<Segment> horizontal, vertical;
    // The boundaries above row i (horizontal) and left of column i (vertical), for i = 1
    // (the document's top or left) on, cell by cell along each.
    for (const bool across : {true, false}) {
      const int lines = across ? rows_ : cols_, cells = across ? cols_ : rows_;
      for (int i = 1; i <= lines; ++i) {
        const double at = across ? geo_.RowTop(i) * sy_ : geo_.ColumnLeft(i) * sx_;
        for (int j = 1; j < cells; ++j) {
          const Piece* before = across ? PieceAt(i - 1, j) : PieceAt(j, i - 1);
          const Piece* after = across ? PieceAt(i, j) : PieceAt(j, i);
          if (before == after) continue;
          const double from = across ? geo_.ColumnLeft(j) * sx_ : geo_.RowTop(j) * sy_;
          const double to = across ? geo_.ColumnLeft(j + 1) * sx_ : geo_.RowTop(j + 1) * sy_;
          const Segment seg{LineBetween(before, across ? kEdgeBottom : kEdgeRight, after, across ? kEdgeTop : kEdgeLeft, true),
                            across, at, from, to, i, j, j + 1};
          if (seg.style != kLineNone) Add(across ? horizontal : vertical, seg);
          else if (guides) Add(*guides, seg);
        }
      }
    }
    // Each loop walks along one boundary line at a time, so Add joins the runs.
    std::vector<Segment> lines;
    lines.reserve(horizontal.size() + vertical.size());
    for (const std::vector<Segment>* along : {&horizontal, &vertical}) {
      const std::vector<Segment>& across = along == &horizontal ? vertical : horizontal;
      const double acrossUnit = along == &horizontal ? sx_ : sy_;
      for (Segment s : *along) {
        s.before = HalfWidthMeeting(across, s.at, s.from, acrossUnit);
        s.after = HalfWidthMeeting(across, s.at, s.to, acrossUnit);
        s.from -= s.before;
        s.to += s.after;
        lines.push_back(s);
      }
    }
    return lines;
  }

 protected:
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

  static void Add(std::vector<Segment>& out, const Segment& s) {
    if (s.to <= s.from) return;
    if (!out.empty()) {
      Segment& last = out.back();
      if (last.style == s.style && last.horizontal == s.horizontal && last.at == s.at && last.to == s.from) {
        last.to = s.to;
        last.toEdge = s.toEdge;
        return;
      }
    }
    out.push_back(s);
  }

  const ReportGrid& grid_;
  GridGeometry geo_;
  double sx_, sy_;  // device pixels per grid unit
  RenderTarget target_;
  int rows_, cols_;
  std::vector<Piece> pieces_;
  std::vector<int> pieceOf_;
};

class Painter : Pieces {
 public:
  Painter(QPainter& p, const ReportGrid& grid, double dpiX, double dpiY, RenderTarget target)
      : Pieces(grid, dpiX, dpiY, target), p_(p) {
    if (target_ != RenderTarget::kPaper) return;
    // The sheet's lines along this grid's rows and columns.
    for (const PaperLine& line : grid.SheetLines()) {
      const int across = line.horizontal ? rows_ : cols_, along = line.horizontal ? cols_ : rows_;
      if (line.at < 1 || line.at > across || line.from < 1 || line.to > along || line.from > line.to) continue;
      const auto acrossAt = [&](int edge) {
        return line.horizontal ? geo_.RowTop(edge) * sy_ : geo_.ColumnLeft(edge) * sx_;
      };
      const auto alongAt = [&](int edge) {
        return line.horizontal ? geo_.ColumnLeft(edge) * sx_ : geo_.RowTop(edge) * sy_;
      };
      const double unit = line.horizontal ? sx_ : sy_;
      sheet_.push_back(Segment{line.style, line.horizontal, acrossAt(line.at),
                               alongAt(line.from) - line.before * unit, alongAt(line.to) + line.after * unit});
    }
  }

  void Run() {
    if (target_ == RenderTarget::kScreen) {
      const QSizeF size = geo_.Size();
      p_.fillRect(QRectF(0, 0, size.width() * sx_, size.height() * sy_), Qt::white);
    }
    for (const Piece& piece : pieces_)
      if (piece.shows) PaintContent(piece);
    PaintLines();
  }

 private:
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
    const QFont& font = FontFor(grid_.FontOf(piece.area.row1, piece.area.col1));
    const auto fit = [&] {
      return FitCellText(inner, font, align, s.wrap, s.text, sx_,
                         QMarginsF(reach[kEdgeLeft], reach[kEdgeTop], reach[kEdgeRight], reach[kEdgeBottom]),
                         QMarginsF(keep[kEdgeLeft], keep[kEdgeTop], keep[kEdgeRight], keep[kEdgeBottom]));
    };
    platform::TextFit fitted = fit();
    if (!s.linesPrintable && !sheet_.empty()) KeepClearOfSheet(inner, reach, keep, fit, fitted);
    platform::DrawFitted(p_, fitted);
  }

  // A text printed onto a sheet that has its lines already stands where it is, unless
  // its letters come nearer one of the sheet's lines than a text keeps from a line along
  // its cell. Then that line bounds its room as a line along the side it lies on would:
  // the fit rule moves the text off it, or condenses or reduces it, and so on with any
  // sheet line that the new place comes near. A fit that shows fewer letters is not
  // taken: the value stays whole first.
  template <class Fit>
  void KeepClearOfSheet(const QRectF& room, double reach[4], double keep[4], const Fit& fit,
                        platform::TextFit& fitted) const {
    const auto raise = [](double& value, double to) {
      if (to <= value + 1e-9) return false;
      value = to;
      return true;
    };
    for (size_t round = 0; round < sheet_.size(); ++round) {
      if (fitted.lines.empty()) return;
      double left = fitted.lines.front().origin.x(), right = left;
      for (const platform::FittedLine& line : fitted.lines) {
        left = std::min(left, line.origin.x());
        right = std::max(right, line.origin.x() + line.width);
      }
      const QRectF ink(QPointF(left, fitted.inkTop), QPointF(right, fitted.inkBottom));
      bool grown = false;
      for (const Segment& line : sheet_) {
        const double unit = line.horizontal ? sy_ : sx_;
        const double half = WidthOf(line.style, unit) / 2, clear = kTextClearUnits * unit;
        const double alongFrom = line.horizontal ? ink.left() : ink.top();
        const double alongTo = line.horizontal ? ink.right() : ink.bottom();
        const double acrossFrom = line.horizontal ? ink.top() : ink.left();
        const double acrossTo = line.horizontal ? ink.bottom() : ink.right();
        if (alongTo <= line.from || alongFrom >= line.to) continue;
        if (acrossTo <= line.at - half - clear || acrossFrom >= line.at + half + clear) continue;
        // The side of the room it bounds: the one on its side of the letters' middle.
        const bool before = line.at < (acrossFrom + acrossTo) / 2;
        const int edge = line.horizontal ? (before ? kEdgeTop : kEdgeBottom) : (before ? kEdgeLeft : kEdgeRight);
        const double side = line.horizontal ? (before ? room.top() : room.bottom())
                                            : (before ? room.left() : room.right());
        const double into = before ? line.at - side : side - line.at;  // how far it lies inside the room
        double total = reach[edge] + keep[edge];
        grown = raise(reach[edge], into + half + kTextGapUnits * unit) | grown;
        grown = raise(total, into + half + clear) | grown;
        keep[edge] = total - reach[edge];
      }
      if (!grown) return;
      platform::TextFit moved = fit();
      if (Letters(moved) < Letters(fitted)) return;
      fitted = std::move(moved);
    }
  }

  static qsizetype Letters(const platform::TextFit& fit) {
    qsizetype letters = 0;
    for (const platform::FittedLine& line : fit.lines) letters += line.text.size();
    return letters;
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

  void PaintLines() {
    const bool screen = target_ == RenderTarget::kScreen;
    std::vector<Segment> guides;
    const std::vector<Segment> lines = Lines(screen ? &guides : nullptr);
    if (screen) {
      p_.setPen(QPen(QColor(215, 215, 215), 0));
      for (const Segment& s : guides) Draw(s);
    }
    for (const Segment& s : lines) {
      QPen pen(Qt::black);
      pen.setCapStyle(Qt::FlatCap);
      pen.setWidthF(WidthOf(s.style, s.horizontal ? sy_ : sx_));
      if (s.style == kLineDotted) pen.setStyle(Qt::DotLine);
      p_.setPen(pen);
      Draw(s);
    }
  }

  void Draw(const Segment& s) {
    if (s.horizontal) p_.drawLine(QPointF(s.from, s.at), QPointF(s.to, s.at));
    else p_.drawLine(QPointF(s.at, s.from), QPointF(s.at, s.to));
  }

  QPainter& p_;
  std::vector<Segment> sheet_;  // the sheet's own lines, in device pixels
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

std::vector<PaperLine> LinesOnPaper(const ReportGrid& grid) {
  std::vector<PaperLine> out;
  for (const Segment& s : Pieces(grid, kUnitsPerInch, kUnitsPerInch, RenderTarget::kPaper).Lines())
    out.push_back(PaperLine{s.horizontal, s.style, s.atEdge, s.fromEdge, s.toEdge, s.before, s.after});
  return out;
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
