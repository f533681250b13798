#pragma once

#include "ComputerPlayer.h"
#include "base/TColor.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class Game;

// Play against someone on the game's board: the computer at one of three
// strengths, or a second player at the same screen. A turn is two tiles; a
// pair scores 1 and keeps the turn, a miss passes it. The board ends with
// its last pair, won by the higher score or drawn; the next board is opened
// by the side that did not open this one. The opponent chosen comes into
// force at the next deal; a board dealt while the demonstration runs, or
// one on which the demonstration starts, is the solitaire's.
//
// The match learns of the board only from the game's signals. The computer
// is told what they say and nothing more, and turns its tiles one by one,
// 700 ms apart, through the same press as a person's.
class Match : public QObject
{
    Q_OBJECT

public:
    enum Opponent { Nobody, ComputerEasy, ComputerMedium, ComputerStrong, Friend };
    static constexpr int Opponents = 5;
    // The player who sits at the board from the start, and the other one:
    // the computer or the second player.
    enum Side { Home, Away };
    enum class Outcome { HomeWon, AwayWon, Draw };
    Q_ENUM(Side)
    Q_ENUM(Outcome)

    // seed: the computer's own generator, apart from the deal's.
    Match(Game &game, std::uint32_t seed, QObject *parent = nullptr);

    // The opponent for the boards to come, from the next deal on.
    void choose(Opponent opponent) { m_chosen = opponent; }
    Opponent chosen() const { return m_chosen; }
    // The opponent on the board in play; Nobody on a solitaire board.
    Opponent opponent() const { return m_opponent; }
    bool isOn() const { return m_opponent != Nobody; }
    static bool isComputer(Opponent opponent);
    static ComputerPlayer::Strength strengthOf(Opponent opponent);

    Side turn() const { return m_turn; }
    Side opener() const { return m_opener; }
    int score(Side side) const { return m_scores[side]; }
    bool computerToPlay() const;
    bool finished() const { return m_finished; }
    const ComputerPlayer *computer() const { return m_computer ? &*m_computer : nullptr; }

    // A person's press on a tile: it reaches the game unless the computer is
    // playing.
    void press(int row, int col);
    // Asked before each of the computer's presses; false holds it until the
    // next step (a menu open, a dialog, another page in front).
    void setMayPlay(std::function<bool()> mayPlay) { m_mayPlay = std::move(mayPlay); }
    // One step of the computer, 700 ms after the one before or after the
    // turn came to it.
    void computerStep();
    bool computerDue() const { return m_step.isActive(); }

Q_SIGNALS:
    void started();                 // a board against someone dealt
    void turnPassed(Match::Side to);
    void scored(Match::Side side);
    void computerTurned(int row, int col, TColor colour);
    void ended(Match::Outcome outcome); // the last pair went
    void stopped();                 // the match gave way to the solitaire mid-board

private:
    void dealt(int rows, int cols);
    void turned(int row, int col, TColor colour);
    void compared(bool matched);
    void startTurn();
    void stop();
    void won();

    Game &m_game;
    Random m_seeds; // the computer's generator for each board comes from here
    Opponent m_chosen = Nobody;
    Opponent m_opponent = Nobody;
    Side m_turn = Home;
    Side m_opener = Away; // the first board is opened by Home
    std::array<int, 2> m_scores{};
    bool m_finished = false;
    std::optional<ComputerPlayer> m_computer;
    std::function<bool()> m_mayPlay;
    QTimer m_step; // single shot: the computer's next step
};
