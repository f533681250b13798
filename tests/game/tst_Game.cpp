#include "FakeView.h"
#include "Seed.h"
#include "game/Game.h"
#include "game/Palette.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

// A game on a fake window with a clock the test moves by hand.
struct Fixture
{
    TGameSettings settings;
    Random random{12345};
    FakeView view;
    double now = 0.5;
    Game game{settings, random, view, [this] { return now; }};

    explicit Fixture(bool small = true)
    {
        game.CreateTiles();
        small ? game.Small() : game.Large();
    }

    // The other visible tile of the same colour.
    QPoint partnerOf(int row, int col) const
    {
        for (int r = 1; r <= settings.Rows; ++r)
            for (int c = 1; c <= settings.Cols; ++c)
                if ((r != row || c != col) && game.tile(r, c).Visible
                    && game.tile(r, c).PairColor == game.tile(row, col).PairColor)
                    return {c, r};
        return {};
    }
    // A visible tile of another colour.
    QPoint strangerOf(int row, int col) const
    {
        for (int r = 1; r <= settings.Rows; ++r)
            for (int c = 1; c <= settings.Cols; ++c)
                if (game.tile(r, c).Visible && game.tile(r, c).PairColor != game.tile(row, col).PairColor)
                    return {c, r};
        return {};
    }
    QPoint firstVisible() const
    {
        for (int r = 1; r <= settings.Rows; ++r)
            for (int c = 1; c <= settings.Cols; ++c)
                if (game.tile(r, c).Visible)
                    return {c, r};
        return {};
    }
    void press(QPoint p) { game.MouseDown(p.y(), p.x()); }
    // Reveals a matching pair and runs the compare: the removal is due.
    std::pair<QPoint, QPoint> matchAPair()
    {
        const QPoint a = firstVisible();
        const QPoint b = partnerOf(a.y(), a.x());
        press(a);
        settle();
        press(b);
        game.Timer1Timer();
        return {a, b};
    }
    // Fires the turn's timers that are on, in the order they fall due.
    void settle()
    {
        while (game.timer1().isEnabled() || game.timer3().isEnabled()) {
            if (game.timer1().isEnabled())
                game.Timer1Timer();
            else
                game.Timer3Timer();
        }
    }
    int faceUp() const
    {
        int n = 0;
        for (int r = 1; r <= Game::MaxRows; ++r)
            for (int c = 1; c <= Game::MaxCols; ++c)
                n += game.tile(r, c).Visible && game.tile(r, c).FaceUp;
        return n;
    }
    int visible() const
    {
        int n = 0;
        for (int r = 1; r <= Game::MaxRows; ++r)
            for (int c = 1; c <= Game::MaxCols; ++c)
                n += game.tile(r, c).Visible;
        return n;
    }
    bool visiblePairs() const
    {
        std::map<TColor, int> count;
        for (int r = 1; r <= Game::MaxRows; ++r)
            for (int c = 1; c <= Game::MaxCols; ++c)
                if (game.tile(r, c).Visible)
                    ++count[game.tile(r, c).PairColor];
        for (const auto &[colour, n] : count)
            if (n != 2)
                return false;
        return true;
    }
};

} // namespace

class tst_Game : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paletteNamesAndMarksTellEveryColourApart();
    void deal_data();
    void deal();
    void goldenDeal();
    void smallAfterLargeHidesTheOuterTiles();
    void layout();
    void shrinkSteps();
    void firstPressWaits();
    void pressingTheWaitingTileAgainOnlyCounts();
    void pressesDuringCompareAndRemovalAreIgnored();
    void matchRemovesBoth();
    void mismatchLeavesTheNewerUp();
    void removedPairLeavesNoTileWaiting();
    void winShowsResultsAndDealsAgain();
    void newWithinTwoSecondsOfAWinIsKept();
    void newDuringATurnDropsIt();
    void wholeGames_data();
    void wholeGames();
    void demonstrationPlaysOnAcrossBoards();
    void demonstrationStopsOnAPress();
    void elapsedTime();
    void randomEventsKeepTheRules();
};

void tst_Game::deal_data()
{
    QTest::addColumn<bool>("small");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("colours");
    QTest::newRow("small") << true << 4 << 6 << 12;
    QTest::newRow("large") << false << 6 << 8 << 24;
}

