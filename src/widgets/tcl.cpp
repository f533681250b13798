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

namespace {

// Across the bevels: the figure and a cell of the tile's colour round it,
// about three quarters of the tile's shorter side.
QRect acrossBevels(const QRect &tile)
{
    constexpr int Cells = MarkFigure::Size + 2;
    const int side = std::min(tile.width(), tile.height());
    const int cell = std::min(std::max(1, side * 3 / 4 / Cells), side / Cells);
    if (cell < 1)
        return {};
    const int size = cell * MarkFigure::Size;
    return QRect(tile.x() + (tile.width() - size) / 2, tile.y() + (tile.height() - size) / 2, size, size);
}

} // namespace

bool tcl::markAcrossBevels() const
{
    if (!m_mark)
        return false;
    const int inside = markArea(childArea()).width();
    return inside < 2 * MarkFigure::Size && acrossBevels(rect()).width() > inside;
}

QRect tcl::markRect() const
{
    if (!m_mark)
        return {};
    return markAcrossBevels() ? acrossBevels(rect()) : markArea(childArea());
}

void tcl::paintEvent(QPaintEvent *event)
{
    TPanel::paintEvent(event);
    const QRect area = markRect();
    if (area.isEmpty())
        return;
    // Whole cells of whole logical pixels: sharp at every whole scale factor,
    // without smoothing that would blend the ink into the tile's colour.
    const int cell = area.width() / MarkFigure::Size;
    const QColor own = toQColor(Color(), palette());
    const QColor ink = contrastInk(own);
    QPainter painter(this);
    // The bevels' shades are the desktop's, not the tile's: the ink is sure
    // to stand out only on the tile's own colour.
    if (markAcrossBevels())
        painter.fillRect(area.adjusted(-cell, -cell, cell, cell), own);
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
