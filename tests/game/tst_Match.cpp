#include "FakeView.h"
#include "Seed.h"
#include "game/Game.h"
#include "game/GameWin.h"
#include "game/Match.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <vector>

namespace {

using Place = ComputerPlayer::Place;

// A match on a game on a fake window, its timers fired by hand, and all that
// has ever been face up on the board, as any person watching could know it.
struct Fixture
{
    TGameSettings settings;
    Random random;
    FakeView view;
    Game game{settings, random, view, [] { return 0.5; }};
    Match match;
    std::map<std::pair<int, int>, TColor> seen; // tiles on the board once face up
    std::mt19937 shuffler;

    Fixture(Match::Opponent opponent, std::uint32_t seed)
        : random(seed), match(game, seed ^ 0x5A5A5A5Au), shuffler(seed)
    {
        QObject::connect(&game, &Game::tileTurned, &game,
                         [this](int r, int c, TColor colour) { seen[{r, c}] = colour; });
        QObject::connect(&game, &Game::pairRemoved, &game, [this](int r1, int c1, int r2, int c2) {
            seen.erase({r1, c1});
            seen.erase({r2, c2});
        });
        QObject::connect(&game, &Game::dealt, &game, [this] { seen.clear(); });
        match.choose(opponent);
        game.CreateTiles();
        game.Small();
    }
    // Fires the turn's timers that are on, in the order they fall due.
    void settle()
    {
        while (game.timer1().isEnabled() || game.timer3().isEnabled() || game.timer6().isEnabled()) {
            if (game.timer1().isEnabled())
                game.Timer1Timer();
            else if (game.timer3().isEnabled())
                game.Timer3Timer();
            else
                game.Timer6Timer();
        }
    }
    std::vector<Place> faceDown() const
    {
        std::vector<Place> places;
        for (int r = 1; r <= settings.Rows; ++r)
            for (int c = 1; c <= settings.Cols; ++c)
                if (game.tile(r, c).Visible && !game.tile(r, c).FaceUp)
                    places.push_back({r, c});
        return places;
    }
    // The pick of a player who remembers everything seen: a pair known
    // whole, or the partner of the tile up, else a tile never seen.
    Place bestPick() const
    {
        const std::vector<Place> down = faceDown();
        std::optional<TColor> up;
        if (game.FirstRow() != 0)
            up = game.tile(game.FirstRow(), game.FirstCol()).PairColor;
        for (const Place &p : down) {
            const auto it = seen.find({p.row, p.col});
            if (it == seen.end())
                continue;
            if (up ? it->second == *up
                   : std::any_of(down.begin(), down.end(), [&](const Place &q) {
                         const auto other = seen.find({q.row, q.col});
                         return !(q == p) && other != seen.end() && other->second == it->second;
                     }))
                return p;
        }
        for (const Place &p : down)
            if (!seen.count({p.row, p.col}))
                return p;
        return down.front();
    }
    // Where the colour of the tile up, or both tiles of a pair, were seen,
    // a pick that does not complete a pair misses what was there to see.
    bool missedASeenPair(const Place &pick) const
    {
        const auto seenColour = [this](const Place &p) {
            const auto it = seen.find({p.row, p.col});
            return it == seen.end() ? std::optional<TColor>() : std::optional(it->second);
        };
        const std::vector<Place> down = faceDown();
        const auto seenPartner = [&](const Place &p, TColor colour) {
            return std::any_of(down.begin(), down.end(),
                               [&](const Place &q) { return !(q == p) && seenColour(q) == colour; });
        };
        const std::optional<TColor> picked = seenColour(pick);
        if (game.FirstRow() != 0) {
            const TColor up = game.tile(game.FirstRow(), game.FirstCol()).PairColor;
            return seenPartner({game.FirstRow(), game.FirstCol()}, up) && picked != up;
        }
        const bool pairSeen = std::any_of(down.begin(), down.end(), [&](const Place &p) {
            return seenColour(p) && seenPartner(p, *seenColour(p));
        });
        return pairSeen && !(picked && seenPartner(pick, *picked));
    }
    // Gives the tiles no one has seen each other's colours: what a fair
    // player knows stays true.
    void shuffleUnseen()
    {
        std::vector<TileState *> unseen;
        for (const Place &p : faceDown())
            if (!seen.count({p.row, p.col}))
                unseen.push_back(const_cast<TileState *>(&game.tile(p.row, p.col))); // behind its back
        for (std::size_t i = unseen.size(); i > 1; --i)
            std::swap(unseen[i - 1]->PairColor, unseen[shuffler() % i]->PairColor);
    }
};

} // namespace

