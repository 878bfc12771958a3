#include "core/platform/linux/keymapset.h"

namespace korvane::core {

namespace {

KeyboardLayout usLike(const KeyboardLayout& layout)
{
    KeyboardLayout us = layout;
    us.layout = "us";
    us.variant.clear();
    return us;
}

} // namespace

KeyMapSet::KeyMapSet(const SessionLayouts& layouts, Notice notice)
    : m_notice(std::move(notice))
{
    setLayouts(layouts);
}

void KeyMapSet::setLayouts(const SessionLayouts& layouts)
{
    m_layouts = layouts;
    if (m_layouts.empty())
        m_layouts.layouts.push_back(usLike({}));
    if (m_layouts.active >= m_layouts.layouts.size())
        m_layouts.active = 0;
    // Built now rather than on the first key after a switch.
    map(m_layouts.activeLayout());
}

const XkbKeyMap& KeyMapSet::map(const KeyboardLayout& layout)
{
    std::unique_ptr<const XkbKeyMap>& built = m_maps[layout.identity()];
    if (!built)
        built = std::make_unique<const XkbKeyMap>(layout);
    return *built;
}

bool KeyMapSet::strokeFor(unsigned long keysym, KeyStroke* stroke, std::string* reason)
{
    std::string unused;
    if (!reason)
        reason = &unused;
    const KeyboardLayout& active = m_layouts.activeLayout();
    const XkbKeyMap& keys = map(active);
    if (keys.strokeFor(keysym, stroke))
        return true;
    if (!keys.error().empty()) {
        *reason = keys.error();
        return false;
    }
    const std::string missing
        = "the keyboard layout \"" + active.describe() + "\" has no key for it";
    // On a Latin layout the borrowed position would type another character
    // than the one asked for, and shortcuts there match by character.
    if (keys.isLatin()) {
        *reason = missing;
        return false;
    }
    std::vector<KeyboardLayout> lenders;
    for (std::size_t i = 0; i < m_layouts.layouts.size(); ++i) {
        if (i != m_layouts.active)
            lenders.push_back(m_layouts.layouts[i]);
    }
    lenders.push_back(usLike(active));
    for (const KeyboardLayout& lender : lenders) {
        if (!map(lender).strokeFor(keysym, stroke))
            continue;
        if (m_notice && m_told.insert({ active.identity(), keysym }).second)
            m_notice("key \"" + XkbKeyMap::keysymName(keysym)
                + "\" is not on the keyboard layout \"" + active.describe()
                + "\": sent on its key in \"" + lender.describe()
                + "\", where shortcuts find it; in text the active layout's character appears");
        return true;
    }
    *reason = missing + ", nor any other layout of the session";
    return false;
}

} // namespace korvane::core
