#include "ResultAccessible.h"

#include <QAction>
#include <QMenuBar>

ResultAccessible::ResultAccessible(QAction *item, QMenuBar *bar, QString label)
    : ActionItemAccessible(item, bar), m_label(std::move(label))
{
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
