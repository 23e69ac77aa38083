#pragma once
// The main window with the database frames shown, over a small fixture database, and
// the clerk's gestures on its lists: a click on a row or on empty space, a key pressed
// and released.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "core/AppState.h"
#include "core/FontSubstitutions.h"
#include "core/Settings.h"
#include "main_window/frmVelorast.h"
#include "platform/Forms.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "support/FixtureDatabase.h"
#include "support/QtPrinters.h"

namespace testsupport {

class RecordsWindow : public testing::Test {
 protected:
  void SetUp() override {
    core::RegisterFontSubstitutions();
    core::BazaDate = fixture.Open();
    core::settings::UsesBD = true;
    core::settings::CuloareFocus.clear();
  }
  void TearDown() override {
    platform::Forms::Unload<frmVelorast>();
    core::BazaDate.reset();
    core::settings::UsesBD = false;
  }

  // The window, loaded, shown and active, on the tab given (1 vehicles, 2 persons).
  frmVelorast* Show(int tab) {
    frmVelorast* w = platform::Forms::Get<frmVelorast>();
    w->resize(1280, 1000);
    w->show();
    QApplication::setActiveWindow(w);
    w->tabVelorast->setCurrentIndex(tab - 1);
    QApplication::processEvents();
    return w;
  }

  static void Click(platform::ListView* list, const QPoint& at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(list->viewport(), &event);
    }
  }
  // A click on the row at a position counted from 1.
  static void ClickRow(platform::ListView* list, int index) {
    Click(list, list->ItemRect(list->Item(index)).center());
  }
  // A click below the last row.
  static void ClickEmptySpace(platform::ListView* list) {
    Click(list, QPoint(5, list->viewport()->height() - 3));
  }

  static void PressAndRelease(QWidget* w, Qt::Key key) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, key, Qt::NoModifier);
      QApplication::sendEvent(w, &event);
    }
  }

  // The position of the list's selected row, counted from 1; 0 when none is selected.
  static int SelectedIndex(const platform::ListView* list) {
    const platform::ListItem item = list->SelectedItem();
    return platform::ListView::Selected(item) ? list->Index(item) : 0;
  }

  // One column of every list row: 0 the row's text, 1 to 3 its sub-items.
  static QStringList Listed(const platform::ListView* list, int column) {
    QStringList out;
    for (int i = 1; i <= list->Count(); ++i) out << list->Item(i).text(column);
    return out;
  }

  // The row of `table` whose key column holds `key`, column by column (empty when none).
  QVariantMap StoredRow(const QString& table, const QString& keyColumn, const QString& key) {
    auto rs = fixture.Db().OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(table, keyColumn), {key});
    QVariantMap row;
    if (rs->EOF()) return row;
    for (int i = 0; i < rs->FieldCount(); ++i) row.insert(rs->FieldName(i), rs->Fields(i).Value());
    return row;
  }
  int StoredCount(const QString& table) {
    return fixture.Db().Scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
  }

  static QWidget* Focused() { return QApplication::focusWidget(); }

  FixtureDatabase fixture;
};

}  // namespace testsupport
