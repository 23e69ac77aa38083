// The language tests' walk of a dialog: the first dialog that comes up is walked and
// closed; every one that comes up after it is closed as well and fails the test, so
// that a test never waits on a dialog.

#include <QFileDialog>
#include <QMessageBox>
#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/ScreenTexts.h"

namespace {

TEST(WhileModal, EveryDialogAfterTheFirstIsClosedAndFailsTheTest) {
  QStringList walked, shown;
  bool returned = false;
  const auto run = [&] {
    returned = testsupport::WhileModal(
        [&] {
          QMessageBox message(QMessageBox::Information, QStringLiteral("Velorast"), QStringLiteral("Mesaj"));
          message.exec();
          shown << QStringLiteral("message");
          QFileDialog folder(nullptr, QStringLiteral("Alegeti dosarul bazei de date"));
          folder.setOption(QFileDialog::DontUseNativeDialog);
          folder.exec();
          shown << QStringLiteral("folder choice");
          QMessageBox last(QMessageBox::Question, QStringLiteral("Ultima"), QStringLiteral("Sigur?"));
          last.exec();
          shown << QStringLiteral("question");
        },
        [&](QWidget& dialog) { walked << dialog.windowTitle(); });
  };
  testing::TestPartResultArray failures;
  {
    testing::ScopedFakeTestPartResultReporter intercept(
        testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    run();
  }
  ASSERT_EQ(failures.size(), 2);
  EXPECT_THAT(failures.GetTestPartResult(0).message(), testing::HasSubstr("\"Alegeti dosarul bazei de date\""));
  EXPECT_THAT(failures.GetTestPartResult(1).message(), testing::HasSubstr("\"Ultima\""));
  EXPECT_TRUE(returned);
  EXPECT_EQ(walked, QStringList{QStringLiteral("Velorast")});
  EXPECT_EQ(shown, (QStringList{"message", "folder choice", "question"}));
}

TEST(WhileModal, OneDialogIsWalkedAndClosedWithoutAFailure) {
  QStringList walked;
  EXPECT_TRUE(testsupport::WhileModal(
      [&] {
        QMessageBox message(QMessageBox::Question, QStringLiteral("Velorast"), QStringLiteral("Sigur?"),
                            QMessageBox::Yes | QMessageBox::No);
        message.exec();
      },
      [&](QWidget& dialog) { walked << dialog.windowTitle(); }));
  EXPECT_EQ(walked, QStringList{QStringLiteral("Velorast")});
  EXPECT_FALSE(testsupport::WhileModal([] {}, [](QWidget&) { ADD_FAILURE() << "nothing came up"; }));
}

}  // namespace
