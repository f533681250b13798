#pragma once

#include "ActionItemAccessible.h"

class QMenu;

// An item of a menu that holds a checkable one (Игра ▸ Метки цветов), as a
// screen reader reads it: the checkable one a check box, said to be on or
// off (as the menu item Qt 6.4 makes of it, Orca says "checked" when it is on
// and nothing when it is off), the others as Qt reads them. The menu is a
// MenuAccessible: Qt's own finds no place for a check box among its items,
// and Orca takes an item without a place for one gone.
class MenuItemAccessible : public ActionItemAccessible
{
public:
    MenuItemAccessible(QAction *item, QMenu *menu);

    // An item that opens a submenu holds it, as Qt's own menu items do.
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;

private:
    QMenu *m_menu;
};
