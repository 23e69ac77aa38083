#pragma once
// The main window's boxes as groups of a stored record: the buyer (table Persoane by
// ordinal), the seller (Persoane by column name, fifteen columns) and the vehicle
// (Masini by ordinal, and Specificatii by name), each with its key box and the boxes
// that must not be blank.

#include "main_window/StoredRecords.h"

class frmVelorast;

namespace main_window {

BoxGroup BuyerGroup(const frmVelorast& w);
BoxGroup SellerGroup(const frmVelorast& w);
BoxGroup VehicleGroup(const frmVelorast& w);

}  // namespace main_window
