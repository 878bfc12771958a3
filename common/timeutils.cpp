#include "common/timeutils.h"

#include "common/translator.h"

namespace korvane::common {

namespace {

constexpr quint64 cstMsPerSecond = 1000;
constexpr quint64 cstMsPerMinute = 60 * cstMsPerSecond;
constexpr quint64 cstMsPerHour = 60 * cstMsPerMinute;
constexpr quint64 cstMsPerDay = 24 * cstMsPerHour;
constexpr quint64 cstMsPerYear = 365 * cstMsPerDay;

// Callers store these products in 32 bits; wrap explicitly instead of
// relying on signed overflow.
int wrap32(qint64 value)
{
    return static_cast<int>(static_cast<quint32>(static_cast<quint64>(value)));
}

QString twoDigits(quint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString threeDigits(quint64 value)
{
    return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
}

// Takes the whole units of size out of ms.
quint64 take(quint64& ms, quint64 size)
{
    const quint64 count = ms / size;
    ms %= size;
    return count;
}

} // namespace

int TimeUtils::daysInMs(int ms)
{
    return ms / static_cast<int>(cstMsPerDay);
}

int TimeUtils::daysToMs(int days)
{
    return wrap32(static_cast<qint64>(days) * static_cast<qint64>(cstMsPerDay));
}

int TimeUtils::hoursInMs(int ms)
{
    return ms / static_cast<int>(cstMsPerHour);
}

int TimeUtils::hoursToMs(int hours)
{
    return wrap32(static_cast<qint64>(hours) * static_cast<qint64>(cstMsPerHour));
}

int TimeUtils::minutesInMs(int ms)
{
    return ms / static_cast<int>(cstMsPerMinute);
}

int TimeUtils::minutesToMs(int minutes)
{
    return wrap32(static_cast<qint64>(minutes) * static_cast<qint64>(cstMsPerMinute));
}

int TimeUtils::secondsInMs(int ms)
{
    return ms / static_cast<int>(cstMsPerSecond);
}

int TimeUtils::secondsToMs(int seconds)
{
    return wrap32(static_cast<qint64>(seconds) * static_cast<qint64>(cstMsPerSecond));
}

QString TimeUtils::toString(quint64 ms)
{
    const quint64 years = take(ms, cstMsPerYear);
    const quint64 days = take(ms, cstMsPerDay);
    const quint64 hours = take(ms, cstMsPerHour);
    const quint64 minutes = take(ms, cstMsPerMinute);
    const quint64 seconds = take(ms, cstMsPerSecond);

    QString text;
    if (years != 0) {
        text += years == 1 ? korvane::Translator::tr("%1 year ").arg(1)
                           : korvane::Translator::tr("%1 years ").arg(years);
    }
    if (days != 0) {
        text += days == 1 ? korvane::Translator::tr("%1 day ").arg(1)
                          : korvane::Translator::tr("%1 days ").arg(days);
    }
    if (hours != 0) {
        text += hours == 1 ? korvane::Translator::tr("%1 hour ").arg(twoDigits(1))
                           : korvane::Translator::tr("%1 hours ").arg(twoDigits(hours));
    }
    if (minutes != 0)
        text += korvane::Translator::tr("%1 min ").arg(twoDigits(minutes));
    if (seconds != 0)
        text += korvane::Translator::tr("%1 sec ").arg(twoDigits(seconds));
    if (ms != 0)
        text += korvane::Translator::tr("%1 ms").arg(ms);
    if (text.isEmpty())
        text = korvane::Translator::tr("0 ms");
    return text.simplified();
}

QString TimeUtils::toDateTimeString(quint64 ms)
{
    const quint64 days = take(ms, cstMsPerDay);
    const quint64 hours = take(ms, cstMsPerHour);
    const quint64 minutes = take(ms, cstMsPerMinute);
    const quint64 seconds = take(ms, cstMsPerSecond);

    QString text;
    if (days != 0) {
        text += days == 1 ? korvane::Translator::tr("%1 day ").arg(1)
                          : korvane::Translator::tr("%1 days ").arg(days);
    }
    text
        += QStringLiteral("%1:%2:%3").arg(twoDigits(hours), twoDigits(minutes), twoDigits(seconds));
    if (ms != 0)
        text += QStringLiteral(".%1").arg(threeDigits(ms));
    return text;
}

QString TimeUtils::toTimeString(quint64 ms, bool withHours)
{
    const quint64 hours = take(ms, cstMsPerHour);
    const quint64 minutes = take(ms, cstMsPerMinute);
    const quint64 seconds = take(ms, cstMsPerSecond);
    const bool showHours = hours > 0 || withHours;

    if (ms == 0) {
        if (showHours) {
            return QStringLiteral("%1:%2:%3")
                .arg(twoDigits(hours), twoDigits(minutes), twoDigits(seconds));
        }
        return QStringLiteral("%1:%2").arg(twoDigits(minutes), twoDigits(seconds));
    }
    if (showHours) {
        return QStringLiteral("%1:%2:%3.%4")
            .arg(twoDigits(hours), twoDigits(minutes), twoDigits(seconds), threeDigits(ms));
    }
    return QStringLiteral("%1:%2.%4").arg(twoDigits(minutes), twoDigits(seconds), threeDigits(ms));
}

} // namespace korvane::common
