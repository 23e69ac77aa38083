// The large forms as windows: the tax declaration's two landscape faces and the one-page
// registration sheet, opened from a typed case, walked with Tab and Enter, and printed.

#include <QApplication>
#include <QFontInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

#include "FormFixture.h"
#include "FormCases.h"
#include "FormPrintTest.h"
#include "core/AppState.h"
#include "core/Fonts.h"
#include "core/ImagePaths.h"
#include "core/Settings.h"
#include "core/SheetPersonText.h"
#include "document_forms/frmFisa2.h"
#include "document_forms/frmImpuneF.h"
#include "document_forms/frmImpuneV.h"

namespace {

using document_forms::frmFisa2;
using document_forms::frmImpuneF;
using document_forms::frmImpuneV;
using testsupport::FormFixture;

class LargeForms : public FormFixture {
 protected:
  void TearDown() override {
    CloseForm<frmImpuneF>();
    CloseForm<frmImpuneV>();
    CloseForm<frmFisa2>();
    FormFixture::TearDown();
  }

  // The widget that has the focus after Tab is pressed in `widget`.
  static QWidget* TabFrom(QWidget* widget) {
    widget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    PressKey(widget, Qt::Key_Tab);
    QApplication::processEvents();
    return QApplication::focusWidget();
  }
};

template <class T>
T* Named(const document_forms::DocumentForm& form, const char* name, int index = -1) {
  return form.Find<T>(QString::fromLatin1(name), index);
}

TEST_F(LargeForms, FrontOpensLandscapeFilledAndInItsLayoutFonts) {
  core::fonts::FontDrav.setFamily(QStringLiteral("Courier New"));  // no box may take it
  core::settings::TelefonImpozite = QStringLiteral("0244 100 200 int. 7");
  case_.Type({{"CumparatorNume", "POPESCU ION"}, {"CumparatorCodFiscal", "  "}, {"CumparatorCNP", "1850331460012"},
              {"Categoria", "AUTOTURISM M1"}, {"Cilindree", "1390"}, {"Marca", "DACIA"}, {"Tipul", "LOGAN"},
              {"NrIdentificare", "UU1LSDAAH38765432"}, {"MotorSerie", "C123"}});
  frmImpuneF* form = OpenForm<frmImpuneF>();
  EXPECT_EQ(form->size(), QSize(platform::TwipsToPixels(16840), platform::TwipsToPixels(11907)));
  EXPECT_EQ(form->windowTitle(), "Impunere fata");
  EXPECT_EQ(form->BoxCount(), 133);
  EXPECT_EQ(form->Text(0), "POPESCU ION");
  EXPECT_EQ(form->Text(1), "1850331460012");
  EXPECT_EQ(form->Text(114), "");
  EXPECT_EQ(form->Text(17), "DACIA LOGAN");
  EXPECT_EQ(form->Text(19), "765432");
  EXPECT_EQ(form->Text(21), "1390");
  EXPECT_EQ(Named<platform::FormLabel>(*form, "lblPers")->Caption(), " PERSOANE FIZICE");
  EXPECT_EQ(Named<platform::FormLabel>(*form, "lblIBAN")->Caption(), "RO93TREZ2162116020201XXX");
  EXPECT_EQ(Named<platform::FormLabel>(*form, "lblTelefon")->Caption(), "0244 100 200 int. 7");

  // The layout's fonts: the page's own, and the totals' own.
  EXPECT_EQ(form->BoxWidget(17)->font().family(), "MS Sans Serif");
  EXPECT_DOUBLE_EQ(form->BoxWidget(17)->font().pointSizeF(), 8.25);
  const QFont total = form->BoxWidget(73)->font();
  EXPECT_EQ(total.family(), "Arial");
  EXPECT_TRUE(total.bold());
  EXPECT_DOUBLE_EQ(form->BoxWidget(63)->font().pointSizeF(), 6.75);
  core::fonts::FontDrav = QFont();
  core::settings::TelefonImpozite.clear();
}

TEST_F(LargeForms, FrontCoatOfArmsIsThePictureOrAPlainFrame) {
  core::AppPath = QCoreApplication::applicationDirPath();
  core::images::LoadImagePaths();
  ASSERT_FALSE(core::images::ImgStema.isEmpty());
  frmImpuneF* form = OpenForm<frmImpuneF>();
  EXPECT_EQ(Named<platform::FormImage>(*form, "imgStema")->Picture().size(), QSize(153, 211));
  EXPECT_TRUE(Named<platform::FormShape>(*form, "shpStema")->isHidden());
  CloseForm<frmImpuneF>();

  core::images::ImgStema = QStringLiteral("/nowhere/stema.bmp");
  form = OpenForm<frmImpuneF>();
  EXPECT_TRUE(Named<platform::FormImage>(*form, "imgStema")->Picture().isNull());
  EXPECT_FALSE(Named<platform::FormShape>(*form, "shpStema")->isHidden());
  core::images::ImgStema.clear();
}

// Tab runs the reading order and never reaches the closing block under the bottom edge.
TEST_F(LargeForms, FrontTabOrderLeavesOutTheBoxesBelowTheSheet) {
  frmImpuneF* form = OpenForm<frmImpuneF>();
  EXPECT_EQ(QApplication::focusWidget(), form->BoxWidget(0));
  EXPECT_EQ(TabFrom(form->BoxWidget(16)), form->BoxWidget(114));
  EXPECT_EQ(TabFrom(form->BoxWidget(121)), form->BoxWidget(128));
  EXPECT_EQ(TabFrom(form->BoxWidget(132)), form->BoxWidget(17));
  EXPECT_EQ(TabFrom(form->BoxWidget(62)), form->BoxWidget(64));
  EXPECT_EQ(TabFrom(form->BoxWidget(113)), form->cmdPrint(0));
  EXPECT_EQ(TabFrom(form->cmdExit(1)), form->BoxWidget(63));
  for (int index : {74, 75}) EXPECT_FALSE(form->BoxWidget(index)->focusPolicy() & Qt::TabFocus) << index;
  // From the last box, Tab goes round to the first without landing below the sheet.
  QWidget* next = TabFrom(form->BoxWidget(73));
  EXPECT_NE(next, form->BoxWidget(74));
  EXPECT_NE(next, form->BoxWidget(75));
}

// The words of one printed line of a column (x from `from` to `to`, twips), left to right.
QList<testsupport::PdfWord> LineWords(const testsupport::PdfPage& page, double top, double from, double to) {
  QList<testsupport::PdfWord> out;
  for (const testsupport::PdfWord& w : page.words)
    if (std::abs(w.yMin - top / 56.7) < 1.0 && w.xMin >= from / 56.7 - 0.5 && w.xMin < to / 56.7) out << w;
  std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
  return out;
}

// The closing frame's two paragraphs on paper: the runs of blanks start "Prin prezenta"
// and "In caz de emitere" on lines of their own, and the gaps after "Legii nr." hold the
// law number at its places, clear of the words on either side.
TEST_F(LargeForms, BackParagraphsBreakAtTheirBlankRunsAndHoldTheLawNumber) {
  const testsupport::PdfPage page = testsupport::PrintedPage(*OpenForm<frmImpuneV>());
  constexpr double kRight = 8400;  // the tax office's column
  constexpr double kBlankMm = 40 / 56.7;

  const struct { double top, left; const char* first; const char* second; } starts[] = {
      {6450, 540, "Contribuabilul", "intocmeste"}, {6660, 540, "dobandire", "a"}, {6870, 540, "Prin", "prezenta"},
      {7080, 540, "din", "tabelul"},             {6420, kRight, "Sectiunea", "II"}, {6630, kRight, "In", "caz"},
      {6840, kRight, "conformitate", "cu"},      {7050, kRight, "si", "a"},        {7260, kRight, "fiscal,", "cu"},
      {7470, kRight, "modificarile", "si"},
  };
  for (const auto& s : starts) {
    const QList<testsupport::PdfWord> line = LineWords(page, s.top, s.left, s.left == 540 ? kRight : 16840);
    ASSERT_GE(line.size(), 2) << s.first;
    EXPECT_EQ(line[0].text, s.first) << s.top;
    EXPECT_EQ(line[1].text, s.second) << s.top;
    EXPECT_NEAR(line[0].xMin, s.left / 56.7, 0.3) << s.first;
    // The declarant's lines end a blank short of the tax office's column.
    if (s.left == 540) {
      EXPECT_LT(line.back().xMax, kRight / 56.7 - kBlankMm) << s.first;
    }
  }

  const struct { double top, left; } gaps[] = {{6840, 10830}, {7050, 14160}};
  for (const auto& g : gaps) {
    const QList<testsupport::PdfWord> line = LineWords(page, g.top, kRight, 16840);
    const auto number = std::find_if(line.begin(), line.end(), [](const auto& w) { return w.text == "571/2003"; });
    ASSERT_NE(number, line.end()) << g.top;
    ASSERT_TRUE(number != line.begin() && number + 1 != line.end()) << g.top;
    EXPECT_EQ((number - 1)->text, "nr.") << g.top;
    EXPECT_EQ((number - 2)->text, "Legii") << g.top;
    EXPECT_EQ((number + 1)->text, "privind") << g.top;
    EXPECT_GE(number->xMin, g.left / 56.7) << g.top;
    EXPECT_LE(number->xMax, (g.left + 735) / 56.7) << g.top;
    EXPECT_GE(number->xMin - (number - 1)->xMax, kBlankMm) << g.top;
    EXPECT_GE((number + 1)->xMin - number->xMax, kBlankMm) << g.top;
  }
}

TEST_F(LargeForms, BackHasItsGapsSingleButtonsAndNoBoxHandling) {
  case_.Type({{"Categoria", "SEMIREMORCA O4"}, {"Marca", "SCHMITZ"}, {"Tipul", "S01"},
              {"NrIdentificare", "WSM00000003123456"}, {"MasaTotalaMax", "39000"}, {"Cilindree", "1"}});
  frmImpuneV* form = OpenForm<frmImpuneV>();
  EXPECT_EQ(form->size(), QSize(platform::TwipsToPixels(16840), platform::TwipsToPixels(11907)));
  EXPECT_EQ(form->windowTitle(), "Impunere verso");
  EXPECT_EQ(form->BoxCount(), 69);
  for (int gap : {45, 50, 55, 60}) EXPECT_EQ(form->Box(gap), nullptr) << gap;
  EXPECT_EQ(form->Text(59), "SCHMITZ S01");
  EXPECT_EQ(form->Text(57), "123456");
  EXPECT_EQ(form->Text(56), "39000");
  EXPECT_EQ(form->cmdPrint(0), nullptr);
  ASSERT_NE(form->cmdPrint(), nullptr);
  ASSERT_NE(form->cmdExit(), nullptr);

  // A box that takes the focus selects nothing and Enter stays in it.
  QWidget* box = form->BoxWidget(59);
  box->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_FALSE(static_cast<platform::FormTextBox*>(box)->hasSelectedText());
  PressKey(box, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), box);
  // Table 1 by index, then table 2 row by row, then the buttons.
  EXPECT_EQ(TabFrom(form->BoxWidget(44)), form->BoxWidget(59));
  EXPECT_EQ(TabFrom(form->BoxWidget(56)), form->BoxWidget(54));
  EXPECT_EQ(TabFrom(form->BoxWidget(61)), form->cmdPrint());

