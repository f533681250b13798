#include "KeyboardCue.h"

#include <algorithm>

void KeyboardCue::setBoard(int rows, int cols)
{
    m_rows = std::max(1, rows);
    m_cols = std::max(1, cols);
    m_row = std::clamp(m_row, 1, m_rows);
    m_col = std::clamp(m_col, 1, m_cols);
}

void KeyboardCue::step(int dRow, int dCol)
{
    if (!m_shown) {
        m_shown = true;
        return;
    }
    m_row = std::clamp(m_row + dRow, 1, m_rows);
    m_col = std::clamp(m_col + dCol, 1, m_cols);
}
