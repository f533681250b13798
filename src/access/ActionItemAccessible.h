#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleObject>

class QAction;
class QWidget;

// An action shown in a menu or in the menu bar, as a screen reader reads it:
// where it stands is where its holder draws it, and pressing it triggers it,
// as a click does. What it is called and what it does are its subclass's.
class ActionItemAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    // holder: the QMenu or QMenuBar that shows item.
    ActionItemAccessible(QAction *item, QWidget *holder);

    QAccessibleInterface *parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::State state() const override;
    QRect rect() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    // Only an action the item offers is carried out.
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

protected:
    QAction *item() const;

private:
    QWidget *m_holder;
};
