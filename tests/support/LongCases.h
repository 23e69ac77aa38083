#pragma once
// The cases with values as long as offices type them, kept as case files of the review
// tool under tests/support: a person buying from a firm (long-values.case) and a firm
// buying from a person (long-values-firm.case), read by the review tool's own reader.
// Only for tests built with VELORAST_SOURCE_DIR and linked with velorast_case_file.

#include <QList>
#include <QString>
#include <gtest/gtest.h>
#include <utility>

#include "snapshot/CaseFile.h"

namespace testsupport {

struct LongCase {
  const char* name;
  QList<std::pair<QString, QString>> boxes;  // field name, text
};

// Both cases; fails the test when a file cannot be read.
inline QList<LongCase> LongCases() {
  QList<LongCase> cases;
  for (const char* name : {"long-values.case", "long-values-firm.case"}) {
    const snapshot::CaseFile file =
        snapshot::ReadCaseFile(QStringLiteral(VELORAST_SOURCE_DIR "/tests/support/") + QLatin1String(name));
    EXPECT_TRUE(file.Read()) << file.error.toStdString();
    cases.append({name, file.boxes});
  }
  return cases;
}

}  // namespace testsupport
