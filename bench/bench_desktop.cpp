// Measures the real game against the floor in an X server with a window
// manager: start-up to the first painted frame and to the first answered
// event, peak memory at several points, and the idle cost. Prints one line
// per measurement with the median of the runs.
//
//   bench_desktop <game binary> <floor binary> <runs> <sound file> [icon picture...]
//
// Given the icon's pictures, the floor also starts with them set as its icon
// before it shows ("floor with icon"). A sound file of "-" measures the
// start-up alone.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

// At 96 dots per inch both windows' client areas start here under openbox.
const QPoint Client(66, 61);
const QPoint Probe = Client + QPoint(20, 40);   // a tile of the game, the floor's background
const QPoint FirstMenu = Client + QPoint(20, 8); // "Игра" in both
const QPoint MenuProbe = Client + QPoint(40, 32); // inside the menu when it is open

QRgb pixel(QPoint p)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, p.x(), p.y(), 1, 1).toImage().pixel(0, 0);
}

void xdotool(const QStringList &args)
{
    QProcess::execute(QStringLiteral("xdotool"), args);
}

void pause(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QThread::msleep(5);
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

// Peak resident memory of the process, in MiB.
double peakMiB(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// CPU time in milliseconds and context switches (wake-ups) of all threads.
std::pair<double, long> cpuAndWakeups(qint64 pid)
{
    double cpu = 0;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray s = stat.readAll();
        const QList<QByteArray> f = s.mid(s.lastIndexOf(')') + 2).split(' ');
        cpu = (f[11].toDouble() + f[12].toDouble()) * 1000.0 / 100.0; // utime, stime in ticks
    }
    long wakeups = 0;
    const QStringList tasks = QDir(QStringLiteral("/proc/%1/task").arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &t : tasks) {
        QFile f(QStringLiteral("/proc/%1/task/%2/status").arg(pid).arg(t));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : f.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
                wakeups += line.mid(line.indexOf(':') + 1).trimmed().toLong();
    }
    return {cpu, wakeups};
}

struct Program
{
    QTemporaryDir dir;
    QProcess process;
    QElapsedTimer clock;

    explicit Program(const QString &binary, const QStringList &arguments = {})
    {
        const QString copy = dir.filePath(QStringLiteral("program"));
        QFile::copy(binary, copy);
        process.setProgram(copy);
        process.setArguments(arguments);
        process.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        process.setProcessEnvironment(env);
        process.setStandardErrorFile(QProcess::nullDevice());
    }
    ~Program()
    {
        process.kill();
        process.waitForFinished();
    }
    qint64 pid() const { return process.processId(); }
};

std::map<QString, QList<double>> results;

void record(const QString &what, double value)
{
    results[what] << value;
}

// Start-up: the first frame is the probe turning from the empty screen to
// the program's colour; the first answered event is a click on the first
// menu that opens it.
bool startUp(Program &p, const QString &name)
{
    const QRgb empty = pixel(Probe);
    p.clock.start();
    p.process.start();
    QRgb seen = empty;
    while (p.clock.elapsed() < 10000 && (seen = pixel(Probe)) == empty)
        QThread::usleep(500);
    if (seen == empty)
        return false;
    record(name + QStringLiteral(" first frame (ms)"), p.clock.nsecsElapsed() / 1e6);
    const QRgb before = pixel(MenuProbe);
    xdotool({QStringLiteral("mousemove"), QString::number(FirstMenu.x()), QString::number(FirstMenu.y()),
             QStringLiteral("click"), QStringLiteral("1")});
    while (p.clock.elapsed() < 10000 && pixel(MenuProbe) == before)
        QThread::usleep(500);
    record(name + QStringLiteral(" first answered event (ms)"), p.clock.nsecsElapsed() / 1e6);
    xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    pause(1000);
    record(name + QStringLiteral(" peak memory after start-up (MiB)"), peakMiB(p.pid()));
    return true;
}

void idle(Program &p, const QString &what)
{
    const auto before = cpuAndWakeups(p.pid());
    pause(10000);
    const auto after = cpuAndWakeups(p.pid());
    record(what + QStringLiteral(" CPU over 10 s (ms)"), after.first - before.first);
    record(what + QStringLiteral(" wake-ups over 10 s"), double(after.second - before.second));
}

void key(const QString &k)
{
    xdotool({QStringLiteral("key"), k});
    pause(150);
}

// Plays the small board to the end by looking at the tiles, as a person would.
void winABoard()
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QRgb silver = qRgb(0xc0, 0xc0, 0xc0);
    QList<int> xs, ys;
    for (int x = Client.x(), inside = 0; x < Client.x() + 504; ++x) {
        const bool hit = shot.pixel(x, Probe.y()) == silver;
        if (hit && !inside)
            xs << x + 20;
        inside = hit;
    }
    for (int y = Client.y(), inside = 0; y < Client.y() + 295; ++y) {
        const bool hit = shot.pixel(Probe.x(), y) == silver;
        if (hit && !inside)
            ys << y + 20;
        inside = hit;
    }
    QList<QPoint> tiles;
    for (int y : ys)
        for (int x : xs)
            tiles << QPoint(x, y);
    std::map<QRgb, int> seen;
    QList<bool> gone(tiles.size(), false);
    const QRgb grey = qRgb(0x80, 0x80, 0x80);
    const auto press = [&](int i) {
        xdotool({QStringLiteral("mousemove"), QString::number(tiles[i].x()), QString::number(tiles[i].y()),
                 QStringLiteral("click"), QStringLiteral("1")});
        pause(250);
        return pixel(tiles[i]);
    };
    int waiting = -1;
    for (int i = 0; i < tiles.size(); ++i) {
        if (gone[i])
            continue;
        const QRgb c = press(i);
        if (c == grey) {
            gone[i] = true;
            if (waiting >= 0)
                gone[waiting] = true;
            waiting = -1;
            continue;
        }
        const auto known = seen.find(c);
        if (known != seen.end() && !gone[known->second]) {
            press(known->second);
            gone[i] = gone[known->second] = true;
            waiting = -1;
        } else {
            seen[c] = i;
            waiting = i;
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 5)
        return 2;
    const QString game = QString::fromLocal8Bit(argv[1]);
    const QString floor = QString::fromLocal8Bit(argv[2]);
    const int runs = QString::fromLocal8Bit(argv[3]).toInt();
    const QString sound = QString::fromLocal8Bit(argv[4]);
    const bool startUpOnly = sound == QLatin1String("-");
    QStringList icon;
    for (int i = 5; i < argc; ++i)
        icon << QString::fromLocal8Bit(argv[i]);

    for (int run = 0; run < runs; ++run) {
        {
            Program p(floor);
            if (!startUp(p, QStringLiteral("floor")))
                return 1;
            if (!startUpOnly)
                idle(p, QStringLiteral("floor idle"));
        }
        pause(500);
        if (!icon.isEmpty()) {
            Program p(floor, icon);
            if (!startUp(p, QStringLiteral("floor with icon")))
                return 1;
        }
        pause(500);
        {
            Program p(game);
            if (!startUp(p, QStringLiteral("game")))
                return 1;
            if (startUpOnly)
                continue;
            idle(p, QStringLiteral("game idle"));
            // The demonstration: the Game menu's fourth item.
            xdotool({QStringLiteral("mousemove"), QString::number(FirstMenu.x()), QString::number(FirstMenu.y()),
                     QStringLiteral("click"), QStringLiteral("1")});
            pause(300);
            for (int i = 0; i < 4; ++i)
                key(QStringLiteral("Down"));
            key(QStringLiteral("Return"));
            idle(p, QStringLiteral("game demonstration"));
            xdotool({QStringLiteral("mousemove"), QString::number(Client.x() + 500), QString::number(Client.y() + 290),
                     QStringLiteral("click"), QStringLiteral("1")}); // the background stops it
            pause(2500);
            winABoard();
            pause(2500);
            record(QStringLiteral("game peak memory after a won game (MiB)"), peakMiB(p.pid()));
            for (const QStringList &keys : {QStringList{QStringLiteral("Right")},
                                            QStringList{QStringLiteral("Right"), QStringLiteral("Right")}}) {
                key(QStringLiteral("alt"));
                for (const QString &k : keys)
                    key(k);
                key(QStringLiteral("Return"));
                pause(400);
                key(QStringLiteral("alt")); // back through the Game item
                key(QStringLiteral("Return"));
                pause(300);
            }
            record(QStringLiteral("game peak memory after every page (MiB)"), peakMiB(p.pid()));
            if (run == 0 && QFile::exists(sound)) {
                // Music: Choose, the path typed into the chooser, 50 loops.
                key(QStringLiteral("alt"));
                key(QStringLiteral("Right"));
                key(QStringLiteral("Right"));
                key(QStringLiteral("Right"));
                key(QStringLiteral("Return"));
                key(QStringLiteral("Return"));
                pause(800);
                xdotool({QStringLiteral("type"), sound});
                key(QStringLiteral("Return"));
                const auto before = cpuAndWakeups(p.pid());
                QElapsedTimer loops;
                loops.start();
                pause(50 * 1100 + 500);
                const auto after = cpuAndWakeups(p.pid());
                record(QStringLiteral("game peak memory after 50 music loops (MiB)"), peakMiB(p.pid()));
                record(QStringLiteral("game CPU share while playing MP3 (%)"),
                       (after.first - before.first) * 100.0 / loops.elapsed());
            }
        }
        pause(500);
    }
    for (const auto &[what, values] : results)
        std::printf("%s\t%.1f\t%lld\n", qPrintable(what), median(values), static_cast<long long>(values.size()));
    return 0;
}
