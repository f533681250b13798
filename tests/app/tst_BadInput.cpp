#include "../music/SoundFiles.h"
#include "TestWindow.h"
#include "base/Messages.h"
#include "app/TForm1.h"
#include "music/Music.h"
#include "music/MusicChooser.h"
#include "settings/ResultsFile.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool asRoot()
{
    return geteuid() == 0;
}

} // namespace

// What a damaged disk or a careless player can hand the program: settings
// files of every wrong shape, music files that cannot be played and a
// program folder that cannot be written. Nothing may crash and nothing
// stored may be lost.
class tst_BadInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void settingsFiles_data();
    void settingsFiles();
    void settingsFolderInsteadOfAFile();
    void settingsPipeInsteadOfAFile();
    void unreadableSettingsFile();
    void musicFiles_data();
    void musicFiles();
    void unwritableProgramFolder();
    void unwritableResults();

private:
    std::unique_ptr<TestWindow> m_f;
    SoundFiles m_sounds;
};

void tst_BadInput::init()
{
    m_f = std::make_unique<TestWindow>();
}

void tst_BadInput::cleanup()
{
    QFile::setPermissions(m_f->dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_f.reset();
}

void tst_BadInput::settingsFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("used");
    QTest::addColumn<int>("gap");
    TGameSettings good;
    good.Gap = 12;
    QTest::newRow("empty") << QByteArray("") << false << 1;
    QTest::newRow("1 byte") << QByteArray(1, '\1') << false << 1;
    QTest::newRow("567 bytes") << good.toBytes().left(567) << false << 1;
    QTest::newRow("568 zeros") << QByteArray(568, '\0') << false << 1;
    // Every field out of range falls back alone; the bevel width of 255 is kept.
    QTest::newRow("568 of 0xFF") << QByteArray(568, '\xFF') << true << 1;
    QTest::newRow("600 bytes") << good.toBytes() + QByteArray(32, '\xFF') << true << 12;
    TGameSettings outOfRange = good;
    outOfRange.Gap = 16;
    outOfRange.HiddenStyle.BorderStyle = 2;
    outOfRange.ShownStyle.BevelInner = 9;
    QTest::newRow("a gap of 16 and a style out of range") << outOfRange.toBytes() << true << 1;
    TGameSettings huge = good;
    huge.WinLeft = huge.WinTop = 0;
    huge.WinWidth = huge.WinHeight = 32767;
    QTest::newRow("a window of 32767 by 32767") << huge.toBytes() << true << 12;
    TGameSettings away = good;
    away.WinLeft = -300;
    away.WinTop = -250;
    away.WinWidth = 700;
    away.WinHeight = 500;
    QTest::newRow("a title bar off the screen") << away.toBytes() << true << 12;
}

void tst_BadInput::settingsFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, used);
    QFETCH(int, gap);
    m_f->writeDbData(contents);
    {
        auto w = m_f->start();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // The window lies on the screen, title bar and all, and costs what a
        // window of that size costs.
        const QRect screen = w->screen()->availableGeometry();
        QVERIFY(screen.contains(w->frameGeometry()));
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        QVERIFY2(usage.ru_maxrss < 400 * 1024, qPrintable(QString::number(usage.ru_maxrss)));
        QCOMPARE(w->settings().Gap, gap);
        QCOMPARE(QFile::exists(m_f->dbData()), used);
        QVERIFY(w->close());
    }
    QCOMPARE(m_f->readDbData().size(), 568);
    QVERIFY(m_f->messages.texts.isEmpty());
}

void tst_BadInput::settingsFolderInsteadOfAFile()
{
    QVERIFY(QDir(m_f->dir.path()).mkdir(QStringLiteral("DbData")));
    auto w = m_f->start();
    w->show();
    QVERIFY(w->settings() == w->defaultSettings());
    QVERIFY(!w->close()); // nothing can be written over a folder: the window stays
    QCOMPARE(m_f->messages.texts, QStringList{QStringLiteral("File access denied")});
    QVERIFY(QFileInfo(m_f->dbData()).isDir());
}

void tst_BadInput::settingsPipeInsteadOfAFile()
{
    QVERIFY(mkfifo(QFile::encodeName(m_f->dbData()).constData(), 0600) == 0);
    auto w = m_f->start(); // must not wait for a writer
    QVERIFY(w->settings() == w->defaultSettings());
    w->show();
    QVERIFY(w->close());
    QCOMPARE(m_f->readDbData().size(), 568);
}

void tst_BadInput::unreadableSettingsFile()
{
    if (asRoot())
        QSKIP("root reads every file");
    TGameSettings good;
    good.Gap = 12;
    m_f->writeDbData(good.toBytes());
    QFile::setPermissions(m_f->dbData(), QFile::WriteOwner);
    auto w = m_f->start();
    QCOMPARE(w->settings().Gap, 1);
    w->show();
    QVERIFY(w->close());
    QFile::setPermissions(m_f->dbData(), QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(m_f->readDbData(), w->settings().toBytes());
}

void tst_BadInput::musicFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("plays");
    const QString wav = m_sounds.wav(QStringLiteral("whole.wav"), 300);
    QFile whole(wav);
    whole.open(QIODevice::ReadOnly);
    const QByteArray bytes = whole.readAll();
    const auto make = [this](const QString &name, const QByteArray &content) {
        QFile f(m_sounds.path(name));
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return f.fileName();
    };
    QByteArray noise(30000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 2654435761u) >> 13);
    QTest::newRow("missing") << m_sounds.path(QStringLiteral("missing.mp3")) << false;
    QTest::newRow("empty") << make(QStringLiteral("empty.wav"), {}) << false;
    QTest::newRow("a folder") << m_sounds.folder() << false;
    QTest::newRow("random bytes named .mp3") << make(QStringLiteral("noise.mp3"), noise) << false;
    QTest::newRow("text named .wav") << make(QStringLiteral("words.wav"), "RIFF? no.\n") << false;
    QTest::newRow("WAV cut in its header") << make(QStringLiteral("head.wav"), bytes.left(20)) << false;
    QTest::newRow("WAV cut in its data") << make(QStringLiteral("half.wav"), bytes.left(bytes.size() / 2)) << true;
    const QString dir = m_sounds.folder() + QLatin1Char('/');
    const QString longName = dir + QString(259 - dir.size() - 4, QLatin1Char('x')) + QStringLiteral(".wav");
    QFile::copy(wav, longName);
    QTest::newRow("path of 259 characters") << longName << true;
    const QString odd = dir + QStringLiteral("песня 'с' \"кавычками\" и пробелами.wav");
    QFile::copy(wav, odd);
    QTest::newRow("spaces, quotes and Cyrillic") << odd << true;
}

