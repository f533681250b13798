#include "Game.h"

#include "GameView.h"
#include "Palette.h"
#include "base/ElapsedText.h"

#include <cmath>
#include <utility>

Game::Game(TGameSettings &settings, Random &random, GameView &view,
           std::function<double()> timeOfDay, QObject *parent)
    : QObject(parent), m_settings(settings), m_random(random), m_view(view),
      m_timeOfDay(std::move(timeOfDay))
{
    for (int r = 1; r <= MaxRows; ++r) {
        for (int c = 1; c <= MaxCols; ++c) {
            at(r, c).Row = r;
            at(r, c).Col = c;
        }
    }
    connect(&Timer1, &GameTimer::timeout, this, &Game::Timer1Timer);
    connect(&Timer3, &GameTimer::timeout, this, &Game::Timer3Timer);
    connect(&Timer4, &GameTimer::timeout, this, &Game::Timer4Timer);
    connect(&Timer5, &GameTimer::timeout, this, &Game::Timer5Timer);
    connect(&Timer6, &GameTimer::timeout, this, &Game::Timer6Timer);
}

void Game::CreateTiles()
{
    const TPanelStyle style = m_view.concealedStyle();
    for (int r = 1; r <= MaxRows; ++r) {
        for (int c = 1; c <= MaxCols; ++c) {
            TileState &t = at(r, c);
            t.Visible = false;
            t.FaceUp = false;
            t.Style = style;
            t.Color = TColor(m_settings.HiddenColor);
            t.Row = r;
            t.Col = c;
            changed(r, c);
        }
    }
}

void Game::New()
{
    m_firstRow = 0;
    m_firstCol = 0;
    m_tag = 0;
    m_demoPressed = false;
    // A compare or removal still pending belongs to the board being replaced;
    // run on the new one it would remove a tile without its partner. The next
    // board due after a win would replace the one dealt now.
    Timer1.setEnabled(false);
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
    Timer6.setEnabled(false);

    for (auto &row : m_tiles) {
        for (auto &t : row)
            t.Visible = false;
    }
    for (int r = 1; r <= Palette::Rows; ++r) {
        for (int c = 1; c <= Palette::Cols; ++c)
            at(r, c).PairColor = Palette::Colors[r - 1][c - 1];
    }
    Layout();

    for (int i = 0; i < 100; ++i) {
        const int a = int(m_random(3)) + 1;
        const int b = int(m_random(8)) + 1;
        swapPairColor(a, b);
    }
    const int rows = m_settings.Rows;
    const int cols = m_settings.Cols;
    const int half = rows / 2;
    for (int i = 1; i <= half; ++i) {
        for (int j = 1; j <= cols; ++j)
            at(half + i, j).PairColor = at(i, j).PairColor;
    }
    for (int i = 0; i < 100; ++i) {
        const int a = int(m_random(std::uint32_t(rows))) + 1;
        const int b = int(m_random(std::uint32_t(cols))) + 1;
        swapPairColor(a, b);
    }

    for (int r = 1; r <= MaxRows; ++r) {
        for (int c = 1; c <= MaxCols; ++c) {
            TileState &t = at(r, c);
            t.Visible = r <= rows && c <= cols;
            // Concealing notifies the view with the final visibility.
            ConcealTile(r, c);
        }
    }
    Q_EMIT dealt(rows, cols);
}

void Game::swapPairColor(int row, int col)
{
    std::swap(at(1, 1).PairColor, at(row, col).PairColor);
}

void Game::Small()
{
    m_settings.SmallBoard = 1;
    m_settings.Cols = 6;
    m_settings.Rows = 4;
    New();
}

void Game::Large()
{
    m_settings.SmallBoard = 0;
    m_settings.Cols = 8;
    m_settings.Rows = 6;
    New();
}

void Game::Layout()
{
    for (int r = 1; r <= m_settings.Rows; ++r) {
        for (int c = 1; c <= m_settings.Cols; ++c) {
            TileState &t = at(r, c);
            const QRect bounds = cellBounds(r, c);
            t.Left = bounds.x();
            t.Top = bounds.y();
            t.Width = bounds.width();
            t.Height = bounds.height();
            changed(r, c);
        }
    }
}

