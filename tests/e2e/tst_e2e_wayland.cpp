#include "e2e/Desktop.h"
#include "settings/TGameSettings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>

// The game on Wayland, in a weston of the test's own, drawn into a window of
// the test's X server (nothing else there), with a runtime folder of its own:
// a client there is never told where its window stands, so what the close
// stores must leave the stored position alone. The session is ended with
// SIGTERM, which stores as the close box does. And closed as a player closes
// it, on weston and on sway, headless: the game must end every time.
class tst_e2e_wayland : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void keepsThePositionItCannotSee();
    void closesOnWeston();
    void closesOnSway();

private:
    // Starts the game ten times on the compositor at runtime/socket, waits
    // until shown() holds, closes it with close() and sees it end at once,
    // its record stored.
    static void closesTenTimes(const char *compositor, const QString &runtime, const QString &socket,
                               const std::function<bool()> &shown, const std::function<void()> &close);

    QTemporaryDir m_runtime;
    QProcess m_weston;
    const QString m_socket = QStringLiteral("tilimi-test");
};

void tst_e2e_wayland::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "weston draws into an X server: run through with-display.sh");
    QVERIFY(m_runtime.isValid());
    // A black desktop with no panel, where the one window is easy to see;
    // no animation or lock screen to wait for.
    QFile config(m_runtime.filePath(QStringLiteral("weston.ini")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("[shell]\nbackground-color=0xff000000\npanel-position=none\nlocking=false\n"
                 "animation=none\nclose-animation=none\nstartup-animation=none\nfocus-animation=none\n");
    config.close();
    QFile::setPermissions(m_runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    m_weston.setProcessEnvironment(env);
    m_weston.setStandardOutputFile(QProcess::nullDevice());
    m_weston.setStandardErrorFile(m_runtime.filePath(QStringLiteral("weston.log")));
    // Its X window covers the X screen, whose pointer is weston's.
    m_weston.start(QStringLiteral("weston"),
                   {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--use-pixman"),
                    QStringLiteral("--socket=") + m_socket, QStringLiteral("--config=") + config.fileName(),
                    QStringLiteral("--idle-time=0"), QStringLiteral("--width=1280"),
                    QStringLiteral("--height=800")});
    QVERIFY(m_weston.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_runtime.filePath(m_socket)), 10000);
}

void tst_e2e_wayland::cleanupTestCase()
{
    m_weston.terminate();
    if (!m_weston.waitForFinished(5000))
        m_weston.kill();
}

namespace {

QProcessEnvironment gameEnvironment(const QString &runtime, const QString &socket)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    return env;
}

// Starts the game from folder on the compositor at runtime/socket and waits
// until its window is up: the protocol's log shows the configure
// acknowledged and the first frame committed after it.
bool startGame(QProcess &p, const QString &folder, const QString &runtime, const QString &socket,
               QByteArray &log)
{
    QProcessEnvironment env = gameEnvironment(runtime, socket);
    env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    p.setProcessEnvironment(env);
    p.start(QDir(folder).filePath(QStringLiteral("tilimi")), {});
    if (!p.waitForStarted())
        return false;
    QElapsedTimer clock;
    clock.start();
    const auto shown = [&] {
        const qsizetype ack = log.indexOf(".ack_configure(");
        return ack >= 0 && log.indexOf("wl_surface@", ack) >= 0 && log.indexOf(".commit()", ack) >= 0;
    };
    while (!shown() && p.state() == QProcess::Running && clock.elapsed() < 15000) {
        p.waitForReadyRead(100);
        log += p.readAllStandardError();
    }
    return shown();
}

QByteArray storedPlacement(int left, int top, int width, int height)
{
    TGameSettings stored;
    stored.WinLeft = left;
    stored.WinTop = top;
    stored.WinWidth = width;
    stored.WinHeight = height;
    return stored.toBytes();
}

// Where the close box of the one window on weston's black desktop stands,
// found by looking, or a null point: the window's top is the first row with
// a long run of lit pixels, the box the rightmost glyph of the title bar Qt
// draws there.
QPoint closeBox(const QImage &shot)
{
    const auto lit = [&](int x, int y) { return qGray(shot.pixel(x, y)) > 0; };
    const auto dark = [&](int x, int y) { return qGray(shot.pixel(x, y)) < 96; };
    const int titleBar = 28;
    int top = 0;
    const auto litInRow = [&] {
        int n = 0;
        for (int x = 0; x < shot.width(); ++x)
            n += lit(x, top);
        return n;
    };
    while (top + titleBar < shot.height() && litInRow() < 200)
        ++top;
    if (top + titleBar >= shot.height())
        return QPoint();
    int right = shot.width() - 1;
    while (right > 0 && !lit(right, top + titleBar / 2))
        --right;
    QPoint sum;
    int count = 0, columns = 0;
    for (int x = right - 1; x > 0; --x) {
        int inColumn = 0;
        for (int y = top + 1; y < top + titleBar; ++y)
            if (dark(x, y)) {
                sum += QPoint(x, y);
                ++inColumn;
            }
        if (inColumn == 0 && columns > 0)
            break;
        count += inColumn;
        columns += inColumn > 0;
    }
    // A glyph, not a line of the frame.
    return columns >= 8 ? sum / count : QPoint();
}

} // namespace

