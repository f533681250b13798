#include "Desktop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

Desktop::Desktop()
{
    QFile::copy(QStringLiteral(TILIMI_BINARY), m_dir.filePath(QStringLiteral("tilimi")));
    m_game.setProgram(m_dir.filePath(QStringLiteral("tilimi")));
    m_game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    m_game.setProcessEnvironment(env);
}

Desktop::~Desktop()
{
    kill();
}

QString Desktop::dbData() const
{
    return m_dir.filePath(QStringLiteral("DbData"));
}

QByteArray Desktop::readDbData() const
{
    QFile f(dbData());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Desktop::writeDbData(const QByteArray &bytes) const
{
    QFile f(dbData());
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QString Desktop::run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

bool Desktop::start()
{
    m_game.start();
    if (!m_game.waitForStarted())
        return false;
    const QString pid = QString::number(m_game.processId());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        const QStringList ids = run(QStringLiteral("xdotool"),
                                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--pid"), pid})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!ids.isEmpty()) {
            m_window = ids.last();
            // Framed by the window manager, fitted to its frame and painted.
            return waitFor([&] {
                       return run(QStringLiteral("xprop"), {QStringLiteral("-id"), m_window,
                                                            QStringLiteral("_NET_FRAME_EXTENTS")})
                           .contains(QLatin1Char('='));
                   })
                && waitUntilStill();
        }
        pause(50);
    }
    return false;
}

void Desktop::closeWindow()
{
    run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), m_window});
}

bool Desktop::waitForExit(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (isRunning() && clock.elapsed() < ms)
        pause(50);
    return !isRunning();
}

void Desktop::kill()
{
    if (isRunning()) {
        m_game.kill();
        m_game.waitForFinished();
    }
}

QRect Desktop::clientGeometry() const
{
    return geometryOf(m_window);
}

QString Desktop::windowNamed(const QString &name) const
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--all"),
                                           QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                           QString::number(m_game.processId()),
                                           QStringLiteral("--name"), name})
        .section(QLatin1Char('\n'), -1);
}

QRect Desktop::geometryOf(const QString &window)
{
    // xwininfo, unlike xdotool, reports the absolute position of a window
    // inside a window manager's frame correctly.
    const QStringList lines = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window})
                                  .split(QLatin1Char('\n'));
    QRect r;
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        const int value = line.section(QLatin1Char(':'), 1).trimmed().toInt();
        if (line.startsWith(QLatin1String("Absolute upper-left X:")))
            r.moveLeft(value);
        else if (line.startsWith(QLatin1String("Absolute upper-left Y:")))
            r.moveTop(value);
        else if (line.startsWith(QLatin1String("Width:")))
            r.setWidth(value);
        else if (line.startsWith(QLatin1String("Height:")))
            r.setHeight(value);
    }
    return r;
}

void Desktop::moveResize(const QRect &outer)
{
    const QRect before = clientGeometry();
    run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-r"), m_window, QStringLiteral("-e"),
                                   QStringLiteral("0,%1,%2,%3,%4").arg(outer.x()).arg(outer.y())
                                       .arg(outer.width()).arg(outer.height())});
    waitFor([&] { return clientGeometry() != before; }, 2000);
    waitUntilStill();
}

bool Desktop::waitUntilStill(int ms, int gapMs)
{
    QElapsedTimer clock;
    clock.start();
    QRect area = clientGeometry();
    QImage last = screenshot().copy(area);
    while (clock.elapsed() < ms) {
        pause(gapMs);
        const QRect nowArea = clientGeometry();
        const QImage now = screenshot().copy(nowArea);
        if (nowArea == area && now == last)
            return true;
        area = nowArea;
        last = now;
    }
    return false;
}

void Desktop::setMaximized(bool maximized)
{
    const QRect before = clientGeometry();
    run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-r"), m_window, QStringLiteral("-b"),
                                   (maximized ? QStringLiteral("add") : QStringLiteral("remove"))
                                       + QStringLiteral(",maximized_vert,maximized_horz")});
    waitFor([&] { return clientGeometry() != before; }, 2000);
    waitUntilStill(); // the window fits its frame once restored
}

bool Desktop::waitFor(const std::function<bool()> &condition, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(50);
    }
    return true;
}

QImage Desktop::screenshot()
{
    QProcess p;
    // Raw pixels, 8 bits a channel: no compression to wait for.
    p.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-depth"),
                                       QStringLiteral("8"), QStringLiteral("ppm:-")});
    p.waitForFinished(10000);
    return QImage::fromData(p.readAllStandardOutput(), "PPM").convertToFormat(QImage::Format_RGB32);
}

void Desktop::click(const QPoint &pos, int button)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(pos.x()),
                                    QString::number(pos.y()), QStringLiteral("click"),
                                    QString::number(button)});
}

void Desktop::key(const QString &keys)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

void Desktop::pause(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

int Desktop::darkPixels(const QImage &image, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < 100;
    return n;
}

QList<QPair<int, int>> Desktop::runsOf(const QImage &image, QPoint from, QPoint step, int count, QRgb colour)
{
    QList<QPair<int, int>> runs;
    bool inside = false;
    for (int i = 0; i < count; ++i) {
        const bool hit = image.pixel(from + step * i) == colour;
        if (hit && !inside)
            runs.append({i, i});
        if (hit)
            runs.last().second = i;
        inside = hit;
    }
    return runs;
}

QList<QRect> Desktop::tileInteriors(const QImage &image, const QRect &client, QRgb concealed)
{
    const auto rows = runsOf(image, {client.left() + 20, client.top()}, {0, 1}, client.height(), concealed);
    if (rows.isEmpty())
        return {};
    const auto cols = runsOf(image, {client.left(), client.top() + (rows[0].first + rows[0].second) / 2},
                             {1, 0}, client.width(), concealed);
    QList<QRect> interiors;
    for (const auto &r : rows)
        for (const auto &c : cols)
            interiors << QRect(client.left() + c.first, client.top() + r.first, c.second - c.first + 1,
                               r.second - r.first + 1);
    return interiors;
}

QStringList Desktop::cueAndPress(int from, int to, int cols)
{
    QStringList keys{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("0")};
    for (int d = to / cols - from / cols; d != 0; d += d > 0 ? -1 : 1)
        keys << (d > 0 ? QStringLiteral("Down") : QStringLiteral("Up"));
    for (int d = to % cols - from % cols; d != 0; d += d > 0 ? -1 : 1)
        keys << (d > 0 ? QStringLiteral("Right") : QStringLiteral("Left"));
    keys << QStringLiteral("space");
    return keys;
}