QRect Game::cellBounds(int row, int col) const
{
    const QSize client = m_view.clientSize();
    const int g = m_settings.Gap;
    const int pitchX = int(std::trunc(double(client.width() - g) / m_settings.Cols));
    const int pitchY = int(std::trunc(double(client.height() - g) / m_settings.Rows));
    return QRect((col - 1) * pitchX + g, (row - 1) * pitchY + g, pitchX - g, pitchY - g);
}

void Game::ConcealTile(int row, int col)
{
    TileState &t = at(row, col);
    const bool wasUp = t.FaceUp;
    t.Style = m_view.concealedStyle();
    t.Color = m_view.concealedColor();
    t.FaceUp = false;
    changed(row, col);
    if (wasUp)
        Q_EMIT tileConcealed(row, col);
}

void Game::RevealTile(int row, int col)
{
    TileState &t = at(row, col);
    t.Style = m_view.revealedStyle();
    t.Color = t.PairColor;
    t.FaceUp = true;
    changed(row, col);
    Q_EMIT tileTurned(row, col, t.PairColor);
}

void Game::ConcealTilesInPlay()
{
    // A pair that has matched is the player's: it vanishes now rather than
    // being turned face down under a removal that would find no selection.
    if (Timer3.isEnabled())
        Timer3Timer();
    for (int r = 1; r <= m_settings.Rows; ++r) {
        for (int c = 1; c <= m_settings.Cols; ++c)
            ConcealTile(r, c);
    }
    // No tile is face up any more, so none may wait for its partner, and a
    // compare still due would make the concealed tile the waiting one.
    m_firstRow = 0;
    m_firstCol = 0;
    Timer1.setEnabled(false);
    Timer6.setEnabled(false);
}

bool Game::busy() const
{
    return Timer1.isEnabled() || Timer3.isEnabled() || Timer4.isEnabled() || Timer6.isEnabled();
}

void Game::ToggleDemo()
{
    Timer5.setEnabled(!Timer5.isEnabled());
    if (Timer5.isEnabled())
        Q_EMIT demonstrationStarted();
}

bool Game::BoardCleared() const
{
    for (int r = 1; r <= m_settings.Rows; ++r) {
        for (int c = 1; c <= m_settings.Cols; ++c) {
            if (tile(r, c).Visible)
                return false;
        }
    }
    return true;
}

void Game::startClock()
{
    m_startTime = m_timeOfDay();
    if (!m_turnsOfTwo) {
        m_view.setTimeCaption(QString());
        m_view.setCountCaption(QString());
    }
    m_tag = 1;
    m_moveCount = 0;
}

void Game::MouseDown(int row, int col)
{
    if (!tile(row, col).Visible)
        return;
    StopDemo();
    pressTile(row, col);
}

void Game::pressTile(int row, int col)
{
    if (m_tag == 0)
        startClock();
    ++m_moveCount;
    if (Timer1.isEnabled() || Timer3.isEnabled() || Timer6.isEnabled())
        return;
    m_secondRow = std::uint8_t(row);
    m_secondCol = std::uint8_t(col);
    if (m_secondRow == m_firstRow && m_secondCol == m_firstCol)
        return;
    RevealTile(row, col);
    Timer1.setEnabled(true);
}

void Game::Timer1Timer()
{
    Timer1.setEnabled(false);
    if (m_firstRow != 0 && m_secondRow != 0) {
        const bool matched = tile(m_firstRow, m_firstCol).PairColor == tile(m_secondRow, m_secondCol).PairColor;
        if (matched)
            Timer3.setEnabled(true);
        else if (m_turnsOfTwo)
            Timer6.setEnabled(true);
        Q_EMIT compared(m_firstRow, m_firstCol, m_secondRow, m_secondCol, matched);
        if (matched || m_turnsOfTwo)
            return;
        ConcealTile(m_firstRow, m_firstCol);
    }
    m_firstRow = m_secondRow;
    m_firstCol = m_secondCol;
}

