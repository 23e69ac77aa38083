// The printers service: the list in the platform's order and the current printer.

#include <QPrinter>
#include <gtest/gtest.h>

#include "platform/Printers.h"
#include "platform/RuntimeError.h"

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

TEST(Printers, NoPrinterIsAClearError) {
  PrintersScript none;
  EXPECT_TRUE(Printers().isEmpty());
  EXPECT_FALSE(MakeCurrentPrinter("Acte"));
  for (auto call : {+[] { CurrentPrinter(); }, +[] { QPrinter p; UseCurrentPrinter(p); }}) {
    try {
      call();
      ADD_FAILURE() << "no error without printers";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number(), kErrPrinter);
      EXPECT_EQ(e.Description(),
                "Nu este instalata nicio imprimanta. Instalati o imprimanta si incercati din nou.");
    }
  }
}