class tst_Match : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void turnsScoresAndTheEnd();
    void computerPlaysOnlyWhatItSaw_data();
    void computerPlaysOnlyWhatItSaw();
    void computerWaitsAndGivesWay();
};

void tst_Match::turnsScoresAndTheEnd()
{
    Fixture f(Match::Friend, 7);
    QVERIFY(f.match.isOn() && f.game.turnsOfTwo());
    QCOMPARE(f.match.opener(), Match::Home);
    QSignalSpy passed(&f.match, &Match::turnPassed);
    QSignalSpy ended(&f.match, &Match::ended);
    QSignalSpy won(&f.game, &Game::won);
    const auto partner = [&](Place a) {
        for (const Place &p : f.faceDown())
            if (!(p == a) && f.game.tile(p.row, p.col).PairColor == f.game.tile(a.row, a.col).PairColor)
                return p;
        return Place{};
    };
    const auto stranger = [&](Place a) {
        for (const Place &p : f.faceDown())
            if (f.game.tile(p.row, p.col).PairColor != f.game.tile(a.row, a.col).PairColor)
                return p;
        return Place{};
    };
    // A miss: both tiles stay up 700 ms, then both turn back and the turn
    // passes with no tile waiting.
    Place a = f.faceDown().front();
    Place b = stranger(a);
    f.match.press(a.row, a.col);
    f.settle();
    QCOMPARE(int(f.game.FirstRow()), a.row);
    f.match.press(b.row, b.col);
    f.game.Timer1Timer();
    QVERIFY(f.game.timer6().isEnabled() && f.game.busy());
    QVERIFY(f.game.tile(a.row, a.col).FaceUp && f.game.tile(b.row, b.col).FaceUp);
    QCOMPARE(passed.size(), 1);
    QCOMPARE(f.match.turn(), Match::Away);
    f.settle();
    QVERIFY(!f.game.tile(a.row, a.col).FaceUp && !f.game.tile(b.row, b.col).FaceUp);
    QCOMPARE(int(f.game.FirstRow()), 0);

    // Away takes every pair: a pair keeps the turn and leaves no tile up.
    while (!f.faceDown().empty()) {
        a = f.faceDown().front();
        f.match.press(a.row, a.col);
        f.settle();
        const Place p = partner(a);
        f.match.press(p.row, p.col);
        f.settle();
        QCOMPARE(int(f.game.FirstRow()), 0); // the tile left face up: none
        QCOMPARE(f.match.turn(), Match::Away);
    }
    QCOMPARE(f.match.score(Match::Away), 12);
    QCOMPARE(f.match.score(Match::Home), 0);
    QCOMPARE(f.view.timeCaption, QStringLiteral("old")); // the result place is the match's
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.first().first().value<Match::Outcome>(), Match::Outcome::AwayWon);
    QVERIFY(won.first().first().value<GameWin>().match);
    QCOMPARE(f.view.countCaption, QStringLiteral("old"));

    // The next board, two seconds on, is opened by the other side.
    QVERIFY(f.game.timer4().isEnabled());
    f.game.Timer4Timer();
    QCOMPARE(f.match.opener(), Match::Away);
    QCOMPARE(f.match.turn(), Match::Away);
    QCOMPARE(f.match.score(Match::Away), 0);
    f.game.New();
    QCOMPARE(f.match.opener(), Match::Home);

    // A choice takes effect at the next deal; the solitaire keeps its rules.
    f.match.choose(Match::Nobody);
    QVERIFY(f.match.isOn());
    f.game.New();
    QVERIFY(!f.match.isOn() && !f.game.turnsOfTwo());
}

void tst_Match::computerPlaysOnlyWhatItSaw_data()
{
    QTest::addColumn<int>("opponent");
    QTest::newRow("Лёгкий") << int(Match::ComputerEasy);
    QTest::newRow("Средний") << int(Match::ComputerMedium);
    QTest::newRow("Сильный") << int(Match::ComputerStrong);
}

