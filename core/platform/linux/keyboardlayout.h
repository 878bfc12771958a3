#pragma once

#include "core/korvane_core_export.h"

#include <string>

namespace korvane::core {

// The XKB names of one keyboard layout. Kernel-level input sends key
// positions, so the key that gives a character depends on these.
struct KORVANE_CORE_EXPORT KeyboardLayout {
    std::string model;
    std::string layout;
    std::string variant;
    std::string options;

    // "fr(oss)" and the like, for messages.
    std::string describe() const;
    // Tells compiled maps apart: every name counts.
    std::string identity() const;

    // XKB_DEFAULT_LAYOUT and its companions; no layout when it is unset.
    static KeyboardLayout fromEnvironment();
    // The shell assignments of Debian's /etc/default/keyboard.
    static KeyboardLayout fromKeyboardFile(const std::string& text);
};

} // namespace korvane::core
