#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/linux/sessionlayouts.h"
#include "core/platform/linux/xkbkeymap.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace korvane::core {

// The key maps of a session's layouts, each built once and kept while the
// session switches between them. The active layout answers first; a layout
// without Latin letters borrows the positions of the session's other
// layouts, then of the US layout, which is where desktops match shortcuts
// such as Ctrl+C on such a layout.
class KORVANE_CORE_EXPORT KeyMapSet {
public:
    // Told once per key and layout when a key is sent on a borrowed position.
    using Notice = std::function<void(const std::string&)>;

    explicit KeyMapSet(const SessionLayouts& layouts, Notice notice = {});

    // Another list or another active layout; an empty list means the US layout.
    void setLayouts(const SessionLayouts& layouts);
    const SessionLayouts& layouts() const { return m_layouts; }

    // The stroke that gives the keysym; false with the reason when no
    // layout the session may borrow from has it.
    bool strokeFor(unsigned long keysym, KeyStroke* stroke, std::string* reason);

    // Maps built so far, the active one's first.
    std::size_t builtMaps() const { return m_maps.size(); }

private:
    const XkbKeyMap& map(const KeyboardLayout& layout);

    SessionLayouts m_layouts;
    Notice m_notice;
    std::map<std::string, std::unique_ptr<const XkbKeyMap>> m_maps; // by identity
    std::set<std::pair<std::string, unsigned long>> m_told;
};

} // namespace korvane::core
