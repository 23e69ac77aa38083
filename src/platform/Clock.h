#pragma once
// Today's date, from one clock that tests can set.

#include <QDate>
#include <QString>

namespace platform {

QDate Today();
void SetToday(const QDate& date);  // an invalid date goes back to the system clock

// "dd-mm-yyyy", the form in which the documents print a date; no locale involved.
QString FormatDdMmYyyy(const QDate& date);

}  // namespace platform
