#pragma once

#include <QAccessibleWidget>

class QMenu;

// A menu that holds a checkable item, as a screen reader reads it: its items
// are MenuItemAccessible, each in its place, and it is named after its
// title.
class MenuAccessible : public QAccessibleWidget
{
public:
    explicit MenuAccessible(QMenu *menu);

    QString text(QAccessible::Text t) const override;
    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    // Whether the menu's items are read as this class reads them.
    static bool holdsCheckable(const QMenu *menu);

private:
    QMenu *menu() const;
};
