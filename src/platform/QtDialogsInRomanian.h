#pragma once
// Qt's own dialogs in the program's language, beyond their texts (which the translation
// gives): Qt's file model writes a file's size, type and date of last change by the
// desktop's language (an English desktop shows "3 bytes", "PDF document", "10 Dec
// 2026"), Qt's number boxes write numbers by it ("10.00"), and the preview's zoom box
// writes its zooms with a point whatever the desktop ("12.5%"); the program's dialogs
// list files in Romanian words and digits, and Qt's dialogs write numbers as a Romanian
// desktop does ("10,00", "12,5%"). The program's own windows keep writing their dates
// and numbers without the locale.

class QCoreApplication;
class QFileDialog;

namespace platform {

// Gives the dialog the Romanian list, unless it has a list model of its own already.
void UseRomanianFileList(QFileDialog& dialog);

// From now on every dialog of Qt's that is shown (the print and page set-up dialogs, the
// print dialog's choice of the file to print into, the folder choice, the preview) writes
// and reads its numbers as a Romanian desktop does, and a file dialog lists its files in
// Romanian; once per application.
void UseRomanianInQtDialogs(QCoreApplication& app);

}  // namespace platform
