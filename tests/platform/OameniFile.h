#pragma once
// A small encrypted database file for the record-set tests: table Oameni (Id, Nume, Cod)
// with an index on Cod, in a temporary folder; Open gives a further connection to it.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/database/Database.h"

namespace testsupport {

class OameniFile : public testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.filePath(QStringLiteral("test.db"));
    platform::Database::CreateDatabase(path_, QStringLiteral("pw"))->Execute(QStringLiteral(
        "CREATE TABLE Oameni (Id INTEGER PRIMARY KEY, Nume TEXT, Cod TEXT);"
        "CREATE INDEX OameniCod ON Oameni (Cod);"));
  }
  std::shared_ptr<platform::Database> Open() {
    return platform::Database::OpenDatabase(path_, false, false, QStringLiteral(";PWD=pw"));
  }

  QTemporaryDir dir_;
  QString path_;
};

}  // namespace testsupport
