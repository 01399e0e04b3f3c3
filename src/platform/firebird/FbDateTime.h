#pragma once

#include <QDate>
#include <QTime>

#include <ibase.h>

namespace fb::detail {

// The engine counts dates in days from 17 November 1858 (Julian day 2400001)
// and times of day in ten-thousandths of a second.
constexpr qint64 JulianDayOfDayZero = 2400001;
constexpr int TimeUnitsPerMillisecond = 10;

inline QDate dateFromEngine(ISC_DATE days)
{
    return QDate::fromJulianDay(days + JulianDayOfDayZero);
}

inline ISC_DATE dateToEngine(QDate date)
{
    return static_cast<ISC_DATE>(date.toJulianDay() - JulianDayOfDayZero);
}

inline QTime timeFromEngine(ISC_TIME units)
{
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(units / TimeUnitsPerMillisecond));
}

inline ISC_TIME timeToEngine(QTime time)
{
    return static_cast<ISC_TIME>(time.msecsSinceStartOfDay()) * TimeUnitsPerMillisecond;
}

} // namespace fb::detail
