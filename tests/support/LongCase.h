#pragma once
// A case as offices type it every day, too long for the sample's short values to show:
// names and firm names of about 60 letters, addresses of about 120 once joined, Romanian
// letters with their comma-below and breve marks, a register number, a block, a type
// approval and a vehicle type of their real lengths, and specifications of several
// lines. By field name, as the main window's boxes hold them.

#include <QList>
#include <QString>
#include <utility>

namespace testsupport {

enum class LongBuyer {
  kPerson,  // the buyer a person and the seller a firm
  kFirm,    // the buyer a firm and the seller a person
};

QList<std::pair<QString, QString>> LongCase(LongBuyer buyer);

}  // namespace testsupport
