#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class NumberField;
class QLineEdit;

// The edit of a number field of the settings page as a screen reader reads
// it: a spin box with its value and range, named by the edit's accessible
// name, whose value it speaks as Up, Down or a digit changes it. As a
// read-only text Orca reads it as "2 … read only text" and speaks no change.
class NumberFieldAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    NumberFieldAccessible(QLineEdit *edit, NumberField *field);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

private:
    NumberField *m_field;
};
