#include "core/platform/x11/inputinjector_x11.h"

#include "core/platform/linux/x11keysyms.h"
#include "core/platform/presscounter.h"
#include "core/platform/x11/keycodeinactivegroup.h"
#include "core/platform/x11/xtestguard.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace korvane::core {

namespace {

// Xlib reports protocol errors through one process-wide handler; ours is
// installed only around our own requests and remembers the first error
// that concerns our connection.
Display* g_watchedDisplay = nullptr;
XErrorEvent g_error;
bool g_errorSeen = false;
XErrorHandler g_previousHandler = nullptr;

int recordError(Display* display, XErrorEvent* event)
{
    if (display != g_watchedDisplay)
        return g_previousHandler ? g_previousHandler(display, event) : 0;
    if (!g_errorSeen) {
        g_error = *event;
        g_errorSeen = true;
    }
    return 0;
}

class X11InputInjector final : public InputInjector {
public:
    explicit X11InputInjector(std::string guardProgram)
        : m_guardProgram(std::move(guardProgram))
    {
    }

    // The guard hears its goodbye after this, when nothing is down any more.
    ~X11InputInjector() override
    {
        if (!m_display)
            return;
        releaseAll();
        // Give the borrowed keycodes back their empty mapping.
        for (const Binding& binding : m_bindings) {
            KeySym none = NoSymbol;
            XChangeKeyboardMapping(m_display, binding.keycode, 1, &none, 1);
        }
        XSync(m_display, False);
        XCloseDisplay(m_display);
    }

    bool sendKey(int virtualKey, int /*scanCode*/, std::uint32_t flags) override
    {
        if (!open())
            return false;
        const bool down = !(flags & input::KeyUp);
        ErrorScope scope(m_display);
        if (!down) {
            // The latest press of this key comes up where it went down.
            const auto held = std::find_if(
                m_keyPresses.rbegin(), m_keyPresses.rend(), [virtualKey](const HeldKey& keyPress) {
                    return keyPress.virtualKey == virtualKey;
                });
            if (held != m_keyPresses.rend()) {
                const KeyCode keycode = held->keycode;
                m_keyPresses.erase(std::next(held).base());
                if (m_down.release(keycode))
                    key(keycode, false);
                return finish(scope, "key event");
            }
        }
        const KeySym keysym = x11KeysymForVirtualKey(virtualKey);
        if (keysym == NoSymbol)
            return fail(hex("virtual key ", virtualKey) + " has no X key");
        const KeyCode keycode = keycodeFor(keysym);
        if (keycode == 0)
            return fail(hex("no free keycode to bind the X keysym ", keysym) + " to");
        if (down) {
            m_keyPresses.push_back({ virtualKey, keycode });
            // Already down for another channel: the server would take a
            // second press for an auto-repeat and the first release for both.
            if (!m_down.press(keycode))
                return succeed();
        } else if (m_down.isDown(keycode)) {
            // Never pressed here, but another key holds the position.
            return succeed();
        }
        key(keycode, down);
        return finish(scope, "key event");
    }

    bool releaseAll() override
    {
        m_keyPresses.clear();
        if (m_down.empty() || !m_display)
            return true;
        ErrorScope scope(m_display);
        for (int code : m_down.takeAll()) {
            if (code >= cstButtonCodes)
                buttonEvent(static_cast<unsigned int>(code - cstButtonCodes), false);
            else
                key(static_cast<unsigned int>(code), false);
        }
        return finish(scope, "release");
    }

    bool sendMouse(std::uint32_t flags, std::int32_t wheelData) override
    {
        if (!open())
            return false;
        ErrorScope scope(m_display);
        // Order as Windows applies the bits of one record.
        if (flags & input::MouseLeftDown)
            button(1, true);
        if (flags & input::MouseLeftUp)
            button(1, false);
        if (flags & input::MouseRightDown)
            button(3, true);
        if (flags & input::MouseRightUp)
            button(3, false);
        if (flags & input::MouseMiddleDown)
            button(2, true);
        if (flags & input::MouseMiddleUp)
            button(2, false);
        if (flags & input::MouseWheel)
            wheel(wheelData, 4, 5);
        if (flags & input::MouseHWheel)
            wheel(wheelData, 7, 6);
        constexpr std::uint32_t known = input::MouseLeftDown | input::MouseLeftUp
            | input::MouseRightDown | input::MouseRightUp | input::MouseMiddleDown
            | input::MouseMiddleUp | input::MouseWheel | input::MouseHWheel;
        const bool sent = finish(scope, "mouse event");
        if (sent && (flags & ~known))
            return fail(hex("mouse flags ", flags & ~known) + " are not supported");
        return sent;
    }

private:
    struct Binding {
        KeyCode keycode;
        KeySym keysym;
    };
    struct HeldKey {
        int virtualKey;
        KeyCode keycode;
    };
    // Buttons count beside the keycodes (8..255) under codes of their own.
    static constexpr int cstButtonCodes = 1000;

    class ErrorScope {
    public:
        explicit ErrorScope(Display* display)
        {
            g_watchedDisplay = display;
            g_errorSeen = false;
            g_previousHandler = XSetErrorHandler(recordError);
        }
        ~ErrorScope()
        {
            XSetErrorHandler(g_previousHandler);
            g_watchedDisplay = nullptr;
        }
    };

