#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/inputinjector.h"

#include <QObject>
#include <QString>

#include <memory>

namespace korvane::core {

// Which back end carries the switch's input into the session: XTest reaches
// X11 programs only, the kernel's uinput device reaches X11, every Wayland
// compositor and the text console but needs access to /dev/uinput.
class KORVANE_CORE_EXPORT InputBackend {
public:
    enum Kind { Auto, XTest, Uinput };

    // What the environment says about the graphical session.
    struct Session {
        QString display;
        QString waylandDisplay;
        QString sessionType;
        // XDG_CURRENT_DESKTOP: whose keyboard settings to read.
        QString desktop;

        static Session current();
        bool isWayland() const;
        // An X server and no Wayland compositor in front of it.
        bool isX11() const { return !isWayland() && !display.isEmpty(); }
    };

    // "auto", "xtest" or "uinput", in any case; false for anything else.
    static bool parse(const QString& text, Kind* kind);
    static QString name(Kind kind);
    // The back end that "auto" stands for in a session; an explicit choice
    // stands for itself.
    static Kind choose(Kind requested, const Session& session);

    struct Selection {
        std::unique_ptr<InputInjector> injector;
        Kind kind = Auto; // the back end in use
        // For the user, translated: what went wrong and what to do. Empty
        // when the chosen back end works.
        QString problem;
        // One line for the log: the back end, why, and any reason it fell back.
        QString log;
        // What keeps uinput's key maps on the session's active layout; lives
        // as long as the injector is in use.
        std::unique_ptr<QObject> layoutFollower;
    };
    // Builds the chosen back end. When /dev/uinput cannot be opened an X11
    // session falls back to XTest; elsewhere every injection then fails with
    // the reason, so nothing is dropped in silence.
    static Selection open(Kind requested, const Session& session,
        const char* uinputPath = "/dev/uinput", const char* keyboardFile = "/etc/default/keyboard");

private:
    InputBackend() = default;
};

} // namespace korvane::core
