#include "WindowPlacement.h"

#include "settings/TGameSettings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

bool onSomeScreen(const QRect &outer)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen *s) { return s->geometry().intersects(outer); });
}

} // namespace

WindowPlacement::WindowPlacement(QWidget *window, const QRect &designedOuter,
                                 const QSize &designedMinimum)
    : QObject(window), m_window(window), m_designedOuter(designedOuter),
      m_designedMinimum(designedMinimum)
{
    m_window->setMinimumSize(m_designedMinimum);
    m_window->move(m_designedOuter.topLeft());
    m_window->resize(m_designedOuter.size());
    m_window->installEventFilter(this);
}

void WindowPlacement::restore(const TGameSettings &settings)
{
    if (settings.Maximized == 1) {
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
        return;
    }
    QRect outer(settings.WinLeft, settings.WinTop, settings.WinWidth, settings.WinHeight);
    const bool sane = outer.width() > 0 && outer.height() > 0 && outer.width() <= 32767
        && outer.height() <= 32767;
    if (!sane || !onSomeScreen(outer))
        outer = m_designedOuter;
    m_pendingOuter = outer;
    m_window->move(outer.topLeft());
    m_window->resize(outer.size());
}

void WindowPlacement::storeDesign(TGameSettings &settings) const
{
    settings.WinLeft = m_designedOuter.x();
    settings.WinTop = m_designedOuter.y();
    settings.WinWidth = m_designedOuter.width();
    settings.WinHeight = m_designedOuter.height();
}

void WindowPlacement::store(TGameSettings &settings) const
{
    if (m_window->isMaximized()) {
        settings.Maximized = 1;
        return;
    }
    const QRect outer = m_window->frameGeometry();
    settings.WinTop = outer.y();
    settings.WinLeft = outer.x();
    settings.WinWidth = outer.width();
    settings.WinHeight = outer.height();
    settings.Maximized = 0;
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && m_pendingOuter.isValid() && m_window->isVisible()) {
        const QWindow *handle = m_window->windowHandle();
        if (handle && !handle->frameMargins().isNull())
            fitToFrame();
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::fitToFrame()
{
    // The outer size less the frame gives the same outer rectangle on every
    // run, so a placement never drifts from one start to the next.
    const QRect outer = m_pendingOuter;
    m_pendingOuter = QRect();
    const QSize frame = m_window->frameGeometry().size() - m_window->geometry().size();
    m_window->setMinimumSize(m_designedMinimum - frame);
    m_window->resize(outer.size() - frame);
    m_window->move(outer.topLeft());
}
