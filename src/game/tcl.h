#pragma once

#include "TileState.h"
#include "widgets/TCustomPanel.h"

// A tile of the board as the player sees it. What it hides and whether it
// is face up lives in the game's TileState; the widget shows that and
// reports presses.
class tcl : public TPanel
{
    Q_OBJECT

public:
    tcl(int row, int col, QWidget *parent);

    int Row() const { return m_row; }
    int Col() const { return m_col; }

    // Takes the look, bounds and visibility of the state.
    void display(const TileState &state);

Q_SIGNALS:
    // A press of any mouse button; the second press of a double-click is a
    // press of its own.
    void MouseDown(int row, int col);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_row;
    int m_col;
};
