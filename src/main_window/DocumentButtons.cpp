// The document buttons of the "Listari" pane: each records what the grid will hold and
// starts its document, laid into the grid or opened as a form.

#include "main_window/DocumentButtons.h"

#include <QCheckBox>

#include "core/ErrorGuard.h"
#include "core/Settings.h"
#include "document_forms/frmAnexa.h"
#include "document_forms/frmCVRad.h"
#include "document_forms/frmCerRadiere.h"
#include "document_forms/frmCertifVelorast.h"
#include "document_forms/frmDeclScoatEvid.h"
#include "document_forms/frmDeclTranscriere.h"
#include "document_forms/frmDeclVelorast.h"
#include "document_forms/frmFisa2.h"
#include "document_forms/frmImpuneF.h"
#include "document_forms/frmImpuneV.h"
#include "document_forms/frmFisaPermis.h"
#include "document_forms/frmFisaPermisV.h"
#include "document_forms/frmFiscalPF.h"
#include "document_forms/frmFiscalPJ.h"
#include "document_forms/frmPierdere.h"
#include "document_forms/frmProvizorie.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"
#include "grid_documents/modEvidenta.h"
#include "main_window/frmVelorast.h"
#include "platform/CommandButton.h"
#include "platform/PictureButton.h"
#include "platform/Program.h"
#include "report_grid/ReportGridView.h"
#include "sheet_back/modFisaVerso.h"
#include "sheet_front/LayoutSkeleton.h"
#include "sheet_front/modFisaFata.h"

using main_window::DocumentFlags;
using main_window::Flag;
using main_window::kDocuments;
using main_window::kFlagsUntouched;
using main_window::kOtherDocumentFlags;

namespace main_window {

// Every document of the buttons.
const Documents kDocuments = {
    .LayoutFisaFataComplet = sheet_front::LayoutFisaFataComplet,
    .LayoutFisaFata = sheet_front::LayoutFisaFata,
    .SetPrintFisaFata = sheet_front::SetPrintFisaFata,
    .LayoutFisaVersoComplet = sheet_back::LayoutFisaVersoComplet,
    .LayoutFisaVerso = sheet_back::LayoutFisaVerso,
    .SetPrintFisaVerso = sheet_back::SetPrintFisaVerso,
    .LayoutCV = grid_documents::LayoutCV,
    .LayoutCertifRadiere = grid_documents::LayoutCertifRadiere,
    .LayoutCVCertifRadiere = grid_documents::LayoutCVCertifRadiere,
    .LayoutEvidenta = grid_documents::LayoutEvidenta,
    .frmFisa2 = document_forms::Launch<document_forms::frmFisa2>,
    .frmCVRad = document_forms::Launch<document_forms::frmCVRad>,
    .frmDeclVelorast = document_forms::Launch<document_forms::frmDeclVelorast>,
    .frmProvizorie = document_forms::Launch<document_forms::frmProvizorie>,
    .frmCerRadiere = document_forms::Launch<document_forms::frmCerRadiere>,
    .frmDeclTranscriere = document_forms::Launch<document_forms::frmDeclTranscriere>,
    .frmImpuneF = document_forms::Launch<document_forms::frmImpuneF>,
    .frmImpuneV = document_forms::Launch<document_forms::frmImpuneV>,
    .frmFisaPermis = document_forms::Launch<document_forms::frmFisaPermis>,
    .frmFisaPermisV = document_forms::Launch<document_forms::frmFisaPermisV>,
    .frmCertifVelorast = document_forms::Launch<document_forms::frmCertifVelorast>,
    .frmDeclScoatEvid = document_forms::Launch<document_forms::frmDeclScoatEvid>,
    .frmFiscalPJ = document_forms::Launch<document_forms::frmFiscalPJ>,
    .frmFiscalPF = document_forms::Launch<document_forms::frmFiscalPF>,
    .frmPierdere = document_forms::LaunchPierdere,
    .frmAnexa = document_forms::ShowAnexa,
};

}  // namespace main_window

