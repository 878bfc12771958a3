#pragma once

#include "core/korvane_core_export.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWindow>

#include <optional>

namespace korvane::core {

// How the window comes forward. The user's own request (the tray icon, a
// second start) shows it and gives it the keyboard focus. When Korvane has
// something to say by itself (a lost device, input that cannot reach the
// desktop) the window comes to the front without the focus: the switch user's
// keys must keep going to the program they are working in. Once that has
// passed, the window goes back to how it was (hidden stays hidden), unless the
// user has taken it up in the meantime.
class KORVANE_CORE_EXPORT WindowPresenter : public QObject {
    Q_OBJECT
    Q_PROPERTY(QWindow* window READ window WRITE set_window NOTIFY windowChanged)
    // Brought forward by Korvane and not yet taken up by the user.
    Q_PROPERTY(bool forwardBySelf READ forwardBySelf NOTIFY forwardBySelfChanged)

public:
    // How long a window brought forward refuses the focus: long enough for
    // the window manager to have placed it, short enough that the user's
    // click soon gives it the focus as usual.
    static constexpr int cst_no_focus_ms = 1000;

    explicit WindowPresenter(QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

    QWindow* window() const { return m_window; }
    bool forwardBySelf() const { return m_before.has_value(); }

    // The user asked: shown, raised, focused.
    Q_INVOKABLE void present();
    // Korvane has something to say: shown and raised, the focus stays where
    // it is. The state it had before is remembered for settle().
    Q_INVOKABLE void bringForward();
    // What brought the window forward has passed: back to hidden or
    // minimised if it was, unless the user took the window up since.
    Q_INVOKABLE void settle();
    // The whole window, its frame included, within the screen's available
    // area (without panels and docks).
    Q_INVOKABLE void keepOnScreen();
    Q_INVOKABLE QRect availableArea() const;

public slots:
    void set_window(QWindow* window);

signals:
    void windowChanged(QWindow* window);
    void forwardBySelfChanged(bool forwardBySelf);

private:
    // How the window was before Korvane brought it forward.
    enum class Before { Hidden, Minimized, Shown };

    void acceptFocusAgain();
    void forget();

    QPointer<QWindow> m_window;
    std::optional<Before> m_before;
    QTimer m_noFocus;
    // The first exposure after a show places the window (its frame is known
    // then under a window manager).
    bool m_placePending = false;
};

} // namespace korvane::core
