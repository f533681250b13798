#include "ResultAccessible.h"

#include <QAction>
#include <QMenuBar>

ResultAccessible::ResultAccessible(QAction *item, QMenuBar *bar, QString label)
    : QAccessibleObject(item), m_bar(bar), m_label(std::move(label))
{
}

QAction *ResultAccessible::item() const
{
    return static_cast<QAction *>(object());
}

QAccessibleInterface *ResultAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_bar);
}

QString ResultAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return {};
    // What the item shows now may name itself: a match puts its score there.
    const QString shown = item()->property(LabelProperty).toString();
    const QString label = shown.isEmpty() ? m_label : shown;
    const QString value = item()->text().trimmed();
    return value.isEmpty() ? label : label + QStringLiteral(": ") + value;
}

QAccessible::State ResultAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !item()->isVisible();
    state.disabled = !item()->isEnabled();
    return state;
}

QRect ResultAccessible::rect() const
{
    const QRect local = m_bar->actionGeometry(item());
    return QRect(m_bar->mapToGlobal(local.topLeft()), local.size());
}

void *ResultAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList ResultAccessible::actionNames() const
{
    return {pressAction()};
}

void ResultAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        item()->trigger();
}
