#pragma once

#include <QObject>
#include <QRect>

struct TGameSettings;
class QWidget;

// Where the main window stands on the desktop. The settings record keeps the
// window's outer rectangle, frame and title bar included, and a maximized
// flag. Qt places a top-level widget by its frame's corner but sizes it by
// its client area, and the frame's size is only known once the window manager
// has framed the window; so a stored rectangle is first applied as well as it
// can be, then fitted exactly when the frame appears. The designed size and
// the minimum size are outer sizes too.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // designedOuter and designedMinimum are in screen pixels.
    WindowPlacement(QWidget *window, const QRect &designedOuter, const QSize &designedMinimum);

    // Puts the window where the record says: maximized, or at its outer
    // rectangle. A rectangle of no size, over 32767 pixels or wholly off
    // every screen (a monitor since removed) gives the designed placement.
    void restore(const TGameSettings &settings);
    // Writes the designed outer placement into the record.
    void storeDesign(TGameSettings &settings) const;
    // Writes the placement into the record: while maximized only the flag,
    // so the four fields keep the last normal placement.
    void store(TGameSettings &settings) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitToFrame();

    QWidget *m_window;
    QRect m_designedOuter;
    QSize m_designedMinimum;
    // The outer rectangle to fit once the frame's size is known.
    QRect m_pendingOuter;
};
