#include "app/WindowPlacement.h"

#include <QTest>

// The rules that keep a stored placement reachable, on made-up screens.
class tst_WindowPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keptOnScreen_data();
    void keptOnScreen();
};

void tst_WindowPlacement::keptOnScreen_data()
{
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QRect>("kept");
    // One screen of 1280 by 776 below a 24-pixel panel, one of 1024 by 768 right of it.
    QTest::newRow("on screen") << QRect(200, 150, 700, 500) << QRect(200, 150, 700, 500);
    QTest::newRow("as large as the screen") << QRect(0, 24, 1280, 776) << QRect(0, 24, 1280, 776);
    QTest::newRow("hostile size") << QRect(0, 0, 32767, 32767) << QRect(0, 24, 1280, 776);
    QTest::newRow("title bar above the top left") << QRect(-300, -250, 700, 500) << QRect(0, 24, 700, 500);
    QTest::newRow("title bar under the panel") << QRect(100, 10, 700, 500) << QRect(100, 24, 700, 500);
    QTest::newRow("title bar below the bottom") << QRect(100, 790, 700, 500) << QRect(100, 776, 700, 500);
    QTest::newRow("across both screens") << QRect(1000, 100, 700, 500) << QRect(1000, 100, 700, 500);
    QTest::newRow("from a bigger monitor") << QRect(100, 100, 3000, 2000) << QRect(0, 24, 1280, 776);
    QTest::newRow("wider than the screen") << QRect(400, 100, 1500, 500) << QRect(0, 100, 1280, 500);
    QTest::newRow("off the second screen") << QRect(2000, -100, 500, 300) << QRect(1804, 0, 500, 300);
    // Monitors that are gone: the window comes wholly onto the nearest screen.
    QTest::newRow("gone, right") << QRect(2400, 300, 702, 525) << QRect(1602, 243, 702, 525);
    QTest::newRow("gone, below") << QRect(100, 1500, 700, 500) << QRect(100, 300, 700, 500);
    QTest::newRow("gone, bigger") << QRect(-3000, 0, 1400, 900) << QRect(0, 24, 1280, 776);
}

void tst_WindowPlacement::keptOnScreen()
{
    QFETCH(QRect, stored);
    QFETCH(QRect, kept);
    const QList<QRect> areas{QRect(0, 24, 1280, 776), QRect(1280, 0, 1024, 768)};
    QCOMPARE(WindowPlacement::keptOnScreen(stored, areas, 24), kept);
}

QTEST_APPLESS_MAIN(tst_WindowPlacement)
#include "tst_WindowPlacement.moc"