namespace {

// A figure moved to the top-left corner of the grid, so that figures that
// differ only by where they stand compare equal.
MarkFigure normalised(MarkFigure f)
{
    const auto empty = [](const MarkFigure &g, bool row, int i) {
        for (int j = 0; j < MarkFigure::Size; ++j)
            if (row ? g.cell(i, j) : g.cell(j, i))
                return false;
        return true;
    };
    while (empty(f, true, 0))
        std::rotate(f.rows.begin(), f.rows.begin() + 1, f.rows.end());
    while (empty(f, false, 0))
        for (auto &row : f.rows)
            row = std::uint16_t((row << 1) & ((1 << MarkFigure::Size) - 1));
    return f;
}

MarkFigure turned(const MarkFigure &f)
{
    MarkFigure t;
    for (int r = 0; r < MarkFigure::Size; ++r)
        for (int c = 0; c < MarkFigure::Size; ++c)
            if (f.cell(MarkFigure::Size - 1 - c, r))
                t.rows[r] |= std::uint16_t(1 << (MarkFigure::Size - 1 - c));
    return t;
}

} // namespace

void tst_Game::paletteNamesAndMarksTellEveryColourApart()
{
    // No mark is another one turned or moved: every turn of every mark,
    // moved to the corner, belongs to one colour only.
    std::map<std::array<std::uint16_t, MarkFigure::Size>, int> owner;
    std::set<QString> names;
    for (int i = 0; i < Palette::Count; ++i) {
        const Palette::Entry &e = Palette::Entries[i];
        QCOMPARE(Palette::find(e.color), &e);
        names.insert(Palette::name(e));
        MarkFigure f = e.mark;
        for (int turn = 0; turn < 4; ++turn, f = turned(f)) {
            const auto [it, isNew] = owner.emplace(normalised(f).rows, i);
            QVERIFY2(isNew || it->second == i,
                     qPrintable(Palette::name(e) + QStringLiteral(" looks like ")
                                + Palette::name(Palette::Entries[it->second])));
        }
    }
    QCOMPARE(int(names.size()), Palette::Count);
    QVERIFY(!names.count(QString()));
    QCOMPARE(Palette::find(clSilver), nullptr);
}

void tst_Game::deal()
{
    QFETCH(bool, small);
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, colours);
    std::set<TColor> palette;
    for (const auto &row : Palette::Colors)
        palette.insert(row.begin(), row.end());
    QCOMPARE(int(palette.size()), 24);

    for (std::uint32_t seed : {0u, 1u, 86399999u, 4242u}) {
        Fixture f(small);
        f.random.seed(seed);
        f.game.New();
        std::map<TColor, int> count;
        for (int r = 1; r <= Game::MaxRows; ++r) {
            for (int c = 1; c <= Game::MaxCols; ++c) {
                const TileState &t = f.game.tile(r, c);
                QCOMPARE(t.Visible, r <= rows && c <= cols);
                QVERIFY(!t.FaceUp);
                QVERIFY(t.Style == f.view.concealed);
                QCOMPARE(t.Color, f.view.concealedColour);
                if (t.Visible)
                    ++count[t.PairColor];
            }
        }
        QCOMPARE(int(count.size()), colours);
        std::set<QString> names;
        for (const auto &[colour, n] : count) {
            QCOMPARE(n, 2);
            QVERIFY(palette.count(colour));
            // The two tiles of a pair hide one colour, so they show one mark
            // and one name, and no other pair shares it.
            names.insert(Palette::name(*Palette::find(colour)));
        }
        QCOMPARE(int(names.size()), colours);
    }
}

void tst_Game::goldenDeal()
{
    // One seed, both sizes: every colour's place, as palette indices (row by
    // row of the palette), and the generator after the 400 draws of a deal.
    const struct { bool small; std::vector<int> board; } deals[] = {
        {true, {20, 22, 4, 20, 18, 18, 12, 5, 4, 23, 15, 23, 8, 17, 9, 12, 9, 17, 22, 13, 13, 8, 15, 5}},
        {false, {15, 0, 15, 11, 21, 23, 2, 9, 1, 13, 19, 20, 4, 14, 9, 3, 22, 7, 19, 16, 18, 8, 0, 17,
                 12, 18, 7, 4, 10, 12, 6, 16, 5, 23, 17, 8, 3, 1, 20, 5, 2, 10, 14, 13, 21, 6, 11, 22}},
    };
    for (const auto &deal : deals) {
        Fixture f(deal.small);
        f.random.seed(20261208u);
        f.game.New();
        QCOMPARE(f.random.state(), 2870939080u);
        std::vector<int> board;
        for (int r = 1; r <= f.settings.Rows; ++r)
            for (int c = 1; c <= f.settings.Cols; ++c)
                for (int i = 0; i < 24; ++i)
                    if (Palette::Colors[i / 8][i % 8] == f.game.tile(r, c).PairColor)
                        board.push_back(i);
        QCOMPARE(board, deal.board);
    }
}

