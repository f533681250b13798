#pragma once

#include "GameView.h"
#include "GameWin.h"
#include "Random.h"
#include "TileState.h"
#include "base/GameTimer.h"
#include "settings/TGameSettings.h"

#include <QObject>
#include <QRect>

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

    void CreateTiles(); // every tile hidden, in the concealed look
    void New();         // Игра ▸ Новая: deals a board of the current size
    void Small();       // Игра ▸ Малая: 6 by 4, then New
    void Large();       // Игра ▸ Большая: 8 by 6, then New
    void Layout();      // places the tiles in play in the client area
    // The size of the board in play, and the place Layout gives its tile at
    // row, col in the client area as it is now; the place outlasts the tile
    // when it vanishes.
    int rows() const { return m_settings.Rows; }
    int cols() const { return m_settings.Cols; }
    QRect cellBounds(int row, int col) const;
    void ConcealTile(int row, int col); // the look of the concealed sample, face down
    void RevealTile(int row, int col);  // the look of the revealed sample in the tile's own colour
    // Conceals every tile in play, removed ones included, and starts the turn
    // afresh: no tile waits for its partner. A matched pair waiting for its
    // removal is removed first.
    void ConcealTilesInPlay();

    void MouseDown(int row, int col); // a press on a tile
    void Timer1Timer(); // the compare: a match is removed, else the older tile turns back
    void Timer3Timer(); // the removal of the matched pair; the last pair wins the board
    void Timer4Timer(); // the next board after a win
    void Timer5Timer(); // one move of the demonstration
    void Timer6Timer(); // in turns of two tiles: a missed pair turns back

    void StopDemo() { Timer5.setEnabled(false); } // the demonstration stops
    void ToggleDemo();                             // Игра ▸ Демонстрация
    bool BoardCleared() const; // no tile in play is left

    // Turns of two tiles, for a match: a miss leaves both tiles face up for
    // 700 ms, then turns both back, so every turn starts with no tile up; the
    // clock runs but the menu bar's result place is left to the match, and
    // the win is marked as one of a match. Off, the solitaire's rules.
    void setTurnsOfTwo(bool on) { m_turnsOfTwo = on; }
    bool turnsOfTwo() const { return m_turnsOfTwo; }
    // A step of the turn is under way (a compare, a removal, a missed pair
    // on show, the next board due): a press now is counted but ignored.
    bool busy() const;

    std::uint8_t FirstRow() const { return m_firstRow; }   // the tile left face up, 0 for none
    std::uint8_t FirstCol() const { return m_firstCol; }
    std::uint8_t SecondRow() const { return m_secondRow; } // the tile pressed last
    std::uint8_t SecondCol() const { return m_secondCol; }
    double StartTime() const { return m_startTime; }       // the clock's start, as a fraction of a day
    int MoveCount() const { return m_moveCount; }          // presses since the clock started
    // 1 while the game clock runs: from the first press of a board until the
    // board is won or replaced; 0 otherwise.
    int Tag() const { return m_tag; }
    int LastDemoRow() const { return m_lastDemoRow; } // the demonstration's last pick
    int LastDemoCol() const { return m_lastDemoCol; }

    // The time from start to now in milliseconds, and as "mm:ss" with minutes
    // counting on past an hour ("65:30"); a game that runs past midnight
    // counts the day that wrapped.
    static qint64 elapsedMs(double start, double now);
    static QString elapsedText(double start, double now);
    // One step of the vanishing: 60 % of the size, kept centred.
    static void shrink(TileState &tile);

    // The chain of a turn; handlers that run once switch their timer off.
    const GameTimer &timer1() const { return Timer1; }
    const GameTimer &timer3() const { return Timer3; }
    const GameTimer &timer4() const { return Timer4; }
    const GameTimer &timer5() const { return Timer5; }
    const GameTimer &timer6() const { return Timer6; }

Q_SIGNALS:
    // What happens on the board, for whoever plays against the player. Only
    // what a person at the board sees is told: a colour only once its tile
    // is face up.
    void dealt(int rows, int cols);                 // a new board, every tile face down
    void tileTurned(int row, int col, TColor colour); // a tile turned face up
    void tileConcealed(int row, int col);           // a tile that was face up turned back
    // The two tiles face up were compared: a pair, or a miss.
    void compared(int row1, int col1, int row2, int col2, bool matched);
    void pairRemoved(int row1, int col1, int row2, int col2);
    void demonstrationStarted();
    // The last pair of a board vanished; the captions already show the result.
    void won(const GameWin &win);

private:
    TileState &at(int row, int col) { return m_tiles[row - 1][col - 1]; }
    void changed(int row, int col) { m_view.tileChanged(at(row, col)); }
    void startClock();
    void pressTile(int row, int col);
    void swapPairColor(int row, int col);

    GameTimer Timer1{110};  // 110 ms after a reveal: the compare of the two selected tiles
    GameTimer Timer3{55};   // 55 ms after a match: the pair vanishes
    GameTimer Timer4{2000}; // 2 s after a win: the next board
    GameTimer Timer5{500};  // every 500 ms while the demonstration runs: one move
    GameTimer Timer6{700};  // 700 ms after a miss in turns of two: both tiles turn back

    TGameSettings &m_settings;
    Random &m_random;
    GameView &m_view;
    std::function<double()> m_timeOfDay;
    std::array<std::array<TileState, MaxCols>, MaxRows> m_tiles{};

    std::uint8_t m_firstRow = 0;  // FirstRow, FirstCol: the tile left face up, 0 for none
    std::uint8_t m_firstCol = 0;
    std::uint8_t m_secondRow = 0; // SecondRow, SecondCol: the tile pressed last
    std::uint8_t m_secondCol = 0;
    double m_startTime = 0;       // StartTime: time of day of the board's first press
    int m_moveCount = 0;          // MoveCount: presses since the clock started
    int m_tag = 0;                // Tag: 1 while the clock runs
    int m_lastDemoRow = 0;        // the demonstration's last pick
    int m_lastDemoCol = 0;
    bool m_demoPressed = false;   // the demonstration pressed a tile of the board in play
    bool m_turnsOfTwo = false;    // a match's turns rather than the solitaire's
};
