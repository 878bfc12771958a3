#include "core/platform/uinput/inputinjector_uinput.h"

#include "core/platform/linux/x11keysyms.h"

#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace korvane::core {

const char* const UinputInputInjector::cstDevicePath = "/dev/uinput";
const char* const UinputInputInjector::cstDeviceName = "Korvane switch";

namespace {

struct Button {
    std::uint32_t down;
    std::uint32_t up;
    int code;
};
// In the order Windows applies the bits of one record.
constexpr Button cstButtons[] = {
    { input::MouseLeftDown, input::MouseLeftUp, BTN_LEFT },
    { input::MouseRightDown, input::MouseRightUp, BTN_RIGHT },
    { input::MouseMiddleDown, input::MouseMiddleUp, BTN_MIDDLE },
};

// Relative axes: the wheels are all we send, but without X and Y the device
// would not be taken for a mouse and its buttons would be ignored.
constexpr int cstAxes[]
    = { REL_X, REL_Y, REL_WHEEL, REL_HWHEEL, REL_WHEEL_HI_RES, REL_HWHEEL_HI_RES };

std::string hexText(const char* text, unsigned long value)
{
    char number[32];
    std::snprintf(number, sizeof number, "0x%02lX", value);
    return text + std::string(number);
}

bool setUp(int fd)
{
    bool ok = ioctl(fd, UI_SET_EVBIT, EV_SYN) == 0 && ioctl(fd, UI_SET_EVBIT, EV_KEY) == 0
        && ioctl(fd, UI_SET_EVBIT, EV_REL) == 0;
    // Every keyboard key, but no joystick or tablet button: a device with
    // those is not treated as a keyboard.
    for (int code = KEY_ESC; ok && code < BTN_MISC; ++code)
        ok = ioctl(fd, UI_SET_KEYBIT, code) == 0;
    for (const Button& button : cstButtons)
        ok = ok && ioctl(fd, UI_SET_KEYBIT, button.code) == 0;
    for (int axis : cstAxes)
        ok = ok && ioctl(fd, UI_SET_RELBIT, axis) == 0;
    if (!ok)
        return false;
    uinput_setup setup {};
    setup.id.bustype = BUS_VIRTUAL;
    setup.id.version = 1;
    std::strncpy(setup.name, UinputInputInjector::cstDeviceName, UINPUT_MAX_NAME_SIZE - 1);
    return ioctl(fd, UI_DEV_SETUP, &setup) == 0 && ioctl(fd, UI_DEV_CREATE) == 0;
}

} // namespace

std::unique_ptr<UinputInputInjector> UinputInputInjector::create(
    std::shared_ptr<KeyMapSet> keys, int* errorNumber, std::string* reason, const char* path)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0 || !setUp(fd)) {
        const int number = errno;
        if (fd >= 0)
            ::close(fd);
        if (errorNumber)
            *errorNumber = number;
        if (reason)
            *reason = std::string(path) + ": " + std::strerror(number);
        return nullptr;
    }
    return std::make_unique<UinputInputInjector>(fd, std::move(keys), true);
}

UinputInputInjector::UinputInputInjector(int fd, std::shared_ptr<KeyMapSet> keys, bool isDevice)
    : m_fd(fd)
    , m_isDevice(isDevice)
    , m_keys(std::move(keys))
{
}

UinputInputInjector::~UinputInputInjector()
{
    releaseAll();
    if (m_isDevice)
        ioctl(m_fd, UI_DEV_DESTROY);
    ::close(m_fd);
}

std::string UinputInputInjector::systemName() const
{
    char name[64] = {};
    if (!m_isDevice || ioctl(m_fd, UI_GET_SYSNAME(sizeof name - 1), name) < 0)
        return "";
    return name;
}