void tst_Game::smallAfterLargeHidesTheOuterTiles()
{
    Fixture f(false);
    QCOMPARE(f.visible(), 48);
    f.game.Small();
    QCOMPARE(f.visible(), 24);
    for (int c = 1; c <= 8; ++c) {
        QVERIFY(!f.game.tile(5, c).Visible);
        QVERIFY(!f.game.tile(6, c).Visible);
    }
    for (int r = 1; r <= 6; ++r)
        QVERIFY(!f.game.tile(r, 7).Visible && !f.game.tile(r, 8).Visible);
    QCOMPARE(int(f.settings.SmallBoard), 1);
}

void tst_Game::layout()
{
    Fixture f;
    const TileState &first = f.game.tile(1, 1);
    QCOMPARE(QRect(first.Left, first.Top, first.Width, first.Height), QRect(1, 1, 98, 83));
    const TileState &last = f.game.tile(4, 6);
    QCOMPARE(QRect(last.Left, last.Top, last.Width, last.Height), QRect(5 * 99 + 1, 3 * 84 + 1, 98, 83));

    // Gap 0: tiles touch each other and the top and left edges.
    f.settings.Gap = 0;
    f.view.size = QSize(601, 343);
    f.game.Layout();
    QCOMPARE(QRect(f.game.tile(1, 1).Left, f.game.tile(1, 1).Top, f.game.tile(1, 1).Width,
                   f.game.tile(1, 1).Height), QRect(0, 0, 100, 85));
    QCOMPARE(f.game.tile(1, 2).Left, 100);
    QCOMPARE(f.game.tile(2, 1).Top, 85);

    // Tiles out of play keep their old bounds.
    const TileState outside = f.game.tile(6, 8);
    f.view.size = QSize(900, 700);
    f.game.Layout();
    QCOMPARE(f.game.tile(6, 8).Left, outside.Left);
    QCOMPARE(f.game.tile(6, 8).Width, outside.Width);
}

void tst_Game::shrinkSteps()
{
    TileState t;
    t.Left = 100;
    t.Top = 50;
    t.Width = 98;
    t.Height = 83;
    const QList<QSize> sizes = {{59, 50}, {35, 30}, {21, 18}, {13, 11}};
    for (const QSize &expected : sizes) {
        const QPointF centre(t.Left + t.Width / 2.0, t.Top + t.Height / 2.0);
        Game::shrink(t);
        QCOMPARE(QSize(t.Width, t.Height), expected);
        QVERIFY(std::abs(t.Left + t.Width / 2.0 - centre.x()) <= 1.0);
        QVERIFY(std::abs(t.Top + t.Height / 2.0 - centre.y()) <= 1.0);
    }
}

void tst_Game::firstPressWaits()
{
    Fixture f;
    f.press({1, 1});
    QCOMPARE(f.game.MoveCount(), 1);
    QCOMPARE(f.game.Tag(), 1);
    QCOMPARE(f.view.timeCaption, QString());
    QVERIFY(f.game.tile(1, 1).FaceUp);
    QCOMPARE(f.game.tile(1, 1).Color, f.game.tile(1, 1).PairColor);
    QVERIFY(f.game.tile(1, 1).Style == f.view.revealed);
    QVERIFY(f.game.timer1().isEnabled());
    f.game.Timer1Timer();
    QVERIFY(!f.game.timer1().isEnabled());
    QVERIFY(f.game.tile(1, 1).FaceUp);
    QCOMPARE(int(f.game.FirstRow()), 1);
    QCOMPARE(int(f.game.FirstCol()), 1);
}

