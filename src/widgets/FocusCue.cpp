#include "FocusCue.h"

#include "SchemeColor.h"

#include <QPainter>

FocusCue::FocusCue(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusCue::place(const QRect &frame, const QColor &backdrop)
{
    if (frame.width() < 1 || frame.height() < 1) {
        hide();
        return;
    }
    const QColor pen = contrastInk(backdrop);
    if (pen != m_pen) {
        m_pen = pen;
        update();
    }
    setGeometry(frame);
    show();
}

void FocusCue::paintEvent(QPaintEvent *)
{
    // Every other pixel of the edge, counted from the top-left corner, so
    // the dots fall alike on every side.
    QPainter painter(this);
    const int right = width() - 1;
    const int bottom = height() - 1;
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            painter.fillRect(x, y, 1, 1, m_pen);
    };
    for (int x = 0; x <= right; ++x) {
        dot(x, 0);
        dot(x, bottom);
    }
    for (int y = 1; y < bottom; ++y) {
        dot(0, y);
        dot(right, y);
    }
}
