#include "ActionItemAccessible.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

ActionItemAccessible::ActionItemAccessible(QAction *item, QWidget *holder)
    : QAccessibleObject(item), m_holder(holder)
{
}

QAction *ActionItemAccessible::item() const
{
    return static_cast<QAction *>(object());
}

QAccessibleInterface *ActionItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_holder);
}

QAccessible::State ActionItemAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !item()->isVisible();
    state.disabled = !item()->isEnabled();
    return state;
}

QRect ActionItemAccessible::rect() const
{
    QRect local;
    if (auto *menu = qobject_cast<QMenu *>(m_holder))
        local = menu->actionGeometry(item());
    else if (auto *bar = qobject_cast<QMenuBar *>(m_holder))
        local = bar->actionGeometry(item());
    return QRect(m_holder->mapToGlobal(local.topLeft()), local.size());
}

void *ActionItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

void ActionItemAccessible::doAction(const QString &actionName)
{
    if (actionNames().contains(actionName))
        item()->trigger();
}
