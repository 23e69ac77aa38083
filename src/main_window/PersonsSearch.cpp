// Persons: the search into lvwResult and the selection that loads a listed person into
// the buyer boxes or the seller boxes.

#include <QRadioButton>

#include "core/ErrorGuard.h"
#include "main_window/RecordControls.h"
#include "main_window/StoredRecords.h"
#include "main_window/frmVelorast.h"
#include "platform/KeyCodes.h"
#include "platform/TextBox.h"

using main_window::kPersoane;

// The criterion is the LIKE pattern as typed (not trimmed, nothing added): without a
// wildcard of its own it finds only whole-text matches. Empty, it lists every person.
void frmVelorast::cmdCauta_Click() {
  core::Guarded([this] {
    const QString column = optCNP->isChecked() ? QStringLiteral("CNP") : QStringLiteral("Nume");
    main_window::SearchRecords(kPersoane, column, txtCriteriu->text(), rsPersoane, *lvwResult);
  });
}

void frmVelorast::lvwResult_Click() {
  core::Guarded([this] {
    if (main_window::FindSelected(kPersoane, *rsPersoane, *lvwResult)) LoadPersoana();
  });
}

// The arrows have already moved the selection when they are released.
void frmVelorast::lvwResult_KeyUp(int KeyCode, Qt::KeyboardModifiers) {
  if (KeyCode == platform::vbKeyUp || KeyCode == platform::vbKeyDown) lvwResult_Click();
}

// The current person into the buyer boxes 1 to 21 by ordinal, or into the seller boxes
// 23 to 37 by column name, as "Cumparator" or "Vanzator" says. No other box changes.
void frmVelorast::LoadPersoana() {
  if (optCumparator->isChecked())
    main_window::LoadBoxes(*rsPersoane, main_window::BuyerGroup(*this).boxes);
  else if (optVanzator->isChecked())
    main_window::LoadBoxes(*rsPersoane, main_window::SellerGroup(*this).boxes);
}
