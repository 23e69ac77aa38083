// Every grid document as the print path prints it (each registration sheet complete and
// data-only, and the four letters), with the document fonts they are printed in, for the
// tests that check a rule over every grid document.
#pragma once

#include <QFont>
#include <vector>

#include "core/CaseBoxes.h"
#include "core/Fonts.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"
#include "grid_documents/modEvidenta.h"
#include "report_grid/ReportGrid.h"
#include "sheet_back/modFisaVerso.h"
#include "sheet_front/modFisaFata.h"
#include "support/SheetFixtures.h"

namespace lettertest {

struct GridDocument {
  const char* name;
  void (*layout)(report_grid::ReportGrid&, const core::CaseBoxes&);
  // Marks the printable cells, complete or data-only; the letters mark none.
  bool (*marking)(report_grid::ReportGrid&, bool complete);
  bool complete;
  // A data-only sheet: the document before it in the list, whose whole print has the lines
  // of the pre-printed sheet it goes onto; else -1.
  int sheet = -1;
};

inline std::vector<GridDocument> EveryGridDocument() {
  using namespace grid_documents;
  const auto none = [](report_grid::ReportGrid&, bool) { return true; };
  return {
      {"sheet front, complete", sheet_front::LayoutFisaFataComplet, sheet_front::SetPrintFisaFata, true},
      {"sheet front, data only", sheet_front::LayoutFisaFata, sheet_front::SetPrintFisaFata, false, 0},
      {"sheet back, complete", sheet_back::LayoutFisaVersoComplet, sheet_back::SetPrintFisaVerso, true},
      {"sheet back, data only", sheet_back::LayoutFisaVerso, sheet_back::SetPrintFisaVerso, false, 2},
      {"contract", LayoutCV, none, true},
      {"certificate", LayoutCertifRadiere, none, true},
      {"request letter", LayoutEvidenta, none, true},
      {"contract and certificate", LayoutCVCertifRadiere, none, true},
  };
}

// The documents' font (Times New Roman 10) and the sheets' font (Arial 9 bold) while it
// lives; the sheets' font is put back after.
class DocumentFonts {
 public:
  DocumentFonts() : sheet_(SheetFont()) {
    QFont drav(QStringLiteral("Times New Roman"));
    drav.setPointSizeF(10);
    core::fonts::FontDrav = drav;
  }

 private:
  static QFont SheetFont() {
    QFont fisa(QStringLiteral("Arial"));
    fisa.setPointSizeF(9);
    fisa.setBold(true);
    return fisa;
  }
  sheettest::SheetFont sheet_;
};

}  // namespace lettertest