    static std::string hex(const char* text, unsigned long value)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "0x%02lX", value);
        return text + std::string(buffer);
    }

    bool open()
    {
        if (m_display)
            return true;
        const char* name = std::getenv("DISPLAY");
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            return fail(std::string("cannot open the X display \"") + (name ? name : "") + "\"");
        int eventBase, errorBase, major, minor;
        if (!XTestQueryExtension(m_display, &eventBase, &errorBase, &major, &minor)) {
            XCloseDisplay(m_display);
            m_display = nullptr;
            return fail("the X server offers no XTEST extension");
        }
        // Our synthetic events must not wait behind another client's grab.
        XTestGrabControl(m_display, True);
        std::string reason;
        if (!m_guardProgram.empty() && !m_guard.start(m_guardProgram, &reason))
            std::fprintf(stderr,
                "korvane: cannot start %s (%s): what Korvane holds when it is killed stays "
                "held\n",
                m_guardProgram.c_str(), reason.c_str());
        return true;
    }

    // Every key and button that stays down goes through these two, so the
    // guard knows what is down.
    void key(unsigned int keycode, bool down)
    {
        down ? m_guard.pressed(false, keycode) : m_guard.released(false, keycode);
        XTestFakeKeyEvent(m_display, keycode, down ? True : False, CurrentTime);
    }

    void buttonEvent(unsigned int number, bool down)
    {
        down ? m_guard.pressed(true, number) : m_guard.released(true, number);
        XTestFakeButtonEvent(m_display, number, down ? True : False, CurrentTime);
    }

    // A button another channel holds stays down until its last holder lets go.
    void button(unsigned int number, bool down)
    {
        const int code = cstButtonCodes + static_cast<int>(number);
        if (down ? m_down.press(code) : m_down.release(code))
            buttonEvent(number, down);
    }

    void wheel(std::int32_t amount, unsigned int positive, unsigned int negative)
    {
        if (amount == 0)
            return;
        // One X wheel click per notch; a partial notch still scrolls once.
        int steps = std::abs(amount) / input::WheelDelta;
        if (steps == 0)
            steps = 1;
        const unsigned int number = amount > 0 ? positive : negative;
        for (int i = 0; i < steps; ++i) {
            XTestFakeButtonEvent(m_display, number, True, CurrentTime);
            XTestFakeButtonEvent(m_display, number, False, CurrentTime);
        }
    }

    bool finish(ErrorScope&, const char* what)
    {
        XSync(m_display, False);
        m_guard.settle();
        if (g_errorSeen) {
            char text[128] = {};
            XGetErrorText(m_display, g_error.error_code, text, sizeof text);
            return fail(std::string("the X server refused the ") + what + ": " + text);
        }
        return succeed();
    }

    // A keysym absent from the current keymap is bound to a keycode that
    // carries nothing, rather than being dropped; the binding is kept
    // (clients re-read the keymap asynchronously, so undoing it right
    // after the event could change what they see) and undone on exit.
    KeyCode keycodeFor(KeySym keysym)
    {
        if (KeyCode keycode = keycodeInActiveGroup(m_display, keysym))
            return keycode;
        if (KeyCode keycode = XKeysymToKeycode(m_display, keysym))
            return keycode;
        for (const Binding& binding : m_bindings) {
            if (binding.keysym == keysym)
                return binding.keycode;
        }
        const KeyCode spare = spareKeycode();
        if (spare == 0)
            return 0;
        KeySym symbol = keysym;
        XChangeKeyboardMapping(m_display, spare, 1, &symbol, 1);
        XSync(m_display, False);
        m_bindings.push_back({ spare, keysym });
        return spare;
    }

    KeyCode spareKeycode()
    {
        int minCode = 0, maxCode = 0;
        XDisplayKeycodes(m_display, &minCode, &maxCode);
        int perCode = 0;
        KeySym* map = XGetKeyboardMapping(
            m_display, static_cast<KeyCode>(minCode), maxCode - minCode + 1, &perCode);
        if (!map)
            return 0;
        KeyCode spare = 0;
        for (int code = maxCode; code >= minCode && spare == 0; --code) {
            bool empty = true;
            for (int i = 0; i < perCode && empty; ++i)
                empty = map[(code - minCode) * perCode + i] == NoSymbol;
            if (empty)
                spare = static_cast<KeyCode>(code);
        }
        XFree(map);
        if (spare == 0 && !m_bindings.empty()) {
            // Every keycode is taken: lend out again the one borrowed first.
            spare = m_bindings.front().keycode;
            m_bindings.erase(m_bindings.begin());
        }
        return spare;
    }

    std::string m_guardProgram;
    XTestGuard m_guard; // closed after the display
    Display* m_display = nullptr;
    std::vector<Binding> m_bindings;
    PressCounter m_down; // keycodes, and buttons above cstButtonCodes
    std::vector<HeldKey> m_keyPresses; // in pressing order
};

} // namespace

std::unique_ptr<InputInjector> createX11InputInjector(std::string guardProgram)
{
    return std::make_unique<X11InputInjector>(std::move(guardProgram));
}

std::unique_ptr<InputInjector> InputInjector::createNative()
{
    return createX11InputInjector({});
}

} // namespace korvane::core
