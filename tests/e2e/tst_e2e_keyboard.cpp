#include "e2e/Desktop.h"

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

} // namespace

class tst_e2e_keyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void winASmallBoardFromTheKeyboard();
};

void tst_e2e_keyboard::winASmallBoardFromTheKeyboard()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    const QRect client = desktop.clientGeometry();
    const QImage first = screen();

    // The tiles' interiors, found by looking: the runs of silver.
    const auto rows = Desktop::runsOf(first, {client.left() + 20, client.top()}, {0, 1}, client.height(), Silver);
    QCOMPARE(rows.size(), 4);
    const auto cols = Desktop::runsOf(first, {client.left(), client.top() + (rows[0].first + rows[0].second) / 2},
                                      {1, 0}, client.width(), Silver);
    QCOMPARE(cols.size(), 6);
    QList<QRect> interiors;
    for (const auto &r : rows)
        for (const auto &c : cols)
            interiors << QRect(client.left() + c.first, client.top() + r.first, c.second - c.first + 1,
                               r.second - r.first + 1);
    const auto centre = [&](const QImage &img, int i) { return img.pixel(interiors[i].center()); };
    const QRect results(client.left() + client.width() / 2, client.top() + 2, client.width() / 2 - 4,
                        rows[0].first - 6);
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
    bool compareUnseen = false;
    QElapsedTimer sincePress;
    const auto press = [&](int i) {
        QStringList keys{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("0")};
        for (int d = i / 6 - at / 6; d != 0; d += d > 0 ? -1 : 1)
            keys << (d > 0 ? QStringLiteral("Down") : QStringLiteral("Up"));
        for (int d = i % 6 - at % 6; d != 0; d += d > 0 ? -1 : 1)
            keys << (d > 0 ? QStringLiteral("Right") : QStringLiteral("Left"));
        keys << QStringLiteral("space");
        if (compareUnseen)
            desktop.pause(std::max<qint64>(0, 200 - sincePress.elapsed()));
        Desktop::run(QStringLiteral("xdotool"), keys);
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
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
}

QTEST_MAIN(tst_e2e_keyboard)
#include "tst_e2e_keyboard.moc"
