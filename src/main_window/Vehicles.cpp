// Vehicles: the search by identification number into lvwMasini, the selection that
// loads a vehicle into txtCamp(0..44) and txtSpecificatii, add, modify, delete and clear.

#include <QPushButton>

#include "core/ErrorGuard.h"
#include "main_window/RecordControls.h"
#include "main_window/StoredRecords.h"
#include "main_window/frmVelorast.h"
#include "platform/KeyCodes.h"
#include "platform/TextBox.h"

using main_window::kMasini;
using main_window::VehicleGroup;

// The criterion is the LIKE pattern as typed; empty, it lists every vehicle.
void frmVelorast::cmdCauta2_Click() {
  core::Guarded([this] {
    main_window::SearchRecords(kMasini, kMasini.keyColumn, txtCriteriu2->text(), rsMasini, *lvwMasini);
  });
}

void frmVelorast::lvwMasini_Click() {
  core::Guarded([this] {
    if (main_window::FindSelected(kMasini, *rsMasini, *lvwMasini)) LoadMasina();
  });
}

void frmVelorast::lvwMasini_KeyUp(int KeyCode, Qt::KeyboardModifiers) {
  if (KeyCode == platform::vbKeyUp || KeyCode == platform::vbKeyDown) lvwMasini_Click();
}

// The current vehicle into every vehicle box, the empty ones included.
void frmVelorast::LoadMasina() { main_window::LoadBoxes(*rsMasini, VehicleGroup(*this).boxes); }

void frmVelorast::cmdSave3_Click() {
  core::Guarded([this] { main_window::AddRecord(VehicleGroup(*this), *rsMasini); });
}

void frmVelorast::cmdEdit3_Click() {
  core::Guarded([this] { main_window::ModifyRecord(VehicleGroup(*this), *rsMasini); });
}

// A deletion that leaves the search result empty hides "Sterge" and "Modifica" of the
// frame for the rest of the run.
void frmVelorast::cmdDelete2_Click() {
  core::Guarded([this] { main_window::DeleteSelected(kMasini, *rsMasini, *lvwMasini, {cmdDelete2, cmdEdit3}); });
}

void frmVelorast::cmdClear3_Click() { main_window::ClearBoxes(VehicleGroup(*this).boxes); }
