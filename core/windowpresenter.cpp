#include "core/windowpresenter.h"

#include <QEvent>
#include <QScreen>
#include <QVariant>
#include <QtMath>

namespace korvane::core {

namespace {
// Qt's platform plugins read this on show: on X11 it gives the window a
// user time of 0, which tells the window manager not to focus it; on
// Windows it shows the window without activating it.
const char* const cstShowWithoutActivating = "_q_showWithoutActivating";
} // namespace

WindowPresenter::WindowPresenter(QObject* parent)
    : QObject(parent)
{
    m_noFocus.setSingleShot(true);
    m_noFocus.setInterval(cst_no_focus_ms);
    connect(&m_noFocus, &QTimer::timeout, this, &WindowPresenter::acceptFocusAgain);
}

void WindowPresenter::set_window(QWindow* window)
{
    if (m_window == window)
        return;
    if (m_window) {
        m_window->removeEventFilter(this);
        disconnect(m_window, nullptr, this, nullptr);
    }
    forget();
    m_window = window;
    if (m_window) {
        m_window->installEventFilter(this);
        // The user clicked into it or went to it: it is theirs now.
        connect(m_window, &QWindow::activeChanged, this, [this] {
            if (m_window->isActive() && !m_noFocus.isActive())
                forget();
        });
        connect(m_window, &QWindow::screenChanged, this, &WindowPresenter::keepOnScreen);
    }
    emit windowChanged(m_window);
}

bool WindowPresenter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Expose && m_placePending
        && m_window->isExposed()) {
        m_placePending = false;
        keepOnScreen();
    } else if (watched == m_window && event->type() == QEvent::Show) {
        m_placePending = true;
    }
    return QObject::eventFilter(watched, event);
}

void WindowPresenter::present()
{
    if (!m_window)
        return;
    m_noFocus.stop();
    acceptFocusAgain();
    forget();
    if (m_window->windowStates() & Qt::WindowMinimized)
        m_window->setWindowStates(m_window->windowStates() & ~Qt::WindowMinimized);
    m_window->show();
    keepOnScreen();
    m_window->raise();
    m_window->requestActivate();
}

void WindowPresenter::bringForward()
{
    if (!m_window)
        return;
    if (!m_before) {
        if (!m_window->isVisible())
            m_before = Before::Hidden;
        else if (m_window->windowStates() & Qt::WindowMinimized)
            m_before = Before::Minimized;
        else
            m_before = Before::Shown;
        emit forwardBySelfChanged(true);
    }
    m_window->setProperty(cstShowWithoutActivating, true);
    m_window->setFlag(Qt::WindowDoesNotAcceptFocus, true);
    m_noFocus.start();
    if (m_window->windowStates() & Qt::WindowMinimized)
        m_window->setWindowStates(m_window->windowStates() & ~Qt::WindowMinimized);
    m_window->setVisible(true);
    m_window->raise();
}

void WindowPresenter::acceptFocusAgain()
{
    if (!m_window)
        return;
    m_window->setProperty(cstShowWithoutActivating, QVariant());
    if (m_window->flags() & Qt::WindowDoesNotAcceptFocus)
        m_window->setFlag(Qt::WindowDoesNotAcceptFocus, false);
}

void WindowPresenter::settle()
{
    if (!m_window || !m_before)
        return;
    const Before before = *m_before;
    forget();
    m_noFocus.stop();
    acceptFocusAgain();
    if (before == Before::Hidden)
        m_window->hide();
    else if (before == Before::Minimized)
        m_window->showMinimized();
}

void WindowPresenter::forget()
{
    if (!m_before)
        return;
    m_before.reset();
    emit forwardBySelfChanged(false);
}

QRect WindowPresenter::availableArea() const
{
    QScreen* screen = m_window ? m_window->screen() : nullptr;
    return screen ? screen->availableGeometry() : QRect();
}

void WindowPresenter::keepOnScreen()
{
    if (!m_window)
        return;
    const QRect area = availableArea();
    const Qt::WindowStates states = m_window->windowStates();
    if (area.isEmpty()
        || (states & (Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized)))
        return;
    // The frame the window manager adds (title bar, borders) is part of what
    // must fit; it is known once the window has been shown under one. At a
    // fractional scale it comes rounded to whole pixels of ours: one more
    // keeps the rounding from pushing the frame past the edge.
    QMargins frame = m_window->frameMargins();
    const qreal ratio = m_window->devicePixelRatio();
    if (!frame.isNull() && ratio != qFloor(ratio))
        frame += QMargins(1, 1, 1, 1);
    const int width = qMin(m_window->width(), area.width() - frame.left() - frame.right());
    const int height = qMin(m_window->height(), area.height() - frame.top() - frame.bottom());
    if (width != m_window->width() || height != m_window->height())
        m_window->resize(width, height);
    const int x = qBound(area.left() + frame.left(), m_window->x(),
        area.left() + area.width() - frame.right() - width);
    const int y = qBound(area.top() + frame.top(), m_window->y(),
        area.top() + area.height() - frame.bottom() - height);
    if (x != m_window->x() || y != m_window->y())
        m_window->setPosition(x, y);
}

} // namespace korvane::core
