#include "e2e/Desktop.h"
#include "music/SoundServer.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QSocketNotifier>
#include <QTest>

#ifdef TILIMI_XSMP
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#endif

#include <memory>

// The end of a session: SIGTERM, as a session or service manager sends it at
// logout, stores the record the close box would have stored, then ends the
// game; idle, and with music playing through a sound server of the test's
// own and the settings page open. Exits 77 (skipped) when the server or its
// tools are not installed. And the session manager's save: a checkpoint
// stores the record and the game plays on; a logout's save then its message
// to die store and end it.
class tst_e2e_session : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sigtermStoresAsTheCloseBox();
    void checkpointStoresAndPlaysOn();

private:
    static bool musicPlays(qint64 pid);
};

bool tst_e2e_session::musicPlays(qint64 pid)
{
    // The player's streaming threads are named after their element and pad.
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().contains(':'))
            return true;
    }
    return false;
}

void tst_e2e_session::sigtermStoresAsTheCloseBox()
{
    SoundServer server; // before the game, which takes its environment
    QVERIFY(server.start());
    Desktop desktop;
    // A remembered song: a second of tone.
    const QString song = QDir(desktop.folder()).filePath(QStringLiteral("song.wav"));
    Desktop::run(QStringLiteral("gst-launch-1.0"),
                 {QStringLiteral("-q"), QStringLiteral("audiotestsrc"), QStringLiteral("num-buffers=100"),
                  QStringLiteral("samplesperbuffer=441"), QStringLiteral("!"), QStringLiteral("wavenc"),
                  QStringLiteral("!"), QStringLiteral("filesink"), QStringLiteral("location=") + song});
    QVERIFY(QFile::exists(song));
    TGameSettings withSong;
    withSong.MusicFile.assignPath(song);
    withSong.MusicDir.assignPath(desktop.folder());
    desktop.writeDbData(withSong.toBytes());

    const QRect places[] = {{120, 90, 640, 460}, {200, 60, 700, 500}};
    QByteArray before;
    for (const bool busy : {false, true}) {
        const QRect place = places[busy];
        QVERIFY(desktop.start());
        desktop.moveResize(place);
        if (busy) {
            // Музыка ▸ Начать воспроизведение, then Настройки, from the keyboard.
            desktop.key(QStringLiteral("alt"));
            for (int i = 0; i < 3; ++i)
                desktop.key(QStringLiteral("Right"));
            desktop.key(QStringLiteral("Down"));
            desktop.key(QStringLiteral("Down"));
            desktop.key(QStringLiteral("Return"));
            QVERIFY(Desktop::waitFor([&] { return musicPlays(desktop.processId()); }));
            desktop.key(QStringLiteral("alt"));
            desktop.key(QStringLiteral("Right"));
            desktop.key(QStringLiteral("Return"));
            const QRect client = desktop.clientGeometry();
            QVERIFY(Desktop::waitFor([&] {
                const QImage shot = desktop.screenshot();
                for (int y = client.top(); y < client.bottom(); ++y)
                    if (shot.pixel(client.left() + 4, y) == qRgb(0, 0x80, 0x80))
                        return true; // the settings page's teal
                return false;
            }));
        }
        before = desktop.readDbData();
        desktop.terminate();
        QVERIFY(desktop.waitForExit());
        QCOMPARE(desktop.exitCode(), 0);
        const QByteArray ended = desktop.readDbData();
        QCOMPARE(ended.size(), 568);
        QVERIFY(SettingsFile::parse(ended).has_value());
        QVERIFY2(ended.mid(12, 16) != before.mid(12, 16), "the placement was not stored");

        // The close box, in the same place, stores the same record.
        QVERIFY(desktop.start());
        desktop.moveResize(place);
        desktop.closeWindow();
        QVERIFY(desktop.waitForExit());
        QCOMPARE(desktop.readDbData(), ended);
    }
    // Nothing but the game, its song and its record.
    QCOMPARE(QDir(desktop.folder()).entryList(QDir::Files),
             (QStringList{QStringLiteral("DbData"), QStringLiteral("song.wav"), QStringLiteral("tilimi")}));
}

