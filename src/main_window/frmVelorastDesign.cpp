// The main window's controls as they are when the window is created: their names,
// captions, fonts, places in twips and visibility, before Form_Load runs.

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <map>

#include "core/CaseBoxTable.h"
#include "main_window/DocumentButtonLayout.h"
#include "main_window/RubricLayout.h"
#include "main_window/StackedLabel.h"
#include "main_window/frmVelorast.h"
#include "platform/CommandButton.h"
#include "platform/ListView.h"
#include "platform/MultiLineTextBox.h"
#include "platform/PictureButton.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "report_grid/ReportGridView.h"

using main_window::TwipsBox;

namespace {

QFont MakeFont(const QString& family, double points, bool bold = false) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont MakeFont(const core::BoxFont& spec) {
  return MakeFont(QString::fromLatin1(spec.family.data(), spec.family.size()), spec.points, spec.bold);
}

QFont CaptionFont() { return MakeFont(QStringLiteral("MS Sans Serif"), 8.25); }

void Place(QWidget* w, const TwipsBox& b) { w->setGeometry(platform::TwipsRect(b.Left, b.Top, b.Width, b.Height)); }
void Place(QWidget* w, int left, int top, int width, int height) { Place(w, {left, top, width, height}); }

template <class W>
W* Named(W* w, const QString& name) {
  w->setObjectName(name);
  return w;
}

QWidget* PictureBox(QWidget* parent, const QString& name) {
  auto* box = Named(new QFrame(parent), name);
  box->setAutoFillBackground(true);
  return box;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption, const TwipsBox& place,
                    bool visible = true) {
  auto* button = Named(new QPushButton(caption, parent), name);
  Place(button, place);
  button->setVisible(visible);
  return button;
}

platform::ListView* ListView(QWidget* parent, const QString& name) {
  return Named(new platform::ListView(parent), name);
}

QLabel* Caption(QWidget* parent, const QString& text, const TwipsBox& place,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(alignment);
  Place(label, place);
  return label;
}

// Which widgets of a data pane's rubrics are made: the boxes, the captions (every widget
// of the rubrics that is no box: frames, numbers, group and box captions), or both.
enum class RubricParts { All, Boxes, Captions };

// The numbered rubrics of a data pane, with their captions and boxes. Captions made after
// the boxes stand where they would have stood among them: each under the box that follows
// it, those after the last box under `next`, the first widget made after the rubrics.
template <std::size_t N>
void CreateRubrics(QWidget* content, const main_window::RubricPane& pane,
                   std::array<platform::TextBox*, N>& boxes, const QString& arrayName,
                   RubricParts parts = RubricParts::All, QWidget* next = nullptr) {
  const QFontMetrics metrics(CaptionFont());
  const auto placed = main_window::LayOutRubrics(
      pane, [&metrics](const QString& text) { return platform::PixelsToTwips(metrics.horizontalAdvance(text)); });
  QList<QWidget*> waiting;  // captions made after the boxes, not yet under the box that follows them
  auto stackUnder = [&waiting](QWidget* above) {
    if (above)
      for (QWidget* caption : waiting) caption->stackUnder(above);
    waiting.clear();
  };
  for (const main_window::Placed& p : placed) {
    if (p.kind == main_window::PlacedKind::Box) {
      if (parts == RubricParts::Captions) {
        stackUnder(boxes.at(p.box));
        continue;
      }
      const core::BoxSpec& spec = core::Spec({pane.array, p.box});
      auto* box = Named(new platform::TextBox(content), QStringLiteral("%1(%2)").arg(arrayName).arg(p.box));
      box->setFont(MakeFont(spec.font));
      if (spec.maxLength > 0) box->setMaxLength(spec.maxLength);
      Place(box, p.place);
      boxes.at(p.box) = box;
      continue;
    }
    if (parts == RubricParts::Boxes) continue;
    QWidget* made = nullptr;
    switch (p.kind) {
      case main_window::PlacedKind::Rubric: {
        auto* frame = new QFrame(content);
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(1);
        frame->setForegroundRole(QPalette::Mid);
        Place(frame, p.place);
        made = frame;
        break;
      }
      case main_window::PlacedKind::Number: {
        QLabel* number = Caption(content, p.text, p.place, Qt::AlignCenter);
        number->setFrameStyle(QFrame::Box | QFrame::Plain);
        number->setForegroundRole(QPalette::WindowText);
        made = number;
        break;
      }
      case main_window::PlacedKind::Group:
        if (p.groupStyle == main_window::GroupStyle::Stacked) {
          if (p.text.isEmpty()) break;  // the window's own label stands there
          auto* label = new main_window::StackedLabel(content, true);
          label->setText(p.text);
          label->setFont(MakeFont(QStringLiteral("MS Sans Serif"), 7.5));
          Place(label, p.place);
          made = label;
        } else {
          QLabel* label = Caption(content, p.text, p.place, Qt::AlignRight | Qt::AlignVCenter);
          label->setWordWrap(false);
          made = label;
        }
        break;
      case main_window::PlacedKind::Lead:
        made = Caption(content, p.text, p.place);
        break;
      case main_window::PlacedKind::Caption: {
        QLabel* caption = Caption(content, p.text, p.place,
                                  p.captionAbove ? Qt::AlignLeft | Qt::AlignBottom : Qt::AlignLeft | Qt::AlignVCenter);
        if (p.captionAbove) caption->setFont(MakeFont(core::kBoxFont));
        made = caption;
        break;
      }
      case main_window::PlacedKind::Box: break;
    }
    if (made && parts == RubricParts::Captions) waiting.append(made);
  }
  stackUnder(next);
}

}  // namespace

