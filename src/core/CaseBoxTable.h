#pragma once
// The case data boxes of the main window, as data. Each box has an index in its array,
// a field name by which the documents name it, the numbered rubric it stands in, the
// caption at the box, a length limit (0: none) and its font. The main window builds its
// boxes from these tables; the documents find a box by index or by field name.
//
//   core::Box("CumparatorCNP")        txtVerso(4), checked while compiling
//   core::FindBox(u"CumparatorCNP")   the same at run time (std::nullopt when unknown)

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <string_view>

namespace core {

enum class BoxArray { txtCamp, txtVerso, txtSpecificatii };

// One case box: its array and its index (0 for txtSpecificatii).
struct BoxRef {
  BoxArray array = BoxArray::txtVerso;
  int index = 0;
  friend constexpr bool operator==(BoxRef, BoxRef) = default;
};

struct BoxFont {
  std::string_view family;
  double points;
  bool bold;
};

// Every case box is bold Arial 9.75 point.
inline constexpr BoxFont kBoxFont{"Arial", 9.75, true};

struct BoxSpec {
  int index;
  std::string_view fieldName;
  int row;                   // the numbered rubric of its pane
  std::string_view caption;  // the caption at the box
  int maxLength;             // characters; 0: no limit
  BoxFont font = kBoxFont;
};

inline constexpr int kVersoCount = 40;
inline constexpr int kCampCount = 45;

// The price, buyer, plate number and seller boxes on the second tab.
inline constexpr std::array<BoxSpec, kVersoCount> kVersoBoxes{{
    {0, "PretCifre", 1, "in cifre:", 0},
    {1, "CumparatorNume", 2, "  Detinatorul (numele sau         denumirea firmei)", 0},
    {2, "CumparatorSerieBI", 2, " BI: serie", 2},
    {3, "CumparatorNrBI", 2, " Numar", 6},
    {4, "CumparatorCNP", 2, " CNP", 13},
    {5, "CumparatorTata", 3, " tata", 0},
    {6, "CumparatorMama", 3, " mama", 0},
    {7, "CumparatorDataNasterii", 4, " la data de:", 0},
    {8, "CumparatorLocNasterii", 4, " in localitatea", 0},
    {9, "CumparatorRegCom", 5, " Nr. de velorastulare la Registul comertului", 0},
    {10, "CumparatorCodFiscal", 5, " Codul fiscal", 0},
    {11, "CumparatorLocalitate", 6, " Localitatea", 0},
    {12, "CumparatorStrada", 6, " str.", 0},
    {13, "CumparatorNumar", 6, " Numar", 0},
    {14, "CumparatorBloc", 6, " bl.", 0},
    {15, "CumparatorScara", 6, " sc.", 0},
    {16, "CumparatorApartament", 6, " Apart.", 0},
    {17, "CumparatorJudet", 6, " Sector/Judet", 0},
    {18, "CumparatorCodPostal", 6, " cod", 0},
    {19, "CumparatorProfesia", 7, " Profesia de baza", 0},
    {20, "CumparatorLocMunca", 7, " Locul de munca", 0},
    {21, "CumparatorTelefoane", 8, " Telefoane:", 0},
    {22, "NrVelorastulare", 9, " Numarul de velorastulare", 0},
    {23, "VanzatorNume", 10, "  Detinatorul (numele sau         denumirea firmei)", 0},
    {24, "VanzatorSerieBI", 10, " BI: serie", 2},
    {25, "VanzatorNrBI", 10, " Numar", 6},
    {26, "VanzatorCNP", 10, " CNP", 13},
    {27, "VanzatorDataNasterii", 11, " Data nasterii:", 0},
    {28, "VanzatorRegCom", 12, " Nr. de velorastulare la Registul comertului", 0},
    {29, "VanzatorCodFiscal", 12, " Codul fiscal", 0},
    {30, "VanzatorLocalitate", 13, " Localitatea", 0},
    {31, "VanzatorStrada", 13, " str.", 0},
    {32, "VanzatorNumar", 13, " Numar", 0},
    {33, "VanzatorBloc", 13, " bl.", 0},
    {34, "VanzatorScara", 13, " sc.", 0},
    {35, "VanzatorApartament", 13, " Apart.", 0},
    {36, "VanzatorJudet", 13, " Sector/Judet", 0},
    {37, "VanzatorCodPostal", 13, " cod", 0},
    {38, "DataRadierii", 14, " Data radierii", 0},
    {39, "PretLitere", 1, "in litere:", 0},
}};

// The vehicle boxes on the first tab; txtCamp(i) is stored in column i + 1 of Masini.
inline constexpr std::array<BoxSpec, kCampCount> kCampBoxes{{
    {0, "Categoria", 1, " Categoria", 0},
    {1, "Caroseria", 2, " Caroseria", 0},
    {2, "Marca", 3, " Marca", 0},
    {3, "Tipul", 4, " Tipul / Varianta", 0},
    {4, "NrOmologare", 5, " Numarul de omologare", 0},
    {5, "NrIdentificare", 6, " Numarul de identificare", 0},
    {6, "MasaProprie", 7, " Proprie", 0},
    {7, "SarcinaUtila", 7, " Sarcina utila max. autorizata", 0},
    {8, "AxaFata", 7, " Fata", 0},
    {9, "AxaSpate", 7, " Spate", 0},
    {10, "AxaMijloc", 7, " Mijloc", 0},
    {11, "RolaSenila", 7, " Pe rola senila", 0},
    {12, "RemorcabilaCuFrana", 7, " Remorcabila cu disp. de franare", 0},
    {13, "RemorcabilaFaraFrana", 7, "fara disp. de franare", 0},
    {14, "LocuriTotal", 8, " total", 0},
    {15, "LocuriFata", 8, " in fata", 0},
    {16, "LocuriScaune", 8, " pe scaune", 0},
    {17, "LocuriPicioare", 8, " in picioare", 0},
    {18, "Lungime", 9, "     L", 0},
    {19, "Latime", 9, "   I", 0},
    {20, "Inaltime", 9, "     H", 0},
    {21, "MotorTip", 10, " Tipul", 0},
    {22, "MotorSerie", 10, " Serie", 0},
    {23, "Cilindree", 10, " Cilindree (cm cubi)", 0},
    {24, "PutereTuratie", 10, " Putere max.(kW)/Turatie (min-1)", 0},
    {25, "SursaEnergie", 10, " Sursa de energie", 0},
    {26, "NrAxe", 11, " Numarul axelor", 0},
    {27, "Tractiunea", 12, " Tractiunea", 0},
    {28, "AnvelopeFata", 13, " Fata ", 0},
    {29, "AnvelopeFataSau", 13, " sau", 0},
    {30, "AnvelopeMijlocSpate", 13, " Mijloc spate", 0},
    {31, "AnvelopeMijlocSpateSau", 13, " sau", 0},
    {32, "ZgomotMers", 14, " in mers", 0},
    {33, "ZgomotStationare", 14, " in stationare", 0},
    {34, "PresiuneOConducta", 15, " cu o conducta", 0},
    {35, "PresiuneDouaConducte", 15, " cu doua conducte", 0},
    {36, "VitezaMax", 16, " Viteza max. constructiva (km/h)", 0},
    {37, "CapacitateRezervor", 17, " Capacitatea rezervorului (l)", 0},
    {38, "Culoarea", 18, " Culoarea", 0},
    {39, "PrimaVelorastulare", 19, " Data primei velorastulari/Nr. de velorastulare", 0},
    {40, "ExpirareInspectie", 20, " Data la care expira inpectia tehnica", 0},
    {41, "NrCarteIdentitate", 21, " Numarul cartii de identitate", 0},
    {42, "MasaTotalaMax", 7, "Totala max.autorizata", 0},
    {43, "SarcinaCarlig", 7, "Sarcina pe carligul de remorcare", 0},
    {44, "AnFabricatie", 5, "Anul", 0},
}};

// The vehicle's specifications: one multi-line box, stored in Masini.Specificatii.
inline constexpr BoxSpec kSpecificatiiBox{0, "Specificatii", 0, "", 0};

constexpr const BoxSpec& Spec(BoxRef box) {
  switch (box.array) {
    case BoxArray::txtCamp: return kCampBoxes.at(box.index);
    case BoxArray::txtVerso: return kVersoBoxes.at(box.index);
    case BoxArray::txtSpecificatii: break;
  }
  return kSpecificatiiBox;
}

// The box of a field name; a name that no box has does not compile.
consteval BoxRef Box(std::string_view fieldName) {
  for (const BoxSpec& b : kCampBoxes)
    if (b.fieldName == fieldName) return {BoxArray::txtCamp, b.index};
  for (const BoxSpec& b : kVersoBoxes)
    if (b.fieldName == fieldName) return {BoxArray::txtVerso, b.index};
  if (fieldName == kSpecificatiiBox.fieldName) return {BoxArray::txtSpecificatii, 0};
  throw "no case box has this field name";
}

// The box of a field name (compared exactly), or std::nullopt.
std::optional<BoxRef> FindBox(QStringView fieldName);

QString FieldName(BoxRef box);
QString Caption(BoxRef box);

}  // namespace core
