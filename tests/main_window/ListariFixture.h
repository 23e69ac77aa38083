#pragma once
// The main window on its "Listari" pane, for the document buttons and the print path:
// a fixture database, the settings that the path reads restored after each test, no
// dialog shown, and the sheet font a known one.

#include <QMdiArea>
#include <QApplication>
#include <QCheckBox>
#include "platform/MultiLineTextBox.h"
#include <gtest/gtest.h>

#include "core/AppState.h"
#include "core/FontSubstitutions.h"
#include "core/Fonts.h"
#include "core/Settings.h"
#include "main_window/frmVelorast.h"
#include "platform/CommandButton.h"
#include "platform/Forms.h"
#include "platform/PictureButton.h"
#include "platform/TextBox.h"
#include "report_grid/ReportGridView.h"
#include "support/FixtureDatabase.h"

// HasDocument / IsFisa / IsFisaFata.
struct Flags {
  bool HasDocument, IsFisa, IsFisaFata;
  bool operator==(const Flags&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, const Flags& f) {
  return os << f.HasDocument << "/" << f.IsFisa << "/" << f.IsFisaFata;
}

class ListariPane : public testing::Test {
 protected:
  void SetUp() override {
    core::RegisterFontSubstitutions();
    core::BazaDate = fixture.Open();
    savedFont_ = core::fonts::FontFisa;
    QFont sheet(QStringLiteral("Arial"));
    sheet.setPointSizeF(9);
    sheet.setBold(true);
    core::fonts::FontFisa = sheet;
    ResetSettings();
    w = platform::Forms::Get<frmVelorast>();
    w->resize(1280, 1000);
    w->show();
    w->tabVelorast->setCurrentIndex(2);
    QApplication::processEvents();
  }
  void TearDown() override {
    // The document forms a button opened close first, as the clerk would close them.
    if (auto* mdi = platform::Forms::IfLoaded<core::MDIVelorast>()) mdi->Workspace()->closeAllSubWindows();
    QApplication::processEvents();
    platform::Forms::Unload<frmVelorast>();
    core::BazaDate.reset();
    core::fonts::FontFisa = savedFont_;
    ResetSettings();
  }

  static void ResetSettings() {
    using namespace core::settings;
    Fisa.clear();
    Acte.clear();
    Top = Left = TopV = LeftV = 0;
    ContractInGrid = false;
  }

  // Every vehicle box with a text of its own: "C0" ... "C44", and "Spec".
  void FillVehicle() {
    for (int i = 0; i < core::kCampCount; ++i) w->txtCamp[i]->setText(QStringLiteral("C%1").arg(i));
    w->txtSpecificatii->setPlainText(QStringLiteral("Spec"));
  }

  void SetComplete(Qt::CheckState state) {
    w->chkPrintComplet->setTristate(state == Qt::PartiallyChecked);
    w->chkPrintComplet->setCheckState(state);
  }

  report_grid::ReportGrid& Grid() { return w->Grid->Model(); }

  Flags FlagsNow() const { return {w->HasDocument, w->IsFisa, w->IsFisaFata}; }

  testsupport::FixtureDatabase fixture;
  frmVelorast* w = nullptr;

 private:
  QFont savedFont_;
};