void frmVelorast::CreateWindowControls() {
  setObjectName(QStringLiteral("frmVelorast"));
  setFont(CaptionFont());

  tabVelorast = Named(new QTabWidget(this), QStringLiteral("tabVelorast"));
  for (const char* caption : {"Fisa fata", "Fisa Verso", "Listari"})
    tabVelorast->addTab(new QWidget(tabVelorast), QString::fromLatin1(caption));
  tabVelorast->setCurrentIndex(0);

  picParent1 = PictureBox(this, QStringLiteral("picParent1"));
  picParent3 = PictureBox(this, QStringLiteral("picParent3"));
  picParent4 = PictureBox(this, QStringLiteral("picParent4"));
  picParent3->hide();
  picParent4->hide();
  vscInput1 = Named(new QScrollBar(Qt::Vertical, this), QStringLiteral("vscInput1"));
  vscInput3 = Named(new QScrollBar(Qt::Vertical, this), QStringLiteral("vscInput3"));
  for (QScrollBar* bar : {vscInput1, vscInput3}) {
    bar->setSingleStep(1);
    bar->setPageStep(1);
  }
  vscInput3->hide();

  CreateFisaFataPane();
  CreateFisaVersoPane();
  CreateListariPane();
  CreateMenus();
  SetTabOrder();
  ApplyShell();
}