bool UinputInputInjector::sendKey(int virtualKey, int /*scanCode*/, std::uint32_t flags)
{
    std::vector<Event> frames;
    if (flags & input::KeyUp) {
        // The latest press of this key is the one let go, where it went down
        // and with the modifiers it took, whatever the layout says by now.
        const auto held = std::find_if(m_keyPresses.rbegin(), m_keyPresses.rend(),
            [virtualKey](const KeyPress& keyPress) { return keyPress.virtualKey == virtualKey; });
        if (held != m_keyPresses.rend()) {
            const KeyPress keyPress = *held;
            m_keyPresses.erase(std::next(held).base());
            release(frames, keyPress.code);
            for (auto it = keyPress.modifiers.rbegin(); it != keyPress.modifiers.rend(); ++it)
                release(frames, *it);
            return write(frames);
        }
    }
    const unsigned long keysym = x11KeysymForVirtualKey(virtualKey);
    if (keysym == 0)
        return fail(hexText("virtual key ", virtualKey) + " has no key");
    KeyStroke stroke;
    std::string reason = "no keyboard layout";
    // Refused rather than sent on a neighbouring key: the user would get a
    // character they did not ask for.
    if (!m_keys || !m_keys->strokeFor(keysym, &stroke, &reason))
        return fail(hexText("virtual key ", virtualKey) + " (\"" + XkbKeyMap::keysymName(keysym)
            + "\") not sent: " + reason);
    if (flags & input::KeyUp) {
        // Never pressed here: an up does no harm, unless another key holds
        // the same position.
        if (!m_down.isDown(stroke.code))
            release(frames, stroke.code);
        return write(frames);
    }
    // Shift or AltGr stays down with the key, so a held key repeats the same
    // character; each counts as held for this key, so another key or channel
    // letting go of it leaves it down.
    for (int modifier : stroke.modifiers)
        press(frames, modifier);
    press(frames, stroke.code);
    m_keyPresses.push_back({ virtualKey, stroke.code, stroke.modifiers });
    return write(frames);
}

bool UinputInputInjector::releaseAll()
{
    std::vector<Event> frames;
    for (int code : m_down.takeAll()) {
        frames.push_back({ EV_KEY, code, 0 });
        frames.push_back({ EV_SYN, SYN_REPORT, 0 });
    }
    m_keyPresses.clear();
    return frames.empty() || write(frames);
}

bool UinputInputInjector::sendMouse(std::uint32_t flags, std::int32_t wheelData)
{
    std::vector<Event> frame;
    // A button another channel holds stays down until its last holder lets go.
    for (const Button& button : cstButtons) {
        if ((flags & button.down) && m_down.press(button.code))
            frame.push_back({ EV_KEY, button.code, 1 });
        if ((flags & button.up) && m_down.release(button.code))
            frame.push_back({ EV_KEY, button.code, 0 });
    }
    const auto wheel = [&](int highResolution, int notches) {
        if (wheelData == 0)
            return;
        // A partial notch still scrolls once, as on X11. The high-resolution
        // value comes first: libinput misreads a wheel whose first event is
        // the coarse one.
        const int steps = std::max(1, std::abs(wheelData) / input::WheelDelta);
        const int sign = wheelData > 0 ? 1 : -1;
        frame.push_back({ EV_REL, highResolution, sign * steps * input::WheelDelta });
        frame.push_back({ EV_REL, notches, sign * steps });
    };
    if (flags & input::MouseWheel)
        wheel(REL_WHEEL_HI_RES, REL_WHEEL);
    if (flags & input::MouseHWheel)
        wheel(REL_HWHEEL_HI_RES, REL_HWHEEL);
    constexpr std::uint32_t known = input::MouseLeftDown | input::MouseLeftUp
        | input::MouseRightDown | input::MouseRightUp | input::MouseMiddleDown
        | input::MouseMiddleUp | input::MouseWheel | input::MouseHWheel;
    if (!frame.empty()) {
        frame.push_back({ EV_SYN, SYN_REPORT, 0 });
        if (!write(frame))
            return false;
    }
    if (flags & ~known)
        return fail(hexText("mouse flags ", flags & ~known) + " are not supported");
    return succeed();
}

void UinputInputInjector::press(std::vector<Event>& frames, int code)
{
    if (!m_down.press(code))
        return;
    frames.push_back({ EV_KEY, code, 1 });
    frames.push_back({ EV_SYN, SYN_REPORT, 0 });
}

void UinputInputInjector::release(std::vector<Event>& frames, int code)
{
    if (!m_down.release(code))
        return;
    frames.push_back({ EV_KEY, code, 0 });
    frames.push_back({ EV_SYN, SYN_REPORT, 0 });
}

bool UinputInputInjector::write(const std::vector<Event>& events)
{
    std::vector<input_event> raw(events.size());
    for (size_t i = 0; i < events.size(); ++i) {
        raw[i].type = static_cast<__u16>(events[i].type);
        raw[i].code = static_cast<__u16>(events[i].code);
        raw[i].value = events[i].value;
    }
    const auto* bytes = reinterpret_cast<const char*>(raw.data());
    size_t left = raw.size() * sizeof(input_event);
    while (left > 0) {
        const ssize_t written = ::write(m_fd, bytes, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(
                std::string("the input device refused the events: ") + std::strerror(errno));
        bytes += written;
        left -= static_cast<size_t>(written);
    }
    return succeed();
}

} // namespace korvane::core
