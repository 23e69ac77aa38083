#include "SampleCase.h"

#include "CaseFile.h"
#include "core/DatabaseSchema.h"

namespace snapshot {

QList<std::pair<QString, QString>> SampleCase() {
  return {
      {"PretCifre", "12500"},
      {"PretLitere", "douasprezecemiicincisute"},
      {"CumparatorNume", "POPESCU ION"},
      {"CumparatorSerieBI", "RT"},
      {"CumparatorNrBI", "123456"},
      {"CumparatorCNP", "1850331460012"},
      {"CumparatorTata", "GHEORGHE"},
      {"CumparatorMama", "MARIA"},
      {"CumparatorDataNasterii", "31.03.85"},
      {"CumparatorLocNasterii", "BUCURESTI"},
      {"CumparatorLocalitate", "BUCURESTI"},
      {"CumparatorStrada", "VICTORIEI"},
      {"CumparatorNumar", "12"},
      {"CumparatorBloc", "A3"},
      {"CumparatorScara", "2"},
      {"CumparatorApartament", "45"},
      {"CumparatorJudet", "SECTOR 1"},
      {"CumparatorCodPostal", "010061"},
      {"CumparatorProfesia", "INGINER"},
      {"CumparatorLocMunca", "SC CONSTRUCT SA"},
      {"CumparatorTelefoane", "021 312 45 67"},
      {"NrVelorastulare", "B 123 ABC"},
      {"VanzatorNume", "SC TRANSAUTO SRL"},
      {"VanzatorSerieBI", "PH"},
      {"VanzatorNrBI", "654321"},
      {"VanzatorCNP", "2720815400034"},
      {"VanzatorDataNasterii", "15.08.72"},
      {"VanzatorRegCom", "J40/1234/1998"},
      {"VanzatorCodFiscal", "R 1234567"},
      {"VanzatorLocalitate", "PLOIESTI"},
      {"VanzatorStrada", "REPUBLICII"},
      {"VanzatorNumar", "7"},
      {"VanzatorBloc", "C1"},
      {"VanzatorScara", "B"},
      {"VanzatorApartament", "3"},
      {"VanzatorJudet", "PRAHOVA"},
      {"VanzatorCodPostal", "100066"},
      {"DataRadierii", "15-03-2026"},
      {"Categoria", "AUTOTURISM M1"},
      {"Caroseria", "BERLINA"},
      {"Marca", "DACIA"},
      {"Tipul", "LOGAN / LS0DAA"},
      {"NrOmologare", "B 13445"},
      {"AnFabricatie", "2008"},
      {"NrIdentificare", "UU1LSDAAH38765432"},
      {"MasaProprie", "975"},
      {"MasaTotalaMax", "1520"},
      {"SarcinaUtila", "545"},
      {"SarcinaCarlig", "50"},
      {"AxaFata", "830"},
      {"AxaMijloc", "-"},
      {"AxaSpate", "760"},
      {"LocuriTotal", "5"},
      {"LocuriFata", "2"},
      {"LocuriScaune", "5"},
      {"Lungime", "4250"},
      {"Latime", "1735"},
      {"Inaltime", "1525"},
      {"MotorTip", "K7J A7"},
      {"MotorSerie", "C123456"},
      {"Cilindree", "1390"},
      {"PutereTuratie", "55/5500"},
      {"SursaEnergie", "BENZINA"},
      {"NrAxe", "2"},
      {"Tractiunea", "FATA"},
      {"AnvelopeFata", "185/65 R15"},
      {"AnvelopeMijlocSpate", "185/65 R15"},
      {"ZgomotMers", "72"},
      {"ZgomotStationare", "80"},
      {"VitezaMax", "162"},
      {"CapacitateRezervor", "50"},
      {"Culoarea", "ALB"},
      {"PrimaVelorastulare", "12-05-2008/B 123 ABC"},
      {"ExpirareInspectie", "12-05-2027"},
      {"NrCarteIdentitate", "C 123456"},
      {"Specificatii", "Carlig de remorcare\r\nInstalatie GPL omologata"},
  };
}

std::shared_ptr<platform::Database> OpenSampleDatabase(const QString& folder) {
  return core::schema::CreateProgramDatabase(folder, true);
}

void FillSampleCase(frmVelorast& window) { FillBoxes(window, SampleCase()); }

}  // namespace snapshot
