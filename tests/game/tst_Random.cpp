#include "game/Random.h"

#include <QTest>
#include <QTime>

class tst_Random : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sequenceForAFixedSeed();
    void seedFromTimeOfDay();
    void staysBelowTheBound();
};

void tst_Random::sequenceForAFixedSeed()
{
    Random zero(0);
    const std::uint32_t states[] = {0x1, 0x8088406, 0xdc6dac1f, 0x33dc589c, 0x45de2b0d};
    for (std::uint32_t expected : states) {
        zero(1);
        QCOMPARE(zero.state(), expected);
    }

    Random one(1);
    QCOMPARE(one(100), 3u);
    QCOMPARE(one(100), 86u);
    QCOMPARE(one(100), 20u);
    QCOMPARE(one(3), 0u);
    QCOMPARE(one(8), 5u);
    QCOMPARE(one(1000), 318u);
}

void tst_Random::seedFromTimeOfDay()
{
    QCOMPARE(Random::seedFor(QTime(0, 0, 0, 0)), 0u);
    QCOMPARE(Random::seedFor(QTime(13, 45, 7, 123)), std::uint32_t(((13 * 60 + 45) * 60 + 7) * 1000 + 123));
    QCOMPARE(Random::seedFor(QTime(23, 59, 59, 999)), 86399999u);
}

void tst_Random::staysBelowTheBound()
{
    Random r(0xFFFFFFFFu);
    for (int i = 0; i < 10000; ++i) {
        QVERIFY(r(6) < 6);
        QVERIFY(r(1) == 0);
    }
}

QTEST_GUILESS_MAIN(tst_Random)
#include "tst_Random.moc"
