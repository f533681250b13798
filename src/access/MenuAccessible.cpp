#include "MenuAccessible.h"

#include "MenuItemAccessible.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

MenuAccessible::MenuAccessible(QMenu *menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

QMenu *MenuAccessible::menu() const
{
    return static_cast<QMenu *>(widget());
}

bool MenuAccessible::holdsCheckable(const QMenu *menu)
{
    const QList<QAction *> items = menu->actions();
    return std::any_of(items.begin(), items.end(), [](const QAction *item) { return item->isCheckable(); });
}

QString MenuAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && menu()->accessibleName().isEmpty())
        return menu()->title().remove(QLatin1Char('&'));
    return QAccessibleWidget::text(t);
}

QAccessibleInterface *MenuAccessible::parent() const
{
    // The menu bar's item that opens it, as Qt reads a menu.
    if (QAccessibleInterface *opener = QAccessible::queryAccessibleInterface(menu()->menuAction()))
        return opener;
    return QAccessibleWidget::parent();
}

int MenuAccessible::childCount() const
{
    return int(menu()->actions().size());
}

QAccessibleInterface *MenuAccessible::child(int index) const
{
    const QList<QAction *> items = menu()->actions();
    if (index < 0 || index >= items.size())
        return nullptr;
    if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(items[index]))
        return known;
    // An item that belongs to another object, shown in this menu too.
    auto *made = new MenuItemAccessible(items[index], menu());
    QAccessible::registerAccessibleInterface(made);
    return made;
}

int MenuAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    auto *item = child ? qobject_cast<QAction *>(child->object()) : nullptr;
    return item ? int(menu()->actions().indexOf(item)) : -1;
}
