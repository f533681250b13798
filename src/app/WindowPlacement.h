#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QTimer>

struct TGameSettings;
class QWidget;

// Where the main window stands on the desktop. The settings record keeps the
// window's outer rectangle, frame and title bar included, and a maximized
// flag. Qt places a top-level widget by its frame's corner but sizes it by
// its client area, and the frame's size is only known once the window manager
// has framed the window; so a stored rectangle is first applied as well as it
// can be, then fitted exactly when the frame appears, and for a window that
// starts maximized, when it is first restored. The designed size and the
// minimum size are outer sizes too.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // designedOuter and designedMinimum are in screen pixels.
    WindowPlacement(QWidget *window, const QRect &designedOuter, const QSize &designedMinimum);

    // Puts the window where the record says: at its outer rectangle, then
    // maximized if it was, so that restoring it returns to that rectangle.
    // A rectangle of no size gives the designed placement; one that is too
    // large, wholly off every screen (a monitor since removed) or has its
    // title bar off the screens is kept on them (keptOnScreen).
    void restore(const TGameSettings &settings);
    // Writes the designed outer placement into the record.
    void storeDesign(TGameSettings &settings) const;
    // Writes the placement into the record: while maximized only the flag,
    // so the four fields keep the last normal placement. Where the platform
    // cannot tell the window's position, the stored left and top stay.
    void store(TGameSettings &settings) const;

    // The outer rectangle made reachable on screens with these available
    // areas: a size larger than the area of the screen it lies on most is
    // fitted to that area and the window laid wholly on it; so is a window
    // wholly off the screens, on the nearest one, keeping its size where it
    // fits; a window that
    // fits keeps its place (partly off the screen, if the player left it so)
    // unless its title bar (its top titleHeight rows) is not wholly on the
    // screens: then it is moved, keeping its size, so that the whole title
    // bar lies on the nearest screen.
    static QRect keptOnScreen(QRect outer, const QList<QRect> &areas, int titleHeight);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitToFrame();
    static QList<QRect> availableAreas();
    // False where the platform cannot report where a window stands (Wayland).
    static bool positionKnown();

    QWidget *m_window;
    QRect m_designedOuter;
    QSize m_designedMinimum;
    // The outer rectangle to fit once the frame's size is known and the
    // window is not maximized.
    QRect m_pendingOuter;
    // A change of state is fitted only once the window manager has moved the
    // window for it.
    bool m_awaitingMove = false;
    // Leaving the maximized state, the window manager moves the window and
    // sets its new frame in two steps, in no fixed order; the fit waits until
    // both have settled, or it would take the maximized frame's size.
    bool m_leftMaximized = false;
    QTimer m_settle;
};
