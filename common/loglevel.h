#pragma once

#include "common/korvane_common_export.h"

#include <QJsonValue>
#include <QObject>
#include <QString>
#include <QStringList>

namespace korvane::common {

// Severities of the logger, with their stored key texts and display names.
class KORVANE_COMMON_EXPORT LogLevel {
    Q_GADGET
public:
    enum Type : int {
        LEVEL_DEBUG = 0,
        LEVEL_INFO,
        LEVEL_WARNING,
        LEVEL_ERROR,
        LEVEL_FATAL,
    };
    Q_ENUM(Type)

    static constexpr int cstCount = 5;
    static const QString cstTab[cstCount];

    // Position of text in cstTab ignoring letter case; cstCount when absent.
    static int get(const QString& text);
    // LEVEL_DEBUG (and *ok false) for anything that is not a known key text.
    static Type fromJson(const QJsonValue& value, bool* ok = nullptr);
    static QJsonValue toJson(Type value);
    static QString toString(Type value);
    static QStringList getValues();
    // Translated display name; empty for a value outside the table.
    static QString getDisplayName(Type value);

private:
    LogLevel() = default;
};

} // namespace korvane::common
