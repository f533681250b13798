#include "NumberFieldAccessible.h"

#include "settings_page/NumberField.h"
#include "settings_page/UpDown.h"

#include <QLineEdit>

#include <algorithm>

NumberFieldAccessible::NumberFieldAccessible(QLineEdit *edit, NumberField *field)
    : QAccessibleWidget(edit, QAccessible::SpinBox), m_field(field)
{
}

QString NumberFieldAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QString::number(m_field->value());
    return QAccessibleWidget::text(t);
}

void *NumberFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant NumberFieldAccessible::currentValue() const
{
    return m_field->value();
}

void NumberFieldAccessible::setCurrentValue(const QVariant &value)
{
    m_field->setValue(std::clamp(value.toInt(), m_field->upDown()->minimum(), m_field->upDown()->maximum()));
}

QVariant NumberFieldAccessible::maximumValue() const
{
    return m_field->upDown()->maximum();
}

QVariant NumberFieldAccessible::minimumValue() const
{
    return m_field->upDown()->minimum();
}
