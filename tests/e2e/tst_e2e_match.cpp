#include "e2e/Desktop.h"
#include "settings/PreferencesFile.h"
#include "settings/ResultsFile.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <functional>
#include <map>
#include <optional>

namespace {

const QRgb Silver = qRgb(0xc0, 0xc0, 0xc0);
const QRgb Grey = qRgb(0x80, 0x80, 0x80);

QImage screen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_e2e_match : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Игра ▸ Соперник ▸ Компьютер: сильный chosen from the keyboard, then a
    // whole small board played against it from the keyboard by a player who
    // remembers every tile shown.
    void playABoardAgainstTheComputer();
};

void tst_e2e_match::playABoardAgainstTheComputer()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    QVERIFY(desktop.waitUntilStill());
    // Alt, Return opens the Game menu on Новая; the sixth item is Соперник,
    // whose fourth item is the strong computer. Then Новая deals.
    Desktop::run(QStringLiteral("xdotool"),
                 {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("150"), QStringLiteral("alt"),
                  QStringLiteral("Return"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
                  QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Right"), QStringLiteral("Down"),
                  QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return"), QStringLiteral("alt"),
                  QStringLiteral("Return"), QStringLiteral("Return")});
    QVERIFY(Desktop::waitFor([&] { return PreferencesFile(desktop.folder()).load().Opponent == 3; }));
    QVERIFY(desktop.waitUntilStill());
    const QRect client = desktop.clientGeometry();
    const QList<QRect> interiors = Desktop::tileInteriors(screen(), client, Silver);
    QCOMPARE(interiors.size(), 24);

    // What the board shows: each tile face down, face up in a colour, or gone.
    QImage shown;
    const auto look = [&] { shown = screen(); };
    const auto at = [&](int i) { return shown.pixel(interiors[i].center()); };
    const auto isUp = [&](int i) { return at(i) != Silver && at(i) != Grey; };
    const auto waitFor = [&](const std::function<bool()> &expected, int ms = 4000) {
        QElapsedTimer clock;
        clock.start();
        do {
            look();
            if (expected())
                return true;
            desktop.pause(5);
        } while (clock.elapsed() < ms);
        return false;
    };
    std::map<int, QRgb> seen; // every tile shown face up and still on the board
    const auto faceUp = [&] {
        QList<int> up;
        for (int i = 0; i < interiors.size(); ++i)
            if (isUp(i)) {
                up << i;
                seen[i] = at(i);
            }
        return up;
    };
    // The two tiles of a turn shown: both go, or both turn back. True for a pair.
    const auto outcome = [&](int a, int b) {
        const bool pair = seen[a] == seen[b];
        const QRgb after = pair ? Grey : Silver;
        if (!waitFor([&] { return at(a) == after && at(b) == after; }))
            return std::optional<bool>();
        if (pair)
            seen.erase(a), seen.erase(b);
        return std::optional(pair);
    };

    // The keyboard's cue: the first arrow shows it on the top-left tile.
    int cue = 0;
    desktop.key(QStringLiteral("Right"));
    desktop.key(QStringLiteral("Left"));
    const auto press = [&](int i) {
        const QStringList keys = Desktop::cueAndPress(cue, i, 6);
        Desktop::run(QStringLiteral("xdotool"), keys);
        cue = i;
    };
    // A remembered tile of the colour, or of a pair seen whole; else one
    // never seen.
    const auto pick = [&](std::optional<int> up) {
        for (const auto &[i, colour] : seen)
            for (const auto &[j, other] : seen)
                if (i != j && colour == other && (!up || *up == j))
                    return i;
        for (int i = 0; i < interiors.size(); ++i)
            if (at(i) == Silver && !seen.count(i))
                return i;
        for (int i = 0; i < interiors.size(); ++i)
            if (at(i) == Silver)
                return i;
        return -1;
    };

    int gone = 0;
    int ours = 0, theirs = 0;
    bool ourTurn = true; // the player opens the first board
    bool triedOutOfTurn = false;
    QElapsedTimer clock;
    clock.start();
    while (gone < 24) {
        QVERIFY2(clock.elapsed() < 120000, "the board did not end in two minutes");
        int a = -1, b = -1;
        if (ourTurn) {
            look();
            a = pick(std::nullopt);
            press(a);
            QVERIFY2(waitFor([&] { return isUp(a); }), "Space turned no tile");
            faceUp();
            // A press during the compare of the first tile, which shows
            // nothing, is ignored: Space again until the tile turns.
            b = pick(a);
            press(b);
            for (int again = 0; again < 5 && !waitFor([&] { return isUp(b); }, 300); ++again)
                desktop.key(QStringLiteral("space"));
            QVERIFY(isUp(b));
            faceUp();
        } else {
            // The computer turns its tiles one by one; a press now changes
            // nothing.
            QList<int> up;
            QVERIFY2(waitFor([&] { return !(up = faceUp()).isEmpty(); }), "the computer did not play");
            a = up.first();
            // A tile it remembers in another colour than its first: the
            // strong computer never turns it now, so only the player's press
            // could.
            int other = -1;
            for (const auto &[i, colour] : seen)
                if (colour != seen[a] && at(i) == Silver)
                    other = i;
            if (!triedOutOfTurn && other >= 0) {
                triedOutOfTurn = true;
                press(other);
                desktop.pause(300);
                look();
                QVERIFY2(!isUp(other), "a press in the computer's turn turned a tile");
            }
            QVERIFY(waitFor([&] { return (up = faceUp()).size() == 2; }));
            b = up.first() == a ? up.last() : up.first();
        }
        const std::optional<bool> pair = outcome(a, b);
        QVERIFY2(pair, "the turned tiles neither went nor turned back");
        if (*pair) {
            gone += 2;
            ++(ourTurn ? ours : theirs);
        } else {
            ourTurn = !ourTurn;
        }
    }
    qInfo("the board ended %d : %d in %lld ms", ours, theirs, clock.elapsed());
    QVERIFY(triedOutOfTurn);

    // Counted against the strong computer; the best results are untouched.
    const int result = ours > theirs ? MatchTally::Won : ours < theirs ? MatchTally::Lost : MatchTally::Drawn;
    QVERIFY(Desktop::waitFor([&] { return ResultsFile(desktop.folder()).loadTally().counts[2][result] == 1; }));
    QVERIFY(ResultsFile(desktop.folder()).load().table(BestResults::Small).isEmpty());
}

QTEST_MAIN(tst_e2e_match)
#include "tst_e2e_match.moc"
