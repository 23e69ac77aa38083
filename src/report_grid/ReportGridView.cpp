#include "report_grid/ReportGridView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "report_grid/Printing.h"

namespace report_grid {

ReportGridView::ReportGridView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Mid);
  connect(&grid_, &ReportGrid::changed, viewport(), qOverload<>(&QWidget::update));
  connect(&grid_, &ReportGrid::refreshRequested, viewport(), qOverload<>(&QWidget::repaint));
  connect(&grid_, &ReportGrid::showFromTopRequested, this, &ReportGridView::ShowFromTop);
}

ReportGridView::~ReportGridView() = default;

void ReportGridView::PrintGrid() { report_grid::PrintGrid(grid_); }

void ReportGridView::PrintPreview(int zoom) { report_grid::PrintPreview(grid_, zoom, window()); }

void ReportGridView::ShowFromTop() {
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  current_ = FirstArea();
  viewport()->update();
}

CellRect ReportGridView::FirstArea() const {
  if (grid_.Rows() < 2 || grid_.Cols() < 2) return CellRect{1, 1, 1, 1};
  return grid_.AreaOf(1, 1);
}

bool ReportGridView::IsEditing() const { return editor_ != nullptr && editor_->isVisible(); }

double ReportGridView::Scale() const { return viewport()->logicalDpiX() / kUnitsPerInch; }

void ReportGridView::RebuildPicture() {
  const GridGeometry geo(grid_);
  const double scale = Scale();
  const QSize size(static_cast<int>(std::ceil(geo.Size().width() * scale)) + 2,
                   static_cast<int>(std::ceil(geo.Size().height() * scale)) + 2);
  const qreal ratio = devicePixelRatioF();
  picture_ = QPixmap(size * ratio);
  picture_.setDevicePixelRatio(ratio);
  picture_.fill(palette().color(QPalette::Mid));
  {
    QPainter painter(&picture_);
    PaintGrid(painter, grid_, viewport()->logicalDpiX(), viewport()->logicalDpiY(), RenderTarget::kScreen);
  }
  pictureRevision_ = grid_.Revision();
  pictureUnits_ = size;
  UpdateScrollBars();
}

void ReportGridView::UpdateScrollBars() {
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, pictureUnits_.width() - view.width()));
  verticalScrollBar()->setRange(0, std::max(0, pictureUnits_.height() - view.height()));
  horizontalScrollBar()->setPageStep(view.width());
  verticalScrollBar()->setPageStep(view.height());
  horizontalScrollBar()->setSingleStep(16);
  verticalScrollBar()->setSingleStep(16);
}

