#include "MenuBarKey.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>

MenuBarKey::MenuBarKey(QMenuBar *bar) : QObject(bar), m_bar(bar)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, &MenuBarKey::open);
}

void MenuBarKey::open()
{
    // The first shown item that opens a menu; plain items before it are
    // reached with the arrows.
    for (QAction *item : m_bar->actions()) {
        if (item->isVisible() && item->isEnabled() && item->menu()) {
            m_bar->setActiveAction(item);
            return;
        }
    }
}
