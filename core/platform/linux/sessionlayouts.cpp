#include "core/platform/linux/sessionlayouts.h"

#include <fstream>
#include <sstream>

namespace korvane::core {

namespace {

std::vector<std::string> commaList(const std::string& text)
{
    std::vector<std::string> items;
    std::string::size_type start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

} // namespace

std::string SessionLayouts::describe() const
{
    std::string text;
    for (const KeyboardLayout& layout : layouts)
        text += (text.empty() ? "" : ", ") + layout.describe();
    if (layouts.size() > 1)
        text += " (active: " + activeLayout().describe() + ")";
    return text + " from " + source;
}

bool SessionLayouts::operator==(const SessionLayouts& other) const
{
    if (active != other.active || source != other.source || layouts.size() != other.layouts.size())
        return false;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        if (layouts[i].identity() != other.layouts[i].identity())
            return false;
    }
    return true;
}

SessionLayouts SessionLayouts::fromNames(const KeyboardLayout& names, const std::string& source)
{
    SessionLayouts session;
    session.source = source;
    const std::vector<std::string> layouts = commaList(names.layout);
    const std::vector<std::string> variants = commaList(names.variant);
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        if (layouts[i].empty())
            continue;
        KeyboardLayout layout = names;
        layout.layout = layouts[i];
        layout.variant = i < variants.size() ? variants[i] : "";
        session.layouts.push_back(layout);
    }
    return session;
}

SessionLayouts SessionLayouts::resolve(const std::function<SessionLayouts()>& desktop,
    const std::string& keyboardFilePath, const std::function<KeyboardLayout()>& localeService)
{
    SessionLayouts session = desktop ? desktop() : SessionLayouts {};
    if (!session.empty())
        return session;
    session = fromNames(KeyboardLayout::fromEnvironment(), "the XKB_DEFAULT_* variables");
    if (!session.empty())
        return session;
    std::ifstream file(keyboardFilePath);
    if (file) {
        std::stringstream text;
        text << file.rdbuf();
        session = fromNames(KeyboardLayout::fromKeyboardFile(text.str()), keyboardFilePath);
        if (!session.empty())
            return session;
    }
    if (localeService) {
        session = fromNames(localeService(), "the system's locale service");
        if (!session.empty())
            return session;
    }
    KeyboardLayout us;
    us.layout = "us";
    return fromNames(us, "the default");
}

} // namespace korvane::core
