// Every window is written in one proportional face that the program's package brings,
// whatever the desktop and whatever else the system has: with only the package's fonts
// (the run that CMake makes with a font configuration naming only their folders), the
// faces the system falls back on are monospace, and the fixed rooms of the windows would
// cut their texts.

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "core/FontSubstitutions.h"
#include "core/SameOnEveryDesktop.h"
#include "core/frmAbout.h"
#include "core/frmSetPage.h"
#include "platform/Forms.h"
#include "support/SettingsFolder.h"

using platform::Forms;

namespace {

// The text of the widget stands whole in its room: on one line as wide as its room, or,
// where it wraps, in as many lines as its room is high.
bool Whole(const QWidget& widget) {
  const QSize hint = widget.sizeHint();
  if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->wordWrap())
    return label->heightForWidth(widget.width()) <= widget.height();
  return hint.width() <= widget.width() && widget.fontMetrics().height() <= widget.height();
}

TEST(InterfaceFace, ProportionalAndTheSameInEveryWindow) {
  if (qEnvironmentVariableIsSet("VELORAST_ONLY_PACKAGE_FONTS")) {
    // The run with the package's fonts alone has no other face to fall back on (besides
    // the generic names, which fontconfig resolves to one of them).
    static const QStringList generic = {"Sans Serif", "Serif", "Monospace"};
    for (const QString& family : QFontDatabase::families())
      EXPECT_TRUE(family.startsWith(QStringLiteral("Liberation")) || generic.contains(family)) << family.toStdString();
  }
  const QFontInfo face(QApplication::font());
  EXPECT_EQ(face.family().toStdString(), "Liberation Sans");
  EXPECT_FALSE(face.fixedPitch());
  EXPECT_EQ(QFontInfo(core::InterfaceFont()).family().toStdString(), face.family().toStdString());
}

TEST(InterfaceFace, TheTextsOfTheSetUpAndAboutWindowsAreWhole) {
  testsupport::SettingsFolder settings;
  core::RegisterFontSubstitutions();  // as the start-up does, for the faces the windows name
  core::frmSetPage* setup = Forms::Get<core::frmSetPage>();
  core::frmAbout* about = Forms::Get<core::frmAbout>();
  struct Case {
    const char* what;
    const QWidget* widget;
  };
  const Case cases[] = {
      {"Contractul se tipareste integral", setup->chkContract},
      {"Se utilizeaza Baza de Date", setup->chkUsesBD},
      {"About's version", about->lblVersion},
      {"About's description", about->lblDescription},
      {"About's notice, to its last line", about->lblDisclaimer},
      {"System Info...", about->cmdSysInfo},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(QFontInfo(c.widget->font()).fixedPitch()) << c.what;
    EXPECT_TRUE(Whole(*c.widget)) << c.what << ": needs " << c.widget->sizeHint().width() << " x "
                                  << c.widget->sizeHint().height() << ", has " << c.widget->width() << " x "
                                  << c.widget->height();
  }
  Forms::Unload<core::frmSetPage>();
  Forms::Unload<core::frmAbout>();
}

}  // namespace