#ifdef TILIMI_XSMP
namespace {

// A session manager on libSM, as xsm is: it listens where SESSION_MANAGER
// says, registers the one client that comes and sends it what xsm's
// Checkpoint and Shutdown buttons send.
class SessionManager
{
public:
    bool listen()
    {
        char error[256] = {};
        // A client that goes is a closed connection, not the end of the test.
        IceSetIOErrorHandler([](IceConn) {});
        if (!SmsInitialize("tilimi-test", "1", &SessionManager::newClient, this, &SessionManager::anyHost,
                           sizeof error, error)
            || !IceListenForConnections(&m_count, &m_listeners, sizeof error, error))
            return false;
        char *ids = IceComposeNetworkIdList(m_count, m_listeners);
        qputenv("SESSION_MANAGER", ids);
        free(ids);
        for (int i = 0; i < m_count; ++i) {
            IceSetHostBasedAuthProc(m_listeners[i], &SessionManager::anyHost);
            auto *n = new QSocketNotifier(IceGetListenConnectionNumber(m_listeners[i]), QSocketNotifier::Read);
            IceListenObj listener = m_listeners[i];
            QObject::connect(n, &QSocketNotifier::activated, n, [this, listener] { accept(listener); });
            m_notifiers.emplace_back(n);
        }
        return true;
    }
    ~SessionManager()
    {
        m_notifiers.clear();
        if (m_count)
            IceFreeListenObjs(m_count, m_listeners);
        qunsetenv("SESSION_MANAGER");
    }
    bool registered() const { return m_client != nullptr; }
    int saved() const { return m_saved; }
    void saveYourself(bool shutdown)
    {
        SmsSaveYourself(m_client, SmSaveBoth, shutdown, SmInteractStyleAny, False);
    }
    void die() { SmsDie(m_client); }

private:
    void accept(IceListenObj listener)
    {
        IceAcceptStatus status;
        IceConn conn = IceAcceptConnection(listener, &status);
        if (!conn)
            return;
        auto *n = new QSocketNotifier(IceConnectionNumber(conn), QSocketNotifier::Read);
        QObject::connect(n, &QSocketNotifier::activated, n, [n, conn] {
            if (IceProcessMessages(conn, nullptr, nullptr) == IceProcessMessagesIOError) {
                n->setEnabled(false);
                IceCloseConnection(conn);
            }
        });
        m_notifiers.emplace_back(n);
    }
    static Bool anyHost(char *) { return True; }
    static Status newClient(SmsConn conn, SmPointer self, unsigned long *mask, SmsCallbacks *cb, char **)
    {
        *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask
            | SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask
            | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask
            | SmsGetPropertiesProcMask;
        cb->register_client.callback = [](SmsConn c, SmPointer d, char *previous) -> Status {
            free(previous);
            char *id = SmsGenerateClientID(c);
            SmsRegisterClientReply(c, id);
            free(id);
            static_cast<SessionManager *>(d)->m_client = c;
            return 1;
        };
        cb->interact_request.callback = [](SmsConn c, SmPointer, int) { SmsInteract(c); };
        cb->interact_done.callback = [](SmsConn, SmPointer, Bool) {};
        cb->save_yourself_request.callback = [](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {};
        cb->save_yourself_phase2_request.callback = [](SmsConn c, SmPointer) { SmsSaveYourselfPhase2(c); };
        cb->save_yourself_done.callback = [](SmsConn, SmPointer d, Bool) {
            ++static_cast<SessionManager *>(d)->m_saved;
        };
        cb->close_connection.callback = [](SmsConn c, SmPointer d, int count, char **reasons) {
            SmFreeReasons(count, reasons);
            SmsCleanUp(c);
            static_cast<SessionManager *>(d)->m_client = nullptr;
        };
        cb->set_properties.callback = [](SmsConn, SmPointer, int count, SmProp **props) {
            for (int i = 0; i < count; ++i)
                SmFreeProperty(props[i]);
            free(props);
        };
        cb->delete_properties.callback = [](SmsConn, SmPointer, int count, char **names) {
            for (int i = 0; i < count; ++i)
                free(names[i]);
            free(names);
        };
        cb->get_properties.callback = [](SmsConn c, SmPointer) { SmsReturnProperties(c, 0, nullptr); };
        for (auto *data : {&cb->register_client.manager_data, &cb->interact_request.manager_data,
                           &cb->interact_done.manager_data, &cb->save_yourself_request.manager_data,
                           &cb->save_yourself_phase2_request.manager_data,
                           &cb->save_yourself_done.manager_data, &cb->close_connection.manager_data,
                           &cb->set_properties.manager_data, &cb->delete_properties.manager_data,
                           &cb->get_properties.manager_data})
            *data = self;
        static_cast<SessionManager *>(self)->m_client = nullptr;
        Q_UNUSED(conn);
        return 1;
    }

    int m_count = 0;
    IceListenObj *m_listeners = nullptr;
    std::vector<std::unique_ptr<QSocketNotifier>> m_notifiers;
    SmsConn m_client = nullptr;
    int m_saved = 0;
};

} // namespace

void tst_e2e_session::checkpointStoresAndPlaysOn()
{
    SessionManager manager;
    QVERIFY(manager.listen());
    Desktop desktop; // takes SESSION_MANAGER with the environment
    QVERIFY(desktop.start());
    QVERIFY(Desktop::waitFor([&] { return manager.registered(); }));
    const QRect places[] = {{130, 80, 650, 470}, {210, 70, 690, 480}};
    QByteArray stored = desktop.readDbData();
    for (const QRect &place : places) {
        desktop.moveResize(place);
        const int saved = manager.saved();
        manager.saveYourself(false);
        QVERIFY(Desktop::waitFor([&] { return manager.saved() > saved; }));
        const QByteArray now = desktop.readDbData();
        QVERIFY2(now.mid(12, 16) != stored.mid(12, 16), "the checkpoint stored no placement");
        stored = now;
        // Still there, and still playing: the window takes a key.
        QTest::qWait(500);
        QVERIFY(desktop.isRunning());
        QVERIFY(!desktop.clientGeometry().isEmpty());
    }
    // A logout: the save, then the manager's message to die.
    desktop.moveResize({150, 100, 640, 460});
    const int saved = manager.saved();
    manager.saveYourself(true);
    QVERIFY(Desktop::waitFor([&] { return manager.saved() > saved; }));
    QVERIFY(desktop.readDbData().mid(12, 16) != stored.mid(12, 16));
    manager.die();
    QVERIFY(desktop.waitForExit());
    QCOMPARE(desktop.exitCode(), 0);
}
#else
void tst_e2e_session::checkpointStoresAndPlaysOn()
{
    QSKIP("libSM and libICE (libsm-dev, libice-dev) are missing: ./test.sh installs them");
}
#endif

int main(int argc, char *argv[])
{
    return runWithSoundServer<QGuiApplication, tst_e2e_session>(argc, argv);
}

#include "tst_e2e_session.moc"
