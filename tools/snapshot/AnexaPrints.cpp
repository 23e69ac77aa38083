#include "AnexaPrints.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextCursor>
#include <QToolButton>
#include <cstdio>

#include "document_forms/frmAnexa.h"
#include "platform/CommonDialog.h"
#include "platform/Forms.h"
#include "platform/RichTextBox.h"
#include "platform/Toolbar.h"

namespace snapshot {

bool WriteAnexaPrints(const QDir& folder) {
  using document_forms::frmAnexa;
  frmAnexa* anexa = platform::Forms::Get<frmAnexa>();
  anexa->show();
  QApplication::processEvents();

  // A paragraph typed and formatted as the clerk would: a bold, a italic and an
  // underlined word, in Times New Roman 12, the paragraph aligned left.
  platform::RichTextBox* text = anexa->rtfAnunt;
  text->moveCursor(QTextCursor::End);
  QTextCharFormat body;
  body.setFontFamilies({QStringLiteral("Times New Roman")});
  body.setFontPointSize(12);
  text->mergeCurrentCharFormat(body);
  text->insertPlainText(QString::fromUtf8("Părțile convin ca autovehiculul să fie predat "));
  const auto word = [&](const QString& w, int button) {
    anexa->tlbAnunt->Button(button)->click();
    text->insertPlainText(w);
    anexa->tlbAnunt->Button(button)->click();
  };
  word(QStringLiteral("cumparatorului"), frmAnexa::kBold);
  text->insertPlainText(QString::fromUtf8(" la data semnării, "));
  word(QStringLiteral("impreuna cu actele sale"), frmAnexa::kItalic);
  text->insertPlainText(QString::fromUtf8(", iar prețul se achită "));
  word(QStringLiteral("integral"), frmAnexa::kUnderline);
  text->insertPlainText(QString::fromUtf8(" în numerar."));
  anexa->tlbAnunt->Button(frmAnexa::kRight)->click();
  anexa->tlbAnunt->Button(frmAnexa::kLeft)->click();
  QApplication::processEvents();

  bool ok = true;
  const QString png = folder.filePath(QStringLiteral("frmAnexa.png"));
  if (anexa->grab().save(png)) {
    std::printf("%s\n", qPrintable(png));
  } else {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(png));
    ok = false;
  }

  // Printed through the toolbar, the dialog answered with a PDF file.
  const QString pdf = folder.filePath(QStringLiteral("frmAnexa.pdf"));
  {
    platform::CommonDialogScript dialog;
    dialog.ChoosePrinterPdf({pdf});
    anexa->tlbAnunt->Button(frmAnexa::kPrint)->click();
  }
  if (QFileInfo::exists(pdf)) {
    std::printf("%s\n", qPrintable(pdf));
  } else {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(pdf));
    ok = false;
  }
  platform::Forms::Unload<frmAnexa>();
  return ok;
}

}  // namespace snapshot