void tst_Game::pressingTheWaitingTileAgainOnlyCounts()
{
    Fixture f;
    f.press({2, 3});
    f.settle();
    const int changes = f.view.changes;
    f.press({2, 3});
    QCOMPARE(f.game.MoveCount(), 2);
    QVERIFY(!f.game.timer1().isEnabled());
    QCOMPARE(f.view.changes, changes);
    QVERIFY(f.game.tile(3, 2).FaceUp);
}

void tst_Game::pressesDuringCompareAndRemovalAreIgnored()
{
    Fixture f;
    const QPoint a = f.firstVisible();
    const QPoint b = f.partnerOf(a.y(), a.x());
    f.press(a);
    const QPoint other = f.strangerOf(a.y(), a.x());
    f.press(other); // during the compare
    QCOMPARE(f.game.MoveCount(), 2);
    QVERIFY(!f.game.tile(other.y(), other.x()).FaceUp);
    f.settle();
    f.press(b);
    f.game.Timer1Timer();
    QVERIFY(f.game.timer3().isEnabled());
    f.press(other); // during the removal
    QCOMPARE(f.game.MoveCount(), 4);
    QVERIFY(!f.game.tile(other.y(), other.x()).FaceUp);
    QCOMPARE(f.faceUp(), 2);
}

void tst_Game::matchRemovesBoth()
{
    Fixture f;
    const auto [a, b] = f.matchAPair();
    QVERIFY(f.game.timer3().isEnabled());
    QVERIFY(!f.game.timer1().isEnabled());
    QCOMPARE(f.faceUp(), 2);
    f.game.Timer3Timer();
    QVERIFY(!f.game.tile(a.y(), a.x()).Visible);
    QVERIFY(!f.game.tile(b.y(), b.x()).Visible);
    QVERIFY(!f.game.timer3().isEnabled());
    QVERIFY(!f.game.timer4().isEnabled());
    QCOMPARE(f.visible(), 22);
    // The shrunken bounds of the 98 by 83 tiles stay until the next layout.
    QCOMPARE(f.game.tile(a.y(), a.x()).Width, 13);
    QCOMPARE(f.game.tile(b.y(), b.x()).Height, 11);
}

void tst_Game::mismatchLeavesTheNewerUp()
{
    Fixture f;
    const QPoint a = f.firstVisible();
    const QPoint b = f.strangerOf(a.y(), a.x());
    f.press(a);
    f.settle();
    f.press(b);
    QCOMPARE(f.faceUp(), 2);
    f.game.Timer1Timer();
    QVERIFY(!f.game.tile(a.y(), a.x()).FaceUp);
    QVERIFY(f.game.tile(a.y(), a.x()).Style == f.view.concealed);
    QVERIFY(f.game.tile(b.y(), b.x()).FaceUp);
    QCOMPARE(int(f.game.FirstRow()), b.y());
    QCOMPARE(int(f.game.FirstCol()), b.x());
}

void tst_Game::removedPairLeavesNoTileWaiting()
{
    // After a pair goes no tile is face up, so none is the first: the next
    // tile turned waits for its partner, whatever the removed ones were.
    Fixture f;
    QSignalSpy removed(&f.game, &Game::pairRemoved);
    const auto [a, b] = f.matchAPair();
    f.settle();
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.first(), (QList<QVariant>{a.y(), a.x(), b.y(), b.x()}));
    QCOMPARE(int(f.game.FirstRow()), 0);
    QCOMPARE(int(f.game.FirstCol()), 0);
    QCOMPARE(f.faceUp(), 0);
    const QPoint c = f.firstVisible();
    f.press(c);
    f.game.Timer1Timer();
    QVERIFY(!f.game.timer3().isEnabled());
    QVERIFY(!f.game.tile(a.y(), a.x()).Visible);
    QVERIFY(f.game.tile(c.y(), c.x()).FaceUp);
    QCOMPARE(int(f.game.FirstRow()), c.y());
    QCOMPARE(int(f.game.FirstCol()), c.x());
}

namespace {
// Plays the board to the end by knowing where every pair lies.
void playToTheEnd(Fixture &f)
{
    while (f.visible() > 0) {
        const QPoint a = f.firstVisible();
        const QPoint b = f.partnerOf(a.y(), a.x());
        if (!f.game.tile(a.y(), a.x()).FaceUp)
            f.press(a);
        f.settle();
        f.press(b);
        f.settle();
    }
}
} // namespace

