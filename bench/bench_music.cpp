// The music's memory over a long session: resident memory after 5 and after
// 50 Start/Finish cycles, then after 50 loops of a short song. What one cycle
// or one loop keeps shows as growth past the first few, which warm GStreamer
// up (plugins, threads, allocator pools). Prints one line per measurement.
//
//   bench_music <short sound file> [audio sink, "fakesink sync=true" by default]

#include "music/Music.h"
#include "settings/TGameSettings.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTest>

#include <cstdio>

namespace {

// Resident memory of this process now, in MiB.
double residentMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

void record(const char *what, double value)
{
    std::printf("%s\t%.2f\n", what, value);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2 || !QFile::exists(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: bench_music <short sound file> [audio sink]\n");
        return 2;
    }
    const QString sink = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("fakesink sync=true");
    TGameSettings settings;
    settings.MusicFile.assignPath(QString::fromLocal8Bit(argv[1]));
    QMenu menu;
    Music music(settings, &menu, nullptr, sink, nullptr);

    record("music resident memory before playing (MiB)", residentMiB());
    const auto cycles = [&](int n) {
        for (int i = 0; i < n; ++i) {
            music.N20Click();
            QTest::qWait(30); // playing: the streaming threads run
            music.N22Click();
        }
        QTest::qWait(1100); // the stops' notices run out
    };
    cycles(5);
    record("music resident memory after 5 start/finish cycles (MiB)", residentMiB());
    cycles(45);
    record("music resident memory after 50 start/finish cycles (MiB)", residentMiB());

    // The loops without the second's pause: the replay is run as soon as the
    // end's notice has armed it.
    music.N20Click();
    int loops = 0;
    while (loops < 50) {
        if (!QTest::qWaitFor([&] { return music.tmNotify().isEnabled(); }, 5000)) {
            std::fprintf(stderr, "the song did not end after %d loops\n", loops);
            return 1;
        }
        music.TmNotifyTimer();
        ++loops;
    }
    music.N22Click();
    QTest::qWait(1100);
    record("music resident memory after 50 loops (MiB)", residentMiB());
    return 0;
}
