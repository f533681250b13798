#pragma once

#include "GameTimer.h"
#include "GameView.h"
#include "Random.h"
#include "TileState.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>


// The board and the turn: dealing, layout, presses, the compare, the pair
// removal, the clock and the demonstration. Plain logic over TileState; the
// window shows it through GameView. Every step is a handler that tests can
// call directly instead of waiting on the timers.
class Game : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxRows = 6;
    static constexpr int MaxCols = 8;

    // timeOfDay: the local time of day as a fraction of a day.
    Game(TGameSettings &settings, Random &random, GameView &view,
         std::function<double()> timeOfDay, QObject *parent = nullptr);

    const TileState &tile(int row, int col) const { return m_tiles[row - 1][col - 1]; }

    void CreateTiles();
    void New();
    void Small();
    void Large();
    void Layout();
    void ConcealTile(int row, int col);
    void RevealTile(int row, int col);
    // Conceals every tile in play, removed ones included; the selection stays.
    void ConcealTilesInPlay();

    void MouseDown(int row, int col);
    void Timer1Timer();
    void Timer3Timer();
    void Timer4Timer();
    void Timer5Timer();

    void StopDemo() { Timer5.setEnabled(false); }
    void ToggleDemo() { Timer5.setEnabled(!Timer5.isEnabled()); }
    bool BoardCleared() const;

    std::uint8_t FirstRow() const { return m_firstRow; }
    std::uint8_t FirstCol() const { return m_firstCol; }
    std::uint8_t SecondRow() const { return m_secondRow; }
    std::uint8_t SecondCol() const { return m_secondCol; }
    double StartTime() const { return m_startTime; }
    int MoveCount() const { return m_moveCount; }
    // The window's Tag: 1 while the game clock runs.
    int Tag() const { return m_tag; }
    int LastDemoRow() const { return m_lastDemoRow; }
    int LastDemoCol() const { return m_lastDemoCol; }

    // "mm:ss" of the time from start to now; whole hours are dropped and a
    // game that runs past midnight counts the day that wrapped.
    static QString elapsedText(double start, double now);
    // One step of the vanishing: 60 % of the size, kept centred.
    static void shrink(TileState &tile);

    GameTimer Timer1{110};
    GameTimer Timer3{55};
    GameTimer Timer4{2000};
    GameTimer Timer5{500};

private:
    TileState &at(int row, int col) { return m_tiles[row - 1][col - 1]; }
    void changed(int row, int col) { m_view.tileChanged(at(row, col)); }
    void startClock();
    void pressTile(int row, int col);
    void swapPairColor(int row, int col);

    TGameSettings &m_settings;
    Random &m_random;
    GameView &m_view;
    std::function<double()> m_timeOfDay;
    std::array<std::array<TileState, MaxCols>, MaxRows> m_tiles{};

    std::uint8_t m_firstRow = 0;
    std::uint8_t m_firstCol = 0;
    std::uint8_t m_secondRow = 0;
    std::uint8_t m_secondCol = 0;
    double m_startTime = 0;
    int m_moveCount = 0;
    int m_tag = 0;
    int m_lastDemoRow = 0;
    int m_lastDemoCol = 0;
};
