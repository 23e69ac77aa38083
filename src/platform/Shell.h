#pragma once
// Starting another program, which then runs on its own. Tests replace the start by a
// script (ShellScript) that records the programs and answers whether they started.

#include <QString>
#include <QStringList>

#include "platform/DialogScript.h"

namespace platform {

// Starts the program file at the path, detached from this process; false when it
// could not be started (no such file, not a program).
bool Shell(const QString& program);

// While an instance lives, Shell starts nothing: it records the path and answers
// `starts` (true unless set otherwise).
class ShellScript : public ActiveScript<ShellScript> {
 public:
  bool starts = true;
  const QStringList& Started() const { return started_; }

 private:
  friend bool Shell(const QString&);
  QStringList started_;
};

}  // namespace platform
