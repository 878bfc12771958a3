#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/linux/keyboardlayout.h"

#include <map>
#include <string>
#include <vector>

namespace korvane::core {

// How to type one keysym on a layout: the kernel key code, and the modifier
// keys (Shift, AltGr, ...) that must be down with it, as kernel key codes.
struct KORVANE_CORE_EXPORT KeyStroke {
    int code = 0;
    std::vector<int> modifiers;

    bool operator==(const KeyStroke& other) const
    {
        return code == other.code && modifiers == other.modifiers;
    }
};

// The keysym → key stroke table of one keyboard layout, compiled once from
// the system's XKB data.
class KORVANE_CORE_EXPORT XkbKeyMap {
public:
    // error() tells why when the layout cannot be compiled; every lookup then
    // fails.
    explicit XkbKeyMap(const KeyboardLayout& layout);

    const KeyboardLayout& layout() const { return m_layout; }
    const std::string& error() const { return m_error; }
    // Whether every letter a–z has a key: not so on Cyrillic, Greek, Hebrew,
    // Arabic or Devanagari layouts, whose shortcuts desktops match on the
    // positions of a Latin layout.
    bool isLatin() const { return m_latin; }

    // The stroke with the fewest modifiers that gives the keysym in the
    // layout's first group; false when no key of the layout gives it without
    // a locked modifier (Caps Lock, Num Lock) or a key the device lacks.
    bool strokeFor(unsigned long keysym, KeyStroke* stroke) const;

    // "bracketleft" and the like, for messages.
    static std::string keysymName(unsigned long keysym);

private:
    KeyboardLayout m_layout;
    std::string m_error;
    bool m_latin = false;
    std::map<unsigned long, KeyStroke> m_strokes;
};

} // namespace korvane::core
