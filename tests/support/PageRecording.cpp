#include "support/PageRecording.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPixmap>
#include <QPolygonF>
#include <variant>

namespace testsupport {

// What the painter had in force for an item.
struct RecordedState {
  QPen pen;
  QBrush brush;
  QPointF brushOrigin;
  QTransform transform;       // logical to device
  bool clipped = false;
  QPainterPath clip;          // device pixels
  QPainter::RenderHints hints;
  qreal opacity = 1;
  QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
  Qt::BGMode backgroundMode = Qt::TransparentMode;
  QBrush background;
  bool operator==(const RecordedState&) const = default;
};

namespace recorded {

struct Text {
  QPointF baseline;
  QString text;
  QFont font;
};
struct Lines {
  std::vector<QLineF> lines;
};
struct Rects {
  std::vector<QRectF> rects;
};
struct Path {
  QPainterPath path;
};
struct Polygon {
  QPolygonF points;
  QPaintEngine::PolygonDrawMode mode;
};
struct Ellipse {
  QRectF rect;
};
struct Points {
  std::vector<QPointF> points;
};
struct Pixmap {
  QRectF target;
  QPixmap pixmap;
  QRectF source;
};
struct Image {
  QRectF target;
  QImage image;
  QRectF source;
  Qt::ImageConversionFlags flags;
};
struct Tiled {
  QRectF target;
  QPixmap pixmap;
  QPointF offset;
};

using Drawn = std::variant<Text, Lines, Rects, Path, Polygon, Ellipse, Points, Pixmap, Image, Tiled>;

}  // namespace recorded

using namespace recorded;

struct RecordedItem {
  RecordedState state;
  Drawn drawn;
};

// Keeps every drawing call with the state in force, and draws nothing.
class RecordingEngine : public QPaintEngine {
 public:
  explicit RecordingEngine(std::vector<RecordedItem>& items) : QPaintEngine(AllFeatures), items_(items) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  Type type() const override { return User; }

  // The painter draws a text's underline, overline and strike-out itself, as lines of
  // their own: the letters are kept without them.
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    QFont font = item.font();
    font.setUnderline(false);
    font.setOverline(false);
    font.setStrikeOut(false);
    Keep(Text{p, item.text(), font});
  }
  void drawLines(const QLineF* lines, int count) override { Keep(Lines{{lines, lines + count}}); }
  void drawRects(const QRectF* rects, int count) override { Keep(Rects{{rects, rects + count}}); }
  void drawPath(const QPainterPath& path) override { Keep(Path{path}); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    Keep(Polygon{QPolygonF(QList<QPointF>(points, points + count)), mode});
  }
  void drawEllipse(const QRectF& rect) override { Keep(Ellipse{rect}); }
  void drawPoints(const QPointF* points, int count) override { Keep(Points{{points, points + count}}); }
  void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override {
    Keep(Pixmap{target, pixmap, source});
  }
  void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                 Qt::ImageConversionFlags flags) override {
    Keep(Image{target, image, source, flags});
  }
  void drawTiledPixmap(const QRectF& target, const QPixmap& pixmap, const QPointF& offset) override {
    Keep(Tiled{target, pixmap, offset});
  }

 private:
  void Keep(Drawn drawn) {
    const QPainter* p = painter();
    RecordedState s;
    s.pen = p->pen();
    s.brush = p->brush();
    s.brushOrigin = p->brushOrigin();
    s.transform = p->combinedTransform();
    s.clipped = p->hasClipping();
    if (s.clipped) s.clip = s.transform.map(p->clipPath());
    s.hints = p->renderHints();
    s.opacity = p->opacity();
    s.composition = p->compositionMode();
    s.backgroundMode = p->backgroundMode();
    s.background = p->background();
    items_.push_back({std::move(s), std::move(drawn)});
  }

  std::vector<RecordedItem>& items_;
};

namespace {

// A device of the metrics of a PDF page, painted by a recording engine.
class RecordingDevice : public QPaintDevice {
 public:
  RecordingDevice(const QPageLayout& layout, int dpi, std::vector<RecordedItem>& items)
      : pdf_(QStringLiteral("unused.pdf")), engine_(items) {
    pdf_.setResolution(dpi);
    pdf_.setPageLayout(layout);
  }
  QPaintEngine* paintEngine() const override { return &engine_; }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth: return pdf_.width();
      case PdmHeight: return pdf_.height();
      case PdmWidthMM: return pdf_.widthMM();
      case PdmHeightMM: return pdf_.heightMM();
      case PdmNumColors: return pdf_.colorCount();
      case PdmDepth: return pdf_.depth();
      case PdmDpiX: return pdf_.logicalDpiX();
      case PdmDpiY: return pdf_.logicalDpiY();
      case PdmPhysicalDpiX: return pdf_.physicalDpiX();
      case PdmPhysicalDpiY: return pdf_.physicalDpiY();
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
  }