  // Either button brings the page's top back.
  form->SetTop(-900);
  form->cmdExit()->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(form->Top(), 0);
}

TEST_F(LargeForms, SheetComposesBothPartiesAsTheSheetBackDoes) {
  case_.Type({{"CumparatorNume", "POPESCU ION"}, {"CumparatorSerieBI", "RT"}, {"CumparatorNrBI", "123456"},
              {"CumparatorCodFiscal", " "}, {"CumparatorCNP", "1850331460012"}, {"CumparatorLocalitate", "ARAD"},
              {"VanzatorNume", "SC ALFA SRL"}, {"VanzatorRegCom", "J02/1/2001"}, {"VanzatorStrada", ""},
              {"VanzatorNumar", "7"}, {"NrVelorastulare", "AR 01 ABC"}, {"NrOmologare", "B 1"},
              {"AnFabricatie", "2008"}, {"Specificatii", "linia 1\r\nlinia 2"}});
  frmFisa2* form = OpenForm<frmFisa2>();
  EXPECT_EQ(form->size(), QSize(platform::TwipsToPixels(11907), platform::TwipsToPixels(16840)));
  EXPECT_EQ(form->BoxCount(), 59);
  for (core::SheetParty party : {core::SheetParty::Buyer, core::SheetParty::Seller}) {
    const core::SheetPersonTexts texts = core::ComposeSheetPerson(case_, party);
    const bool buyer = party == core::SheetParty::Buyer;
    EXPECT_EQ(form->Text(buyer ? 1 : 9), texts.nameWithIdCard);
    EXPECT_EQ(form->Text(buyer ? 4 : 10), texts.birthDateOrFiscalCode);
    EXPECT_EQ(form->Text(buyer ? 6 : 11), texts.registerOrCnp.value_or(QString()));
    EXPECT_EQ(form->Text(buyer ? 7 : 12), texts.address);
  }
  EXPECT_EQ(form->Text(1), "POPESCU ION\r\nRT    123456");
  EXPECT_EQ(form->Text(4), "CUI:  ");
  EXPECT_EQ(form->Text(6), "CNP: 1850331460012");
  EXPECT_EQ(form->Text(7), "loc ARAD");
  EXPECT_EQ(form->Text(12), "nr 7");  // nothing of the buyer's address
  EXPECT_EQ(form->Text(8), "AR 01 ABC");
  EXPECT_EQ(form->Text(17), "B 1   2008");
  EXPECT_EQ(form->Text(58), "linia 1\r\nlinia 2");
  EXPECT_EQ(Named<platform::FormLabel>(*form, "lblTipVelorastulare")->Caption(), core::kRegistrationTypeCaption);
}

