#pragma once
// The report grid on screen: a scrolling widget that owns a ReportGrid and draws it as
// the page will look (through PageRenderer), with a light guide where a cell edge has
// no line. The clerk can type into unlocked cells and tick unlocked tick boxes; locked
// cells refuse both.
//
// The view repaints only while the grid's Redraw is True: during a layout (Redraw
// False) it keeps showing what it showed before, and the finished document appears at
// the layout's Refresh.
//
// Keys: a character starts typing over the current cell, F2 or Enter edits its text,
// Enter ends the edit and Esc drops it, Space ticks or unticks a tick box, the arrow
// keys move to the neighbouring cell. A click selects a cell (and toggles a tick box),
// a double click edits.

#include <QAbstractScrollArea>
#include <QPixmap>
#include <cstdint>

#include "report_grid/PageRenderer.h"
#include "report_grid/ReportGrid.h"

class QLineEdit;

namespace report_grid {

class ReportGridView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit ReportGridView(QWidget* parent = nullptr);
  ~ReportGridView() override;

  // The grid shown, for the layouts and the print path.
  ReportGrid& Model() { return grid_; }
  const ReportGrid& Model() const { return grid_; }

  // Prints the grid on the current printer (error 482 when there is none or it fails).
  void PrintGrid();
  // Shows the grid's print preview at `zoom` percent.
  void PrintPreview(int zoom);

  // The cell or merged area that the clerk is on.
  CellRect CurrentArea() const { return current_; }
  void SetCurrentCell(int row, int col);
  // Whether the clerk is typing into a cell now.
  bool IsEditing() const;

 signals:
  // The clerk changed the text of the anchor (row, col) on screen, by typing or ticking.
  void cellEdited(int row, int col);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  double Scale() const;  // pixels per grid unit
  QRect AreaOnViewport(const CellRect& area) const;
  CellRect AreaAtViewport(QPoint point) const;
  void RebuildPicture();
  void UpdateScrollBars();
  void ToggleTickBox(const CellRect& area);
  void BeginEdit(const QString& startText, bool replace);
  void EndEdit(bool keep);
  void Move(int dRow, int dCol);
  void ShowFromTop();  // a new document: its first row and column in view, its first cell current
  bool CurrentIsValid() const;
  CellRect FirstArea() const;  // the cell or merged area at row 1, column 1

  ReportGrid grid_;
  QPixmap picture_;                  // the document as last drawn
  std::uint64_t pictureRevision_ = ~std::uint64_t{0};
  QSize pictureUnits_;               // document size in grid units when drawn
  CellRect current_{1, 1, 1, 1};
  QLineEdit* editor_ = nullptr;
  CellRect editing_{-1, -1, -1, -1};
  std::uint64_t editRevision_ = 0;   // the grid's revision when the edit began
};

}  // namespace report_grid
