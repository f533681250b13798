#include "MenuItemAccessible.h"

#include <QAction>
#include <QMenu>

MenuItemAccessible::MenuItemAccessible(QAction *item, QMenu *menu) : QAccessibleObject(item), m_menu(menu) {}

QAction *MenuItemAccessible::item() const
{
    return static_cast<QAction *>(object());
}

QAccessibleInterface *MenuItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_menu);
}

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
    QAccessible::State state;
    state.invisible = !item()->isVisible();
    state.disabled = !item()->isEnabled();
    state.focusable = true;
    state.focused = m_menu->isVisible() && m_menu->activeAction() == item();
    state.checkable = item()->isCheckable();
    state.checked = item()->isChecked();
    return state;
}

QRect MenuItemAccessible::rect() const
{
    const QRect local = m_menu->actionGeometry(item());
    return QRect(m_menu->mapToGlobal(local.topLeft()), local.size());
}

void *MenuItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList MenuItemAccessible::actionNames() const
{
    if (item()->isSeparator())
        return {};
    return {item()->isCheckable() ? toggleAction() : pressAction()};
}

void MenuItemAccessible::doAction(const QString &actionName)
{
    if (actionNames().contains(actionName))
        item()->trigger();
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
