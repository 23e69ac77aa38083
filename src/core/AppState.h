#pragma once
// Process-wide values of the application core, set once at start-up.

#include <QString>
#include <memory>

#include "platform/database/Database.h"

namespace core {

// The name of the database file in its folder.
inline const QString kDatabaseFileName = QStringLiteral("evidenta2000.mdb");

inline QString NumeBazaDate;  // the database file name, kDatabaseFileName once started
inline QString AppPath;       // the program folder (folder of the executable)

// The one open database of the process.
inline std::shared_ptr<platform::Database> BazaDate;

// The password of the database file.
inline const QString kDatabasePassword = QStringLiteral("morcovulverde");

}  // namespace core
