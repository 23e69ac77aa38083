// Persons: add, modify and clear of the buyer and the seller boxes, and the delete of
// the person selected in lvwResult.

#include <QPushButton>

#include "core/ErrorGuard.h"
#include "main_window/RecordControls.h"
#include "main_window/StoredRecords.h"
#include "main_window/frmVelorast.h"

using main_window::BuyerGroup;
using main_window::SellerGroup;

void frmVelorast::cmdSave1_Click() {
  core::Guarded([this] { main_window::AddRecord(BuyerGroup(*this), *rsPersoane); });
}

void frmVelorast::cmdSave2_Click() {
  core::Guarded([this] { main_window::AddRecord(SellerGroup(*this), *rsPersoane); });
}

void frmVelorast::cmdEdit1_Click() {
  core::Guarded([this] { main_window::ModifyRecord(BuyerGroup(*this), *rsPersoane); });
}

void frmVelorast::cmdEdit2_Click() {
  core::Guarded([this] { main_window::ModifyRecord(SellerGroup(*this), *rsPersoane); });
}

// A deletion that leaves the search result empty hides "Sterge" and the seller's
// "Modifica" for the rest of the run.
void frmVelorast::cmdDelete_Click() {
  core::Guarded([this] { main_window::DeleteSelected(main_window::kPersoane, *rsPersoane, *lvwResult, {cmdDelete, cmdEdit2}); });
}

void frmVelorast::cmdClear1_Click() { main_window::ClearBoxes(BuyerGroup(*this).boxes); }

void frmVelorast::cmdClear2_Click() { main_window::ClearBoxes(SellerGroup(*this).boxes); }