void ReportGridView::paintEvent(QPaintEvent*) {
  // While a layout works (Redraw False) the view shows the picture it drew last.
  if (grid_.Redraw() && pictureRevision_ != grid_.Revision()) {
    RebuildPicture();
    if (!CurrentIsValid()) current_ = FirstArea();
  }
  QPainter painter(viewport());
  const QPoint offset(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
  painter.drawPixmap(offset, picture_);
  if (hasFocus() && pictureRevision_ == grid_.Revision() && CurrentIsValid()) {
    QPen pen(palette().color(QPalette::Highlight), 2);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(AreaOnViewport(current_).adjusted(1, 1, -1, -1));
  }
}

void ReportGridView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void ReportGridView::scrollContentsBy(int, int) {
  if (IsEditing()) EndEdit(true);
  viewport()->update();
}

bool ReportGridView::CurrentIsValid() const {
  return current_.row1 >= 1 && current_.col1 >= 1 && current_.row2 < grid_.Rows() &&
         current_.col2 < grid_.Cols() && grid_.AreaOf(current_.row1, current_.col1) == current_;
}

QRect ReportGridView::AreaOnViewport(const CellRect& area) const {
  const GridGeometry geo(grid_);
  const QRectF units = geo.AreaRect(area);
  const double s = Scale();
  return QRect(QPoint(static_cast<int>(std::lround(units.left() * s)) - horizontalScrollBar()->value(),
                      static_cast<int>(std::lround(units.top() * s)) - verticalScrollBar()->value()),
               QPoint(static_cast<int>(std::lround(units.right() * s)) - horizontalScrollBar()->value() - 1,
                      static_cast<int>(std::lround(units.bottom() * s)) - verticalScrollBar()->value() - 1));
}

CellRect ReportGridView::AreaAtViewport(QPoint point) const {
  const double s = Scale();
  const QPointF units((point.x() + horizontalScrollBar()->value()) / s,
                      (point.y() + verticalScrollBar()->value()) / s);
  return GridGeometry(grid_).AreaAt(grid_, units);
}

void ReportGridView::SetCurrentCell(int row, int col) {
  current_ = grid_.AreaOf(row, col);
  viewport()->update();
}

void ReportGridView::ToggleTickBox(const CellRect& area) {
  const CellState& s = grid_.State(area.row1, area.col1);
  if (s.locked) {
    QApplication::beep();
    return;
  }
  grid_.Cell(area.row1, area.col1).SetText(s.text == QLatin1String("1") ? QString() : QStringLiteral("1"));
  emit cellEdited(area.row1, area.col1);
}

void ReportGridView::BeginEdit(const QString& startText, bool replace) {
  if (!CurrentIsValid()) return;
  const CellState& s = grid_.State(current_.row1, current_.col1);
  if (s.locked) {
    QApplication::beep();
    return;
  }
  if (s.cellType == kCellTickBox) return;
  if (!editor_) {
    editor_ = new QLineEdit(viewport());
    editor_->setFrame(false);
    editor_->installEventFilter(this);
  }
  editor_->setFont(QFontOf(grid_.FontOf(current_.row1, current_.col1)));
  editing_ = current_;
  editRevision_ = grid_.Revision();
  editor_->setGeometry(AreaOnViewport(current_));
  editor_->setText(replace ? startText : s.text);
  editor_->setModified(replace);
  editor_->show();
  editor_->setFocus();
  if (!replace) editor_->selectAll();
}

void ReportGridView::EndEdit(bool keep) {
  if (!IsEditing()) return;
  const CellRect area = editing_;
  const bool write = keep && editor_->isModified() && grid_.Revision() == editRevision_;
  const QString text = editor_->text();
  editing_ = CellRect{-1, -1, -1, -1};
  editor_->hide();
  setFocus();
  // The grid may have been laid anew while the clerk typed: the edit then is dropped
  // rather than written into another document.
  if (write) {
    grid_.Cell(area.row1, area.col1).SetText(text);
    emit cellEdited(area.row1, area.col1);
  }
}

bool ReportGridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_) {
    if (event->type() == QEvent::KeyPress) {
      // Enter and Esc end the edit here; they must not reach the grid, where Enter would
      // begin a new edit.
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        EndEdit(key != Qt::Key_Escape);
        return true;
      }
    }
    if (event->type() == QEvent::FocusOut && IsEditing()) EndEdit(true);
  }
  return QAbstractScrollArea::eventFilter(watched, event);
}

void ReportGridView::mousePressEvent(QMouseEvent* event) {
  if (IsEditing()) EndEdit(true);
  const CellRect area = AreaAtViewport(event->position().toPoint());
  if (area.row1 < 0 || event->button() != Qt::LeftButton) return;
  current_ = area;
  setFocus();
  if (grid_.State(area.row1, area.col1).cellType == kCellTickBox) ToggleTickBox(area);
  viewport()->update();
}

void ReportGridView::mouseDoubleClickEvent(QMouseEvent* event) {
  const CellRect area = AreaAtViewport(event->position().toPoint());
  if (area.row1 < 0 || event->button() != Qt::LeftButton) return;
  current_ = area;
  if (grid_.State(area.row1, area.col1).cellType == kCellTickBox) ToggleTickBox(area);
  else BeginEdit(QString(), false);
}

void ReportGridView::Move(int dRow, int dCol) {
  if (!CurrentIsValid()) current_ = FirstArea();
  int row = dRow > 0 ? current_.row2 + 1 : dRow < 0 ? current_.row1 - 1 : current_.row1;
  int col = dCol > 0 ? current_.col2 + 1 : dCol < 0 ? current_.col1 - 1 : current_.col1;
  if (row < 1 || col < 1 || row >= grid_.Rows() || col >= grid_.Cols()) return;
  current_ = grid_.AreaOf(row, col);
  viewport()->update();
}

void ReportGridView::keyPressEvent(QKeyEvent* event) {
  if (!CurrentIsValid() || grid_.Rows() < 2 || grid_.Cols() < 2) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left: Move(0, -1); return;
    case Qt::Key_Right: Move(0, 1); return;
    case Qt::Key_Up: Move(-1, 0); return;
    case Qt::Key_Down: Move(1, 0); return;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter: BeginEdit(QString(), false); return;
    case Qt::Key_Space:
      if (grid_.State(current_.row1, current_.col1).cellType == kCellTickBox) {
        ToggleTickBox(current_);
        return;
      }
      break;
    default: break;
  }
  const QString text = event->text();
  if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    if (grid_.State(current_.row1, current_.col1).cellType != kCellTickBox) BeginEdit(text, true);
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace report_grid
