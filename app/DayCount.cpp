#include "DayCount.h"

int DayCountSince1899(const QDate& date)
{
    return static_cast<int>(QDate(1899, 12, 30).daysTo(date));
}

Clock SystemClock()
{
    return [] { return QDate::currentDate(); };
}