void frmVelorast::CreateFisaFataPane() {
  picInput1 = PictureBox(picParent1, QStringLiteral("picInput1"));
  const main_window::RubricPane& rubrics = main_window::FisaFataRubrics();

  Label79 = Named(Caption(picInput1, QStringLiteral("FISA FATA"), {0, 0, rubrics.width, rubrics.sections.front().top},
                          Qt::AlignCenter),
                  QStringLiteral("Label79"));
  Label79->setFont(MakeFont(QStringLiteral("Arial"), 8.25, true));
  Label79->setAutoFillBackground(true);
  QPalette white = Label79->palette();
  white.setColor(QPalette::Window, Qt::white);
  Label79->setPalette(white);

  CreateRubrics(picInput1, rubrics, txtCamp, QStringLiteral("txtCamp"));

  // The engine's rubric carries Label36 in its group column.
  Label36 = Named(new main_window::StackedLabel(picInput1), QStringLiteral("Label36"));
  Label36->setFont(MakeFont(QStringLiteral("Times New Roman"), 9));
  const QFontMetrics metrics(CaptionFont());
  for (const main_window::Placed& p : main_window::LayOutRubrics(rubrics, [&metrics](const QString& t) {
         return platform::PixelsToTwips(metrics.horizontalAdvance(t));
       }))
    if (p.kind == main_window::PlacedKind::Group && p.rubric == 10) Place(Label36, p.place);

  cmdClear3 = Button(picInput1, QStringLiteral("cmdClear3"), QStringLiteral("Golire campuri"),
                     {540, 0, 1815, 255}, false);

  Image3 = Named(new QLabel(picParent1), QStringLiteral("Image3"));
  Image3->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(24, 24));
  Place(Image3, 8010, 30, 480, 480);
  Label72 = Named(Caption(picParent1, QStringLiteral("Specificatii"), {8010, 60, 3195, 600}, Qt::AlignCenter),
                  QStringLiteral("Label72"));
  Label72->setFont(MakeFont(QStringLiteral("Times New Roman"), 15.75, true));

  txtSpecificatii = Named(new platform::MultiLineTextBox(picParent1), QStringLiteral("txtSpecificatii"));
  txtSpecificatii->setFont(MakeFont(core::kSpecificatiiBox.font));
  txtSpecificatii->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtSpecificatii->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtSpecificatii->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtSpecificatii->setTabChangesFocus(true);
  Place(txtSpecificatii, 8070, 690, 3135, 2475);

  fra3 = Named(new QGroupBox(QStringLiteral("Cautare dupa Nr de identificare"), picParent1), QStringLiteral("fra3"));
  Place(fra3, 8100, 3180, 3105, 3975);
  fra3->hide();
  txtCriteriu2 = Named(new platform::TextBox(fra3), QStringLiteral("txtCriteriu2"));
  Place(txtCriteriu2, 120, 270, 2865, 315);
  cmdCauta2 = Button(fra3, QStringLiteral("cmdCauta2"), QStringLiteral("Cauta"), {120, 645, 2865, 315});
  lvwMasini = ListView(fra3, QStringLiteral("lvwMasini"));
  Place(lvwMasini, 30, 1035, 3045, 2415);
  cmdSave3 = Button(fra3, QStringLiteral("cmdSave3"), QStringLiteral("Adauga"), {60, 3510, 975, 375}, false);
  cmdEdit3 = Button(fra3, QStringLiteral("cmdEdit3"), QStringLiteral("Modifica"), {1065, 3510, 975, 375}, false);
  cmdDelete2 = Button(fra3, QStringLiteral("cmdDelete2"), QStringLiteral("Sterge"), {2070, 3510, 975, 375});
}

void frmVelorast::CreateFisaVersoPane() {
  picInput3 = PictureBox(picParent3, QStringLiteral("picInput3"));
  const main_window::RubricPane& rubrics = main_window::FisaVersoRubrics();
  const QFont headingFont = MakeFont(QStringLiteral("Times New Roman"), 24, true);

  Label136 = Named(Caption(picInput3, QStringLiteral("CUMPARATOR"), {0, 90, rubrics.width, 555}, Qt::AlignCenter),
                   QStringLiteral("Label136"));
  Label102 = Named(Caption(picInput3, QStringLiteral("VANZATOR"), {0, 5640, rubrics.width, 555}, Qt::AlignCenter),
                   QStringLiteral("Label102"));
  Label136->setFont(headingFont);
  Label102->setFont(headingFont);

  // The boxes now, since the documents and the records read them whether or not the
  // pane has been shown; their captions when the pane is first shown (ShowPaneCaptions).
  CreateRubrics(picInput3, rubrics, txtVerso, QStringLiteral("txtVerso"), RubricParts::Boxes);

  // The buyer's and the seller's buttons stand in the band of their heading: "Golire
  // campuri" at its left end, "Adauga" and "Modifica" at its right end.
  const int right = rubrics.width;
  auto headingButtons = [&](int group, int top, const QString& whose, QPushButton*& clear, QPushButton*& save,
                            QPushButton*& edit) {
    auto name = [group](const char* kind) { return QStringLiteral("%1%2").arg(QLatin1StringView(kind)).arg(group); };
    clear = Button(picInput3, name("cmdClear"), QStringLiteral("Golire campuri"), {390, top, 1500, 315}, false);
    save = Button(picInput3, name("cmdSave"), QStringLiteral("Adauga"), {right - 2100, top, 1035, 315}, false);
    edit = Button(picInput3, name("cmdEdit"), QStringLiteral("Modifica"), {right - 1035, top, 1035, 315}, false);
    save->setToolTip(QStringLiteral("Adauga datele ") + whose);
    edit->setToolTip(QStringLiteral("Modifica datele ") + whose);
  };
  headingButtons(1, 510, QStringLiteral("cumparatorului"), cmdClear1, cmdSave1, cmdEdit1);
  headingButtons(2, 6030, QStringLiteral("vanzatorului"), cmdClear2, cmdSave2, cmdEdit2);

  fra1 = Named(new QGroupBox(QStringLiteral("Cautare"), picParent3), QStringLiteral("fra1"));
  fra1->hide();
  optCNP = Named(new QRadioButton(QStringLiteral("CNP"), fra1), QStringLiteral("optCNP"));
  Place(optCNP, 120, 270, 1200, 255);
  optCNP->setChecked(true);
  optNume = Named(new QRadioButton(QStringLiteral("Nume"), fra1), QStringLiteral("optNume"));
  Place(optNume, 1500, 270, 1200, 255);
  txtCriteriu = Named(new platform::TextBox(fra1), QStringLiteral("txtCriteriu"));
  Place(txtCriteriu, 120, 585, 2865, 315);
  cmdCauta = Button(fra1, QStringLiteral("cmdCauta"), QStringLiteral("Cauta"), {120, 960, 2865, 315});
  lvwResult = ListView(fra1, QStringLiteral("lvwResult"));

  fra2 = Named(new QGroupBox(picParent3), QStringLiteral("fra2"));
  Place(fra2, 8220, 6510, 3105, 795);
  fra2->hide();
  optCumparator = Named(new QRadioButton(QStringLiteral("Cumparator"), fra2), QStringLiteral("optCumparator"));
  Place(optCumparator, 120, 150, 1500, 255);
  optCumparator->setChecked(true);
  optVanzator = Named(new QRadioButton(QStringLiteral("Vanzator"), fra2), QStringLiteral("optVanzator"));
  Place(optVanzator, 120, 450, 1500, 255);
  cmdDelete = Button(fra2, QStringLiteral("cmdDelete"), QStringLiteral("Sterge"), {1800, 210, 1185, 375});
}

