#include "ClickTracker.h"

#include <QMouseEvent>
#include <QWidget>

void ClickTracker::press(const QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

bool ClickTracker::release(const QMouseEvent *event, const QWidget *widget)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const bool click = m_pressed && widget->rect().contains(event->position().toPoint());
    m_pressed = false;
    return click;
}
