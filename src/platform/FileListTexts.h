#pragma once
// The lists of the file dialogs in the program's language. Qt's file model writes a
// file's size, type and date of last change by the desktop's language (an English
// desktop shows "3 bytes", "PDF document", "10 Dec 2026"); the program's dialogs list
// them in Romanian words and in digits instead.

class QCoreApplication;
class QFileDialog;

namespace platform {

// Gives the dialog the Romanian list, unless it has a list model of its own already.
void UseRomanianFileList(QFileDialog& dialog);

// From now on every file dialog that Qt itself opens (the print dialog's choice of the
// file to print into, for one) gets the Romanian list as it is shown; once per application.
void UseRomanianFileListsEverywhere(QCoreApplication& app);

}  // namespace platform
