#include "game/KeyboardCue.h"

#include <QTest>

class tst_KeyboardCue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstArrowShowsThenArrowsMoveUpToTheEdges();
    void aPressHidesItWhereItIs();
    void anotherBoardKeepsTheNearestPosition();
};

namespace {

QPoint at(const KeyboardCue &cue)
{
    return {cue.col(), cue.row()};
}

void steps(KeyboardCue &cue, int count, int dRow, int dCol)
{
    for (int i = 0; i < count; ++i)
        cue.step(dRow, dCol);
}

} // namespace

void tst_KeyboardCue::firstArrowShowsThenArrowsMoveUpToTheEdges()
{
    KeyboardCue cue;
    cue.setBoard(4, 6);
    QVERIFY(!cue.isShown());
    cue.step(1, 0);
    QVERIFY(cue.isShown());
    QCOMPARE(at(cue), QPoint(1, 1));
    steps(cue, 9, 0, 1);
    QCOMPARE(at(cue), QPoint(6, 1));
    steps(cue, 9, 1, 0);
    QCOMPARE(at(cue), QPoint(6, 4)); // no wrapping at either edge
    cue.step(0, -1);
    cue.step(-1, 0);
    QCOMPARE(at(cue), QPoint(5, 3));
    steps(cue, 9, -1, 0);
    steps(cue, 9, 0, -1);
    QCOMPARE(at(cue), QPoint(1, 1));
}

void tst_KeyboardCue::aPressHidesItWhereItIs()
{
    KeyboardCue cue;
    cue.setBoard(4, 6);
    steps(cue, 3, 0, 1);
    cue.hide();
    QVERIFY(!cue.isShown());
    cue.step(0, 1);
    QVERIFY(cue.isShown());
    QCOMPARE(at(cue), QPoint(3, 1));
}

void tst_KeyboardCue::anotherBoardKeepsTheNearestPosition()
{
    KeyboardCue cue;
    cue.setBoard(6, 8);
    cue.step(0, 1);
    steps(cue, 9, 1, 1);
    QCOMPARE(at(cue), QPoint(8, 6));
    cue.setBoard(4, 6);
    QCOMPARE(at(cue), QPoint(6, 4));
    QVERIFY(cue.isShown());
    cue.setBoard(6, 8);
    QCOMPARE(at(cue), QPoint(6, 4));
    cue.step(0, 1);
    QCOMPARE(at(cue), QPoint(7, 4));
}

QTEST_APPLESS_MAIN(tst_KeyboardCue)
#include "tst_KeyboardCue.moc"
