#include "e2e/Desktop.h"
#include "settings/BestResults.h"
#include "settings/ResultsFile.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <functional>
#include <map>

namespace {

const QRgb Silver = qRgb(0xc0, 0xc0, 0xc0);
const QRgb Grey = qRgb(0x80, 0x80, 0x80);

// The screen as it is now; grabbed in-process, many times faster than a
// screenshot through a program, so waits end soon after what they wait for.
QImage screen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

// Игра ▸ Рекорды… from the keyboard: Alt to the menu bar, Return opens the
// Game menu on its first item, Up wraps to Выход and Up again passes the
// separator to Рекорды…. Returns the dialog's client area as it shows,
// empty if it did not.
QImage openResults(Desktop &desktop)
{
    Desktop::run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("150"),
                                             QStringLiteral("alt"), QStringLiteral("Return"), QStringLiteral("Up"),
                                             QStringLiteral("Up"), QStringLiteral("Return")});
    QString dialog;
    if (!Desktop::waitFor([&] { return !(dialog = desktop.windowNamed(QStringLiteral("Рекорды"))).isEmpty(); }))
        return {};
    desktop.waitUntilStill();
    return screen().copy(Desktop::geometryOf(dialog));
}

// Escape closes the dialog.
bool closeResults(Desktop &desktop)
{
    desktop.key(QStringLiteral("Escape"));
    return Desktop::waitFor([&] { return desktop.windowNamed(QStringLiteral("Рекорды")).isEmpty(); });
}

// The rows of pixels in which two looks at the dialog's table differ: the
// buttons below it, Сбросить enabled or not, are left out.
QPair<int, int> rowsThatDiffer(const QImage &a, const QImage &b)
{
    QPair<int, int> span{-1, -1};
    for (int y = 0; y < std::min(a.height(), b.height()) - 50; ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                span = {span.first < 0 ? y : span.first, y};
                break;
            }
        }
    }
    return span;
}

} // namespace

class tst_e2e_keyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Won from the keyboard, the board's result enters the table of best
    // results, is stored at once, and is there after a kill and a close.
    void winASmallBoardFromTheKeyboardAndFindItInTheResults();
    // Alt+И opens the Game menu every time, at a person's pace, on the game
    // page idle and with a turn in progress.
    void altIOpensTheGameMenuEveryTime();
};

void tst_e2e_keyboard::altIOpensTheGameMenuEveryTime()
{
    // The player's Russian layout in force, so that xdotool presses the key
    // that gives И as a keyboard does. Otherwise it binds И to a spare key
    // for each press and takes it back at once, or switches the layout group
    // around the press; a program that reads the changed keymap or group late
    // sees another key: any Qt window misses such presses now and then. The
    // layout is set on every keyboard device, the one xdotool's events come
    // from too, and a first key makes that device's keymap the one in use.
    for (int device = 2; device < 16; ++device)
        Desktop::run(QStringLiteral("setxkbmap"), {QStringLiteral("-device"), QString::number(device),
                                                   QStringLiteral("-layout"), QStringLiteral("ru,us")});
    Desktop::run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("shift")});
    Desktop desktop;
    QVERIFY(desktop.start());
    const auto menuOpen = [&] {
        return Desktop::run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                        QStringLiteral("--pid"), QString::number(desktop.processId())})
                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                   .size()
            > 1;
    };
    for (const bool turn : {false, true}) {
        if (turn) {
            // A tile revealed: the turn waits for its partner.
            const QRect client = desktop.clientGeometry();
            desktop.click(client.center());
        }
        QStringList missed;
        // A press that misses leaves the menu shut for good; a loaded machine
        // may take its time to open it.
        for (int press = 1; press <= 20; ++press) {
            desktop.key(QStringLiteral("alt+Cyrillic_i"));
            if (!Desktop::waitFor(menuOpen, 1500))
                missed << QString::number(press);
            desktop.key(QStringLiteral("Escape"));
            QVERIFY(Desktop::waitFor([&] { return !menuOpen(); }, 2000));
            desktop.pause(100);
        }
        QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("with%1 a turn in progress, presses %2 missed")
                                                  .arg(turn ? "" : "out", missed.join(QLatin1Char(' ')))));
    }
}

