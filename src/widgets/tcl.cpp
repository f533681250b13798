#include "tcl.h"

#include "PanelStyleBridge.h"

#include <QMouseEvent>

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
