#include "app/FirstFrameIcon.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// The window's icon waits for its first frame and takes only the sizes a
// title bar, a task bar and a switcher draw.
class tst_FirstFrameIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comesAfterTheFirstFrame();
};

void tst_FirstFrameIcon::comesAfterTheFirstFrame()
{
    QTemporaryDir folder;
    for (int size : {16, 64, 128, 256}) {
        QImage picture(size, size, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(folder.filePath(QStringLiteral("%1.png").arg(size))));
    }
    QWidget window;
    window.show();
    new FirstFrameIcon(&window, folder.path());
    QVERIFY(QApplication::windowIcon().isNull());
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(!QApplication::windowIcon().isNull());
    QCOMPARE(QApplication::windowIcon().availableSizes(), (QList<QSize>{QSize(16, 16), QSize(64, 64)}));
    QCOMPARE(window.windowIcon().availableSizes().size(), 2);
}

QTEST_MAIN(tst_FirstFrameIcon)
#include "tst_FirstFrameIcon.moc"
