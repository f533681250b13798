#include "tcl.h"

#include "PanelStyleBridge.h"
#include "SchemeColor.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

tcl::tcl(int row, int col, QWidget *parent) : TPanel(parent), m_row(row), m_col(col)
{
    hide();
}

void tcl::display(const TPanelStyle &style, TColor color, const QRect &bounds, bool visible)
{
    ApplyPanelStyle(style, *this);
    setColor(color);
    setGeometry(bounds.x(), bounds.y(), std::max(0, bounds.width()), std::max(0, bounds.height()));
    setVisible(visible);
}

void tcl::setMark(const std::optional<MarkFigure> &mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    update();
}

QRect tcl::markArea(const QRect &interior)
{
    constexpr int Clearance = 3;
    const int side = std::min(interior.width(), interior.height());
    const int room = side - 2 * Clearance;
    const int cell = std::min(std::max(1, side * 5 / 8 / MarkFigure::Size), room / MarkFigure::Size);
    if (cell < 1)
        return {};
    const int size = cell * MarkFigure::Size;
    return QRect(interior.x() + (interior.width() - size) / 2,
                 interior.y() + (interior.height() - size) / 2, size, size);
}

void tcl::paintEvent(QPaintEvent *event)
{
    TPanel::paintEvent(event);
    if (!m_mark)
        return;
    const QRect area = markArea(childArea());
    if (area.isEmpty())
        return;
    // Whole cells of whole logical pixels: sharp at every whole scale factor,
    // without smoothing that would blend the ink into the tile's colour.
    const int cell = area.width() / MarkFigure::Size;
    const QColor ink = contrastInk(toQColor(Color(), palette()));
    QPainter painter(this);
    for (int r = 0; r < MarkFigure::Size; ++r) {
        for (int c = 0; c < MarkFigure::Size; ++c) {
            if (m_mark->cell(r, c))
                painter.fillRect(area.x() + c * cell, area.y() + r * cell, cell, cell, ink);
        }
    }
}

void tcl::mousePressEvent(QMouseEvent *event)
{
    TPanel::mousePressEvent(event);
    Q_EMIT MouseDown(m_row, m_col);
}

void tcl::mouseDoubleClickEvent(QMouseEvent *event)
{
    TPanel::mouseDoubleClickEvent(event);
    Q_EMIT MouseDown(m_row, m_col);
}
