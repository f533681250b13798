#include "UpDown.h"

#include <QLineEdit>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

UpDown::UpDown(QLineEdit *associate, int min, int max, QWidget *parent)
    : QWidget(parent), m_edit(associate), m_min(min), m_max(max),
      m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    // Arrows have no text for a screen reader to speak.
    m_up->setAccessibleName(tr("Больше"));
    m_down->setAccessibleName(tr("Меньше"));
    for (QToolButton *b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
}

int UpDown::position() const
{
    bool ok = false;
    const int value = m_edit->text().toInt(&ok);
    return ok ? std::clamp(value, m_min, m_max) : m_min;
}

void UpDown::step(int delta)
{
    const int next = std::clamp(position() + delta, m_min, m_max);
    const QString text = QString::number(next);
    if (text != m_edit->text())
        m_edit->setText(text);
}
