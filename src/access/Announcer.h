#pragma once

#include <QWidget>

// The one voice of the game for a screen reader: what it is given to
// announce (a pair gone, a board won, whose turn it is) becomes the name of
// a notification that shows itself anew, and a screen reader speaks a
// notification as it shows, whatever has the focus. Orca 43 speaks neither a
// changed description nor a changed name of a table cell, so a notification
// is the way through. Nothing is done while no assistive technology listens.
//
// It is a widget of one pixel behind the window's other children, seen by no
// one and let through by the mouse, so that it has a place in the tree of
// accessible objects that a screen reader walks.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    // Speaks text now, interrupting what the reader was saying.
    void announce(const QString &text);
    QString text() const { return m_text; }

private:
    QString m_text;
};
