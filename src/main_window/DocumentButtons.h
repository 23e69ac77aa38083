#pragma once
// The documents that the "Listari" pane's buttons start, and what each button records of
// the grid's content in the window's document state (HasDocument, IsFisa, IsFisaFata).
//
// A grid document is laid into the report grid from the window's boxes; a form document
// is a window of its own, opened at the top left of the MDI area. A document not built
// yet has no entry here (nullptr): its button sets the flags and does nothing more.

#include <cstdint>

#include "core/CaseBoxes.h"
#include "report_grid/ReportGrid.h"

class frmVelorast;

namespace main_window {

enum class Flag : std::int8_t { kKeep, kOn, kOff };

// What a button does to HasDocument / IsFisa / IsFisaFata.
struct DocumentFlags {
  Flag HasDocument, IsFisa, IsFisaFata;
};
inline constexpr DocumentFlags kSheetFrontFlags{Flag::kOn, Flag::kOn, Flag::kOn};
inline constexpr DocumentFlags kSheetBackFlags{Flag::kOn, Flag::kOn, Flag::kOff};
inline constexpr DocumentFlags kOtherDocumentFlags{Flag::kOn, Flag::kOff, Flag::kKeep};
inline constexpr DocumentFlags kFlagsUntouched{Flag::kKeep, Flag::kKeep, Flag::kKeep};

// Lays a grid document into the grid, filled from the boxes.
using GridLayout = void (*)(report_grid::ReportGrid& grid, const core::CaseBoxes& boxes);
// Marks the printable cells of a sheet: all of them (complete) or only its data cells.
// False: the marking failed and has told the clerk so; nothing may be printed.
using PrintMarking = bool (*)(report_grid::ReportGrid& grid, bool complete);
// Opens a document form: created and loaded (sized and filled) on its first use, moved to
// the top left of the MDI area and focused. Its unloading shows the main window again.
using FormLauncher = void (*)(frmVelorast& window);
// Shows a window modally and returns when it is closed.
using ModalWindow = void (*)();

struct Documents {
  // The registration sheet
  GridLayout LayoutFisaFataComplet = nullptr;
  GridLayout LayoutFisaFata = nullptr;
  PrintMarking SetPrintFisaFata = nullptr;
  GridLayout LayoutFisaVersoComplet = nullptr;
  GridLayout LayoutFisaVerso = nullptr;
  PrintMarking SetPrintFisaVerso = nullptr;
  // The other grid documents
  GridLayout LayoutCV = nullptr;
  GridLayout LayoutCertifRadiere = nullptr;
  GridLayout LayoutCVCertifRadiere = nullptr;
  GridLayout LayoutEvidenta = nullptr;
  // The document forms
  FormLauncher frmFisa2 = nullptr;
  FormLauncher frmCVRad = nullptr;
  FormLauncher frmDeclVelorast = nullptr;
  FormLauncher frmProvizorie = nullptr;
  FormLauncher frmCerRadiere = nullptr;
  FormLauncher frmDeclTranscriere = nullptr;
  FormLauncher frmImpuneF = nullptr;
  FormLauncher frmImpuneV = nullptr;
  FormLauncher frmFisaPermis = nullptr;
  FormLauncher frmFisaPermisV = nullptr;
  FormLauncher frmCertifVelorast = nullptr;
  FormLauncher frmDeclScoatEvid = nullptr;
  FormLauncher frmFiscalPJ = nullptr;
  FormLauncher frmFiscalPF = nullptr;
  FormLauncher frmPierdere = nullptr;  // also tells the form that the main window opened it
  ModalWindow frmAnexa = nullptr;
};

extern const Documents kDocuments;

}  // namespace main_window
