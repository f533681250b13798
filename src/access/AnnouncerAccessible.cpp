#include "AnnouncerAccessible.h"

#include "Announcer.h"

AnnouncerAccessible::AnnouncerAccessible(Announcer *announcer)
    : QAccessibleWidget(announcer, QAccessible::Notification)
{
}

QString AnnouncerAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return static_cast<const Announcer *>(object())->text();
    return QAccessibleWidget::text(t);
}
