// The laid contract on screen: the clerk ticks and clears its open tick boxes with a
// click, types into its open cells, and the locked labels refuse both.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include "LetterFixtures.h"
#include "grid_documents/modCV.h"
#include "report_grid/PageRenderer.h"
#include "report_grid/ReportGridView.h"

using lettertest::Boxes;

namespace {

class ContractOnScreen : public lettertest::LetterTest {
 protected:
  void SetUp() override {
    LetterTest::SetUp();
    view.resize(760, 700);
    view.show();
    QApplication::processEvents();
    ASSERT_EQ(view.viewport()->logicalDpiX(), 96);  // one grid unit, one pixel
    grid_documents::LayoutCV(view.Model(), Boxes());
  }

  void Click(int row, int col) {
    const report_grid::GridGeometry geometry(view.Model());
    const QPoint at = geometry.AreaRect(view.Model().AreaOf(row, col)).center().toPoint();
    for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                 std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
      QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
      QApplication::sendEvent(view.viewport(), &event);
    }
  }

  void Type(int row, int col, const QString& text) {
    view.SetCurrentCell(row, col);
    QKeyEvent first(QEvent::KeyPress, 0, Qt::NoModifier, text.left(1));
    QApplication::sendEvent(&view, &first);
    QLineEdit* editor = view.viewport()->findChild<QLineEdit*>();
    if (!editor || !editor->isVisible()) return;
    for (QChar ch : text.mid(1)) {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(editor, &key);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
  }

  QString Text(int row, int col) { return view.Model().Cell(row, col).Text(); }

  report_grid::ReportGridView view;
};

TEST_F(ContractOnScreen, OpenTickBoxesToggleWithAClick) {
  EXPECT_EQ(Text(3, 1), "1");  // the fill ticked the seller as a person
  Click(3, 1);
  EXPECT_EQ(Text(3, 1), "");
  Click(4, 1);
  EXPECT_EQ(Text(4, 1), "1");
  Click(28, 4);  // the annex: "DA"
  EXPECT_EQ(Text(28, 4), "1");
  Click(28, 4);
  EXPECT_EQ(Text(28, 4), "");
  Click(28, 5);  // the label beside it is no tick box
  EXPECT_EQ(Text(28, 5), "DA");
}

TEST_F(ContractOnScreen, OpenCellsTakeTypingAndLockedLabelsRefuseIt) {
  Type(5, 15, "Ion Pop");  // the representative
  EXPECT_EQ(Text(5, 15), "Ion Pop");
  Type(18, 6, "cc");  // "cilindree" is open
  EXPECT_EQ(Text(18, 6), "cc");
  Type(30, 2, "01-01-2026");  // the date too
  EXPECT_EQ(Text(30, 2), "01-01-2026");
  Type(3, 2, "x");  // "PERSOANA FIZICA" is locked
  EXPECT_EQ(Text(3, 2), "PERSOANA FIZICA");
  Type(5, 1, "x");
  EXPECT_EQ(Text(5, 1), "Nr. Velorastulare la Registrul Comertului");
}

}  // namespace
