#pragma once
// A printed page as its painter drew it, item by item: every text item (its letters, face
// and baseline), line, shape and picture, in the order drawn, with the pen, brush,
// transform and clip in force. Drawn again through a bare QPdfWriter, the page costs what
// a plain PDF writer drawing the same items costs, and shows what the page shows: the
// tests compare the two files, the benchmarks their times.
//
//   const testsupport::RecordedPage page = testsupport::RecordedPage::Record(
//       layout, 1200, [&](QPainter& painter) { report_grid::PaintPage(painter, grid); });
//   page.ReplayToPdf(path);
//
// The recording device has the size and resolution of the PDF page; a text item is laid
// out once again when it is drawn, in its own face on a device of its resolution, as any
// writer of text must.

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace testsupport {

struct RecordedItem;

class RecordedPage {
 public:
  RecordedPage();
  ~RecordedPage();
  RecordedPage(RecordedPage&&) noexcept;
  RecordedPage& operator=(RecordedPage&&) noexcept;

  // What `paint` draws on a page of `layout` (full page) at `dpi`.
  static RecordedPage Record(const QPageLayout& layout, int dpi, const std::function<void(QPainter&)>& paint);

  // Draws the items on `painter`, from the device's top left corner.
  void Replay(QPainter& painter) const;
  // Draws the items on a new page of a QPdfWriter of the page's layout and resolution
  // writing `path`; false when the file could not be written.
  bool ReplayToPdf(const QString& path) const;

  int TextItems() const;
  int Items() const;
  const QPageLayout& Layout() const { return layout_; }
  int Dpi() const { return dpi_; }

 private:
  QPageLayout layout_;
  int dpi_ = 0;
  std::vector<RecordedItem> items_;
};

}  // namespace testsupport
