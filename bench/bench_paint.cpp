// Repaint costs, measured in the process: a full repaint of the large board
// at 1920 by 1080 and of the picture page at 3840 by 2160.

#include "app/TForm1.h"
#include "game/Game.h"
#include "picture/PicturePage.h"

#include <QTemporaryDir>
#include <QTest>

class bench_paint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void largeBoard();
    void picturePage();
};

void bench_paint::largeBoard()
{
    QTemporaryDir dir;
    TForm1::Environment env;
    env.programFolder = dir.path();
    TForm1 w(env);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.game().Large();
    w.resize(1920, 1080 + w.height() - w.clientArea()->height());
    QTest::qWait(50);
    QCOMPARE(w.clientArea()->size(), QSize(1920, 1080));
    QImage target(1920, 1080, QImage::Format_RGB32);
    target.setDevicePixelRatio(1);
    QBENCHMARK {
        w.clientArea()->render(&target);
    }
}

void bench_paint::picturePage()
{
    PicturePage page(nullptr);
    page.resize(3840, 2160);
    QImage target(3840, 2160, QImage::Format_RGB32);
    target.setDevicePixelRatio(1);
    page.render(&target); // the first draw decodes; the benchmark is the redraw
    QBENCHMARK {
        page.render(&target);
    }
}

QTEST_MAIN(bench_paint)
#include "bench_paint.moc"
