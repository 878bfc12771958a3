#include "core/platform/inputinjector.h"
#include "core/platform/presscounter.h"

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

// Buttons count beside the virtual keys (0..255) under codes of their own.
constexpr int cstButtonCodes = 1000;

class WindowsInputInjector final : public InputInjector {
public:
    ~WindowsInputInjector() override { releaseAll(); }

    bool sendKey(int virtualKey, int scanCode, std::uint32_t flags) override
    {
        // A key both channels hold goes up with its last holder.
        const bool down = !(flags & input::KeyUp);
        if (down ? !m_down.press(virtualKey) : !m_down.release(virtualKey))
            return succeed();
        // keybd_event reports nothing; a blocked key (for example into a
        // window of higher integrity) cannot be detected here.
        keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode), flags, 0);
        m_scanCodes[virtualKey & 0xFF] = scanCode;
        return succeed();
    }

    bool sendMouse(std::uint32_t flags, std::int32_t wheelData) override
    {
        for (int i = 0; i < 3; ++i) {
            const int code = cstButtonCodes + i;
            if ((flags & input::MouseButtons[i].down) && !m_down.press(code))
                flags &= ~input::MouseButtons[i].down;
            if ((flags & input::MouseButtons[i].up) && !m_down.release(code))
                flags &= ~input::MouseButtons[i].up;
        }
        if (flags == 0)
            return succeed();
        return sendMouseRecord(flags, wheelData);
    }

    bool releaseAll() override
    {
        bool sent = true;
        for (int code : m_down.takeAll()) {
            if (code >= cstButtonCodes)
                sent = sendMouseRecord(input::MouseButtons[code - cstButtonCodes].up, 0) && sent;
            else
                keybd_event(static_cast<BYTE>(code), static_cast<BYTE>(m_scanCodes[code & 0xFF]),
                    input::KeyExtended | input::KeyUp, 0);
        }
        return sent;
    }

private:
    bool sendMouseRecord(std::uint32_t flags, std::int32_t wheelData)
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

    PressCounter m_down; // virtual keys, and buttons above cstButtonCodes
    int m_scanCodes[256] = {};
};

} // namespace

std::unique_ptr<InputInjector> InputInjector::createNative()
{
    return std::make_unique<WindowsInputInjector>();
}

} // namespace korvane::core
