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

#include <cstdio>

// The game on Wayland, in weston's headless compositor with a runtime folder
// of its own: a client there is never told where its window stands, so what
// the close stores must leave the stored position alone. The session is
// ended with SIGTERM, which stores as the close box does.
class tst_e2e_wayland : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void keepsThePositionItCannotSee();

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

void tst_e2e_wayland::keepsThePositionItCannotSee()
{
    QTemporaryDir folder;
    const QString game = folder.filePath(QStringLiteral("tilimi"));
    QVERIFY(QFile::copy(QStringLiteral(TILIMI_BINARY), game));
    TGameSettings stored;
    stored.WinLeft = 300;
    stored.WinTop = 200;
    stored.WinWidth = 700;
    stored.WinHeight = 500;
    QFile db(folder.filePath(QStringLiteral("DbData")));
    QVERIFY(db.open(QIODevice::WriteOnly));
    db.write(stored.toBytes());
    db.close();

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    // The protocol's log shows when the window is up: the configure
    // acknowledged and the first frame committed after it.
    env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    p.setProcessEnvironment(env);
    p.start(game, {});
    QVERIFY(p.waitForStarted());
    QByteArray log;
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
    QVERIFY2(shown(), log.right(2000).constData());
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
