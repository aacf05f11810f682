#pragma once

#include <QDate>

#include <functional>

// Today's date as a whole number of days since 30 December 1899, the number
// the window starts with.
int DayCountSince1899(const QDate& date);

// Where "today" comes from; tests give a fixed date.
using Clock = std::function<QDate()>;
Clock SystemClock();
