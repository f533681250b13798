#include "ComputerPlayer.h"

#include <vector>

ComputerPlayer::ComputerPlayer(Strength strength, std::uint32_t seed)
    : m_strength(strength), m_random(seed)
{
}

int ComputerPlayer::forgetPercent(Strength strength)
{
    switch (strength) {
    case Easy:
        return 50;
    case Medium:
        return 20;
    case Strong:
        break;
    }
    return 0;
}

void ComputerPlayer::dealt(int rows, int cols)
{
    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxCols; ++c)
            cell(r, c) = Cell{r <= rows && c <= cols};
}

void ComputerPlayer::turned(int row, int col, TColor colour)
{
    Cell &t = cell(row, col);
    t.known = true;
    t.up = true;
    t.colour = colour;
}

void ComputerPlayer::concealed(int row, int col)
{
    cell(row, col).up = false;
}

void ComputerPlayer::removed(int row, int col)
{
    cell(row, col) = Cell{};
}

void ComputerPlayer::beginTurn()
{
    const int percent = forgetPercent(m_strength);
    if (percent == 0)
        return;
    for (auto &row : m_cells)
        for (Cell &t : row)
            if (t.known && !t.up && int(m_random(100)) < percent)
                t.known = false;
}

template<typename Fit>
ComputerPlayer::Place ComputerPlayer::any(Fit fit)
{
    std::vector<Place> places;
    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxCols; ++c)
            if (cell(r, c).onBoard && !cell(r, c).up && fit(cell(r, c)))
                places.push_back({r, c});
    if (places.empty())
        return {};
    return places[m_random(std::uint32_t(places.size()))];
}

ComputerPlayer::Place ComputerPlayer::pick()
{
    const Cell *up = nullptr;
    for (const auto &row : m_cells)
        for (const Cell &t : row)
            if (t.onBoard && t.up)
                up = &t;
    if (up) {
        const TColor colour = up->colour;
        const Place partner = any([colour](const Cell &t) { return t.known && t.colour == colour; });
        if (partner.row != 0)
            return partner;
    } else {
        // Of the pairs it remembers whole, the one met first.
        for (int r = 1; r <= MaxRows; ++r)
            for (int c = 1; c <= MaxCols; ++c) {
                const Cell &t = cell(r, c);
                if (!t.onBoard || !t.known)
                    continue;
                for (int r2 = 1; r2 <= MaxRows; ++r2)
                    for (int c2 = 1; c2 <= MaxCols; ++c2) {
                        const Cell &u = cell(r2, c2);
                        if (&u != &t && u.onBoard && u.known && u.colour == t.colour)
                            return {r, c};
                    }
            }
    }
    const Place unknown = any([](const Cell &t) { return !t.known; });
    if (unknown.row != 0)
        return unknown;
    return any([](const Cell &) { return true; });
}
