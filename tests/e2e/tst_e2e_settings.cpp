#include "e2e/Desktop.h"

#include <QTest>

namespace {

const QRgb Teal = qRgb(0, 0x80, 0x80);
const QRgb Blue = qRgb(0, 0, 0xff);

// The screens of these tests have 96 dots per inch; the design has 120.
int scaled(int units)
{
    return int(std::lround(units * 96.0 / 120.0));
}

} // namespace

class tst_e2e_settings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changeTheLookAndKeepIt();

private:
    QPoint pageTopLeft(Desktop &desktop);
    QImage boardShot(Desktop &desktop);
};

QPoint tst_e2e_settings::pageTopLeft(Desktop &desktop)
{
    const QRect client = desktop.clientGeometry();
    const QImage shot = desktop.screenshot();
    const int x = client.left() + 4;
    for (int y = client.top(); y < client.bottom(); ++y) {
        if (shot.pixel(x, y) == Teal)
            return {client.left(), y - 1}; // inside the page's one-pixel bevel
    }
    return {};
}

QImage tst_e2e_settings::boardShot(Desktop &desktop)
{
    return desktop.screenshot().copy(desktop.clientGeometry());
}

void tst_e2e_settings::changeTheLookAndKeepIt()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    // The menu bar from the keyboard: Alt, then the item after "Игра".
    desktop.key(QStringLiteral("alt"));
    desktop.key(QStringLiteral("Right"));
    desktop.key(QStringLiteral("Return"));
    QPoint page;
    QVERIFY(Desktop::waitFor([&] { return !(page = pageTopLeft(desktop)).isNull(); }));
    QVERIFY(desktop.waitUntilStill());
    QVERIFY(!page.isNull());
    const auto inGroup = [&](int groupTop, const QRect &control) {
        const QRect r(scaled(10 + control.x()), scaled(groupTop + control.y()), scaled(control.width()),
                      scaled(control.height()));
        return page + r.center();
    };

    // The concealed tiles' colour: blue, typed into the colour dialog.
    const auto windows = [] {
        return Desktop::run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                        QStringLiteral("--name"), QStringLiteral(".")})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts).size();
    };
    const int before = windows();
    desktop.click(inGroup(10, {407, 11, 186, 31}));
    QVERIFY(Desktop::waitFor([&] { return windows() > before; })); // the colour dialog
    QVERIFY(desktop.waitUntilStill());
    desktop.key(QStringLiteral("alt+h"));
    desktop.key(QStringLiteral("ctrl+a"));
    Desktop::run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("#0000ff")});
    desktop.key(QStringLiteral("Return"));
    QVERIFY(Desktop::waitFor([&] { return windows() == before; }));
    // The inner bevel twice: raised, space, lowered.
    desktop.click(inGroup(10, {210, 11, 186, 31}));
    desktop.click(inGroup(10, {210, 11, 186, 31}));
    desktop.click(inGroup(286, {406, 11, 186, 31})); // Apply
    QVERIFY(Desktop::waitFor([&] { return pageTopLeft(desktop).isNull(); }));
    QVERIFY(desktop.waitUntilStill());

    const QImage board = boardShot(desktop);
    // Find the first tile's interior along its row: blue, and two raised then
    // two lowered rings to its left.
    int row = 0;
    while (row < board.height() && board.pixel(board.width() / 12, row) != Blue)
        ++row;
    QVERIFY(row < board.height());
    const int y = row + 10;
    int x = board.width() / 12;
    while (board.pixel(x - 1, y) == Blue)
        --x;
    const QRgb light = board.pixel(x - 4, y);
    const QRgb dark = board.pixel(x - 1, y);
    QCOMPARE(board.pixel(x - 3, y), light);
    QCOMPARE(board.pixel(x - 2, y), dark);
    QVERIFY(qGray(light) > qGray(dark));
    QCOMPARE(board.pixel(x - 5, y), qRgb(0x80, 0x80, 0x80)); // the gap

    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
    QVERIFY(desktop.start());
    // The second start-up pass lays the board out again 220 ms after start.
    QVERIFY(Desktop::waitFor([&] { return boardShot(desktop) == board; }));
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
}

QTEST_GUILESS_MAIN(tst_e2e_settings)
#include "tst_e2e_settings.moc"
