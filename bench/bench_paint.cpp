// Repaint costs, measured in the process: a full repaint of the large board
// at 1920 by 1080, and of the game's window on its picture page against the
// floor's window at three sizes, whole and below the menu bar. Each prints
// the median CPU time of a repaint and, under callgrind started with
// --instr-atstart=no (bench/run.sh), dumps the instructions of one under its
// name: counts a loaded machine does not disturb. Qt's own -callgrind needs a
// Qt built with valgrind's client requests, which Debian's is not.

#include "FloorWindow.h"
#include "app/TForm1.h"
#include "game/Game.h"

#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <valgrind/callgrind.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

class bench_paint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void largeBoard();
    void picturePage_data() { sizes(); }
    void picturePage();
    void floor_data() { sizes(); }
    void floor();

private:
    static void sizes();
    // A full repaint of the whole window at the row's size.
    static void repaint(QMainWindow &window);
    // Prints the median CPU time of repaint and, under callgrind, dumps the
    // instructions of one under name.
    static void measure(const QByteArray &name, const std::function<void()> &repaint);
};

void bench_paint::sizes()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("700x500") << QSize(700, 500);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
}

void bench_paint::repaint(QMainWindow &window)
{
    QFETCH(QSize, size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(size);
    QTRY_COMPARE(window.size(), size);
    QImage target(size, QImage::Format_RGB32);
    target.setDevicePixelRatio(1);
    window.render(&target); // the first draw may decode and stretch; the benchmark is the redraw
    // The whole window, and the page alone: what lies below the menu bar.
    const QRegion whole(window.rect());
    const QRegion page(window.rect().adjusted(0, window.menuBar()->height(), 0, 0));
    for (const auto &[part, region] : {std::pair("window", whole), std::pair("page", page)})
        measure(QByteArray(QTest::currentTestFunction()) + ' ' + QTest::currentDataTag() + ' ' + part,
                [&] { window.render(&target, QPoint(), region); });
}

void bench_paint::measure(const QByteArray &name, const std::function<void()> &repaint)
{
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_ZERO_STATS;
    repaint();
    CALLGRIND_DUMP_STATS_AT(name.constData());
    CALLGRIND_STOP_INSTRUMENTATION;
    // The median CPU time: a loaded machine stretches the wall time, much
    // less the time the thread itself runs. Five repaints untimed first: the
    // first whole repaints after a new size ran 0.1 ms slower at 1920 by
    // 1080 than the same repaints a moment later.
    for (int i = 0; i < 5; ++i)
        repaint();
    QList<double> cpu;
    for (int i = 0; i < 15; ++i) {
        timespec start{}, end{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
        repaint();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
        cpu << (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
    }
    std::sort(cpu.begin(), cpu.end());
    std::printf("CPU\t%s\t%.3f\n", name.constData(), cpu[cpu.size() / 2]);
}

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
    w.clientArea()->render(&target);
    measure("largeBoard 1920x1080", [&] { w.clientArea()->render(&target); });
}

void bench_paint::picturePage()
{
    QTemporaryDir dir;
    TForm1::Environment env;
    env.programFolder = dir.path();
    TForm1 w(env);
    w.findChild<QAction *>(QStringLiteral("N10"))->trigger();
    repaint(w);
}

void bench_paint::floor()
{
    FloorWindow w;
    repaint(w);
}

QTEST_MAIN(bench_paint)
#include "bench_paint.moc"