void frmVelorast::CreateListariPane() {
  picTop = PictureBox(picParent4, QStringLiteral("picTop"));
  const QFont printFont = MakeFont(QStringLiteral("Arial"), 8.25);
  cmdPrint = Named(new platform::PictureButton(QStringLiteral("Print"), picTop), QStringLiteral("cmdPrint"));
  cmdPrintPreview =
      Named(new platform::PictureButton(QStringLiteral("Preview"), picTop), QStringLiteral("cmdPrintPreview"));
  Place(cmdPrint, 120, 0, 1215, 495);
  Place(cmdPrintPreview, 1410, 0, 1275, 495);
  cmdPrint->setFont(printFont);
  cmdPrintPreview->setFont(printFont);
  chkPrintComplet = Named(new QCheckBox(QStringLiteral("Printare completa a fisei"), picTop),
                          QStringLiteral("chkPrintComplet"));
  Place(chkPrintComplet, 2880, 120, 2355, 315);

  picLeftMic = PictureBox(picParent4, QStringLiteral("picLeftMic"));
  picLeftMic->setFont(MakeFont(QStringLiteral("Arial"), 6.75));
  // The buttons now, the headings between them when the pane is first shown (ShowPaneCaptions).
  const main_window::DocumentButtonPlaces places = main_window::LayOutDocumentButtons();

  using ButtonMember = platform::CommandButton* frmVelorast::*;
  static const std::map<std::string_view, ButtonMember> members{
      {"cmdFisaFata", &frmVelorast::cmdFisaFata},
      {"cmdFisaVerso", &frmVelorast::cmdFisaVerso},
      {"cmdFisaComplet", &frmVelorast::cmdFisaComplet},
      {"cmdCV", &frmVelorast::cmdCV},
      {"cmdCertifRadiere", &frmVelorast::cmdCertifRadiere},
      {"cmdCVCertifRadiere", &frmVelorast::cmdCVCertifRadiere},
      {"cmdEvidenta", &frmVelorast::cmdEvidenta},
      {"cmdVelorastulare", &frmVelorast::cmdVelorastulare},
      {"cmdAnexaAP1", &frmVelorast::cmdAnexaAP1},
      {"cmdCerereRadiere", &frmVelorast::cmdCerereRadiere},
      {"cmdTranscriere", &frmVelorast::cmdTranscriere},
      {"cmdPJF", &frmVelorast::cmdPJF},
      {"cmdPJV", &frmVelorast::cmdPJV},
      {"cmdFPF", &frmVelorast::cmdFPF},
      {"cmdFPV", &frmVelorast::cmdFPV},
      {"cmdCertifVelorast", &frmVelorast::cmdCertifVelorast},
      {"cmdScoatereEvidenta", &frmVelorast::cmdScoatereEvidenta},
      {"cmdFiscalPJ", &frmVelorast::cmdFiscalPJ},
      {"cmdFiscalPF", &frmVelorast::cmdFiscalPF},
      {"cmdPierdere", &frmVelorast::cmdPierdere},
      {"cmdPF", &frmVelorast::cmdPF},
      {"cmdAnexa", &frmVelorast::cmdAnexa},
  };
  for (const main_window::PlacedButton& placed : places.buttons) {
    const QString name = QString::fromLatin1(placed.spec->name.data(), placed.spec->name.size());
    auto* button = Named(
        new platform::CommandButton(
            QString::fromLatin1(placed.spec->caption.data(), placed.spec->caption.size()), picLeftMic),
        name);
    Place(button, placed.place);
    button->setVisible(!placed.spec->hidden);
    this->*members.at(placed.spec->name) = button;
  }

  Grid = Named(new report_grid::ReportGridView(picParent4), QStringLiteral("Grid"));
}

