#pragma once

#include "core/korvane_core_export.h"

#include <functional>
#include <string>

namespace korvane::core {

// The XKB names of the keyboard layout the session types with, and where they
// were found. Kernel-level input sends key positions, so the key that gives a
// character depends on these.
struct KORVANE_CORE_EXPORT KeyboardLayout {
    std::string model;
    std::string layout;
    std::string variant;
    std::string options;
    std::string source;

    // "fr(oss)" and the like, for messages.
    std::string describe() const;

    // XKB_DEFAULT_LAYOUT and its companions; no layout when it is unset.
    static KeyboardLayout fromEnvironment();
    // The shell assignments of Debian's /etc/default/keyboard.
    static KeyboardLayout fromKeyboardFile(const std::string& text);

    // The first source that names a layout: the environment, the keyboard
    // file, the system's locale service (asked only when the others are
    // silent), else the US layout.
    static KeyboardLayout resolve(
        const std::string& keyboardFilePath, const std::function<KeyboardLayout()>& localeService);
};

} // namespace korvane::core