void tst_BadInput::musicFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, plays);
    auto w = m_f->start();
    Music &music = w->music();
    m_f->music.always = path;
    music.N14Click();
    QCOMPARE(music.mediaPlayer1().Tag(), plays ? 1 : 0);
    QCOMPARE(m_f->messages.texts.size(), plays ? 0 : 1);
    if (!plays) {
        QCOMPARE(m_f->messages.texts.first(), Music::openFailedMessage());
        QVERIFY(w->settings().MusicFile.path().isEmpty());
        return;
    }
    QCOMPARE(w->settings().MusicFile.path(), path.left(255));
    // It loops: the end, a second's pause, and it plays again.
    QTRY_VERIFY_WITH_TIMEOUT(music.tmNotify().isEnabled(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(music.mediaPlayer1().isPlaying(), 3000);
    music.N22Click();
}

void tst_BadInput::unwritableProgramFolder()
{
    if (asRoot())
        QSKIP("root writes into read-only folders");
    TGameSettings old;
    old.Gap = 9;
    m_f->writeDbData(old.toBytes() + QByteArray(32, '\xFF')); // longer than the record it gets
    // A DbData the player can write takes the record in place.
    {
        auto w = m_f->start();
        w->show();
        QFile::setPermissions(m_f->dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(w->close());
        QVERIFY(m_f->messages.texts.isEmpty());
        QCOMPARE(m_f->readDbData(), w->settings().toBytes());
    }
    // One they cannot write keeps the window open.
    QFile::setPermissions(m_f->dbData(), QFile::ReadOwner);
    const QByteArray stored = m_f->readDbData();
    auto w = m_f->start();
    w->show();
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QCOMPARE(m_f->messages.texts, QStringList{QStringLiteral("File access denied")});
    // Exit still ends the program, and the old file is whole.
    QTimer::singleShot(0, w.get(), [&] { w->N5Click(); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(m_f->readDbData(), stored);
}

void tst_BadInput::unwritableResults()
{
    if (asRoot())
        QSKIP("root writes into read-only folders");
    const ResultsFile file(m_f->dir.path());
    BestResults old;
    old.add(BestResults::Small, {90'000, 40, QDateTime::currentDateTimeUtc().addDays(-1)});
    file.store(old);
    QFile::setPermissions(file.path(), QFile::ReadOwner);
    QFile::setPermissions(m_f->dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    auto w = m_f->start();
    // Every win fails to store: told once, the game goes on, the file stays.
    for (int board = 0; board < 3; ++board) {
        m_f->winBoard(*w, 30 + board);
        QVERIFY(w->game().timer4().isEnabled());
        w->game().Timer4Timer();
    }
    QTRY_COMPARE(m_f->messages.texts,
                 QStringList{QStringLiteral("Результат не удалось сохранить в файле %1: File access denied.")
                                 .arg(file.path())});
    QCOMPARE(file.load(), old);
    QCOMPARE(w->results().table(BestResults::Small).size(), 4);
    // Writable again, the next win stores all four and more; a later
    // failure is told again.
    QFile::setPermissions(file.path(), QFile::ReadOwner | QFile::WriteOwner);
    m_f->winBoard(*w, 10);
    w->game().Timer4Timer();
    QCOMPARE(file.load(), w->results());
    QCOMPARE(file.load().table(BestResults::Small).size(), 5);
    QFile::setPermissions(file.path(), QFile::ReadOwner);
    m_f->winBoard(*w, 9);
    QTRY_COMPARE(m_f->messages.texts.size(), 2);
}

// Permissions only hold for an ordinary user: run as root, the test starts
// itself again as "nobody" when it can.
int main(int argc, char *argv[])
{
    if (asRoot() && qEnvironmentVariableIsEmpty("TILIMI_AS_NOBODY")) {
        QCoreApplication probe(argc, argv);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TILIMI_AS_NOBODY"), QStringLiteral("1"));
        QTemporaryDir home;
        QFile::setPermissions(home.path(), QFile::ReadOther | QFile::WriteOther | QFile::ExeOther
                                               | QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(QStringLiteral("HOME"), home.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        QStringList args{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                         QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath()};
        args += QCoreApplication::arguments().mid(1);
        child.start(QStringLiteral("setpriv"), args);
        if (child.waitForStarted()) {
            child.waitForFinished(-1);
            // A child that could not even load (no access to the build folder)
            // leaves the test to root.
            if (child.exitStatus() == QProcess::NormalExit && child.exitCode() != 126 && child.exitCode() != 127)
                return child.exitCode();
        }
    }
    QApplication app(argc, argv);
    tst_BadInput test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_BadInput.moc"