TEST_F(LargeForms, SheetWithAnEmptyCaseLeavesOnlyThreeBlanks) {
  frmFisa2* form = OpenForm<frmFisa2>();
  QStringList expected(59, QString());
  expected[17] = QStringLiteral("   ");
  EXPECT_EQ(Texts(*form), expected);
}

// The five boxes of several lines, each in its own font (FontDrav's face, the layout's
// size); Enter moves on from them as from the others and puts no line break into them.
TEST_F(LargeForms, SheetMultiLineBoxesTakeEnterAsTab) {
  core::fonts::FontDrav.setFamily(QStringLiteral("Times New Roman"));
  case_.Type({{"CumparatorNume", "POPESCU ION"}});
  frmFisa2* form = OpenForm<frmFisa2>();
  const struct { int box; double points; } memos[] = {{1, 9}, {7, 8.25}, {9, 9}, {12, 8.25}, {58, 8.25}};
  for (const auto& memo : memos) {
    auto* widget = qobject_cast<platform::FormMemoBox*>(form->BoxWidget(memo.box));
    ASSERT_NE(widget, nullptr) << memo.box;
    EXPECT_EQ(widget->font().family(), "Times New Roman") << memo.box;
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), memo.points) << memo.box;
  }
  EXPECT_DOUBLE_EQ(form->BoxWidget(51)->font().pointSizeF(), 9.75);
  EXPECT_EQ(qobject_cast<platform::FormMemoBox*>(form->BoxWidget(2)), nullptr);
  core::fonts::FontDrav = QFont();

  QWidget* name = form->BoxWidget(1);
  name->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  PressKey(name, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), form->BoxWidget(2));
  EXPECT_EQ(form->Text(1), "POPESCU ION");
  QWidget* modifications = form->BoxWidget(58);
  modifications->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  PressKey(modifications, Qt::Key_Enter);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), form->cmdPrint(1));
  EXPECT_EQ(form->Text(58), "");
}

