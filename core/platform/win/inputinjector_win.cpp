#include "core/platform/inputinjector.h"

#include <windows.h>

#include <string>

namespace korvane::core {

namespace {

std::string lastErrorText(DWORD code)
{
    char buffer[256] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, buffer, sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n'))
        buffer[--length] = '\0';
    std::string text = "error " + std::to_string(code);
    if (length > 0)
        text += std::string(": ") + buffer;
    return text;
}

class WindowsInputInjector final : public InputInjector {
public:
    bool sendKey(int virtualKey, int scanCode, std::uint32_t flags) override
    {
        // keybd_event reports nothing; a blocked key (for example into a
        // window of higher integrity) cannot be detected here.
        keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode), flags, 0);
        return succeed();
    }

    bool sendMouse(std::uint32_t flags, std::int32_t wheelData) override
    {
        INPUT record = {};
        record.type = INPUT_MOUSE;
        record.mi.dx = 0;
        record.mi.dy = 0;
        record.mi.mouseData = static_cast<DWORD>(wheelData);
        record.mi.dwFlags = flags;
        record.mi.time = 0;
        record.mi.dwExtraInfo = 0;
        if (SendInput(1, &record, sizeof(INPUT)) != 1)
            return fail("SendInput inserted no record (" + lastErrorText(GetLastError()) + ")");
        return succeed();
    }
};

} // namespace

std::unique_ptr<InputInjector> InputInjector::createNative()
{
    return std::make_unique<WindowsInputInjector>();
}

} // namespace korvane::core
