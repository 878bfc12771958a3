#include "core/platform/inputbackend.h"

#include "common/translator.h"
#include "core/platform/linux/keyboardlayoutfollower.h"
#include "core/platform/uinput/inputinjector_uinput.h"
#include "core/platform/x11/inputinjector_x11.h"
#include "core/platform/x11/xdisplay.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QVariantMap>

#include <cerrno>

namespace korvane::core {

namespace {

// Without a device every record fails with the same reason, which the
// caller reports once.
class UnavailableInputInjector final : public InputInjector {
public:
    explicit UnavailableInputInjector(std::string reason)
        : m_reason(std::move(reason))
    {
    }
    bool sendKey(int, int, std::uint32_t) override { return fail(m_reason); }
    bool sendMouse(std::uint32_t, std::int32_t) override { return fail(m_reason); }

private:
    std::string m_reason;
};

// systemd's locale service knows the layout on systems without
// /etc/default/keyboard; a missing bus or service costs at most the timeout.
KeyboardLayout localeServiceLayout()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return {};
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.locale1"),
        QStringLiteral("/org/freedesktop/locale1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    call << QStringLiteral("org.freedesktop.locale1");
    const QDBusMessage reply = bus.call(call, QDBus::Block, 1000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
    const auto text
        = [&](const char* key) { return properties.value(key).toString().toStdString(); };
    KeyboardLayout layout;
    layout.layout = text("X11Layout");
    layout.model = text("X11Model");
    layout.variant = text("X11Variant");
    layout.options = text("X11Options");
    return layout;
}

// korvane-xtest-guard lies where the install layout puts it, relative to the
// program (beside it in the build tree and a plain install).
std::unique_ptr<InputInjector> xtestInjector()
{
    const QString program = QCoreApplication::instance()
        ? QCoreApplication::applicationDirPath() + QStringLiteral("/" KORVANE_XTEST_GUARD)
        : QString();
    return createX11InputInjector(QFile::encodeName(program).toStdString());
}

QString uinputProblem(int errorNumber, const QString& reason, bool fallback, bool wayland)
{
    QString problem;
    if (errorNumber == ENOENT || errorNumber == ENODEV || errorNumber == ENXIO)
        problem = korvane::Translator::tr(
            "%1 cannot type or click for you: the kernel's uinput module is not "
            "loaded. Run \"sudo modprobe uinput\", and install "
            "korvane-uinput.conf in /etc/modules-load.d to load it at every start.");
    else if (errorNumber == EACCES || errorNumber == EPERM)
        problem = korvane::Translator::tr(
            "%1 cannot type or click for you: it may not use /dev/uinput. "
            "Install the rule 70-korvane-uinput.rules in /etc/udev/rules.d, "
            "run \"sudo modprobe uinput\", then log out and in again.");
    else
        problem = korvane::Translator::tr(
            "%1 cannot type or click for you: /dev/uinput cannot be used (%2).")
                      .arg(QStringLiteral("%1"), reason);
    if (fallback && wayland)
        problem += QLatin1Char(' ')
            + korvane::Translator::tr(
                "Until /dev/uinput can be used, only programs running under X11 (XWayland) "
                "receive the switch's input; the others receive nothing.");
    else if (fallback)
        problem += QLatin1Char(' ')
            + korvane::Translator::tr(
                "Until then it uses X11 input, which reaches only X11 programs.");
    return problem;
}

} // namespace

InputBackend::Selection InputBackend::open(
    Kind requested, const Session& session, const char* uinputPath, const char* keyboardFile)
{
    Selection selection;
    const Kind kind = choose(requested, session);
    const QString why = requested == Auto ? (session.isX11() ? QStringLiteral("X11 session")
                                : session.isWayland()        ? QStringLiteral("Wayland session")
                                                             : QStringLiteral("no display"))
                                          : QStringLiteral("asked for on the command line");
    if (kind == XTest) {
        selection.injector = xtestInjector();
        selection.kind = XTest;
        selection.log = QStringLiteral("Input back end: XTest (%1)").arg(why);
        return selection;
    }

    auto follower = std::make_unique<KeyboardLayoutFollower>(
        session.desktop, QString::fromLocal8Bit(keyboardFile), localeServiceLayout);
    const QString keysNote
        = QStringLiteral("keyboard layouts %1")
              .arg(QString::fromStdString(follower->keys()->layouts().describe()));
    int errorNumber = 0;
    std::string reason;
    if (auto device
        = UinputInputInjector::create(follower->keys(), &errorNumber, &reason, uinputPath)) {
        selection.injector = std::move(device);
        selection.layoutFollower = std::move(follower);
        selection.kind = Uinput;
        selection.log = QStringLiteral("Input back end: uinput (%1), %2").arg(why, keysNote);
        return selection;
    }

    const QString cause = QString::fromStdString(reason);
    // XTest still reaches every X11 program, also those of a Wayland
    // session (XWayland): far better than nothing at all.
    const bool fallback = session.isX11()
        || (session.isWayland() && xDisplayReachable(session.display.toStdString()));
    selection.problem = uinputProblem(errorNumber, cause, fallback, session.isWayland());
    if (fallback) {
        selection.injector = xtestInjector();
        selection.kind = XTest;
        selection.log = QStringLiteral("Input back end: XTest, because uinput cannot be opened: %1")
                            .arg(cause);
    } else {
        selection.injector = std::make_unique<UnavailableInputInjector>(
            "the uinput device cannot be opened: " + reason);
        selection.kind = Uinput;
        selection.log
            = QStringLiteral("Input back end: none, because uinput cannot be opened (%1): %2")
                  .arg(why, cause);
    }
    return selection;
}

} // namespace korvane::core