// Tabbing through the boxes of several lines selects each in turn; only the focused one
// shows a selection, as with the single-line boxes.
TEST_F(LargeForms, SheetMultiLineBoxShowsItsSelectionOnlyWhileFocused) {
  frmFisa2* form = OpenForm<frmFisa2>();
  const int memos[] = {1, 7, 9, 12, 58};
  for (int box : memos) form->SetText(box, QStringLiteral("rand %1").arg(box));
  for (int box : memos) {
    auto* widget = qobject_cast<platform::FormMemoBox*>(form->BoxWidget(box));
    ASSERT_NE(widget, nullptr) << box;
    EXPECT_EQ(TabFrom(form->BoxWidget(box - 1)), widget) << box;
    EXPECT_TRUE(widget->textCursor().hasSelection()) << box;
    for (int other : memos) {
      if (other == box) continue;
      auto* memo = static_cast<platform::FormMemoBox*>(form->BoxWidget(other));
      EXPECT_FALSE(memo->textCursor().hasSelection()) << other << " while " << box << " has the focus";
    }
  }
}

// The sheet's first box has its full width, and the small caption before box 51 prints
// whole, ending before the box.
TEST_F(LargeForms, SheetFirstBoxAndPressureCaptionHaveTheirSizes) {
  frmFisa2* form = OpenForm<frmFisa2>();
  EXPECT_EQ(form->Box(0)->Twips(), QRectF(2430, 690, 4125, 285));
  const testsupport::PdfPage page = testsupport::PrintedPage(*form);
  const testsupport::PdfWord* conducta = nullptr;
  for (const testsupport::PdfWord& w : page.words)
    if (w.text == QLatin1String("conducta") && std::abs(w.yMin * 56.7 - 13140) < 40) conducta = &w;
  ASSERT_NE(conducta, nullptr);
  EXPECT_LE(conducta->xMax, 9330 / 56.7);
  // Its size: the face stands 1.107 of its size high, ascent and descent.
  EXPECT_NEAR(conducta->yMax - conducta->yMin, 8.25 * 1.107 * testsupport::kMmPerPoint, 0.3);
}

