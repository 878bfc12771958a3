#include "core/platform/linux/keyboardlayout.h"

#include <cstdlib>
#include <sstream>

namespace korvane::core {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The value of one shell assignment, quoted or not; a trailing comment on an
// unquoted value is not part of it.
std::string shellValue(std::string value)
{
    value = trimmed(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')) {
        const auto close = value.find(value.front(), 1);
        return value.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    }
    const auto comment = value.find(" #");
    return trimmed(value.substr(0, comment));
}

} // namespace

std::string KeyboardLayout::describe() const
{
    std::string text = layout.empty() ? "us" : layout;
    if (!variant.empty())
        text += "(" + variant + ")";
    return text;
}

std::string KeyboardLayout::identity() const
{
    return model + "|" + layout + "|" + variant + "|" + options;
}

KeyboardLayout KeyboardLayout::fromEnvironment()
{
    KeyboardLayout names;
    names.layout = environment("XKB_DEFAULT_LAYOUT");
    if (names.layout.empty())
        return {};
    names.model = environment("XKB_DEFAULT_MODEL");
    names.variant = environment("XKB_DEFAULT_VARIANT");
    names.options = environment("XKB_DEFAULT_OPTIONS");
    return names;
}

KeyboardLayout KeyboardLayout::fromKeyboardFile(const std::string& text)
{
    KeyboardLayout names;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        line = trimmed(line);
        if (line.rfind("export ", 0) == 0)
            line = trimmed(line.substr(7));
        const auto equals = line.find('=');
        if (line.empty() || line.front() == '#' || equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        const std::string value = shellValue(line.substr(equals + 1));
        if (key == "XKBMODEL")
            names.model = value;
        else if (key == "XKBLAYOUT")
            names.layout = value;
        else if (key == "XKBVARIANT")
            names.variant = value;
        else if (key == "XKBOPTIONS")
            names.options = value;
    }
    if (names.layout.empty())
        return {};
    return names;
}

} // namespace korvane::core