// The document buttons and the print bar.
void frmVelorast::ConnectListariPane() {
  const std::pair<platform::CommandButton*, void (frmVelorast::*)()> buttons[] = {
      {cmdFisaFata, &frmVelorast::cmdFisaFata_Click},
      {cmdFisaVerso, &frmVelorast::cmdFisaVerso_Click},
      {cmdFisaComplet, &frmVelorast::cmdFisaComplet_Click},
      {cmdCV, &frmVelorast::cmdCV_Click},
      {cmdCertifRadiere, &frmVelorast::cmdCertifRadiere_Click},
      {cmdCVCertifRadiere, &frmVelorast::cmdCVCertifRadiere_Click},
      {cmdEvidenta, &frmVelorast::cmdEvidenta_Click},
      {cmdVelorastulare, &frmVelorast::cmdVelorastulare_Click},
      {cmdAnexaAP1, &frmVelorast::cmdAnexaAP1_Click},
      {cmdCerereRadiere, &frmVelorast::cmdCerereRadiere_Click},
      {cmdTranscriere, &frmVelorast::cmdTranscriere_Click},
      {cmdPJF, &frmVelorast::cmdPJF_Click},
      {cmdPJV, &frmVelorast::cmdPJV_Click},
      {cmdFPF, &frmVelorast::cmdFPF_Click},
      {cmdFPV, &frmVelorast::cmdFPV_Click},
      {cmdCertifVelorast, &frmVelorast::cmdCertifVelorast_Click},
      {cmdScoatereEvidenta, &frmVelorast::cmdScoatereEvidenta_Click},
      {cmdFiscalPJ, &frmVelorast::cmdFiscalPJ_Click},
      {cmdFiscalPF, &frmVelorast::cmdFiscalPF_Click},
      {cmdPierdere, &frmVelorast::cmdPierdere_Click},
      {cmdPF, &frmVelorast::cmdPF_Click},
      {cmdAnexa, &frmVelorast::cmdAnexa_Click},
  };
  for (auto [button, handler] : buttons)
    connect(button, &QAbstractButton::clicked, this, [this, handler = handler] { (this->*handler)(); });
  connect(cmdPrint, &QAbstractButton::clicked, this, [this] { cmdPrint_Click(); });
  connect(cmdPrintPreview, &QAbstractButton::clicked, this, [this] { cmdPrintPreview_Click(); });
}

// ---- The document state and the two kinds of document

void frmVelorast::SetDocumentFlags(const DocumentFlags& flags) {
  auto apply = [](Flag f, bool& value) {
    if (f != Flag::kKeep) value = f == Flag::kOn;
  };
  apply(flags.HasDocument, HasDocument);
  apply(flags.IsFisa, IsFisa);
  apply(flags.IsFisaFata, IsFisaFata);
}

bool frmVelorast::PrintsComplete() const { return chkPrintComplet->checkState() == Qt::Checked; }

// The flags first, then the layout. An error inside the layout must not end the program
// or lose the case: it is shown, the grid repaints with what was laid, and the boxes and
// the flags stay as they are.
void frmVelorast::GridDocumentButton(const DocumentFlags& flags, main_window::GridLayout layout) {
  SetDocumentFlags(flags);
  if (!layout) return;
  report_grid::ReportGrid& grid = Grid->Model();
  try {
    layout(grid, *this);
  } catch (const platform::ProgramEnded&) {
    throw;
  } catch (const std::exception& error) {
    core::ReportUncaught(error);
    sheet_front::FinishGrid(grid);
  }
}

// The flags first, then the form. The main window hides while the form is open, and
// the form shows it again when it unloads; a form that fails to open is reported and the
// main window comes back at once.
void frmVelorast::FormDocumentButton(const DocumentFlags& flags, main_window::FormLauncher open) {
  SetDocumentFlags(flags);
  if (!open) return;
  setVisible(false);
  try {
    open(*this);
  } catch (const platform::ProgramEnded&) {
    throw;
  } catch (const std::exception& error) {
    core::ReportUncaught(error);
    setVisible(true);
  }
}

