#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/linux/keyboardlayout.h"

#include <functional>
#include <string>
#include <vector>

namespace korvane::core {

// The layouts a session switches between, the one it types with now, and
// where they were read. Every layout carries the session's model and
// options.
struct KORVANE_CORE_EXPORT SessionLayouts {
    std::vector<KeyboardLayout> layouts;
    std::size_t active = 0;
    std::string source;

    bool empty() const { return layouts.empty(); }
    const KeyboardLayout& activeLayout() const { return layouts.at(active); }
    // "us, fr (active: fr) from <source>", for the log.
    std::string describe() const;
    bool operator==(const SessionLayouts& other) const;
    bool operator!=(const SessionLayouts& other) const { return !(*this == other); }

    // XKB's comma lists ("us,fr" with variants ",oss") as one layout each;
    // the first is the active one. Empty when no layout is named.
    static SessionLayouts fromNames(const KeyboardLayout& names, const std::string& source);

    // The first source that names a layout: the desktop's own settings, the
    // XKB_DEFAULT_* variables, the keyboard file, the system's locale
    // service (asked only when the others are silent), else the US layout.
    static SessionLayouts resolve(const std::function<SessionLayouts()>& desktop,
        const std::string& keyboardFilePath, const std::function<KeyboardLayout()>& localeService);
};

} // namespace korvane::core
