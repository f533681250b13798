#include "ClientAccessible.h"

#include "widgets/FocusCue.h"
#include "widgets/tcl.h"

ClientAccessible::ClientAccessible(QWidget *client) : QAccessibleWidget(client, QAccessible::Client)
{
}

QList<QWidget *> ClientAccessible::pages() const
{
    // The pages lie in the order they are stacked; the one in front is the
    // last that is shown.
    QWidget *front = nullptr;
    for (QObject *child : widget()->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && !w->isHidden() && !qobject_cast<tcl *>(w) && !qobject_cast<FocusCue *>(w))
            front = w;
    }
    return front ? QList<QWidget *>{front} : QList<QWidget *>{};
}

int ClientAccessible::childCount() const
{
    return int(pages().size());
}

QAccessibleInterface *ClientAccessible::child(int index) const
{
    const QList<QWidget *> shown = pages();
    return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown.at(index))
                                              : nullptr;
}

int ClientAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child ? int(pages().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
}
