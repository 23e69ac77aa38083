#include "main_window/DocumentButtonLayout.h"

namespace main_window {
namespace {

constexpr int kLeft = 30;
constexpr int kFullWidth = 1515;
constexpr int kHalfWidth = 750;
constexpr int kHeadingHeight = 300;
constexpr int kPicture = 240;
constexpr int kSpacing = 15;      // between two buttons
constexpr int kGroupSpacing = 90;  // before a heading

}  // namespace

const std::vector<DocumentGroupSpec>& DocumentButtonGroups() {
  static const std::vector<DocumentGroupSpec> groups{
      {" FISA  VELORAST",
       false,
       {{"cmdFisaFata", "Fisa Fata"},
        {"cmdFisaVerso", "Fisa Verso"},
        {"cmdFisaComplet", "Fisa Complet"}}},
      {"  CONTRACT V-C",
       false,
       {{"cmdCV", " Vanzare-Cumparare", ButtonSpan::Left},
        {"cmdCertifRadiere", "Certificat radiere", ButtonSpan::Right},
        {"cmdCVCertifRadiere", "Contract Vanzare-Cumparare + Certificat radiere", ButtonSpan::Full, 540}}},
      {"ALTE ACTE",
       true,
       {{"cmdEvidenta", "Serviciul de evidenta"},
        {"cmdVelorastulare", "Declaratie velorastulare"},
        {"cmdAnexaAP1", "Anexa fisa AP1"},
        {"cmdCerereRadiere", "Cerere de radiere"},
        {"cmdTranscriere", "Declaratie transcriere"},
        {"cmdPJF", "Impun. -Fata-", ButtonSpan::Left},
        {"cmdPJV", "Impun. -Verso-", ButtonSpan::Right},
        {"cmdFPF", "F. Permis - F-", ButtonSpan::Left},
        {"cmdFPV", "F. Permis - V-", ButtonSpan::Right},
        {"cmdCertifVelorast", "Certif Velorast", ButtonSpan::Left},
        {"cmdScoatereEvidenta", "Scoatere Evidenta", ButtonSpan::Right},
        {"cmdFiscalPJ", "Fiscal PJ", ButtonSpan::Left},
        {"cmdFiscalPF", "Fiscal PF", ButtonSpan::Right},
        {"cmdPierdere", "Declaratie pierdere", ButtonSpan::Full, 375, true},
        {"cmdPF", "Impunere Persoana Fizica", ButtonSpan::Full, 375, true},
        {"cmdAnexa", "Anexa la Contract", ButtonSpan::Full, 375, true}}},
  };
  return groups;
}

DocumentButtonPlaces LayOutDocumentButtons() {
  DocumentButtonPlaces places;
  int top = 60;
  for (const DocumentGroupSpec& group : DocumentButtonGroups()) {
    places.headings.push_back({group.heading, group.centred,
                               {kLeft, top + (kHeadingHeight - kPicture) / 2, kPicture, kPicture},
                               {kLeft + kPicture + 30, top, kFullWidth - kPicture - 30, kHeadingHeight}});
    top += kHeadingHeight + kSpacing;
    for (const DocumentButtonSpec& button : group.buttons) {
      switch (button.span) {
        case ButtonSpan::Full:
          places.buttons.push_back({&button, {kLeft, top, kFullWidth, button.height}});
          top += button.height + kSpacing;
          break;
        case ButtonSpan::Left:
          places.buttons.push_back({&button, {kLeft, top, kHalfWidth, button.height}});
          break;
        case ButtonSpan::Right:
          places.buttons.push_back(
              {&button, {kLeft + kFullWidth - kHalfWidth, top, kHalfWidth, button.height}});
          top += button.height + kSpacing;
          break;
      }
    }
    top += kGroupSpacing;
  }
  return places;
}

}  // namespace main_window
