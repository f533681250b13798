#pragma once

#include <QObject>

class QMenuBar;

// F10 opens the first menu of the menu bar, as on the desktop: the way to the
// menus from any keyboard layout, where Alt with the Cyrillic letter needs
// the Cyrillic one. The arrows go on from there, to the other items of the
// bar too.
class MenuBarKey : public QObject
{
    Q_OBJECT

public:
    explicit MenuBarKey(QMenuBar *bar);

private:
    void open();

    QMenuBar *m_bar;
};
