#include "e2e/Desktop.h"
#include "settings/TGameSettings.h"

#include <QFile>
#include <QTest>

namespace {

// How many runs of one colour lie along a line of the screenshot.
int runsOf(const QImage &img, QPoint from, QPoint step, int count, QRgb colour)
{
    return int(Desktop::runsOf(img, from, step, count, colour).size());
}

const QRgb Silver = qRgb(0xc0, 0xc0, 0xc0);
const QRgb Grey = qRgb(0x80, 0x80, 0x80);

} // namespace

class tst_e2e_startup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartAndClose();
    void placementComesBack();
    void exitLeavesTheFile();
    void shortFileIsGoneAfterStartUp();
    void maximizedStartKeepsTheNormalPlacement();
    void placementIsKeptReachable();
};

void tst_e2e_startup::firstStartAndClose()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    const QRect client = desktop.clientGeometry();
    const QImage shot = desktop.screenshot();
    // The board: 4 rows of 6 concealed tiles on grey, below the menu bar.
    const int x = client.left() + 20;
    QCOMPARE(runsOf(shot, {x, client.top()}, {0, 1}, client.height(), Silver), 4);
    int firstTileY = client.top();
    while (shot.pixel(x, firstTileY) != Silver)
        ++firstTileY;
    QVERIFY(firstTileY > client.top() + 10); // the menu bar lies above
    QCOMPARE(runsOf(shot, {client.left(), firstTileY + 20}, {1, 0}, client.width(), Silver), 6);
    QCOMPARE(shot.pixel(client.right() - 1, firstTileY + 20), Grey);

    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
    TGameSettings expected;
    const QByteArray stored = desktop.readDbData();
    QCOMPARE(stored.size(), 568);
    TGameSettings s;
    QVERIFY(TGameSettings::fromBytes(stored, s));
    // At 96 dots per inch the design's 633 by 400 at (81, 51) is 506 by 320 at (65, 41).
    QCOMPARE(QRect(s.WinLeft, s.WinTop, s.WinWidth, s.WinHeight), QRect(65, 41, 506, 320));
    expected.WinLeft = 65;
    expected.WinTop = 41;
    expected.WinWidth = 506;
    expected.WinHeight = 320;
    QCOMPARE(stored.toHex(' '), expected.toBytes().toHex(' '));
}

void tst_e2e_startup::placementComesBack()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    desktop.moveResize(QRect(200, 150, 700, 500));
    const QRect moved = desktop.clientGeometry();
    QVERIFY(moved.width() > 600);
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
    const QByteArray first = desktop.readDbData();
    for (int run = 0; run < 2; ++run) {
        QVERIFY(desktop.start());
        QCOMPARE(desktop.clientGeometry(), moved);
        desktop.closeWindow();
        QVERIFY(desktop.waitForExit());
        QCOMPARE(desktop.readDbData(), first); // no drift from run to run
    }
}

void tst_e2e_startup::exitLeavesTheFile()
{
    Desktop desktop;
    TGameSettings s;
    s.WinLeft = 300;
    s.WinTop = 200;
    s.WinWidth = 640;
    s.WinHeight = 480;
    s.Gap = 6;
    desktop.writeDbData(s.toBytes());
    QVERIFY(desktop.start());
    desktop.moveResize(QRect(20, 20, 800, 600));
    // The Game menu, then its last item, "Выход".
    const QRect client = desktop.clientGeometry();
    const QImage closed = desktop.screenshot().copy(client);
    desktop.click(client.topLeft() + QPoint(20, 8));
    QVERIFY(Desktop::waitFor([&] { return desktop.screenshot().copy(client) != closed; }));
    desktop.key(QStringLiteral("Up"));
    desktop.key(QStringLiteral("Return"));
    QVERIFY(desktop.waitForExit());
    QCOMPARE(desktop.readDbData(), s.toBytes());
}

void tst_e2e_startup::shortFileIsGoneAfterStartUp()
{
    Desktop desktop;
    desktop.writeDbData(QByteArray(567, '\1'));
    QVERIFY(desktop.start());
    QVERIFY(!QFile::exists(desktop.dbData()));
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
    QCOMPARE(desktop.readDbData().size(), 568);
}

namespace {
QRect placement(const QByteArray &record)
{
    TGameSettings s;
    TGameSettings::fromBytes(record, s);
    return QRect(s.WinLeft, s.WinTop, s.WinWidth, s.WinHeight);
}

TGameSettings placedAt(const QRect &outer)
{
    TGameSettings s;
    s.WinLeft = outer.x();
    s.WinTop = outer.y();
    s.WinWidth = outer.width();
    s.WinHeight = outer.height();
    return s;
}
} // namespace

void tst_e2e_startup::maximizedStartKeepsTheNormalPlacement()
{
    Desktop desktop;
    TGameSettings s = placedAt(QRect(200, 150, 700, 500));
    s.Maximized = 1;
    desktop.writeDbData(s.toBytes());
    QVERIFY(desktop.start());
    QVERIFY(desktop.clientGeometry().width() > 1200); // maximized on the 1280-pixel screen
    desktop.setMaximized(false);
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
    QCOMPARE(placement(desktop.readDbData()), QRect(200, 150, 700, 500));
    QCOMPARE(int(desktop.readDbData()[28]), 0);

    // The minimum size is one of the outer frame too: 600 by 400 at 120 dpi.
    QVERIFY(desktop.start());
    desktop.moveResize(QRect(200, 150, 100, 100));
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
    QCOMPARE(placement(desktop.readDbData()).size(), QSize(480, 320));
}

void tst_e2e_startup::placementIsKeptReachable()
{
    // Too large for the screen, and with the title bar above the top left.
    const QRect stored[] = {QRect(0, 0, 32767, 32767), QRect(-300, -250, 700, 500)};
    const QRect kept[] = {QRect(0, 0, 1280, 800), QRect(0, 0, 700, 500)};
    for (int i = 0; i < 2; ++i) {
        Desktop desktop;
        desktop.writeDbData(placedAt(stored[i]).toBytes());
        QVERIFY(desktop.start());
        desktop.closeWindow();
        QVERIFY(desktop.waitForExit());
        QCOMPARE(placement(desktop.readDbData()), kept[i]);
    }
}

QTEST_GUILESS_MAIN(tst_e2e_startup)
#include "tst_e2e_startup.moc"
