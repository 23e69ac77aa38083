#include "document_forms/frmCerRadiere.h"

#include "document_forms/PrintedLine.h"
#include "document_forms/RequestParts.h"

namespace document_forms {
namespace {

using platform::FormCheckBox;

// A reason or a document: its check box, its marker "a) " and its text.
struct Choice {
  double top;
  double height;
  const char* marker;
  const char* text;
};

constexpr Choice kChoices[frmCerRadiere::kCheckCount] = {
    {9360, 285, "a) ", "exportul vehiculului ;"},
    {9660, 315, "b) ", "dezmembrarea vehiculului ;"},
    {9990, 315, "c) ", "la cererea proprietarului."},
    {11280, 285, "a) ", "documentul din care să rezulte exportul vehiculului;"},
    {11580, 315, "b) ", "documentul care să rezulte dezmembrarea vehiculului;"},
    {11910, 315, "c) ", "documentul care să ateste deţinerea spaţiului necesar pentru depozitarea vehiculului."},
};

std::vector<Item> PageItems() {
  std::vector<Item> items;
  // The receipt in the top right corner
  items.push_back(Label(7365, 2891, "Am primit", kTimes12));
  items.push_back(Rule(3150, 7350, 8280));
  items.push_back(Label(6120, 3240, "2 (doua) certificate de radiere", kTimes12));
  AddLineAt(items, 3570, 5940, kTimes12, {Say("Semnatura şi data"), BareField(0, 7680, 2685)});
  items.push_back(Rule(3870, 7680, 10380));

  items.push_back(Label(4819, 4933, "Domnule Comandant,", kTimes12));
  AddLineAt(items, 5820, 1980, kTimes12,
          {Say("Subsemnatul(a)"), DottedField(1, 3510, 4395), Say("cu domiciliul stabil/sediul")});
  AddLineAt(items, 6180, 1305, kTimes12,
          {Say("în   localitatea:"), DottedField(2, 2640, 2175), Say(",  strada"), DottedField(3, 5610, 3675),
           Say(",   nr"), DottedField(4, 9840, 495)});
  AddLineAt(items, 6510, 1305, kTimes12,
          {Say("bloc"), DottedField(5, 1740, 375), Say(", scara"), DottedField(6, 2760, 375), Say(", apart."),
           DottedField(7, 3810, 375), Say(", sector"), DottedField(8, 4890, 345), Say(", judeţ"),
           DottedField(9, 5820, 2025), Say(", deţinător al vehiculului :")});
  // The vehicle, one bulleted line each
  AddLineAt(items, 7110, 2040, kTimes12, {Say("numărul de velorastulare"), DottedField(10, 4500, 2265)});
  AddLineAt(items, 7440, 2040, kTimes12, {Say("marca:"), DottedField(11, 2730, 2895)});
  AddLineAt(items, 7770, 2040, kTimes12, {Say("nr. de identificare"), DottedField(12, 3780, 2655)});
  AddLineAt(items, 8100, 2040, kTimes12, {Say("culoare:"), DottedField(13, 2910, 2355)});
  AddLineAt(items, 8430, 2040, kTimes12, {Say("an de  fabricaţie:"), DottedField(14, 3600, 2445)});
  for (double top : {7201, 7530, 7860, 8220, 8550}) items.push_back(Bullet(1701, top));

  // The reasons and the annexed documents
  items.push_back(Label(1320, 9030, "solicit radierea acestuia pentru următorul motiv:", kTimes12));
  items.push_back(Label(1980, 10620,
                        "Anexez  alăturat cartea de identitate a vehiculului, certificatul si plăcile cu numărul",
                        kTimes12));
  items.push_back(Label(1304, 10950, "de velorastulare  împreună cu următoarele documente:", kTimes12));
  for (int i = 0; i < frmCerRadiere::kCheckCount; ++i) {
    const Choice& c = kChoices[i];
    items.push_back(Check("chk", 2010, c.top, 255, c.height, "", kPageFont, i));
    items.push_back(Label(2280, c.top, c.marker, request::kTimes12Bold, 255).Named("lbl1", i));
    items.push_back(Label(2550, c.top, c.text, kTimes12).Named("lbl2", i));
  }

  AddLineAt(items, 12900, 1785, kTimes12, {Say("DATA"), DottedField(15, 2550, 1275), Say("SEMNATURA", 7335)});
  items.push_back(Dots(8820, 12990, 1995));

  items.insert(items.end(), {PrintButton(0, 1110, 90), ExitButton(0, 2190, 90), PrintButton(1, 600, 13920),
                             ExitButton(1, 1680, 13920), Rule(15840, 1170, 10530), Footer(1230, 15870)});
  return items;
}

// The holder's boxes first, the reasons' check boxes after the vehicle, the receipt
// date last: the first focus goes to txt(1).
std::vector<TabStop> TabOrder() {
  std::vector<TabStop> tabs;
  AddBoxStops(tabs, 1, 14);
  for (int i = 0; i < frmCerRadiere::kCheckCount; ++i) tabs.push_back({"chk", i});
  AddBoxStops(tabs, 15, 15);
  tabs.insert(tabs.end(), std::begin(kTopPairFirst), std::end(kTopPairFirst));
  AddBoxStops(tabs, 0, 0);
  return tabs;
}

const Page& ThePage() {
  static const BuiltPage built("Cerere de radiere",
                               PageItems(), TabOrder(), request::kPageFont);
  return built.page;
}

constexpr BoxCopy kHolderAndVehicle[] = {
    {1, core::Box("VanzatorNume")},        {2, core::Box("VanzatorLocalitate")}, {3, core::Box("VanzatorStrada")},
    {4, core::Box("VanzatorNumar")},       {5, core::Box("VanzatorBloc")},       {6, core::Box("VanzatorScara")},
    {7, core::Box("VanzatorApartament")},  {9, core::Box("VanzatorJudet")},      {10, core::Box("NrVelorastulare")},
    {11, core::Box("Marca")},              {12, core::Box("NrIdentificare")},    {13, core::Box("Culoarea")},
    {14, core::Box("AnFabricatie")},
};

}  // namespace

frmCerRadiere::frmCerRadiere() : DocumentForm(ThePage()) {
  for (int i = 0; i < kCheckCount; ++i) {
    FormCheckBox* box = chk(i);
    connect(box, &FormCheckBox::Click, this, [this, i] { chk_Click(i); });
    connect(box, &FormCheckBox::GotFocus, this, [this, i] {
      if (!Printing()) chk_GotFocus(i);
    });
    connect(box, &FormCheckBox::LostFocus, this, [this, i] {
      if (!Printing()) chk_LostFocus(i);
    });
    connect(lbl1(i), &platform::FormLabel::Click, this, [this, i] { lbl1_Click(i); });
    connect(lbl2(i), &platform::FormLabel::Click, this, [this, i] { lbl2_Click(i); });
  }
  Form_Load();
}

FormCheckBox* frmCerRadiere::chk(int index) const { return Find<FormCheckBox>("chk", index); }
platform::FormLabel* frmCerRadiere::lbl1(int index) const { return Find<platform::FormLabel>("lbl1", index); }
platform::FormLabel* frmCerRadiere::lbl2(int index) const { return Find<platform::FormLabel>("lbl2", index); }

void frmCerRadiere::FillFields() {
  SetText(0, Today());
  CopyFromCase(kHolderAndVehicle);
  SetText(15, Today());
}

void frmCerRadiere::chk_Click(int index) {
  // The document follows its reason; setting it raises its own Click, which does nothing.
  if (index < kReasonCount) chk(index + kReasonCount)->SetValue(chk(index)->Value());
}

void frmCerRadiere::chk_GotFocus(int index) {
  KeepInView(*chk(index));
  chk(index)->SetSpecialEffect(FormCheckBox::kFlat);
}

void frmCerRadiere::chk_LostFocus(int index) { chk(index)->SetSpecialEffect(FormCheckBox::kSunken); }

void frmCerRadiere::lbl1_Click(int index) {
  AllSunken();
  chk(index)->SetSpecialEffect(FormCheckBox::kFlat);
  chk(index)->SetValue(!chk(index)->Value());
}

void frmCerRadiere::lbl2_Click(int index) { lbl1_Click(index); }

void frmCerRadiere::txt_GotFocus(int index) {
  AllSunken();
  DocumentForm::txt_GotFocus(index);
}

void frmCerRadiere::cmdPrint_GotFocus(int index) {
  AllSunken();
  DocumentForm::cmdPrint_GotFocus(index);
}

void frmCerRadiere::AllSunken() {
  for (int i = 0; i < kCheckCount; ++i) chk(i)->SetSpecialEffect(FormCheckBox::kSunken);
}

}  // namespace document_forms