void tst_e2e_keyboard::winASmallBoardFromTheKeyboardAndFindItInTheResults()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    // The table of the small board as it is empty.
    const QImage empty = openResults(desktop);
    QVERIFY(!empty.isNull());
    QVERIFY(closeResults(desktop));
    QVERIFY(desktop.waitUntilStill());
    const QRect client = desktop.clientGeometry();
    const QImage first = screen();

    // The tiles' interiors, found by looking: the runs of silver.
    const QList<QRect> interiors = Desktop::tileInteriors(first, client, Silver);
    QCOMPARE(interiors.size(), 24);
    const int firstRowTop = interiors[0].top() - client.top();
    const auto centre = [&](const QImage &img, int i) { return img.pixel(interiors[i].center()); };
    const QRect results(client.left() + client.width() / 2, client.top() + 2, client.width() / 2 - 4,
                        firstRowTop - 6);
    const int darkBefore = Desktop::darkPixels(first, results);

    // Screenshots until what is expected shows.
    QImage seenLast;
    const auto waitFor = [&](const std::function<bool(const QImage &)> &expected) {
        QElapsedTimer clock;
        clock.start();
        do {
            seenLast = screen();
            if (expected(seenLast))
                return true;
            desktop.pause(5);
        } while (clock.elapsed() < 3000);
        return false;
    };

    // The first arrow shows the cue on the top-left tile, inside its interior.
    desktop.key(QStringLiteral("Right"));
    QVERIFY(waitFor([&](const QImage &img) { return Desktop::darkPixels(img, interiors[0]) > 20; }));
    QCOMPARE(centre(seenLast, 0), Silver);

    // Reveal tile by tile, remember colours, match a pair as soon as both
    // of its places are known.
    std::map<QRgb, int> seen;
    QList<bool> removed(interiors.size(), false);
    int waiting = -1; // the tile left face up

    // The cue goes to a tile and Space presses it. A press whose compare
    // shows nothing (no tile was left face up) lets the compare run before
    // the next press; every other wait is on what the screen shows.
    int at = 0;
    int presses = 0;
    bool compareUnseen = false;
    QElapsedTimer sincePress;
    const auto press = [&](int i) {
        const QStringList keys = Desktop::cueAndPress(at, i, 6);
        if (compareUnseen)
            desktop.pause(std::max<qint64>(0, 200 - sincePress.elapsed()));
        Desktop::run(QStringLiteral("xdotool"), keys);
        ++presses;
        sincePress.start();
        compareUnseen = waiting < 0;
        at = i;
    };
    const auto vanished = [&](int a, int b) {
        return waitFor([&](const QImage &img) { return centre(img, a) == Grey && centre(img, b) == Grey; });
    };

    for (int i = 0; i < interiors.size(); ++i) {
        if (removed[i])
            continue;
        press(i);
        QVERIFY2(waitFor([&](const QImage &img) { return centre(img, i) != Silver; }), "Space revealed nothing");
        const QRgb colour = centre(seenLast, i);
        if (waiting >= 0 && (colour == Grey || colour == centre(seenLast, waiting))) {
            QVERIFY(vanished(i, waiting));
            removed[i] = removed[waiting] = true;
            waiting = -1;
            continue;
        }
        if (waiting >= 0) // the older tile turns back at the compare
            QVERIFY(waitFor([&](const QImage &img) { return centre(img, waiting) == Silver; }));
        waiting = i;
        const auto known = seen.find(colour);
        if (known == seen.end()) {
            seen[colour] = i;
            continue;
        }
        press(known->second);
        QVERIFY(vanished(i, known->second));
        removed[i] = removed[known->second] = true;
        waiting = -1;
    }
    QVERIFY(std::all_of(removed.begin(), removed.end(), [](bool r) { return r; }));

    // Won: the time and the count stand in the menu bar.
    QVERIFY(waitFor([&](const QImage &img) { return Desktop::darkPixels(img, results) > darkBefore + 20; }));

    // Shown, so stored: the file holds the win already.
    const BestResults stored = ResultsFile(desktop.folder()).load();
    QCOMPARE(stored.table(BestResults::Small).size(), 1);
    QCOMPARE(stored.table(BestResults::Small).first().presses, presses);
    QVERIFY(stored.table(BestResults::Large).isEmpty());

    // The dialog shows one row more than the empty table, a row's height.
    const QImage won = openResults(desktop);
    QVERIFY(!won.isNull());
    const auto row = rowsThatDiffer(empty, won);
    qInfo("the new row spans pixel rows %d to %d of the dialog", row.first, row.second);
    QVERIFY(row.first > 0 && row.second - row.first < 40);
    // Killed at once, then started again: the row is there; closed with the
    // close box and started again: the same row, pixel for pixel.
    desktop.kill();
    QImage shownBefore;
    for (int run = 0; run < 2; ++run) {
        QVERIFY(desktop.start());
        const QImage again = openResults(desktop);
        QVERIFY(!again.isNull());
        QCOMPARE(rowsThatDiffer(empty, again).first, row.first);
        QVERIFY(rowsThatDiffer(empty, again).second - row.first < 40);
        if (run == 1)
            QCOMPARE(again, shownBefore);
        shownBefore = again;
        QVERIFY(closeResults(desktop));
        desktop.closeWindow();
        QVERIFY(desktop.waitForExit());
    }
    QCOMPARE(ResultsFile(desktop.folder()).load(), stored);
}

QTEST_MAIN(tst_e2e_keyboard)
#include "tst_e2e_keyboard.moc"
