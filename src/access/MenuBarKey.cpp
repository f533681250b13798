#include "MenuBarKey.h"

#include "Announcer.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QTimer>

namespace {

// The bar's keyboard mode exists only where the style allows Alt to reach the
// bar; this one allows it while F10 has the bar, so that Alt with a letter and
// Escape from its menu keep their way back to the board in one step.
class WalkingStyle : public QProxyStyle
{
public:
    bool walking = false;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returned) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation && walking)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

MenuBarKey::MenuBarKey(QMenuBar *bar, Announcer *voice)
    : QObject(bar), m_bar(bar), m_style(new WalkingStyle)
{
    m_style->setParent(this);
    bar->setStyle(m_style);
    bar->installEventFilter(this);
    auto *key = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, &MenuBarKey::open);
    // Said before the menu shows, so that the focus on its first item,
    // which interrupts, follows the name instead of cutting it off.
    for (QAction *item : bar->actions()) {
        if (QMenu *menu = item->menu()) {
            connect(menu, &QMenu::aboutToShow, voice, [this, menu, voice] {
                // A menu that shows the game page on opening gives it the
                // keys; on the walk they stay with the bar, for Left and
                // Right to go on from the menu.
                if (walking() && !m_bar->hasFocus())
                    m_bar->setFocus(Qt::MenuBarFocusReason);
                if (!m_quiet && QAccessible::isActive())
                    voice->announce(QAction(menu->title()).iconText());
            });
            // An item run from the menu gives the keys back before it runs:
            // a dialog it opens returns them there.
            connect(menu, &QMenu::triggered, this, [this] {
                if (walking() && m_returnTo && m_returnTo->isVisible())
                    leave();
            });
        }
    }
}

void MenuBarKey::leave()
{
    m_bar->setActiveAction(nullptr);
    m_returnTo->setFocus(Qt::MenuBarFocusReason);
    static_cast<WalkingStyle *>(m_style)->walking = false;
}

bool MenuBarKey::walking() const
{
    return static_cast<WalkingStyle *>(m_style)->walking;
}

bool MenuBarKey::eventFilter(QObject *watched, QEvent *event)
{
    // Enter on an item with no menu ends the walk first, so that the keys
    // go where the item sends them, not back to where the walk began.
    if (watched == m_bar && event->type() == QEvent::KeyPress && walking()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        QAction *item = m_bar->activeAction();
        // Escape on the bar gives the keys back to where F10 took them from:
        // the bar itself forgets that widget once a menu gave the focus away.
        if (key == Qt::Key_Escape && m_returnTo && m_returnTo->isVisible()) {
            leave();
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && item && !item->menu()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(m_bar, &escape);
            QTimer::singleShot(0, item, &QAction::trigger);
            return true;
        }
    }
    // The walk ends when the keys leave the bar with none of its items
    // highlighted.
    if (watched == m_bar && event->type() == QEvent::FocusOut && !m_bar->activeAction())
        static_cast<WalkingStyle *>(m_style)->walking = false;
    return QObject::eventFilter(watched, event);
}

void MenuBarKey::open()
{
    if (m_bar->hasFocus())
        return;
    for (QAction *item : m_bar->actions()) {
        if (!item->isVisible() || !item->isEnabled() || !item->menu())
            continue;
        // The first shown menu opens with the bar in its keyboard mode. Qt
        // enters that mode on Alt alone or on Escape out of a menu the bar
        // opened; F10 goes the second way, unseen and unheard, in one turn
        // of the event loop, then opens the menu as Down on the bar does,
        // with its first item current.
        static_cast<WalkingStyle *>(m_style)->walking = true;
        m_returnTo = QApplication::focusWidget();
        m_quiet = true;
        m_bar->setActiveAction(item);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(item->menu(), &escape);
        m_quiet = false;
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(m_bar, &down);
        return;
    }
}
