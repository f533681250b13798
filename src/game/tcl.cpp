#include "tcl.h"

#include "settings/PanelStyle.h"

#include <QMouseEvent>

#include <algorithm>

tcl::tcl(int row, int col, QWidget *parent) : TPanel(parent), m_row(row), m_col(col)
{
    hide();
}

void tcl::display(const TileState &state)
{
    ApplyPanelStyle(state.Style, *this);
    setColor(state.Color);
    setGeometry(state.Left, state.Top, std::max(0, state.Width), std::max(0, state.Height));
    setVisible(state.Visible);
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
