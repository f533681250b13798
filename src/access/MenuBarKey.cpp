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
            // The bar keeps the item it showed last as its current one after
            // Escape, and would take a second F10 for no change.
            m_bar->setActiveAction(nullptr);
            m_bar->setActiveAction(item);
            // With its first item current, as Alt and the letter open it.
            for (QAction *entry : item->menu()->actions()) {
                if (entry->isVisible() && entry->isEnabled() && !entry->isSeparator()) {
                    item->menu()->setActiveAction(entry);
                    break;
                }
            }
            return;
        }
    }
}
