#pragma once

class QMouseEvent;
class QWidget;

// Tells a click apart: a press of the left button followed by its release
// over the same widget. The second press of a double-click is not a click.
class ClickTracker
{
public:
    void press(const QMouseEvent *event);
    // True when this release completes a click on widget.
    bool release(const QMouseEvent *event, const QWidget *widget);
    void doubleClick() { m_pressed = false; }

private:
    bool m_pressed = false;
};
