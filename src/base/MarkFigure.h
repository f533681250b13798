#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

// A figure of Size by Size cells that a revealed tile shows on demand, so
// that its colour can be matched without telling colours apart. Row 0 is the
// top row; in a row's bits the highest of the Size is the leftmost cell.
struct MarkFigure
{
    static constexpr int Size = 9;

    std::array<std::uint16_t, Size> rows{};

    constexpr bool cell(int row, int col) const { return (rows[row] >> (Size - 1 - col)) & 1; }

    // The figure drawn as Size strings of Size characters, '#' for a cell
    // that is set and '.' for one that is clear. Anything else fails the
    // build where the figure is a constant.
    static constexpr MarkFigure fromText(const std::array<const char *, Size> &text)
    {
        MarkFigure figure;
        for (int r = 0; r < Size; ++r) {
            for (int c = 0; c < Size; ++c) {
                const char ch = text[r][c];
                if (ch != '#' && ch != '.')
                    throw std::invalid_argument("a mark's cell is '#' or '.'");
                figure.rows[r] = std::uint16_t((figure.rows[r] << 1) | (ch == '#' ? 1 : 0));
            }
            if (text[r][Size] != '\0')
                throw std::invalid_argument("a mark's row is too long");
        }
        return figure;
    }

    friend constexpr bool operator==(const MarkFigure &, const MarkFigure &) = default;
};