void tst_e2e_wayland::keepsThePositionItCannotSee()
{
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(TILIMI_BINARY), folder.filePath(QStringLiteral("tilimi"))));
    QFile db(folder.filePath(QStringLiteral("DbData")));
    QVERIFY(db.open(QIODevice::WriteOnly));
    db.write(storedPlacement(300, 200, 700, 500));
    db.close();

    QProcess p;
    QByteArray log;
    QVERIFY2(startGame(p, folder.path(), m_runtime.path(), m_socket, log), log.right(2000).constData());
    // A dock ties the window to its launcher by the desktop entry's id.
    QVERIFY(log.contains(".set_app_id(\"" TILIMI_APP_ID "\")"));
    QFile status(QStringLiteral("/proc/%1/status").arg(p.processId()));
    if (status.open(QIODevice::ReadOnly)) {
        const QByteArray rss = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+ kB)"))
                                   .match(QString::fromLatin1(status.readAll())).captured(1).toLatin1();
        qInfo("the game's memory on Wayland: %s", rss.constData());
    }
    QTest::qWait(300);

    p.terminate(); // SIGTERM
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(db.open(QIODevice::ReadOnly));
    const QByteArray bytes = db.readAll();
    QCOMPARE(bytes.size(), 568);
    TGameSettings now;
    QVERIFY(TGameSettings::fromBytes(bytes, now));
    QCOMPARE(QRect(now.WinLeft, now.WinTop, now.WinWidth, now.WinHeight), QRect(300, 200, 700, 500));
    QCOMPARE(now.Maximized, 0);
}

void tst_e2e_wayland::closesTenTimes(const char *compositor, const QString &runtime, const QString &socket,
                                     const std::function<bool()> &shown, const std::function<void()> &close)
{
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(TILIMI_BINARY), folder.filePath(QStringLiteral("tilimi"))));
    const QString db = folder.filePath(QStringLiteral("DbData"));
    qint64 slowest = 0;
    for (int round = 1; round <= 10; ++round) {
        // Each close must store the record anew.
        QFile::remove(db);
        // Without the protocol's log, which slows the game down.
        QProcess p;
        p.setProcessEnvironment(gameEnvironment(runtime, socket));
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(folder.filePath(QStringLiteral("tilimi")), {});
        QVERIFY2(Desktop::waitFor(shown, 15000), qPrintable(QStringLiteral("start %1 showed no window").arg(round)));
        close();
        QElapsedTimer clock;
        clock.start();
        const bool ended = p.waitForFinished(10000);
        slowest = std::max(slowest, clock.elapsed());
        QVERIFY2(ended, qPrintable(QStringLiteral("close %1 left the game running").arg(round)));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QFile(db).size(), 568);
    }
    qInfo("the slowest of 10 closes on %s ended the game in %lld ms", compositor, slowest);
    // The player expects the game gone at once: a second on a busy machine.
    QVERIFY(slowest < 1500);
}

