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
#include <unistd.h>

// The game on Wayland, in weston's headless compositor with a runtime folder
// of its own: a client there is never told where its window stands, so what
// the close stores must leave the stored position alone. The session is
// ended with SIGTERM, which stores as the close box does. And closed as a
// player closes it on sway, headless: the game must end every time.
class tst_e2e_wayland : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void keepsThePositionItCannotSee();
    void closesOnSway();

private:
    QTemporaryDir m_runtime;
    QProcess m_weston;
    const QString m_socket = QStringLiteral("tilimi-test");
};

void tst_e2e_wayland::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    QFile::setPermissions(m_runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    m_weston.setProcessEnvironment(env);
    m_weston.setStandardOutputFile(QProcess::nullDevice());
    m_weston.setStandardErrorFile(m_runtime.filePath(QStringLiteral("weston.log")));
    m_weston.start(QStringLiteral("weston"),
                   {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=") + m_socket,
                    QStringLiteral("--no-config"), QStringLiteral("--idle-time=0"),
                    QStringLiteral("--width=1280"), QStringLiteral("--height=800")});
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

// Starts the game from folder on the compositor at runtime/socket and waits
// until its window is up: the protocol's log shows the configure
// acknowledged and the first frame committed after it.
bool startGame(QProcess &p, const QString &folder, const QString &runtime, const QString &socket,
               QByteArray &log)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
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
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(TILIMI_BINARY), folder.filePath(QStringLiteral("tilimi"))));
    qint64 slowest = 0;
    for (int close = 0; close < 10; ++close) {
        // Without the protocol's log, which slows the game down: sway's tree
        // shows when the window is up.
        QProcess p;
        QProcessEnvironment gameEnv = QProcessEnvironment::systemEnvironment();
        gameEnv.remove(QStringLiteral("DISPLAY"));
        gameEnv.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        gameEnv.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
        gameEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        p.setProcessEnvironment(gameEnv);
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(folder.filePath(QStringLiteral("tilimi")), {});
        QTRY_VERIFY_WITH_TIMEOUT(swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")})
                                     .contains("\"app_id\": \"" TILIMI_APP_ID "\""),
                                 15000);
        // What sway's keyboard binding and title bar send: xdg_toplevel.close.
        swaymsg({QStringLiteral("[app_id=\"" TILIMI_APP_ID "\"] kill")});
        QElapsedTimer clock;
        clock.start();
        const bool ended = p.waitForFinished(10000);
        slowest = std::max(slowest, clock.elapsed());
        QVERIFY2(ended, qPrintable(QStringLiteral("close %1 left the game running").arg(close + 1)));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QFile(folder.filePath(QStringLiteral("DbData"))).size(), 568);
    }
    qInfo("the slowest of 10 closes on sway ended the game in %lld ms", slowest);
    // The player expects the game gone at once: a second on a busy machine.
    QVERIFY(slowest < 1500);
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
