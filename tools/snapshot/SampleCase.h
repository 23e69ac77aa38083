#pragma once
// A sample case for looking at the windows: a buyer, a seller and a vehicle, by field
// name, as a clerk would have typed them.

#include <QList>
#include <QString>
#include <memory>
#include <utility>

class frmVelorast;
namespace platform {
class Database;
}

namespace snapshot {

QList<std::pair<QString, QString>> SampleCase();

// A new, empty program database in folder, for the main window's record sets.
std::shared_ptr<platform::Database> OpenSampleDatabase(const QString& folder);

// Types the sample case into the main window's boxes.
void FillSampleCase(frmVelorast& window);

}  // namespace snapshot
