// The printers service: the list in the platform's order and the current printer.

#include <QPrinter>
#include <gtest/gtest.h>

#include "platform/Printers.h"
#include "platform/RuntimeError.h"
#include "support/StoppedPrintService.h"

using namespace platform;

namespace {

QStringList Names(const QList<Printer>& printers) {
  QStringList out;
  for (const Printer& p : printers) out << p.DeviceName();
  return out;
}

}  // namespace

TEST(Printers, CurrentIsTheDefaultUntilOneIsMadeCurrentThenTheLastMadeCurrent) {
  PrintersScript script({"Laser", "Fisa HP", "Acte"}, "Acte");
  EXPECT_EQ(Names(Printers()), QStringList({"Laser", "Fisa HP", "Acte"}));
  EXPECT_EQ(CurrentPrinter().DeviceName(), "Acte");

  EXPECT_TRUE(MakeCurrentPrinter("Fisa HP"));
  EXPECT_EQ(CurrentPrinter().DeviceName(), "Fisa HP");
  // No match, an empty name and another case leave the current printer as it was.
  for (const char* name : {"Fisa", "", "fisa hp", "Fisa HP "}) {
    EXPECT_FALSE(MakeCurrentPrinter(name)) << name;
    EXPECT_EQ(CurrentPrinter().DeviceName(), "Fisa HP") << name;
  }
  SetCurrentPrinter(Printers().first());
  EXPECT_EQ(CurrentPrinter().DeviceName(), "Laser");
  ResetCurrentPrinter();
  EXPECT_EQ(CurrentPrinter().DeviceName(), "Acte");
}

TEST(Printers, WithoutADefaultTheFirstPrinterIsCurrent) {
  PrintersScript script({"Unu", "Doi"}, "Lipsa");
  EXPECT_EQ(CurrentPrinter().DeviceName(), "Unu");
}

// The number and description of the error that choosing the current printer raises
// ("" when none).
static QString PrinterError(void (*call)()) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return QString::number(e.Number()) + ' ' + e.Description();
  }
  return QString();
}

TEST(Printers, NoPrinterIsAClearError) {
  PrintersScript none;
  EXPECT_TRUE(Printers().isEmpty());
  EXPECT_FALSE(MakeCurrentPrinter("Acte"));
  for (auto call : {+[] { CurrentPrinter(); }, +[] { QPrinter p; UseCurrentPrinter(p); }})
    EXPECT_EQ(PrinterError(call),
              "482 Nu este instalata nicio imprimanta. Instalati o imprimanta si incercati din nou.");
}

// A stopped print service shows no printer either: the clerk is told that the service
// does not answer, not that no printer is installed.
TEST(Printers, AStoppedPrintServiceIsToldApartFromNoPrinter) {
  if (!testsupport::StoppedPrintService::Available()) GTEST_SKIP() << "no print library";
  testsupport::StoppedPrintService stopped;
  EXPECT_TRUE(Printers().isEmpty());
  EXPECT_EQ(PrinterError(+[] { CurrentPrinter(); }),
            "482 Serviciul de tiparire al calculatorului nu raspunde, de aceea nu se vede nicio imprimanta. "
            "Porniti serviciul de tiparire (sau cereti administratorului sa-l porneasca) si incercati din nou.");
}
