#include "Announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    lower();
}

void Announcer::announce(const QString &text)
{
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    m_text = text;
    // Shown, as far as the reader knows, again: a notification is spoken
    // each time it shows, the same text twice included.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
