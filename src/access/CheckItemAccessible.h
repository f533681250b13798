#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleObject>

class QAction;
class QMenu;

// A checkable item of a menu (Игра ▸ Метки цветов) as a screen reader reads
// it: a check box, said to be on or off. As the menu item Qt 6.4 makes of
// it, Orca says "checked" when it is on and nothing when it is off.
class CheckItemAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    CheckItemAccessible(QAction *item, QMenu *menu);

    QAccessibleInterface *parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override;
    QRect rect() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QAction *item() const;

    QMenu *m_menu;
};
