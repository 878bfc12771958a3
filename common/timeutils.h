#pragma once

#include "common/korvane_common_export.h"

#include <QString>

namespace korvane::common {

// Millisecond conversions (32-bit, as the callers store them) and duration texts.
class KORVANE_COMMON_EXPORT TimeUtils {
public:
    static int daysInMs(int ms);
    static int daysToMs(int days);
    static int hoursInMs(int ms);
    static int hoursToMs(int hours);
    static int minutesInMs(int ms);
    static int minutesToMs(int minutes);
    static int secondsInMs(int ms);
    static int secondsToMs(int seconds);

    // "1 day 01 hour 01 min 01 sec 1 ms" (translated unit words; "0 ms" for 0).
    static QString toString(quint64 ms);
    // "1 day 01:01:01.005"; the milliseconds only when not 0.
    static QString toDateTimeString(quint64 ms);
    // "01:05", "00:01:05" with hours, "25:00:00" (hours are not reduced to days).
    static QString toTimeString(quint64 ms, bool withHours);

private:
    TimeUtils() = default;
};

} // namespace korvane::common
