#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleObject>

class QAction;
class QMenuBar;

// One of the two results in the menu bar as a screen reader reads it: the
// value with what it is ("Время последней победы: 01:23"), so that it has a
// name while blank and says what its number means once shown. Pressing it
// clears it, as a click does.
class ResultAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    // A property of the item that, when set, names what it shows instead
    // of the label it was made with.
    static constexpr const char *LabelProperty = "resultLabel";
    // label: what the value is, e.g. "Время последней победы".
    ResultAccessible(QAction *item, QMenuBar *bar, QString label);

    QAccessibleInterface *parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    QRect rect() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QAction *item() const;

    QMenuBar *m_bar;
    QString m_label;
};
