#include "WindowPlacement.h"

#include "settings/TGameSettings.h"

#include <QApplication>
#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// The squared distance between a rectangle and a point, 0 inside it.
qint64 distance(const QRect &area, const QPoint &p)
{
    const qint64 dx = p.x() < area.left() ? area.left() - p.x() : std::max(0, p.x() - area.right());
    const qint64 dy = p.y() < area.top() ? area.top() - p.y() : std::max(0, p.y() - area.bottom());
    return dx * dx + dy * dy;
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
    m_settle.setSingleShot(true);
    m_settle.setInterval(60);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        if (m_pendingOuter.isValid() && m_window->isVisible()
            && !(m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
            fitToFrame();
    });
}

QList<QRect> WindowPlacement::availableAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

QRect WindowPlacement::keptOnScreen(QRect outer, const QList<QRect> &areas, int titleHeight)
{
    if (areas.isEmpty())
        return outer;
    // The screen it lies on most, or the nearest one to its title bar.
    const QPoint title(outer.center().x(), outer.top() + titleHeight / 2);
    const QRect *home = &areas.first();
    qint64 bestOverlap = -1;
    for (const QRect &area : areas) {
        const QRect common = area.intersected(outer);
        const qint64 overlap = qint64(common.width()) * common.height();
        if (overlap > bestOverlap
            || (overlap == 0 && bestOverlap == 0 && distance(area, title) < distance(*home, title))) {
            bestOverlap = overlap;
            home = &area;
        }
    }
    const QSize fitted = outer.size().boundedTo(home->size());
    if (fitted != outer.size() || bestOverlap == 0) {
        // A window from a bigger screen is cut to this one's size and laid
        // wholly on it; keeping its old corner would hang part of it off the
        // edge, a row of tiles out of reach. One from a monitor that is gone
        // keeps the size it fits in and comes wholly onto the nearest.
        outer.setSize(fitted);
        outer.moveLeft(std::clamp(outer.left(), home->left(), home->right() + 1 - outer.width()));
        outer.moveTop(std::clamp(outer.top(), home->top(), home->bottom() + 1 - outer.height()));
        return outer;
    }

    QRegion screens;
    for (const QRect &area : areas)
        screens += area;
    const QRect titleBar(outer.topLeft(), QSize(outer.width(), std::min(titleHeight, outer.height())));
    if (QRegion(titleBar).subtracted(screens).isEmpty())
        return outer;
    outer.moveLeft(std::clamp(outer.left(), home->left(), home->right() + 1 - outer.width()));
    outer.moveTop(std::clamp(outer.top(), home->top(), home->bottom() + 1 - titleBar.height()));
    return outer;
}

void WindowPlacement::restore(const TGameSettings &settings)
{
    QRect outer(settings.WinLeft, settings.WinTop, settings.WinWidth, settings.WinHeight);
    const QList<QRect> areas = availableAreas();
    if (outer.width() <= 0 || outer.height() <= 0)
        outer = m_designedOuter;
    // Until the frame is known, the title bar is taken to be as high as the
    // style draws one.
    outer = keptOnScreen(outer, areas, m_window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    m_pendingOuter = outer;
    m_window->move(outer.topLeft());
    m_window->resize(outer.size());
    if (settings.Maximized == 1)
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
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
    // The platform's frame, not the widget's copy of it, which is only
    // brought up to date by some of the window's moves.
    const QWindow *handle = m_window->windowHandle();
    const QRect outer = handle ? handle->frameGeometry() : m_window->frameGeometry();
    if (positionKnown()) {
        settings.WinTop = outer.y();
        settings.WinLeft = outer.x();
    }
    settings.WinWidth = outer.width();
    settings.WinHeight = outer.height();
    settings.Maximized = 0;
}

bool WindowPlacement::positionKnown()
{
    // A Wayland client is never told where its window stands, and its moves
    // are not obeyed: Qt reports the corner of the screen instead.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    // A maximized window has the frame of a maximized window; the normal
    // placement is fitted once the window is shown in its normal state, after
    // the window manager has moved it there (a fit before that is undone).
    if (watched != m_window || !m_pendingOuter.isValid())
        return false;
    if (event->type() == QEvent::WindowStateChange) {
        m_awaitingMove = true;
        m_leftMaximized = static_cast<QWindowStateChangeEvent *>(event)->oldState() & Qt::WindowMaximized;
        // Some window managers (metacity) move and size the window before
        // they announce the state: no move may follow.
        if (m_leftMaximized)
            m_settle.start();
    } else if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        m_awaitingMove = false;
    if (!m_awaitingMove && m_window->isVisible()
        && !(m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))) {
        const QWindow *handle = m_window->windowHandle();
        if (handle && !handle->frameMargins().isNull()) {
            if (m_leftMaximized)
                m_settle.start();
            else
                fitToFrame();
        }
    }
    return false;
}

void WindowPlacement::fitToFrame()
{
    // The outer size less the frame gives the same outer rectangle on every
    // run, so a placement never drifts from one start to the next.
    const QMargins frame = m_window->windowHandle()->frameMargins();
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QRect outer = keptOnScreen(m_pendingOuter, availableAreas(), frame.top());
    m_pendingOuter = QRect();
    m_window->setMinimumSize(m_designedMinimum - frameSize);
    // Placed by its client area, from the frame the platform reports: the
    // widget's own idea of its corner and frame can lag behind the window
    // manager (fluxbox announces where it put the window after it has drawn
    // the frame), and a move made from them lands the window a frame's
    // width and height up and left of where it belongs.
    m_window->setGeometry(outer.marginsRemoved(frame));
}
