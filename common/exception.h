#pragma once

#include "common/korvane_common_export.h"

#include <QException>
#include <QString>

namespace korvane::common {

// The one exception type of the libraries: the data model throws it for a
// malformed document and the start-up code reports description().
class KORVANE_COMMON_EXPORT Exception : public QException {
public:
    Exception() = default;
    explicit Exception(const char* message);
    explicit Exception(const QString& message);
    Exception(const Exception& other) = default;
    Exception& operator=(const Exception& other) = default;
    ~Exception() override = default;

    QString message() const { return m_message; }
    QString description() const { return m_message; }

    Exception* clone() const override;
    void raise() const override;

private:
    const char* what() const noexcept override;

    QString m_message;
};

} // namespace korvane::common