// The widgets of a pane that no code reads, made when the pane is first shown: the
// captions of the buyer and seller pane's rubrics, and the headings of the document
// buttons with their pictures. They stand among the other controls as if made with them.
void frmVelorast::ShowPaneCaptions() {
  if (shell_.picParent3Visible && !versoCaptionsMade_) {
    versoCaptionsMade_ = true;
    CreateRubrics(picInput3, main_window::FisaVersoRubrics(), txtVerso, QStringLiteral("txtVerso"),
                  RubricParts::Captions, cmdClear1);
  }
  if (shell_.picParent4Visible && !listariHeadingsMade_) {
    listariHeadingsMade_ = true;
    QWidget* firstButton = picLeftMic->findChild<platform::CommandButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (const main_window::PlacedHeading& heading : main_window::LayOutDocumentButtons().headings) {
      auto* picture = new QLabel(picLeftMic);
      picture->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(14, 14));
      Place(picture, heading.picture);
      QLabel* caption = Caption(picLeftMic, QString::fromLatin1(heading.text.data(), heading.text.size()),
                                heading.label, heading.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
      picture->stackUnder(firstButton);
      caption->stackUnder(firstButton);
    }
  }
}

void frmVelorast::CreateMenus() {
  mnuMeniu = Named(new QMenu(QStringLiteral("Meniu"), this), QStringLiteral("mnuMeniu"));
  mnuEnd = mnuMeniu->addAction(QStringLiteral("Iesire"));
  mnuSetari = Named(new QMenu(QStringLiteral("Setari"), this), QStringLiteral("mnuSetari"));
  mnuPageSetup = mnuSetari->addAction(QStringLiteral("Setari"));
  mnuPrinterSetup = mnuSetari->addAction(QStringLiteral("Setarea imprimantelor"));
  mnuHelp = Named(new QMenu(QStringLiteral("Ajutor"), this), QStringLiteral("mnuHelp"));
  mnuContents = mnuHelp->addAction(QStringLiteral("Continut"));
  mnuA1 = mnuHelp->addSeparator();
  mnuAbout = mnuHelp->addAction(QStringLiteral("Despre"));
  mnuEnd->setObjectName(QStringLiteral("mnuEnd"));
  mnuPageSetup->setObjectName(QStringLiteral("mnuPageSetup"));
  mnuPrinterSetup->setObjectName(QStringLiteral("mnuPrinterSetup"));
  mnuContents->setObjectName(QStringLiteral("mnuContents"));
  mnuA1->setObjectName(QStringLiteral("mnuA1"));
  mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

// Tab moves through the data boxes in their given order; the other controls follow.
void frmVelorast::SetTabOrder() {
  QList<QWidget*> chain;
  for (const core::BoxRef& box : main_window::BoxTabOrder()) {
    switch (box.array) {
      case core::BoxArray::txtCamp: chain.append(txtCamp.at(box.index)); break;
      case core::BoxArray::txtVerso: chain.append(txtVerso.at(box.index)); break;
      case core::BoxArray::txtSpecificatii: chain.append(txtSpecificatii); break;
    }
  }
  chain << txtCriteriu2 << cmdCauta2 << lvwMasini << cmdSave3 << cmdEdit3 << cmdDelete2 << cmdClear3
        << cmdClear1 << cmdSave1 << cmdEdit1 << cmdClear2 << cmdSave2 << cmdEdit2 << optCNP << optNume
        << txtCriteriu << cmdCauta << lvwResult << optCumparator << optVanzator << cmdDelete;
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}