 private:
  QPdfWriter pdf_;
  mutable RecordingEngine engine_;
};

// Sets on `painter` what differs from what it has (`now`).
void Apply(QPainter& painter, const RecordedState& s, RecordedState& now, bool first) {
  if (first || s.clipped != now.clipped || s.clip != now.clip) {
    painter.resetTransform();
    if (s.clipped) painter.setClipPath(s.clip);
    else painter.setClipping(false);
    painter.setTransform(s.transform);
  } else if (s.transform != now.transform) {
    painter.setTransform(s.transform);
  }
  if (first || s.pen != now.pen) painter.setPen(s.pen);
  if (first || s.brush != now.brush) painter.setBrush(s.brush);
  if (first || s.brushOrigin != now.brushOrigin) painter.setBrushOrigin(s.brushOrigin);
  if (first || s.hints != now.hints) {
    painter.setRenderHints(painter.renderHints(), false);
    painter.setRenderHints(s.hints, true);
  }
  if (first || s.opacity != now.opacity) painter.setOpacity(s.opacity);
  if (first || s.composition != now.composition) painter.setCompositionMode(s.composition);
  if (first || s.backgroundMode != now.backgroundMode) painter.setBackgroundMode(s.backgroundMode);
  if (first || s.background != now.background) painter.setBackground(s.background);
  now = s;
}

struct Draw {
  QPainter& painter;
  void operator()(const Text& t) const {
    if (painter.font() != t.font) painter.setFont(t.font);
    painter.drawText(t.baseline, t.text);
  }
  void operator()(const Lines& l) const { painter.drawLines(l.lines.data(), static_cast<int>(l.lines.size())); }
  void operator()(const Rects& r) const { painter.drawRects(r.rects.data(), static_cast<int>(r.rects.size())); }
  void operator()(const Path& p) const { painter.drawPath(p.path); }
  void operator()(const Polygon& p) const {
    switch (p.mode) {
      case QPaintEngine::PolylineMode: painter.drawPolyline(p.points); break;
      case QPaintEngine::ConvexMode: painter.drawConvexPolygon(p.points); break;
      case QPaintEngine::WindingMode: painter.drawPolygon(p.points, Qt::WindingFill); break;
      case QPaintEngine::OddEvenMode: painter.drawPolygon(p.points, Qt::OddEvenFill); break;
    }
  }
  void operator()(const Ellipse& e) const { painter.drawEllipse(e.rect); }
  void operator()(const Points& p) const { painter.drawPoints(p.points.data(), static_cast<int>(p.points.size())); }
  void operator()(const Pixmap& p) const { painter.drawPixmap(p.target, p.pixmap, p.source); }
  void operator()(const Image& i) const { painter.drawImage(i.target, i.image, i.source, i.flags); }
  void operator()(const Tiled& t) const { painter.drawTiledPixmap(t.target, t.pixmap, t.offset); }
};

}  // namespace

RecordedPage::RecordedPage() = default;
RecordedPage::~RecordedPage() = default;
RecordedPage::RecordedPage(RecordedPage&&) noexcept = default;
RecordedPage& RecordedPage::operator=(RecordedPage&&) noexcept = default;

RecordedPage RecordedPage::Record(const QPageLayout& layout, int dpi, const std::function<void(QPainter&)>& paint) {
  RecordedPage page;
  page.layout_ = layout;
  page.dpi_ = dpi;
  RecordingDevice device(layout, dpi, page.items_);
  QPainter painter(&device);
  paint(painter);
  painter.end();
  return page;
}

void RecordedPage::Replay(QPainter& painter) const {
  painter.save();
  RecordedState now;
  bool first = true;
  for (const RecordedItem& item : items_) {
    Apply(painter, item.state, now, first);
    first = false;
    std::visit(Draw{painter}, item.drawn);
  }
  painter.restore();
}

bool RecordedPage::ReplayToPdf(const QString& path) const {
  QPdfWriter pdf(path);
  pdf.setResolution(dpi_);
  pdf.setPageLayout(layout_);
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  Replay(painter);
  return painter.end();
}

int RecordedPage::TextItems() const {
  int n = 0;
  for (const RecordedItem& item : items_) n += std::holds_alternative<Text>(item.drawn);
  return n;
}

int RecordedPage::Items() const { return static_cast<int>(items_.size()); }

}  // namespace testsupport
