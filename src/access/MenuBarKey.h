#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class Announcer;
class QMenuBar;
class QStyle;

// F10 takes the menu bar, as on the desktop: the way to the menus from any
// keyboard layout, where Alt with the Cyrillic letter needs the Cyrillic one.
// The bar then walks as its own keyboard mode walks: the first menu opens,
// Left and Right go along the bar, an item with no menu (Настройки) is
// highlighted and Enter runs it, Escape goes back to the bar and from the bar
// to where the keys were.
//
// A menu that opens has its name spoken first: Orca speaks a menu's name only
// for a role Qt 6.4 never reports, and would open it with its first item.
class MenuBarKey : public QObject
{
    Q_OBJECT

public:
    MenuBarKey(QMenuBar *bar, Announcer *voice);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open();
    bool walking() const;
    // Ends the walk, the keys back where F10 took them from.
    void leave();

    QMenuBar *m_bar;
    QStyle *m_style;
    QPointer<QWidget> m_returnTo; // where the keys were before F10
    bool m_quiet = false; // while F10 puts the bar in its keyboard mode
};
