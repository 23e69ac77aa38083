#include "GridDocumentPrints.h"

#include "CaseFile.h"
#include "PagePicture.h"
#include "SampleCase.h"
#include "core/Settings.h"
#include "main_window/frmVelorast.h"

namespace snapshot {
namespace {

// The sample case's parties the other way round as to their kind: the seller a natural
// person with an identity card, the buyer a firm with its register number.
QList<std::pair<QString, QString>> SellerPersonBuyerFirm() {
  return {
      {"VanzatorNume", "IONESCU MARIA"},   {"VanzatorSerieBI", "PH"},      {"VanzatorNrBI", "654321"},
      {"VanzatorRegCom", ""},              {"VanzatorCodFiscal", ""},      {"VanzatorBloc", "B2"},
      {"VanzatorScara", "1"},              {"VanzatorApartament", "9"},
      {"CumparatorNume", "SC TRANSAUTO SRL"}, {"CumparatorSerieBI", ""},   {"CumparatorNrBI", ""},
      {"CumparatorRegCom", "J40/1234/1998"},  {"CumparatorCodFiscal", "R 1234567"},
  };
}

}  // namespace

bool WriteGridDocumentPrints(frmVelorast& window, const QDir& folder, bool sample) {
  if (sample) FillBoxes(window, SellerPersonBuyerFirm());
  const bool contractInGrid = core::settings::ContractInGrid;
  core::settings::ContractInGrid = true;
  const std::pair<void (frmVelorast::*)(), const char*> documents[] = {
      {&frmVelorast::cmdCV_Click, "contract"},
      {&frmVelorast::cmdCertifRadiere_Click, "certificat-radiere"},
      {&frmVelorast::cmdEvidenta_Click, "cerere-evidenta"},
      {&frmVelorast::cmdCVCertifRadiere_Click, "contract-certificat"},
  };
  bool ok = true;
  for (auto [button, name] : documents) {
    (window.*button)();
    ok = PrintAsPrintDoes(window, folder, QString::fromLatin1(name)) && ok;
  }
  core::settings::ContractInGrid = contractInGrid;
  if (sample) FillSampleCase(window);
  return ok;
}

}  // namespace snapshot
