#include "support/LongCase.h"

namespace testsupport {
namespace {

using Fields = QList<std::pair<QString, QString>>;

const QString kPersonName = QStringLiteral("POPESCU-DUMITRESCU ALEXANDRU-CONSTANTIN \u0218TEF\u0102NESCU-BR\u0102TIANU");
const QString kOtherPerson = QStringLiteral("IONESCU-VL\u0102DESCU MARIA-MAGDALENA \u0218TEFANIA CONSTANTINESCU POP");
const QString kFirm = QStringLiteral("SC TRANSPORTURI \u0218I EXPEDI\u021AII INTERNA\u021AIONALE ROM\u00C2NIA SRL");

// The party `prefix` ("Cumparator" or "Vanzator") as a person.
Fields Person(const QString& prefix, const QString& name) {
  Fields f = {
      {prefix + "Nume", name},
      {prefix + "SerieBI", "CS"},
      {prefix + "NrBI", "987654"},
      {prefix + "CNP", "1850331460012"},
      {prefix + "DataNasterii", "31.03.1985"},
      {prefix + "Localitate", "DROBETA-TURNU SEVERIN"},
      {prefix + "Strada", QStringLiteral("BULEVARDUL MARE\u0218AL ALEXANDRU AVERESCU")},
      {prefix + "Numar", "127A"},
      {prefix + "Bloc", "M12BIS"},
      {prefix + "Scara", "B2"},
      {prefix + "Apartament", "145"},
      {prefix + "Judet", QStringLiteral("CARA\u0218-SEVERIN")},
      {prefix + "CodPostal", "320067"},
  };
  if (prefix == QLatin1String("Cumparator")) {
    f += {
        {"CumparatorTata", "GHEORGHE-VALENTIN"},
        {"CumparatorMama", "MARIA-MAGDALENA"},
        {"CumparatorLocNasterii", QStringLiteral("C\u00C2MPULUNG MOLDOVENESC")},
        {"CumparatorProfesia", QStringLiteral("INGINER CONSTRUC\u021AII CIVILE, INDUSTRIALE \u0218I AGRICOLE")},
        {"CumparatorLocMunca", kFirm},
        {"CumparatorTelefoane", "0255 212 345 / 0744 123 456"},
    };
  }
  return f;
}

// The party `prefix` as a firm.
Fields Firm(const QString& prefix) {
  return {
      {prefix + "Nume", kFirm},
      {prefix + "RegCom", "J40/12345/2019"},
      {prefix + "CodFiscal", "RO 12345678"},
      {prefix + "Localitate", QStringLiteral("C\u00C2MPULUNG MOLDOVENESC")},
      {prefix + "Strada", QStringLiteral("CALEA TRANSILVANIEI, ZONA INDUSTRIAL\u0102")},
      {prefix + "Numar", "12-14"},
      {prefix + "Bloc", "M12BIS"},
      {prefix + "Scara", "A"},
      {prefix + "Apartament", "1"},
      {prefix + "Judet", "SUCEAVA"},
      {prefix + "CodPostal", "725100"},
  };
}

const Fields kVehicle = {
    {"PretCifre", "125000"},
    {"PretLitere", QStringLiteral("o suta douazeci si cinci de mii")},
    {"NrVelorastulare", "CS 12 ABC"},
    {"DataRadierii", "15-03-2026"},
    {"Categoria", QStringLiteral("AUTOUTILITAR\u0102 N1")},
    {"Caroseria", "FURGON CU DUBLA CABINA"},
    {"Marca", "MERCEDES-BENZ"},
    {"Tipul", "SPRINTER 316 CDI / 906 AC 35"},
    {"NrOmologare", "e1*2001/116*0417*12"},
    {"AnFabricatie", "2019"},
    {"NrIdentificare", "WDB9066351S123456"},
    {"MasaProprie", "2215"},
    {"MasaTotalaMax", "3500"},
    {"SarcinaUtila", "1285"},
    {"SarcinaCarlig", "140"},
    {"AxaFata", "1650"},
    {"AxaMijloc", "-"},
    {"AxaSpate", "2100"},
    {"RolaSenila", "-"},
    {"RemorcabilaCuFrana", "2000"},
    {"RemorcabilaFaraFrana", "750"},
    {"LocuriTotal", "7"},
    {"LocuriFata", "3"},
    {"LocuriScaune", "7"},
    {"LocuriPicioare", "0"},
    {"Lungime", "5932"},
    {"Latime", "1993"},
    {"Inaltime", "2695"},
    {"MotorTip", "OM 651 DE 22 LA"},
    {"MotorSerie", "65195532123456"},
    {"Cilindree", "2143"},
    {"PutereTuratie", "120/3800"},
    {"SursaEnergie", "MOTORINA"},
    {"NrAxe", "2"},
    {"Tractiunea", "SPATE"},
    {"AnvelopeFata", "235/65 R16C 115/113R"},
    {"AnvelopeFataSau", "205/75 R16C 110/108R"},
    {"AnvelopeMijlocSpate", "235/65 R16C 115/113R"},
    {"AnvelopeMijlocSpateSau", "205/75 R16C 110/108R"},
    {"ZgomotMers", "72"},
    {"ZgomotStationare", "78"},
    {"PresiuneOConducta", "-"},
    {"PresiuneDouaConducte", "6,5"},
    {"VitezaMax", "155"},
    {"CapacitateRezervor", "71"},
    {"Culoarea", "ALB ARCTIC METALIZAT"},
    {"PrimaVelorastulare", "12-05-2019/CS 12 ABC"},
    {"ExpirareInspectie", "12-05-2027"},
    {"NrCarteIdentitate", "K 123456"},
    {"Specificatii", QStringLiteral("C\u00E2rlig de remorcare omologat\r\nInstala\u021Bie GPL omologat\u0103 RAR\r\n"
                                    "Scaun suplimentar pe r\u00E2ndul 2")},
};

}  // namespace

QList<std::pair<QString, QString>> LongCase(LongBuyer buyer) {
  Fields f = kVehicle;
  if (buyer == LongBuyer::kPerson) {
    f += Person(QStringLiteral("Cumparator"), kPersonName);
    f += Firm(QStringLiteral("Vanzator"));
  } else {
    f += Firm(QStringLiteral("Cumparator"));
    f += Person(QStringLiteral("Vanzator"), kOtherPerson);
  }
  return f;
}

}  // namespace testsupport
