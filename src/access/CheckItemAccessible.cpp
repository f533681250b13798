#include "CheckItemAccessible.h"

#include <QAction>
#include <QMenu>

CheckItemAccessible::CheckItemAccessible(QAction *item, QMenu *menu) : QAccessibleObject(item), m_menu(menu) {}

QAction *CheckItemAccessible::item() const
{
    return static_cast<QAction *>(object());
}

QAccessibleInterface *CheckItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_menu);
}

QString CheckItemAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? item()->text().remove(QLatin1Char('&')) : QString();
}

QAccessible::State CheckItemAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !item()->isVisible();
    state.disabled = !item()->isEnabled();
    state.focusable = true;
    state.focused = m_menu->isVisible() && m_menu->activeAction() == item();
    state.checkable = true;
    state.checked = item()->isChecked();
    return state;
}

QRect CheckItemAccessible::rect() const
{
    const QRect local = m_menu->actionGeometry(item());
    return QRect(m_menu->mapToGlobal(local.topLeft()), local.size());
}

void *CheckItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList CheckItemAccessible::actionNames() const
{
    return {toggleAction()};
}

void CheckItemAccessible::doAction(const QString &actionName)
{
    if (actionName == toggleAction())
        item()->trigger();
}
