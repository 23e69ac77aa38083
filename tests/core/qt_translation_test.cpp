// Qt's own texts that the program shows come out Romanian: the buttons of the questions,
// the folder choice, the preview window and the print and page dialogs opened from it,
// the colour choice and the menus of the text boxes.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

#include "core/QtTranslation.h"
#include "platform/FolderDialog.h"

namespace {

// Installed under the program's translation, so that it is asked only for the texts that
// translation lacks: those stay English on screen.
class MissedTexts : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* disambiguation, int) const override {
    if (!Untranslatable(QString::fromUtf8(context), QString::fromUtf8(source)))
      missed.insert(QString::fromUtf8(context) + QStringLiteral(" / ") + QString::fromUtf8(source) +
                    (disambiguation && *disambiguation ? QStringLiteral(" (%1)").arg(QString::fromUtf8(disambiguation))
                                                       : QString()));
    return QString();
  }
  bool isEmpty() const override { return false; }

  // Texts that read the same in Romanian: key names and key sequences, names of paper
  // sizes, numbers and placeholders, and the titles of inner parts never shown alone; and
  // the writing direction, asked for whenever a translation comes or goes.
  static bool Untranslatable(const QString& context, const QString& source) {
    static const QSet<QString> same = {"QT_LAYOUT_DIRECTION", "Form", "...", "%1%", "mm", "OK", "Color", "Standard", "Secret", "&HTML:",
                                       "Didot (DD)", "Cicero (CC)", "Pica (P\u0338)"};
    static const QRegularExpression keys(QStringLiteral("^(Alt|Ctrl|Shift|Meta)\\+\\w+$"));
    static const QRegularExpression layout(QStringLiteral("^\\d+ \\(\\dx\\d\\)$"));
    return context == QLatin1String("QShortcut") || context == QLatin1String("QPageSize") || same.contains(source) ||
           keys.match(source).hasMatch() || layout.match(source).hasMatch();
  }

  mutable QSet<QString> missed;
};

// Every text that a dialog shows on its widgets, the accelerator marks taken out.
QStringList ShownTexts(const QWidget& dialog) {
  QStringList texts{dialog.windowTitle()};
  for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) texts << b->text();
  for (const QLabel* l : dialog.findChildren<QLabel*>()) texts << l->text();
  for (const QGroupBox* g : dialog.findChildren<QGroupBox*>()) texts << g->title();
  for (const QAction* a : dialog.findChildren<QAction*>()) texts << a->text() << a->toolTip();
  for (const QTabWidget* t : dialog.findChildren<QTabWidget*>())
    for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
  for (const QComboBox* c : dialog.findChildren<QComboBox*>())
    for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
  for (const QHeaderView* h : dialog.findChildren<QHeaderView*>())
    if (h->model())
      for (int i = 0; i < h->count(); ++i) texts << h->model()->headerData(i, h->orientation()).toString();
  for (QString& text : texts) text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  texts.removeAll(QString());
  return texts;
}

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

class QtTranslation : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(core::InstallQtTranslation(*qApp)) << "the translation is built into the program";
    ours_ = qApp->findChild<QTranslator*>(QStringLiteral("velorast_qt_translation"));
    ASSERT_NE(ours_, nullptr);
    QCoreApplication::removeTranslator(ours_);
    QCoreApplication::installTranslator(&missed_);
    QCoreApplication::installTranslator(ours_);
  }
  void TearDown() override { QCoreApplication::removeTranslator(&missed_); }

  MissedTexts missed_;
  QTranslator* ours_ = nullptr;
};

TEST_F(QtTranslation, DialogsTheProgramShowsSpeakRomanian) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  QMap<QString, QStringList> shown;  // dialog -> its texts

  {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Velorast"), QStringLiteral("Sigur?"));
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    box.show();
    Settle();
    shown["question"] = ShownTexts(box);
  }
  {
    const std::unique_ptr<QFileDialog> folders = platform::NewFolderChoice(nullptr);
    folders->show();
    Settle();
    shown["folder"] = ShownTexts(*folders);
  }
  {
    QPrintPreviewDialog preview(&printer);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [](QPrinter*) {});
    preview.show();
    Settle();
    shown["preview"] = ShownTexts(preview);
  }
  {
    QPrintDialog print(&printer);
    print.show();
    Settle();
    for (QPushButton* b : print.findChildren<QPushButton*>())
      if (b->text().contains(QStringLiteral("&Optiuni"))) b->click();
    Settle();
    shown["print"] = ShownTexts(print);
    // Its printer properties, a dialog of their own, walked while they are open.
    QTimer::singleShot(0, [&] {
      if (QWidget* properties = QApplication::activeModalWidget()) {
        shown["properties"] = ShownTexts(*properties);
        static_cast<QDialog*>(properties)->reject();
      }
    });
    for (QPushButton* b : print.findChildren<QPushButton*>())
      if (b->text() == QStringLiteral("P&roprietati") && b->isEnabled()) b->click();
  }

  {
    QPageSetupDialog pageSetup(&printer);  // the preview's page set-up
    pageSetup.show();
    Settle();
    shown["page setup"] = ShownTexts(pageSetup);
  }
  {
    QColorDialog colours;  // the focus colour's choice
    colours.show();
    Settle();
    shown["colours"] = ShownTexts(colours);
  }
  {
    // The menus of the text boxes, single-line and rich.
    QLineEdit line;
    QTextEdit rich;
    for (QMenu* menu : {line.createStandardContextMenu(), rich.createStandardContextMenu()}) {
      for (const QAction* a : menu->actions()) shown["text menus"] << a->text().remove('&').section('\t', 0, 0);
      delete menu;
    }
  }

  struct Expected {
    const char* dialog;
    QString text;
  };
  const Expected expected[] = {
      {"question", "Da"}, {"question", "Nu"}, {"question", "Anulare"}, {"question", "OK"},
      {"folder", "Cauta in:"}, {"folder", "Dosar:"}, {"folder", "Fisiere de tipul:"}, {"folder", "Alege"},
      {"folder", "Anulare"}, {"folder", "Dosare"}, {"folder", "Nume"},
      {"preview", "Mareste"}, {"preview", "Micsoreaza"}, {"preview", "Potriveste pagina"}, {"preview", "Tiparire"},
      {"preview", "Configurare pagina"}, {"preview", "Pagina urmatoare"},
      {"print", "Tiparire"}, {"print", "Nume:"}, {"print", "Proprietati"}, {"print", "Optiuni <<"},
      {"print", "Tipareste"}, {"print", "Anulare"}, {"print", "Exemplare:"}, {"print", "Tiparire in fisier (PDF)"},
      {"properties", "Proprietatile imprimantei"}, {"page setup", "Dimensiunea paginii:"}, {"page setup", "Portret"},
      {"colours", "Culori de baza"}, {"colours", "OK"}, {"colours", "Anulare"},
      {"text menus", "Anuleaza"}, {"text menus", "Copiaza"}, {"text menus", "Lipeste"}, {"text menus", "Selecteaza tot"},
  };
  for (const Expected& e : expected)
    EXPECT_TRUE(shown[e.dialog].contains(e.text)) << e.dialog << ": no \"" << e.text.toStdString() << "\" in "
                                                  << shown[e.dialog].join(" | ").toStdString();

  // What the dialogs asked for and the translation lacks would show in English.
  QStringList missed = missed_.missed.values();
  missed.sort();
  EXPECT_TRUE(missed.isEmpty()) << missed.join("\n").toStdString();
  EXPECT_TRUE(shown.contains("properties")) << "the printer properties were not opened";
}

}  // namespace
