// The button pictures found under the program folder at start-up.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/AppState.h"
#include "core/ImagePaths.h"

namespace img = core::images;

namespace {

TEST(ImagePaths, ShippedPicturesAreFoundAndLoad) {
  core::AppPath = QCoreApplication::applicationDirPath();
  img::LoadImagePaths();
  for (const QString* path : {&img::ImgOk, &img::ImgCancel, &img::ImgExit, &img::ImgPrint, &img::ImgStema}) {
    ASSERT_FALSE(path->isEmpty());
    EXPECT_FALSE(QPixmap(*path).isNull()) << path->toStdString();
  }
  EXPECT_EQ(img::ImgPrint, core::AppPath + "/img/print.gif");
  EXPECT_EQ(QPixmap(img::ImgStema).size(), QSize(153, 211));
}

TEST(ImagePaths, AbsentOrUnreadablePicturesStayEmpty) {
  QTemporaryDir program;
  core::AppPath = program.path();
  img::ImgOk = img::ImgCancel = img::ImgExit = img::ImgPrint = img::ImgStema = QStringLiteral("old");
  img::LoadImagePaths();  // no img folder at all
  for (const QString* path : {&img::ImgOk, &img::ImgCancel, &img::ImgExit, &img::ImgPrint, &img::ImgStema})
    EXPECT_TRUE(path->isEmpty());

  QDir(program.path()).mkdir(QStringLiteral("img"));
  const QString folder = program.path() + QStringLiteral("/img/");
  QFile print(folder + "print.gif");
  ASSERT_TRUE(print.open(QIODevice::WriteOnly));  // not a picture: the check opens it only
  print.write("x");
  print.close();
  QDir(folder).mkdir(QStringLiteral("ok.gif"));                            // a folder
  QFile::link(folder + QStringLiteral("gone.gif"), folder + "cancel.gif");  // leads nowhere
  QFile exit(folder + "exit.gif");
  ASSERT_TRUE(exit.open(QIODevice::WriteOnly));
  exit.close();
  const bool cannotRead = geteuid() != 0 && exit.setPermissions(QFile::WriteOwner);
  img::LoadImagePaths();
  EXPECT_EQ(img::ImgPrint, folder + "print.gif");
  EXPECT_TRUE(img::ImgOk.isEmpty());
  EXPECT_TRUE(img::ImgCancel.isEmpty());
  if (cannotRead) {
    EXPECT_TRUE(img::ImgExit.isEmpty());
  }
  EXPECT_FALSE(img::FileExists(folder + "nothing.gif"));
}

}  // namespace
