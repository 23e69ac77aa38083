#include "main_window/RecordControls.h"

#include <QPushButton>

#include "main_window/frmVelorast.h"
#include "platform/TextBox.h"

namespace main_window {

// txtVerso(1..21) hold the columns 1 to 21 of Persoane, by position.
BoxGroup BuyerGroup(const frmVelorast& w) {
  BoxGroup group{.kind = &kPersoane, .keyBox = w.txtVerso[4], .list = w.lvwResult};
  for (int i = 1; i <= 21; ++i) group.boxes.append({.column = i, .line = w.txtVerso[i]});
  group.required = {
      {w.txtVerso[1],
       QStringLiteral("Nu puteti salva datele inainte de a scrie Numele, Prenumele sau Denumirea CUMPARATORULUI"),
       QStringLiteral("Nu puteti modifica datele inainte de a scrie Numele, Prenumele sau Denumirea CUMPARATORULUI")},
      {w.txtVerso[4], QStringLiteral("Nu puteti salva datele inainte de a scrie CNP-ul CUMPARATORULUI"),
       QStringLiteral("Nu puteti modifica datele inainte de a scrie CNP-ul CUMPARATORULUI")},
  };
  return group;
}

// txtVerso(23..37) hold fifteen columns of Persoane, by name: the seller has no boxes
// for Tata, Mama, LocNast, Profesia, LocMunca and Telefoane.
BoxGroup SellerGroup(const frmVelorast& w) {
  static const char* const columns[] = {"Nume", "Serie",    "nr", "CNP", "DataNast", "j",     "R",  "AdresaLoc",
                                        "Str",  "AdresaNr", "Bl", "Sc",  "Ap",       "Judet", "Cod"};
  BoxGroup group{.kind = &kPersoane, .keyBox = w.txtVerso[26], .list = w.lvwResult};
  int box = 23;
  for (const char* column : columns) group.boxes.append({.column = QString::fromLatin1(column), .line = w.txtVerso[box++]});
  // The name's message is the add's also when modifying.
  const QString nameMissing =
      QStringLiteral("Nu puteti salva datele inainte de a scrie Numele, Prenumele sau Denumirea VANZATORULUI");
  group.required = {
      {w.txtVerso[23], nameMissing, nameMissing},
      {w.txtVerso[26], QStringLiteral("Nu puteti salva datele inainte de a scrie CNP-ul VANZATORULUI"),
       QStringLiteral("Nu puteti modifica datele inainte de a scrie CNP-ul VANZATORULUI")},
  };
  return group;
}

// txtCamp(0..44) hold the columns 1 to 45 of Masini, by position; txtSpecificatii the
// column Specificatii.
BoxGroup VehicleGroup(const frmVelorast& w) {
  BoxGroup group{.kind = &kMasini, .keyBox = w.txtCamp[5], .list = w.lvwMasini};
  for (int i = 0; i < core::kCampCount; ++i) group.boxes.append({.column = i + 1, .line = w.txtCamp[i]});
  group.boxes.append({.column = QStringLiteral("Specificatii"), .text = w.txtSpecificatii});
  group.required = {
      {w.txtCamp[5], QStringLiteral("Nu puteti salva datele inainte de a scrie Nr de Identificare al MASINII"),
       QStringLiteral("Nu puteti modifica datele inainte de a scrie Nr de Identificare al MASINII")},
  };
  return group;
}

}  // namespace main_window

// The persons' and vehicles' controls: each event reaches its handler.
void frmVelorast::ConnectRecordHandlers() {
  const std::pair<QPushButton*, void (frmVelorast::*)()> buttons[] = {
      {cmdCauta, &frmVelorast::cmdCauta_Click},   {cmdSave1, &frmVelorast::cmdSave1_Click},
      {cmdSave2, &frmVelorast::cmdSave2_Click},   {cmdEdit1, &frmVelorast::cmdEdit1_Click},
      {cmdEdit2, &frmVelorast::cmdEdit2_Click},   {cmdDelete, &frmVelorast::cmdDelete_Click},
      {cmdClear1, &frmVelorast::cmdClear1_Click}, {cmdClear2, &frmVelorast::cmdClear2_Click},
      {cmdCauta2, &frmVelorast::cmdCauta2_Click}, {cmdSave3, &frmVelorast::cmdSave3_Click},
      {cmdEdit3, &frmVelorast::cmdEdit3_Click},   {cmdDelete2, &frmVelorast::cmdDelete2_Click},
      {cmdClear3, &frmVelorast::cmdClear3_Click},
  };
  for (auto [button, handler] : buttons) connect(button, &QPushButton::clicked, this, handler);
  connect(lvwResult, &platform::ListView::Click, this, &frmVelorast::lvwResult_Click);
  connect(lvwResult, &platform::ListView::KeyUp, this, &frmVelorast::lvwResult_KeyUp);
  connect(lvwMasini, &platform::ListView::Click, this, &frmVelorast::lvwMasini_Click);
  connect(lvwMasini, &platform::ListView::KeyUp, this, &frmVelorast::lvwMasini_KeyUp);
}