void tst_Game::winShowsResultsAndDealsAgain()
{
    Fixture f;
    QSignalSpy won(&f.game, &Game::won);
    f.now = 0.25;
    playToTheEnd(f);
    QVERIFY(f.game.BoardCleared());
    QCOMPARE(won.size(), 1);
    const auto win = won.first().first().value<GameWin>();
    QCOMPARE(win.cols, 6);
    QCOMPARE(win.rows, 4);
    QCOMPARE(win.presses, f.game.MoveCount());
    QVERIFY(!win.demonstration);
    QCOMPARE(f.game.Tag(), 0);
    QVERIFY(f.game.timer4().isEnabled());
    QCOMPARE(f.view.countCaption, QString::number(f.game.MoveCount()));
    f.game.Timer4Timer();
    QVERIFY(!f.game.timer4().isEnabled());
    QCOMPARE(f.visible(), 24);
    // The results stay until the first press of the next game.
    QCOMPARE(f.view.countCaption, QString::number(f.game.MoveCount()));
    f.press(f.firstVisible());
    QCOMPARE(f.view.countCaption, QString());
    QCOMPARE(f.view.timeCaption, QString());
}

void tst_Game::newWithinTwoSecondsOfAWinIsKept()
{
    // New, Small and Large (and so Defaults) drop the next board a win left due.
    for (auto command : {&Game::New, &Game::Small, &Game::Large}) {
        Fixture f;
        playToTheEnd(f);
        QVERIFY(f.game.timer4().isEnabled());
        (f.game.*command)();
        QVERIFY(!f.game.timer4().isEnabled());
        QVERIFY(f.visiblePairs());
    }
}

void tst_Game::newDuringATurnDropsIt()
{
    Fixture f;
    f.matchAPair();
    QVERIFY(f.game.timer3().isEnabled());
    f.game.New();
    QVERIFY(!f.game.timer1().isEnabled());
    QVERIFY(!f.game.timer3().isEnabled());
    QCOMPARE(f.visible(), 24);
    QCOMPARE(f.faceUp(), 0);
    QCOMPARE(f.game.Tag(), 0);
}

void tst_Game::wholeGames_data()
{
    QTest::addColumn<bool>("small");
    QTest::newRow("small") << true;
    QTest::newRow("large") << false;
}

void tst_Game::wholeGames()
{
    QFETCH(bool, small);
    Fixture f(small);
    f.now = 0.999; // starts just before midnight
    QSignalSpy won(&f.game, &Game::won);
    const QPoint a = f.firstVisible();
    f.press(a);
    // Apply in the middle starts the turn afresh, not the clock.
    f.game.ConcealTilesInPlay();
    f.now = 0.999 + 83.5 / 86400.0 - 1.0;
    playToTheEnd(f);
    QCOMPARE(f.view.timeCaption, QStringLiteral("01:23"));
    QCOMPARE(won.size(), 1);
    const auto win = won.first().first().value<GameWin>();
    QCOMPARE(win.elapsedMs, 83'500);
    QCOMPARE(win.cols * win.rows, small ? 24 : 48);
    QVERIFY(!win.demonstration);
    const int pairs = small ? 12 : 24;
    QCOMPARE(f.game.MoveCount(), 2 * pairs + 1);
    QCOMPARE(f.view.countCaption, QString::number(2 * pairs + 1));
    QCOMPARE(win.presses, 2 * pairs + 1);
}

void tst_Game::demonstrationPlaysOnAcrossBoards()
{
    Fixture f;
    QSignalSpy won(&f.game, &Game::won);
    f.game.ToggleDemo();
    QVERIFY(f.game.timer5().isEnabled());
    int boards = 0;
    for (int step = 0; step < 20000 && boards < 2; ++step) {
        std::array<std::array<bool, 9>, 7> wasVisible{};
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 8; ++c)
                wasVisible[r][c] = f.game.tile(r, c).Visible;
        const int moves = f.game.MoveCount();
        f.game.Timer5Timer();
        // Each move presses a tile that is on the board.
        QVERIFY(wasVisible[f.game.LastDemoRow()][f.game.LastDemoCol()]);
        QVERIFY(f.game.MoveCount() == moves + 1 || f.game.MoveCount() == 1);
        f.settle();
        if (f.game.timer4().isEnabled()) {
            ++boards;
            QVERIFY(f.view.countCaption.toInt() > 0);
            f.game.Timer5Timer(); // a move on the cleared board does nothing
            QVERIFY(f.game.timer4().isEnabled());
            f.game.Timer4Timer();
            QCOMPARE(f.visible(), 24);
        }
        QVERIFY(f.game.timer5().isEnabled());
    }
    QCOMPARE(boards, 2);
    QCOMPARE(won.size(), 2);
    for (const auto &args : won)
        QVERIFY(args.first().value<GameWin>().demonstration);
}