void Game::Timer6Timer()
{
    Timer6.setEnabled(false);
    if (m_firstRow == 0 || m_secondRow == 0)
        return;
    // Both turn back together: the next turn starts with no tile waiting.
    const int firstRow = std::exchange(m_firstRow, 0);
    const int firstCol = std::exchange(m_firstCol, 0);
    ConcealTile(firstRow, firstCol);
    ConcealTile(m_secondRow, m_secondCol);
}

void Game::shrink(TileState &t)
{
    t.Left += int(std::lround(0.2 * t.Width));
    t.Top += int(std::lround(0.2 * t.Height));
    t.Width = int(std::lround(0.6 * t.Width));
    t.Height = int(std::lround(0.6 * t.Height));
}

void Game::Timer3Timer()
{
    if (m_firstRow == 0 || m_secondRow == 0) {
        Timer3.setEnabled(false);
        return;
    }
    TileState &first = at(m_firstRow, m_firstCol);
    TileState &second = at(m_secondRow, m_secondCol);
    // The steps follow one another without painting in between: the pair
    // simply vanishes, and the shrunken bounds last until the next layout.
    do {
        shrink(first);
        shrink(second);
    } while (first.Width > 12 && first.Height > 12);
    first.Visible = false;
    second.Visible = false;
    first.FaceUp = false;
    second.FaceUp = false;
    changed(m_firstRow, m_firstCol);
    changed(m_secondRow, m_secondCol);
    Timer3.setEnabled(false);
    Timer1.setEnabled(false);
    // The removed tile waits for nothing: the next tile turned is the first
    // of a new pair.
    const int firstRow = std::exchange(m_firstRow, 0);
    const int firstCol = std::exchange(m_firstCol, 0);
    Q_EMIT pairRemoved(firstRow, firstCol, m_secondRow, m_secondCol);
    if (BoardCleared()) {
        Timer4.setEnabled(true);
        m_tag = 0;
        const GameWin win{m_settings.Cols, m_settings.Rows, elapsedMs(m_startTime, m_timeOfDay()),
                          m_moveCount, m_demoPressed, m_turnsOfTwo};
        if (!m_turnsOfTwo) {
            m_view.setTimeCaption(ElapsedText::format(win.elapsedMs));
            m_view.setCountCaption(QString::number(win.presses));
        }
        Q_EMIT won(win);
    }
}

void Game::Timer4Timer()
{
    New();
    Timer4.setEnabled(false);
}

void Game::Timer5Timer()
{
    if (BoardCleared())
        return;
    // Visible tiles come in pairs, so a draw soon lands on one other than the
    // last pick; a lone visible tile that was the last pick would never end
    // the draws, so that case ends the move instead.
    int visible = 0;
    bool lastIsVisible = false;
    for (int r = 1; r <= m_settings.Rows; ++r) {
        for (int c = 1; c <= m_settings.Cols; ++c) {
            if (tile(r, c).Visible) {
                ++visible;
                lastIsVisible |= r == m_lastDemoRow && c == m_lastDemoCol;
            }
        }
    }
    if (visible == 1 && lastIsVisible)
        return;

    int r = 0;
    int c = 0;
    for (;;) {
        r = int(m_random(m_settings.Rows)) + 1;
        c = int(m_random(m_settings.Cols)) + 1;
        if (r == m_lastDemoRow && c == m_lastDemoCol)
            continue;
        m_lastDemoRow = r;
        m_lastDemoCol = c;
        if (tile(r, c).Visible)
            break;
    }
    // A board the demonstration had a hand in is not the player's win.
    m_demoPressed = true;
    pressTile(r, c);
}

qint64 Game::elapsedMs(double start, double now)
{
    double days = now - start;
    if (days < 0)
        days += 1.0;
    return std::llround(days * 86400000.0);
}

QString Game::elapsedText(double start, double now)
{
    return ElapsedText::format(elapsedMs(start, now));
}
