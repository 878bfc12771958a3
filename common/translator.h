#pragma once

#include "common/korvane_common_export.h"

#include <QObject>

namespace korvane {

// The single translation context of every library text: the catalogues hold
// those texts under "korvane::Translator", so callers use Translator::tr
// (provided by Q_OBJECT) rather than their own class names.
class KORVANE_COMMON_EXPORT Translator : public QObject {
    Q_OBJECT

private:
    Translator() = default;
};

} // namespace korvane
