#include "BoardView.h"

#include "widgets/PanelStyleBridge.h"
#include "widgets/tcl.h"

#include <QAction>

BoardView::BoardView(QWidget *client, const TCustomPanel &concealedSample,
                     const TCustomPanel &revealedSample, QAction *timeItem, QAction *countItem)
    : QObject(client), m_client(client), m_concealedSample(concealedSample),
      m_revealedSample(revealedSample), m_timeItem(timeItem), m_countItem(countItem)
{
    // The result items clear themselves when clicked.
    connect(m_timeItem, &QAction::triggered, this,
            [this] { m_timeItem->setText(QString(9, QLatin1Char(' '))); });
    connect(m_countItem, &QAction::triggered, this, [this] { m_countItem->setText(QString()); });
}

void BoardView::createTiles()
{
    if (hasTiles())
        return;
    for (int r = 1; r <= Game::MaxRows; ++r) {
        for (int c = 1; c <= Game::MaxCols; ++c) {
            auto *t = new tcl(r, c, m_client);
            connect(t, &tcl::MouseDown, this, &BoardView::tilePressed);
            m_tiles[r - 1][c - 1] = t;
        }
    }
}

QSize BoardView::clientSize() const
{
    return m_client->size();
}

TPanelStyle BoardView::concealedStyle() const
{
    TPanelStyle style;
    ReadPanelStyle(m_concealedSample, style);
    return style;
}

TColor BoardView::concealedColor() const
{
    return m_concealedSample.Color();
}

TPanelStyle BoardView::revealedStyle() const
{
    TPanelStyle style;
    ReadPanelStyle(m_revealedSample, style);
    return style;
}

void BoardView::tileChanged(const TileState &state)
{
    if (tcl *t = tile(state.Row, state.Col)) {
        t->display(state.Style, state.Color, QRect(state.Left, state.Top, state.Width, state.Height),
                   state.Visible);
    }
}

void BoardView::setTimeCaption(const QString &text)
{
    m_timeItem->setText(text);
}

void BoardView::setCountCaption(const QString &text)
{
    m_countItem->setText(text);
}
