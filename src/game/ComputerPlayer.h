#pragma once

#include "Random.h"
#include "base/TColor.h"

#include <array>
#include <cstdint>

// The computer as an opponent: what it remembers of the board and which tile
// it turns next. It is told only what a person at the board sees: the size of
// a new deal, each tile turned face up with its colour, each one turned back,
// each one removed. It holds no way to the board, so a concealed colour is
// out of its reach. Its randomness is a generator of its own, apart from the
// deal's.
class ComputerPlayer
{
public:
    enum Strength { Easy, Medium, Strong };
    static constexpr int Strengths = 3;
    static constexpr int MaxRows = 6;
    static constexpr int MaxCols = 8;

    struct Place
    {
        int row = 0; // from 1; 0 for none
        int col = 0;
        friend bool operator==(const Place &, const Place &) = default;
    };

    ComputerPlayer(Strength strength, std::uint32_t seed);

    Strength strength() const { return m_strength; }
    // The chance, in percent, that a remembered tile is forgotten at the
    // start of each of its turns.
    static int forgetPercent(Strength strength);

    void dealt(int rows, int cols);
    void turned(int row, int col, TColor colour);
    void concealed(int row, int col);
    void removed(int row, int col);

    // The start of its turn: every remembered tile that is face down is
    // forgotten with the strength's chance.
    void beginTurn();
    // The tile to turn now. With a tile of its turn face up: that colour's
    // other tile when it remembers one, else a tile it knows nothing of.
    // With none up: a tile of a pair it remembers both tiles of, else one it
    // knows nothing of. Where it knows every tile, any tile face down.
    Place pick();

    bool remembers(int row, int col) const { return cell(row, col).known; }

private:
    struct Cell
    {
        bool onBoard = false;
        bool known = false; // its colour was seen and is still remembered
        bool up = false;
        TColor colour = 0;
    };
    Cell &cell(int row, int col) { return m_cells[row - 1][col - 1]; }
    const Cell &cell(int row, int col) const { return m_cells[row - 1][col - 1]; }
    template<typename Fit>
    Place any(Fit fit);

    Strength m_strength;
    Random m_random;
    std::array<std::array<Cell, MaxCols>, MaxRows> m_cells{};
};
