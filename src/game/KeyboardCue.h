#pragma once

// Where the keyboard stands on the board in play, and whether the player is
// shown it. The first arrow key shows it where it rests; later ones move it a
// position, stopping at the edges. The position may be one whose tile has
// vanished. When the board changes size the cue keeps its position if it is
// still on the board, else takes the nearest one.
class KeyboardCue
{
public:
    bool isShown() const { return m_shown; }
    int row() const { return m_row; }
    int col() const { return m_col; }

    // The board in play: rows by cols, each at least 1.
    void setBoard(int rows, int cols);
    // An arrow key: shows a hidden cue where it is, moves a shown one.
    void step(int dRow, int dCol);
    // A mouse press on the board; the next arrow key shows the cue again.
    void hide() { m_shown = false; }

private:
    int m_rows = 1;
    int m_cols = 1;
    int m_row = 1;
    int m_col = 1;
    bool m_shown = false;
};
