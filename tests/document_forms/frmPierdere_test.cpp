// frmPierdere, the loss declaration: its fill from the holder's record, the choice of
// the lost document, its opener remembered by kind, and its print.

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QKeyEvent>

#include <map>

#include "BoxTexts.h"
#include "FormFixture.h"
#include "PaperPrinter.h"
#include "document_forms/frmFisaPermis.h"
#include "document_forms/frmPierdere.h"
#include "document_forms/frmPierdereFill.h"
#include "platform/PageControls.h"
#include "support/PdfText.h"

using document_forms::BoxText;
using document_forms::frmFisaPermis;
using document_forms::frmPierdere;
using document_forms::PierdereFromRecord;
using testsupport::PaperPrinter;

using testsupport::AsMap;

namespace {


TEST(PierdereFromRecord, CopiesTheRecordsBoxesEachIntoItsOwn) {
  // Every record box holds its own index: "F0", "F1", ...
  const std::map<int, QString> expected{
      {0, "F0 F1"}, {1, "F2"},   {2, "F3"},   {6, "F8"},   {8, "F7"},   {9, "F11"},  {10, "F12"}, {11, "F13"},
      {12, "F14"},  {13, "F15"}, {15, "F16"}, {25, "F23"}, {30, "F21"}, {31, "F24"}, {32, "F25"},
  };
  EXPECT_EQ(AsMap(PierdereFromRecord([](int i) { return QStringLiteral("F%1").arg(i); })), expected);
}

TEST(PierdereFromRecord, TheTwoNamesAreAlwaysSeparatedByOneBlank) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"", "", " "}, {"POPESCU", "", "POPESCU "}, {"", "ION", " ION"}, {"POPESCU ", " ION", "POPESCU   ION"}};
  for (const auto& [surname, name, full] : cases) {
    const QList<BoxText> fill = PierdereFromRecord([&](int i) {
      return QString::fromLatin1(i == 0 ? surname : i == 1 ? name : "");
    });
    EXPECT_EQ(AsMap(fill).at(0), QString::fromLatin1(full));
  }
}

class Pierdere : public testsupport::FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmPierdere>();
    CloseForm<frmFisaPermis>();
    frmPierdere::frmApelant = frmPierdere::Opener::kMainWindow;
    FormFixture::TearDown();
  }

  // The record open, typed in, and the declaration opened from its button.
  frmPierdere* OpenFromRecord(int button = 0) {
    frmFisaPermis* record = platform::Forms::IfLoaded<frmFisaPermis>();
    if (!record) record = OpenForm<frmFisaPermis>();
    record->cmdPierdere(button)->click();
    QApplication::processEvents();
    return platform::Forms::IfLoaded<frmPierdere>();
  }

  static QString Caption(const frmPierdere& form, const char* label) { return form.Label(label)->Caption(); }

  static QMdiSubWindow* Active() {
    return platform::Forms::Get<core::MDIVelorast>()->Workspace()->activeSubWindow();
  }
};

TEST_F(Pierdere, EitherButtonOfTheRecordOpensItFilledFromTheRecordWithTheLicenceChosen) {
  for (int button : {0, 1}) {
    frmFisaPermis* record = OpenForm<frmFisaPermis>();
    record->SetText(0, QStringLiteral("POPESCU"));
    record->SetText(1, QStringLiteral("ION"));
    record->SetText(7, QStringLiteral("PRAHOVA"));
    record->SetText(8, QStringLiteral("PLOIESTI"));
    record->SetText(21, QStringLiteral("SOFER"));
    frmPierdere* form = OpenFromRecord(button);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Text(0), QStringLiteral("POPESCU ION"));
    EXPECT_EQ(form->Text(6), QStringLiteral("PLOIESTI"));  // the locality, not the county
    EXPECT_EQ(form->Text(8), QStringLiteral("PRAHOVA"));
    EXPECT_EQ(form->Text(30), QStringLiteral("SOFER"));
    EXPECT_EQ(form->Text(40), QString());
    EXPECT_EQ(form->cboPierdere()->currentIndex(), frmPierdere::kPermis);
    EXPECT_EQ(form->cboPierdere()->count(), 2);
    EXPECT_EQ(Caption(*form, "lblP1"),
              QStringLiteral("legii, iar permisul de conducere nu a fost instrainat altei persoane sau lasat in gaj."));
    EXPECT_EQ(form->Frame()->pos(), QPoint(platform::TwipsToPixels(10), 0));
    EXPECT_EQ(Active(), form->Frame());
    EXPECT_TRUE(record->isVisible());
    EXPECT_FALSE(mainWindow_.isVisible());
    // Closing it brings the record back, not the main window.
    CloseForm<frmPierdere>();
    EXPECT_EQ(Active(), record->Frame());
    EXPECT_FALSE(mainWindow_.isVisible());
    CloseForm<frmFisaPermis>();
  }
}

TEST_F(Pierdere, TheChoiceSwitchesBothSentences) {
  frmPierdere* form = OpenFromRecord();
  form->cboPierdere()->setCurrentIndex(frmPierdere::kCertificat);
  EXPECT_EQ(Caption(*form, "lblP1"),
            QStringLiteral("legii, iar certificatul de velorastulare nu a fost instrainat altei persoane sau lasat in gaj."));
  EXPECT_EQ(Caption(*form, "lblP2"),
            QStringLiteral("In cazul gasirii certificatului de velorastulare, ma oblig sa ma prezint la politie,"));
  form->cboPierdere()->setCurrentIndex(frmPierdere::kPermis);
  EXPECT_EQ(Caption(*form, "lblP2"),
            QStringLiteral("In cazul gasirii permisului de conducere, ma oblig sa ma prezint la politie,"));
}