void tst_e2e_wayland::closesOnWeston()
{
    // weston has no binding that closes a window; the player clicks the
    // close box of the title bar Qt draws. The pointer waits in the corner,
    // out of the look, until the window is found and still.
    QPoint box;
    const auto shown = [&] {
        if (box.isNull())
            Desktop::run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("1279"),
                                                     QStringLiteral("799")});
        const QPoint seen = closeBox(Desktop::screenshot());
        const bool still = !seen.isNull() && seen == box;
        box = seen;
        return still;
    };
    // At a person's pace: the pointer rests on the box, the press lasts a moment.
    const auto click = [&] {
        Desktop::run(QStringLiteral("xdotool"),
                     {QStringLiteral("mousemove"), QString::number(box.x()), QString::number(box.y()),
                      QStringLiteral("sleep"), QStringLiteral("0.2"), QStringLiteral("mousedown"),
                      QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("0.1"),
                      QStringLiteral("mouseup"), QStringLiteral("1")});
        box = QPoint();
    };
    closesTenTimes("weston", m_runtime.path(), m_socket, shown, click);
}

void tst_e2e_wayland::closesOnSway()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sway")).isEmpty())
        QSKIP("sway is missing (./test.sh installs it)");
    // sway will not run as root; as root the test runs it as nobody.
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QFile config(runtime.filePath(QStringLiteral("config")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("xwayland disable\noutput * scale 2\n");
    config.close();
    QStringList command{QStringLiteral("sway"), QStringLiteral("-c"), config.fileName()};
    if (::getuid() == 0) {
        QVERIFY(::chown(QFile::encodeName(runtime.path()).constData(), 65534, 65534) == 0);
        command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                              QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")}
            + command;
    }
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcess sway;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    sway.setProcessEnvironment(env);
    sway.setStandardOutputFile(QProcess::nullDevice());
    sway.setStandardErrorFile(QProcess::nullDevice());
    sway.start(command.takeFirst(), command);
    QVERIFY(sway.waitForStarted());
    const QDir dir(runtime.path());
    QString socket, ipc;
    QTRY_VERIFY_WITH_TIMEOUT((socket = dir.entryList({QStringLiteral("wayland-?")}, QDir::System).value(0),
                              ipc = dir.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System).value(0),
                              !socket.isEmpty() && !ipc.isEmpty()),
                             10000);

    const auto swaymsg = [&](const QStringList &args) {
        QProcess m;
        m.start(QStringLiteral("swaymsg"), QStringList{QStringLiteral("-s"), dir.filePath(ipc)} + args);
        m.waitForFinished(5000);
        return m.readAllStandardOutput();
    };
    // sway's tree shows when the window is up; the kill is what sway's
    // keyboard binding and title bar send: xdg_toplevel.close.
    closesTenTimes(
        "sway", runtime.path(), socket,
        [&] {
            return swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")})
                .contains("\"app_id\": \"" TILIMI_APP_ID "\"");
        },
        [&] { swaymsg({QStringLiteral("[app_id=\"" TILIMI_APP_ID "\"] kill")}); });
    sway.terminate();
    if (!sway.waitForFinished(5000))
        sway.kill();
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool plugin = !QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"))
                             .entryList({QStringLiteral("libqwayland*")}).isEmpty();
    if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty() || !plugin) {
        std::puts("SKIP: weston or Qt's Wayland platform (qt6-wayland) is missing (./test.sh installs them)");
        return 77;
    }
    tst_e2e_wayland test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_wayland.moc"
