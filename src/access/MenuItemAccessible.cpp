#include "MenuItemAccessible.h"

#include <QAction>
#include <QMenu>

MenuItemAccessible::MenuItemAccessible(QAction *item, QMenu *menu) : ActionItemAccessible(item, menu), m_menu(menu) {}

QString MenuItemAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? item()->text().remove(QLatin1Char('&')) : QString();
}

QAccessible::Role MenuItemAccessible::role() const
{
    if (item()->isSeparator())
        return QAccessible::Separator;
    return item()->isCheckable() ? QAccessible::CheckBox : QAccessible::MenuItem;
}

QAccessible::State MenuItemAccessible::state() const
{
    QAccessible::State state = ActionItemAccessible::state();
    state.focusable = true;
    state.focused = m_menu->isVisible() && m_menu->activeAction() == item();
    state.checkable = item()->isCheckable();
    state.checked = item()->isChecked();
    return state;
}

QStringList MenuItemAccessible::actionNames() const
{
    if (item()->isSeparator())
        return {};
    return {item()->isCheckable() ? toggleAction() : pressAction()};
}

int MenuItemAccessible::childCount() const
{
    return item() && item()->menu() ? 1 : 0;
}

QAccessibleInterface *MenuItemAccessible::child(int index) const
{
    if (index != 0 || !item() || !item()->menu())
        return nullptr;
    return QAccessible::queryAccessibleInterface(item()->menu());
}

int MenuItemAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && item() && child->object() == item()->menu() ? 0 : -1;
}
