#include "settings/SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The choice between a portable copy's own folder and an installed copy's
// configuration folder, made from a layout like the one the install leaves.
class tst_SettingsFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void portableCopyKeepsItsOwnFolder();
    void installedCopyUsesTheConfigurationFolder_data();
    void installedCopyUsesTheConfigurationFolder();

private:
    QString programFolder() const { return m_dir.filePath(QStringLiteral("prefix/bin")); }

    QTemporaryDir m_dir;
    QByteArray m_home;
};

void tst_SettingsFolder::init()
{
    QVERIFY(QDir().mkpath(programFolder()));
    m_home = qgetenv("HOME");
    qputenv("HOME", m_dir.path().toUtf8());
}

void tst_SettingsFolder::cleanup()
{
    qputenv("HOME", m_home);
    qunsetenv("XDG_CONFIG_HOME");
}

void tst_SettingsFolder::portableCopyKeepsItsOwnFolder()
{
    // Beside the executable, or anywhere but the marker's place, a file of
    // that name marks nothing.
    QFile beside(QDir(programFolder()).filePath(QStringLiteral("installed")));
    QVERIFY(beside.open(QIODevice::WriteOnly));
    QCOMPARE(SettingsFolder::forProgram(programFolder()), programFolder());
    // Its music chooser opens in the current folder, its own.
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("Music"))));
    QCOMPARE(SettingsFolder::firstMusicFolder(programFolder()), QString());
    QVERIFY(QDir(m_dir.filePath(QStringLiteral("Music"))).removeRecursively());
}

void tst_SettingsFolder::installedCopyUsesTheConfigurationFolder_data()
{
    QTest::addColumn<QByteArray>("xdgConfigHome");
    QTest::addColumn<QString>("expected");
    const QString home = m_dir.path();
    QTest::newRow("unset") << QByteArray() << home + QStringLiteral("/.config/tilimi");
    QTest::newRow("relative is ignored") << QByteArray("conf") << home + QStringLiteral("/.config/tilimi");
    QTest::newRow("absolute") << QByteArray("/elsewhere/conf/") << QStringLiteral("/elsewhere/conf/tilimi");
}

void tst_SettingsFolder::installedCopyUsesTheConfigurationFolder()
{
    QFETCH(QByteArray, xdgConfigHome);
    QFETCH(QString, expected);
    if (!xdgConfigHome.isEmpty())
        qputenv("XDG_CONFIG_HOME", xdgConfigHome);
    const QString marker = QDir::cleanPath(QDir(programFolder()).filePath(SettingsFolder::installedMarker()));
    QVERIFY(marker.startsWith(m_dir.path() + QStringLiteral("/prefix/")));
    QVERIFY(QDir().mkpath(QFileInfo(marker).path()));
    QFile file(marker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(SettingsFolder::forProgram(programFolder()), expected);

    // Its music chooser opens in the player's music folder, or at home
    // while there is none.
    QCOMPARE(SettingsFolder::firstMusicFolder(programFolder()), m_dir.path());
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("Music"))));
    QCOMPARE(SettingsFolder::firstMusicFolder(programFolder()), m_dir.filePath(QStringLiteral("Music")));
    QVERIFY(QDir(m_dir.filePath(QStringLiteral("Music"))).removeRecursively());
}

QTEST_GUILESS_MAIN(tst_SettingsFolder)
#include "tst_SettingsFolder.moc"