// ---- The registration sheet

void frmVelorast::cmdFisaFata_Click() {
  GridDocumentButton(main_window::kSheetFrontFlags,
                     PrintsComplete() ? kDocuments.LayoutFisaFataComplet : kDocuments.LayoutFisaFata);
}

void frmVelorast::cmdFisaVerso_Click() {
  GridDocumentButton(main_window::kSheetBackFlags,
                     PrintsComplete() ? kDocuments.LayoutFisaVersoComplet : kDocuments.LayoutFisaVerso);
}

void frmVelorast::cmdFisaComplet_Click() { FormDocumentButton(kOtherDocumentFlags, kDocuments.frmFisa2); }

// ---- The sale contract, the deregistration certificate, the request letter

void frmVelorast::cmdCV_Click() { GridDocumentButton(kOtherDocumentFlags, kDocuments.LayoutCV); }

void frmVelorast::cmdCertifRadiere_Click() { GridDocumentButton(kOtherDocumentFlags, kDocuments.LayoutCertifRadiere); }

void frmVelorast::cmdCVCertifRadiere_Click() {
  if (core::settings::ContractInGrid)
    GridDocumentButton(kOtherDocumentFlags, kDocuments.LayoutCVCertifRadiere);
  else
    FormDocumentButton(kOtherDocumentFlags, kDocuments.frmCVRad);
}

void frmVelorast::cmdEvidenta_Click() { GridDocumentButton(kOtherDocumentFlags, kDocuments.LayoutEvidenta); }

// ---- The form documents

void frmVelorast::cmdVelorastulare_Click() { FormDocumentButton(kOtherDocumentFlags, kDocuments.frmDeclVelorast); }
void frmVelorast::cmdAnexaAP1_Click() { FormDocumentButton(kOtherDocumentFlags, kDocuments.frmProvizorie); }
void frmVelorast::cmdCerereRadiere_Click() { FormDocumentButton(kOtherDocumentFlags, kDocuments.frmCerRadiere); }
void frmVelorast::cmdTranscriere_Click() { FormDocumentButton(kOtherDocumentFlags, kDocuments.frmDeclTranscriere); }
void frmVelorast::cmdPJF_Click() { FormDocumentButton(kOtherDocumentFlags, kDocuments.frmImpuneF); }
void frmVelorast::cmdPJV_Click() { FormDocumentButton(kOtherDocumentFlags, kDocuments.frmImpuneV); }
void frmVelorast::cmdFPF_Click() { FormDocumentButton(kOtherDocumentFlags, kDocuments.frmFisaPermis); }
void frmVelorast::cmdFPV_Click() { FormDocumentButton(kOtherDocumentFlags, kDocuments.frmFisaPermisV); }
void frmVelorast::cmdPierdere_Click() { FormDocumentButton(kOtherDocumentFlags, kDocuments.frmPierdere); }

// These four leave the document state as it was: after a sheet, Print still prints it
// as that sheet.
void frmVelorast::cmdCertifVelorast_Click() { FormDocumentButton(kFlagsUntouched, kDocuments.frmCertifVelorast); }
void frmVelorast::cmdScoatereEvidenta_Click() { FormDocumentButton(kFlagsUntouched, kDocuments.frmDeclScoatEvid); }
void frmVelorast::cmdFiscalPJ_Click() { FormDocumentButton(kFlagsUntouched, kDocuments.frmFiscalPJ); }
void frmVelorast::cmdFiscalPF_Click() { FormDocumentButton(kFlagsUntouched, kDocuments.frmFiscalPF); }

// Hidden buttons: one that does nothing, and the contract annex editor, shown modally
// without hiding the main window.
void frmVelorast::cmdPF_Click() {}

void frmVelorast::cmdAnexa_Click() {
  if (kDocuments.frmAnexa) core::Guarded(kDocuments.frmAnexa);
}
