#pragma once

#include "TCustomPanel.h"
#include "base/MarkFigure.h"
#include "settings/TPanelStyle.h"

#include <optional>

// tcl: a tile of the board as the player sees it, a panel that knows its
// 1-based Row and Col. What it hides and whether it is face up belongs to the
// game; the board's view hands the widget its look, and the widget reports
// presses.
class tcl : public TPanel
{
    Q_OBJECT

public:
    tcl(int row, int col, QWidget *parent);

    int Row() const { return m_row; } // 1 to 6, from the top
    int Col() const { return m_col; } // 1 to 8, from the left

    // Takes a look, bounds and visibility at once; negative sizes count as 0.
    void display(const TPanelStyle &style, TColor color, const QRect &bounds, bool visible);
    // The colour mark shown on the tile's colour, or none; repaints when it
    // changes.
    void setMark(const std::optional<MarkFigure> &mark);
    const std::optional<MarkFigure> &mark() const { return m_mark; }
    // Where a mark lies in an interior: a square of whole cells, centred,
    // about five eighths of the interior's shorter side and kept 3 pixels inside it, so
    // that the rings and the keyboard's cue stay clear; empty where not even
    // one-pixel cells fit.
    static QRect markArea(const QRect &interior);
    // Where the mark is drawn on this tile, empty without one: in the
    // interior where cells of 2 pixels fit there; else, where that gives
    // bigger cells, across the bevels, on a square of the tile's colour one
    // cell wider each way (wide bevels at a small window leave too little
    // interior: a 10-pixel bevel on both sides takes 40 of a 45-pixel tile).
    QRect markRect() const;
    // Whether markRect() lies across the bevels, on its square of colour.
    bool markAcrossBevels() const;

Q_SIGNALS:
    // A press of any mouse button; the second press of a double-click is a
    // press of its own.
    void MouseDown(int row, int col);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_row;
    int m_col;
    std::optional<MarkFigure> m_mark;
};
