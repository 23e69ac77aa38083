#pragma once
// A case kept in a text file, for the review tool and the tests: UTF-8 text, one box a
// line as Name=value with the field name of a case box (core/CaseBoxTable.h), "\n" in a
// value for a line break (CR LF, as a box holds it), lines that begin with "#" and empty
// lines ignored. The value is everything after the first "=", blanks included. A box
// that the file does not name stays empty.
//
//   # the buyer
//   CumparatorNume=POPESCU ION
//   Specificatii=Carlig de remorcare\nInstalatie GPL omologata

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

class frmVelorast;

namespace snapshot {

// The boxes a case file names, in its order, or what is wrong with it.
struct CaseFile {
  QList<std::pair<QString, QString>> boxes;  // field name, text
  QString error;  // empty when the file was read; else the reason, naming its line
  bool Read() const { return error.isEmpty(); }
};

// Reads the case from `text`, the file's bytes. A line that is not Name=value, a name
// that no case box has, a name given twice, a text longer than its box takes and bytes
// that are not UTF-8 are errors; an error gives no boxes.
CaseFile ParseCase(const QByteArray& text);

// Reads the case file `path`; a file that cannot be read is an error too. The error
// begins with the file's path.
CaseFile ReadCaseFile(const QString& path);

// Types `boxes` (field name, text) into the main window's boxes; the others stay as
// they are. Raises std::invalid_argument on a name that no case box has.
void FillBoxes(frmVelorast& window, const QList<std::pair<QString, QString>>& boxes);

}  // namespace snapshot