// The bottom pair brings itself into view by the boxes' rule; the top pair goes back to
// the page's top.
TEST_F(LargeForms, SheetBottomButtonsKeepThemselvesInView) {
  frmFisa2* form = OpenForm<frmFisa2>();
  form->SetTop(0);
  form->cmdPrint(1)->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  // c = 15990 > 6000 - 405 - 700: Top = 0 - (15990 - 6000) - 405 - 700.
  EXPECT_EQ(form->Top(), -(15990 - kClientHeight) - 405 - 700);
  form->cmdExit(0)->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(form->Top(), 0);
}

TEST_F(LargeForms, FrontPrintsOneLandscapePageWithItsLabelsInPlace) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmImpuneF>(
      *this, {{"ROMANIA", 13080, 1170}, {"Serviciul", 11910, 1830}, {"Sectiunea", 4470, 4770},
              {"TOTAL", 3420, 11445}, {"Contribuabilul/imputernicit", 750, 1140}});
}

TEST_F(LargeForms, BackPrintsOneLandscapePageWithItsLabelsInPlace) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmImpuneV>(
      *this, {{"Tractoare", 570, 1620}, {"Subsemnatul,", 3090, 7650}, {"Act", 540, 10710},
              {"Masa", 7470, 4380}});
}

TEST_F(LargeForms, SheetPrintsOnePortraitPageWithItsLabelsInPlace) {
  testsupport::ExpectFormPrintsAtItsPlaces<frmFisa2>(
      *this, {{"2.Detinatorul:", 1320, 1110}, {"VAMA", 1380, 4560}, {"DATE", 4980, 10110},
              {"Categoria", 1020, 10440}, {"Modificari", 720, 14970}, {"Act", 720, 16140}});
}

// The front's title stands in its width, clear of "(se scrie anul)" after it, and the
// register caption of the legal person starts clear of the header frame's left side.
TEST_F(LargeForms, FrontTitleAndRegisterCaptionKeepClearOfTheirNeighbours) {
  frmImpuneF* form = OpenForm<frmImpuneF>();
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("front.pdf"));
  form->PrintToPdf(pdf);
  const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(pdf);
  ASSERT_EQ(pages.size(), 1);
  constexpr double kMm = 56.7;  // twips
  const testsupport::PdfWord* title = nullptr;  // the title's last word, on the line at 3510
  for (const testsupport::PdfWord& w : pages[0].words)
    if (w.text == QLatin1String("transport") && std::abs(w.yMin - 3510 / kMm) < 1) title = &w;
  const testsupport::PdfWord* year = pages[0].Find(QStringLiteral("(se"));
  const testsupport::PdfWord* registered = pages[0].Find(QStringLiteral("inregistrat"));
  ASSERT_TRUE(title && year && registered);
  EXPECT_LE(title->xMax, (2130 + 10485) / kMm + 0.1);
  EXPECT_GT(year->xMin - title->xMax, 2);
  // The frame's left side fills the pixel from 660 to 675.
  EXPECT_GT(registered->xMin, 675 / kMm + 0.2);
}

// What lies under the bottom edge of a landscape page never reaches the paper.
TEST_F(LargeForms, FrontClosingBlockStaysOffThePaper) {
  frmImpuneF* form = OpenForm<frmImpuneF>();
  form->SetText(74, QStringLiteral("MARCA74"));
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("front.pdf"));
  form->PrintToPdf(pdf);
  const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(pdf);
  ASSERT_EQ(pages.size(), 1);
  EXPECT_NE(pages[0].Find(QStringLiteral("TOTAL")), nullptr);
  for (const char* word : {"DIRECTOR,", "NOTA:", "L.S.", "MARCA74"})
    EXPECT_EQ(pages[0].Find(QString::fromLatin1(word)), nullptr) << word;
}

}  // namespace
