#pragma once
// A run-time error as the program's handlers see it: a number, a description and the
// place it came from. Every layer raises this one type, so that a handler can show
// "number description source" whatever raised it.

#include <QString>
#include <exception>
#include <string>

namespace platform {

// Numbers the program's handlers test for.
enum ErrorNumber : int {
  kErrObjectMissing = 91,      // no object (nothing laid out, a window that is gone)
  kErrInvalidArgument = 5,     // an argument out of range
  kErrSubscriptOutOfRange = 9,
  kErrNoCurrentRecord = 3021,  // the record set has no current record
};

class RuntimeError : public std::exception {
 public:
  RuntimeError(int number, QString description, QString source = QString())
      : number_(number), description_(std::move(description)), source_(std::move(source)),
        what_(QStringLiteral("%1 %2").arg(number_).arg(description_).toStdString()) {}

  int Number() const { return number_; }
  const QString& Description() const { return description_; }
  const QString& Source() const { return source_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  int number_;
  QString description_;
  QString source_;
  std::string what_;
};

}  // namespace platform
