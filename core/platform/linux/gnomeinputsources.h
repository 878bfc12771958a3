#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/linux/sessionlayouts.h"

#include <QObject>

typedef struct _GSettings GSettings;

namespace korvane::core {

// The layouts a GNOME user chose in the desktop's settings
// (org.gnome.desktop.input-sources), read through GSettings, and the one in
// use: the first of the most recently used sources. Silent where the schema
// is not installed or no layout is set (GNOME then types with the system's).
class KORVANE_CORE_EXPORT GnomeInputSources : public QObject {
    Q_OBJECT

public:
    explicit GnomeInputSources(QObject* parent = nullptr);
    ~GnomeInputSources() override;

    SessionLayouts layouts() const;

signals:
    // A source was added or removed, the user switched, or the options changed.
    void changed();

private:
    GSettings* m_settings = nullptr;
};

} // namespace korvane::core