TEST_F(Pierdere, EnterInTheComboBoxMovesOnWithoutChangingTheChoice) {
  frmPierdere* form = OpenFromRecord();
  form->cboPierdere()->setCurrentIndex(frmPierdere::kCertificat);
  form->cboPierdere()->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  PressKey(form->cboPierdere(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(form->IndexOfBox(QApplication::focusWidget()), 36);
  EXPECT_EQ(form->cboPierdere()->currentIndex(), frmPierdere::kCertificat);
}

TEST_F(Pierdere, OpenedAgainWhileOpenItIsMovedAndFocusedNotReloaded) {
  frmPierdere* form = OpenFromRecord();
  form->SetText(33, QStringLiteral("01-02-2026"));
  form->cboPierdere()->setCurrentIndex(frmPierdere::kCertificat);
  form->Move(600, -3000);
  frmFisaPermis* record = platform::Forms::IfLoaded<frmFisaPermis>();
  record->SetText(0, QStringLiteral("ALTUL"));
  record->Frame()->setFocus();
  EXPECT_EQ(OpenFromRecord(1), form);
  EXPECT_EQ(form->Text(33), QStringLiteral("01-02-2026"));
  EXPECT_EQ(form->Text(0), QStringLiteral(" "));
  EXPECT_EQ(form->cboPierdere()->currentIndex(), frmPierdere::kCertificat);
  EXPECT_DOUBLE_EQ(form->Left(), 10);
  EXPECT_DOUBLE_EQ(form->Top(), 0);
  EXPECT_EQ(Active(), form->Frame());
}

TEST_F(Pierdere, ClosedAfterTheRecordWasClosedItBringsAFreshRecordBack) {
  frmPierdere* form = OpenFromRecord();
  form->SetText(0, QStringLiteral("TASTAT"));
  platform::Forms::IfLoaded<frmFisaPermis>()->SetText(5, QStringLiteral("NUME VECHI"));
  CloseForm<frmFisaPermis>();  // the clerk switched back to the record and closed it
  EXPECT_TRUE(mainWindow_.isVisible());
  ASSERT_NO_THROW(CloseForm<frmPierdere>());
  frmFisaPermis* record = platform::Forms::IfLoaded<frmFisaPermis>();
  ASSERT_NE(record, nullptr);
  EXPECT_TRUE(record->isVisible());
  EXPECT_EQ(record->Text(5), QString());
  EXPECT_EQ(record->Text(26), QStringLiteral("07-03-2026"));
  EXPECT_TRUE(mainWindow_.isVisible());
}

TEST_F(Pierdere, OpenedByTheMainWindowItCopiesNothingAndBringsTheMainWindowBack) {
  frmFisaPermis* record = OpenForm<frmFisaPermis>();
  record->SetText(0, QStringLiteral("POPESCU"));
  CloseForm<frmFisaPermis>();
  mainWindow_.hide();
  document_forms::OpenPierdere(frmPierdere::Opener::kMainWindow);
  QApplication::processEvents();
  frmPierdere* form = platform::Forms::IfLoaded<frmPierdere>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Text(0), QString());
  CloseForm<frmPierdere>();
  EXPECT_TRUE(mainWindow_.isVisible());
  EXPECT_FALSE(platform::Forms::IsLoaded<frmFisaPermis>());
}

TEST_F(Pierdere, ThePrintShowsExactlyTheChosenDocumentAndNoComboBox) {
  frmPierdere* form = OpenFromRecord();
  QTemporaryDir out;
  for (int choice : {frmPierdere::kCertificat, frmPierdere::kPermis, frmPierdere::kCertificat}) {
    form->cboPierdere()->setCurrentIndex(choice);
    PaperPrinter printer;
    printer.pdfPath = out.filePath(QStringLiteral("pierdere%1.pdf").arg(choice));
    bool comboHidden = false;
    printer.whilePrinting = [&] { comboHidden = form->cboPierdere()->isHidden(); };
    platform::FormPrinterScript script(printer);
    form->cmdPrint_Click(0);
    EXPECT_TRUE(comboHidden);
    EXPECT_FALSE(form->cboPierdere()->isHidden());
    const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(printer.pdfPath);
    ASSERT_EQ(pages.size(), 1);
    auto count = [&](const char* text) {
      return std::count_if(pages[0].words.begin(), pages[0].words.end(),
                           [&](const testsupport::PdfWord& w) { return w.text == QLatin1String(text); });
    };
    // The label in capitals, never the combo box's entry beside it.
    EXPECT_EQ(count("PERMISUL"), choice == frmPierdere::kPermis ? 1 : 0) << choice;
    EXPECT_EQ(count("CERTIFICATUL"), choice == frmPierdere::kCertificat ? 1 : 0) << choice;
    EXPECT_EQ(count("categoria"), choice == frmPierdere::kPermis ? 1 : 0) << choice;
    EXPECT_EQ(count("Tiparire"), 0);
    const testsupport::PdfWord* label = pages[0].Find(choice == frmPierdere::kPermis ? QStringLiteral("PERMISUL")
                                                                                     : QStringLiteral("CERTIFICATUL"));
    ASSERT_NE(label, nullptr);
    EXPECT_NEAR(label->xMin, 4980 / 56.7, 1.5);
  }
  EXPECT_TRUE(messages_.Shown().isEmpty());
}

}  // namespace
