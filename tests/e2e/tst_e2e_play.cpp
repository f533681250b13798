#include "e2e/Desktop.h"

#include <QTest>

#include <map>

namespace {

const QRgb Silver = qRgb(0xc0, 0xc0, 0xc0);
const QRgb Grey = qRgb(0x80, 0x80, 0x80);

// The runs of silver along a line: where the concealed tiles lie.
QList<QPair<int, int>> silverRuns(const QImage &img, QPoint from, QPoint step, int count)
{
    return Desktop::runsOf(img, from, step, count, Silver);
}

} // namespace

class tst_e2e_play : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void playASmallBoardToTheEnd();
    void aClickOnTheBackgroundStopsTheDemonstration();
};

void tst_e2e_play::playASmallBoardToTheEnd()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    const QRect client = desktop.clientGeometry();
    const QImage first = desktop.screenshot();

    // Find the tiles as a person would: by looking.
    const auto rows = silverRuns(first, {client.left() + 20, client.top()}, {0, 1}, client.height());
    QCOMPARE(rows.size(), 4);
    const auto cols = silverRuns(first, {client.left(), client.top() + (rows[0].first + rows[0].second) / 2},
                                 {1, 0}, client.width());
    QCOMPARE(cols.size(), 6);
    QList<QPoint> centres;
    for (const auto &r : rows)
        for (const auto &c : cols)
            centres << client.topLeft() + QPoint((c.first + c.second) / 2, (r.first + r.second) / 2);
    const QRect results(client.left() + client.width() / 2, client.top() + 2, client.width() / 2 - 4,
                        rows[0].first - 6);
    const int darkBefore = Desktop::darkPixels(first, results);

    // Reveal tile by tile; the newer tile always stays up, so its colour can
    // be read at leisure. A colour seen before is then matched at once. Each
    // press waits for what it must show: the colour, then either the pair
    // vanishing or the older tile turning back.
    std::map<QRgb, int> seen;
    QList<bool> removed(centres.size(), false);
    int waiting = -1;
    QRgb waitingColour = 0;
    int presses = 0;
    const auto pixel = [&](int i) { return desktop.screenshot().pixel(centres[i]); };
    const auto press = [&](int i) {
        desktop.click(centres[i]);
        ++presses;
        QRgb colour = Silver;
        Desktop::waitFor([&] { return (colour = pixel(i)) != Silver; });
        if (waiting >= 0 && colour == waitingColour)
            colour = Grey;
        if (colour == Grey)
            Desktop::waitFor([&] { return pixel(i) == Grey && pixel(waiting) == Grey; });
        else if (waiting >= 0)
            Desktop::waitFor([&] { return pixel(waiting) == Silver; });
        else
            desktop.pause(200); // the compare shows nothing when no tile waited
        return colour;
    };
    for (int i = 0; i < centres.size(); ++i) {
        if (removed[i])
            continue;
        const QRgb colour = press(i);
        if (colour == Grey) { // matched the waiting tile
            QVERIFY(waiting >= 0);
            QCOMPARE(pixel(i), Grey);
            removed[i] = removed[waiting] = true;
            waiting = -1;
            continue;
        }
        QVERIFY2(colour != Silver, "a pressed tile stays concealed");
        waiting = i;
        waitingColour = colour;
        const auto known = seen.find(colour);
        if (known != seen.end() && !removed[known->second]) {
            const int partner = known->second;
            QCOMPARE(press(partner), Grey);
            QCOMPARE(pixel(i), Grey);
            removed[i] = removed[partner] = true;
            waiting = -1;
        } else {
            seen[colour] = i;
        }
    }
    QVERIFY(std::all_of(removed.begin(), removed.end(), [](bool r) { return r; }));
    QVERIFY(presses >= 24 && presses <= 36);

    // The time and the count stand in the menu bar, then a new board comes.
    const QImage won = desktop.screenshot();
    QVERIFY(Desktop::darkPixels(won, results) > darkBefore + 20);
    QCOMPARE(won.pixel(centres[0]), Grey);
    QImage next;
    QVERIFY(Desktop::waitFor([&] {
        next = desktop.screenshot();
        return silverRuns(next, {client.left() + 20, client.top()}, {0, 1}, client.height()).size() == 4;
    }));
    QVERIFY(Desktop::darkPixels(next, results) > darkBefore + 20); // results stay until the next press
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
}

void tst_e2e_play::aClickOnTheBackgroundStopsTheDemonstration()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    const QRect client = desktop.clientGeometry();
    // The demonstration: the Game menu's fourth item, counted from the top
    // since new items stand above the separator.
    const auto board = [&] { return desktop.screenshot().copy(client.adjusted(0, 30, 0, 0)); };
    const QImage still = board();
    desktop.click(client.topLeft() + QPoint(20, 8));
    QVERIFY(Desktop::waitFor([&] { return board() != still; })); // the menu is open
    for (int i = 0; i < 4; ++i)
        desktop.key(QStringLiteral("Down"));
    desktop.key(QStringLiteral("Return"));
    QVERIFY(desktop.waitUntilStill()); // the menu has gone
    const QImage moving = board();
    QVERIFY(Desktop::waitFor([&] { return board() != moving; }, 3000)); // it plays by itself

    // The strip right of the last column is the game page's background.
    desktop.click(QPoint(client.right() - 1, client.center().y()));
    QVERIFY(desktop.waitUntilStill(5000, 300)); // a compare or removal under way ends
    const QImage stopped = board();
    desktop.pause(1500); // three demonstration moves' time, in which nothing may change
    QCOMPARE(board(), stopped);
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
}

QTEST_GUILESS_MAIN(tst_e2e_play)
#include "tst_e2e_play.moc"