void tst_Match::computerPlaysOnlyWhatItSaw()
{
    // Boards against a player who remembers everything, the opener taking
    // turns. Before each of its presses the tiles no one has seen trade
    // colours, twice: a computer that read a concealed colour would choose
    // otherwise the second time, or find the pairs more often than chance.
    QFETCH(int, opponent);
    const std::uint32_t seed = testSeed();
    Fixture f(Match::Opponent(opponent), seed);
    const int boards = 300;
    std::map<Match::Outcome, int> outcomes;
    QObject::connect(&f.match, &Match::ended, &f.match, [&](Match::Outcome o) { ++outcomes[o]; });
    int picks = 0, missedSeen = 0, blindPicks = 0, blindHits = 0;
    double blindChance = 0;
    for (int board = 0; board < boards; ++board) {
        while (!f.game.timer4().isEnabled()) {
            f.settle();
            if (f.game.timer4().isEnabled())
                break;
            if (!f.match.computerToPlay()) {
                const Place p = f.bestPick();
                f.match.press(p.row, p.col);
                continue;
            }
            f.shuffleUnseen();
            ComputerPlayer copy = *f.match.computer();
            const Place expected = copy.pick();
            f.shuffleUnseen();
            const bool second = f.game.FirstRow() != 0;
            const TColor up = second ? f.game.tile(f.game.FirstRow(), f.game.FirstCol()).PairColor : 0;
            const bool unseen = !f.seen.count({expected.row, expected.col});
            const bool wasMissed = f.missedASeenPair(expected);
            f.match.computerStep();
            QCOMPARE(int(f.game.SecondRow()), expected.row);
            QCOMPARE(int(f.game.SecondCol()), expected.col);
            ++picks;
            missedSeen += wasMissed;
            if (second && unseen) {
                // A tile no one has seen, picked to match the one up.
                ++blindPicks;
                int unseenCount = 0;
                for (const Place &p : f.faceDown())
                    unseenCount += !f.seen.count({p.row, p.col});
                blindChance += 1.0 / (unseenCount + 1);
                blindHits += f.game.tile(expected.row, expected.col).PairColor == up;
            }
        }
        f.game.Timer4Timer();
    }
    const int wins = outcomes[Match::Outcome::AwayWon];
    const int losses = outcomes[Match::Outcome::HomeWon];
    const int draws = outcomes[Match::Outcome::Draw];
    qInfo("%s against perfect memory over %d boards: %d won, %d lost, %d drawn; %d picks, %d seen pairs missed",
          QTest::currentDataTag(), boards, wins, losses, draws, picks, missedSeen);
    QCOMPARE(wins + losses + draws, boards);
    if (opponent == Match::ComputerStrong)
        QCOMPARE(missedSeen, 0);
    else
        QVERIFY(missedSeen > 0);
    // Blind picks find the partner as often as chance gives, not more.
    qInfo("blind picks: %d, partners found: %d, chance gives %.1f", blindPicks, blindHits, blindChance);
    QVERIFY(blindPicks > 100);
    QVERIFY2(blindHits < blindChance * 1.5 + 10,
             qPrintable(QStringLiteral("%1 hits where chance gives %2").arg(blindHits).arg(blindChance)));
}

void tst_Match::computerWaitsAndGivesWay()
{
    Fixture f(Match::ComputerMedium, 99);
    bool mayPlay = false;
    f.match.setMayPlay([&] { return mayPlay; });
    // Home misses: the turn goes to the computer, whose presses wait while
    // the game holds the miss and while the player is away from the board.
    const std::vector<Place> down = f.faceDown();
    Place a = down[0], b = down[1];
    for (const Place &p : down)
        if (f.game.tile(p.row, p.col).PairColor != f.game.tile(a.row, a.col).PairColor)
            b = p;
    f.match.press(a.row, a.col);
    f.settle();
    f.match.press(b.row, b.col);
    f.game.Timer1Timer();
    QVERIFY(f.match.computerToPlay() && f.match.computerDue());
    QSignalSpy turned(&f.match, &Match::computerTurned);
    f.match.computerStep(); // the miss is still on show
    f.settle();
    f.match.computerStep(); // a menu is open
    QCOMPARE(turned.size(), 0);
    QVERIFY(f.match.computerDue());
    // The player's presses are ignored meanwhile.
    const int moves = f.game.MoveCount();
    f.match.press(a.row, a.col);
    QCOMPARE(f.game.MoveCount(), moves);
    mayPlay = true;
    f.match.computerStep();
    QCOMPARE(turned.size(), 1);
    QVERIFY(f.match.computerDue());

    // The demonstration ends the match on this board and plays the boards
    // it deals alone; the next deal after it stops is a match again.
    QSignalSpy stopped(&f.match, &Match::stopped);
    f.game.ToggleDemo();
    QCOMPARE(stopped.size(), 1);
    QVERIFY(!f.match.isOn() && !f.game.turnsOfTwo() && !f.match.computerDue());
    f.game.New();
    QVERIFY(!f.match.isOn());
    f.game.StopDemo();
    f.game.New();
    QVERIFY(f.match.isOn() && f.game.turnsOfTwo());
}

QTEST_GUILESS_MAIN(tst_Match)
#include "tst_Match.moc"
