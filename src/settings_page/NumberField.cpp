#include "NumberField.h"

#include "UpDown.h"
#include "base/Design.h"

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
}

bool NumberField::eventFilter(QObject *watched, QEvent *event)
{
    // Up and Down in the edit step the number as the arrows do.
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            key == Qt::Key_Up ? m_upDown->stepUp() : m_upDown->stepDown();
            return true;
        }
    }
    return TPanel::eventFilter(watched, event);
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
