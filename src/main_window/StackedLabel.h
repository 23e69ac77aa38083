#pragma once
// A narrow label written downwards: its lines (the parts of its text between line breaks,
// or between blanks when splitAtBlanks) one under the other, centred, spread evenly over
// its height so that a tall word fits the rubric beside it. text() is the caption as set.

#include <QLabel>

namespace main_window {

class StackedLabel : public QLabel {
  Q_OBJECT
 public:
  explicit StackedLabel(QWidget* parent = nullptr, bool splitAtBlanks = false);

  QStringList Lines() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool splitAtBlanks_;
};

}  // namespace main_window
