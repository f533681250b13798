#include "NumberField.h"

#include "UpDown.h"
#include "base/Design.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>

NumberField::NumberField(const QString &caption, int min, int max, const QString &designedText,
                         QWidget *parent)
    : TPanel(parent), m_edit(new QLineEdit(designedText, this)),
      m_upDown(new UpDown(m_edit, min, max, this))
{
    setCaption(caption);
    setAlignment(taLeftJustify);
    setBevelOuter(bvRaised);
    setBevelInner(bvNone);
    setBevelWidth(1);
    setColor(clBtnFace);
    m_edit->setReadOnly(true);
    m_edit->setGeometry(Design::scaled(QRect(128, 2, 31, 24)));
    m_upDown->setGeometry(Design::scaled(QRect(159, 2, 18, 24)));
    m_edit->installEventFilter(this);
    // A screen reader reads the edit as a spin box and speaks its new value.
    connect(m_edit, &QLineEdit::textChanged, this, [this] {
        if (QAccessible::isActive()) {
            QAccessibleValueChangeEvent changed(m_edit, value());
            QAccessible::updateAccessibility(&changed);
        }
    });
}

bool NumberField::eventFilter(QObject *watched, QEvent *event)
{
    // Up and Down in the edit step the number as the arrows do.
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            m_typed.clear();
            key == Qt::Key_Up ? m_upDown->stepUp() : m_upDown->stepDown();
            return true;
        }
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            typeDigit(key - Qt::Key_0);
            return true;
        }
    }
    if (watched == m_edit && event->type() == QEvent::FocusOut)
        m_typed.clear();
    return TPanel::eventFilter(watched, event);
}

void NumberField::typeDigit(int digit)
{
    // Digits typed one after another make one number while it stays within
    // the range ("1", "0": 10); a digit that would leave it starts anew.
    const int longer = (m_typed + QString::number(digit)).toInt();
    m_typed = longer <= m_upDown->maximum() ? m_typed + QString::number(digit) : QString::number(digit);
    const int typed = m_typed.toInt();
    if (typed >= m_upDown->minimum() && typed <= m_upDown->maximum())
        setValue(typed);
}

void NumberField::setValue(int value)
{
    const QString text = QString::number(value);
    if (text != m_edit->text())
        m_edit->setText(text);
}

int NumberField::value() const
{
    return m_edit->text().toInt();
}
