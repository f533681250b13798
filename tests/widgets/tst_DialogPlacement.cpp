#include "widgets/DialogPlacement.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

class tst_DialogPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void centredWithAThirdAbove();
};

void tst_DialogPlacement::centredWithAThirdAbove()
{
    QWidget window;
    window.setGeometry(10, 10, 200, 100);
    QDialog dialog;
    dialog.resize(300, 150);
    placeDialog(&dialog, &window);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int freeHeight = area.height() - 150;
    QCOMPARE(dialog.pos().x() - area.x(), (area.width() - 300) / 2);
    QCOMPARE(dialog.pos().y() - area.y(), freeHeight / 3);
    // Two thirds of the free height lie below it.
    QVERIFY(std::abs((area.bottom() + 1 - (dialog.pos().y() + 150)) - 2 * freeHeight / 3) <= 1);
}

QTEST_MAIN(tst_DialogPlacement)
#include "tst_DialogPlacement.moc"