void tst_Game::demonstrationStopsOnAPress()
{
    Fixture f;
    f.game.ToggleDemo();
    for (int i = 0; i < 7; ++i) {
        f.game.Timer5Timer();
        f.settle();
    }
    const int moves = f.game.MoveCount();
    f.press(f.firstVisible());
    QVERIFY(!f.game.timer5().isEnabled());
    QCOMPARE(f.game.MoveCount(), moves + 1);
    QCOMPARE(f.game.Tag(), 1);
    f.game.ToggleDemo();
    QVERIFY(f.game.timer5().isEnabled());
    f.game.ToggleDemo();
    QVERIFY(!f.game.timer5().isEnabled());
    // The board it had a hand in is not the player's win; the next one is.
    QSignalSpy won(&f.game, &Game::won);
    playToTheEnd(f);
    f.game.Timer4Timer();
    playToTheEnd(f);
    QCOMPARE(won.size(), 2);
    QVERIFY(won.at(0).first().value<GameWin>().demonstration);
    QVERIFY(!won.at(1).first().value<GameWin>().demonstration);
}

void tst_Game::elapsedTime()
{
    const double s = 1.0 / 86400.0;
    QCOMPARE(Game::elapsedText(0.5, 0.5 + 65.4 * s), QStringLiteral("01:05"));
    QCOMPARE(Game::elapsedText(0.1, 0.1 + (3600 + 5 * 60 + 30) * s), QStringLiteral("65:30"));
    QCOMPARE(Game::elapsedText(1.0 - 10 * s, 20 * s), QStringLiteral("00:30"));
    QCOMPARE(Game::elapsedText(0.3, 0.3), QStringLiteral("00:00"));
}

void tst_Game::randomEventsKeepTheRules()
{
    QRandomGenerator events(testSeed());
    for (int run = 0; run < 40; ++run) {
        Fixture f(run % 2 == 0);
        int presses = 0;
        for (int step = 0; step < 500; ++step) {
            const int kind = events.bounded(100);
            const bool clockWasRunning = f.game.Tag() == 1;
            if (kind < 45) {
                const int r = events.bounded(1, 7);
                const int c = events.bounded(1, 9);
                const bool visible = f.game.tile(r, c).Visible;
                f.game.MouseDown(r, c);
                if (visible) {
                    presses = clockWasRunning ? presses + 1 : 1;
                    QVERIFY(!f.game.timer5().isEnabled());
                }
            } else if (kind < 60 && f.game.timer1().isEnabled()) {
                f.game.Timer1Timer();
            } else if (kind < 72 && f.game.timer3().isEnabled()) {
                f.game.Timer3Timer();
            } else if (kind < 76 && f.game.timer4().isEnabled()) {
                f.game.Timer4Timer();
            } else if (kind < 88 && f.game.timer5().isEnabled()) {
                const bool moves = !f.game.BoardCleared();
                f.game.Timer5Timer();
                if (moves)
                    presses = clockWasRunning ? presses + 1 : 1;
            } else if (kind < 92) {
                f.game.ToggleDemo();
            } else if (kind < 94) {
                f.game.New();
            } else if (kind < 96) {
                f.game.Small();
            } else if (kind < 98) {
                f.game.Large();
            } else {
                f.view.size = QSize(events.bounded(0, 2000), events.bounded(0, 1200));
                f.game.Layout();
            }
            QVERIFY(f.faceUp() <= 2);
            QVERIFY(f.visiblePairs());
            if (f.game.Tag() == 1)
                QCOMPARE(f.game.MoveCount(), presses);
        }
    }
}

QTEST_GUILESS_MAIN(tst_Game)
#include "tst_Game.moc"
