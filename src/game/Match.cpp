#include "Match.h"

#include "Game.h"
#include "GameWin.h"

namespace {

// The computer's pace: a person can follow each of its tiles.
constexpr int StepMs = 700;

} // namespace

Match::Match(Game &game, std::uint32_t seed, QObject *parent)
    : QObject(parent), m_game(game), m_seeds(seed)
{
    m_step.setSingleShot(true);
    connect(&m_step, &QTimer::timeout, this, &Match::computerStep);
    connect(&game, &Game::dealt, this, &Match::dealt);
    connect(&game, &Game::tileTurned, this, &Match::turned);
    connect(&game, &Game::tileConcealed, this, [this](int row, int col) {
        if (m_computer)
            m_computer->concealed(row, col);
    });
    connect(&game, &Game::compared, this,
            [this](int, int, int, int, bool matched) { compared(matched); });
    connect(&game, &Game::pairRemoved, this, [this](int row1, int col1, int row2, int col2) {
        if (m_computer) {
            m_computer->removed(row1, col1);
            m_computer->removed(row2, col2);
        }
    });
    connect(&game, &Game::won, this, &Match::won);
    connect(&game, &Game::demonstrationStarted, this, &Match::stop);
}

bool Match::isComputer(Opponent opponent)
{
    return opponent == ComputerEasy || opponent == ComputerMedium || opponent == ComputerStrong;
}

ComputerPlayer::Strength Match::strengthOf(Opponent opponent)
{
    return opponent == ComputerEasy     ? ComputerPlayer::Easy
         : opponent == ComputerMedium ? ComputerPlayer::Medium
                                      : ComputerPlayer::Strong;
}

bool Match::computerToPlay() const
{
    return m_computer && m_turn == Away && !m_finished;
}

void Match::dealt(int rows, int cols)
{
    const Opponent previous = m_opponent;
    // The demonstration plays its boards alone.
    m_opponent = m_game.timer5().isEnabled() ? Nobody : m_chosen;
    m_game.setTurnsOfTwo(isOn());
    m_step.stop();
    m_scores = {};
    m_finished = false;
    if (!isOn()) {
        m_computer.reset();
        if (previous != Nobody)
            Q_EMIT stopped();
        return;
    }
    // Boards against the same opponent are opened by each side in turn.
    m_opener = previous == m_opponent && m_opener == Home ? Away : Home;
    m_turn = m_opener;
    if (isComputer(m_opponent)) {
        const ComputerPlayer::Strength strength = strengthOf(m_opponent);
        if (!m_computer || m_computer->strength() != strength)
            m_computer.emplace(strength, m_seeds(0xFFFFFFFFu));
        m_computer->dealt(rows, cols);
    } else {
        m_computer.reset();
    }
    Q_EMIT started();
    startTurn();
}

void Match::startTurn()
{
    if (!computerToPlay())
        return;
    m_computer->beginTurn();
    m_step.start(StepMs);
}

void Match::turned(int row, int col, TColor colour)
{
    if (!m_computer)
        return;
    m_computer->turned(row, col, colour);
    // While the computer plays, no one else turns a tile.
    if (computerToPlay())
        Q_EMIT computerTurned(row, col, colour);
}

void Match::compared(bool matched)
{
    if (!isOn())
        return;
    if (matched) {
        ++m_scores[m_turn];
        Q_EMIT scored(m_turn);
        return;
    }
    m_turn = m_turn == Home ? Away : Home;
    m_step.stop();
    Q_EMIT turnPassed(m_turn);
    startTurn();
}

void Match::won()
{
    if (!isOn())
        return;
    m_finished = true;
    m_step.stop();
    const int home = m_scores[Home];
    const int away = m_scores[Away];
    Q_EMIT ended(home > away ? Outcome::HomeWon : home < away ? Outcome::AwayWon : Outcome::Draw);
}

void Match::stop()
{
    if (!isOn())
        return;
    m_opponent = Nobody;
    m_computer.reset();
    m_step.stop();
    m_game.setTurnsOfTwo(false);
    Q_EMIT stopped();
}

void Match::press(int row, int col)
{
    if (computerToPlay())
        return;
    m_game.MouseDown(row, col);
}

void Match::computerStep()
{
    if (!computerToPlay())
        return;
    // A step of the turn under way, or the player away from the board: the
    // computer waits, and goes on from where it was.
    if (m_game.busy() || (m_mayPlay && !m_mayPlay())) {
        m_step.start(StepMs);
        return;
    }
    const ComputerPlayer::Place place = m_computer->pick();
    if (place.row == 0)
        return;
    m_step.start(StepMs);
    m_game.MouseDown(place.row, place.col);
}
