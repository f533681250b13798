#include "settings/IoError.h"
#include "settings/PreferencesFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class tst_PreferencesFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTripKeepsWhatItDoesNotKnow();
    void damagedFilesGiveTheDefaults_data();
    void damagedFilesGiveTheDefaults();
    void aFolderThatCannotBeWritten();

private:
    QString path() const { return m_dir.filePath(QString::fromLatin1(PreferencesFile::FileName)); }
    void write(const QByteArray &bytes) const
    {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

void tst_PreferencesFile::roundTripKeepsWhatItDoesNotKnow()
{
    const PreferencesFile file(m_dir.path());
    QCOMPARE(file.load(), Preferences{});
    QVERIFY(!Preferences{}.ColorMarks);
    file.store({true, 3});
    QVERIFY(file.load().ColorMarks);
    QCOMPARE(file.load().Opponent, 3);
    QCOMPARE(QJsonDocument::fromJson(read()).object().value(QStringLiteral("opponent")),
             QJsonValue(QStringLiteral("computerStrong")));
    QCOMPARE(QJsonDocument::fromJson(read()).object().value(QStringLiteral("colorMarks")), QJsonValue(true));

    // A newer version's choices outlive a store by this one.
    write(R"({"colorMarks": true, "sound": {"volume": 7}})");
    file.store({false});
    QVERIFY(!file.load().ColorMarks);
    const QJsonObject stored = QJsonDocument::fromJson(read()).object();
    QCOMPARE(stored.value(QStringLiteral("sound")).toObject().value(QStringLiteral("volume")), QJsonValue(7));
    // Nothing is left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QString::fromLatin1(PreferencesFile::FileName)});
}

void tst_PreferencesFile::damagedFilesGiveTheDefaults_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("colorMarks=true");
    QTest::newRow("cut off") << QByteArray(R"({"colorMarks": tr)");
    QTest::newRow("an array") << QByteArray("[true]");
    QTest::newRow("a string for the choice") << QByteArray(R"({"colorMarks": "true"})");
    QTest::newRow("a number for the choice") << QByteArray(R"({"colorMarks": 1})");
    QTest::newRow("an opponent unheard of") << QByteArray(R"({"opponent": "computerCheating"})");
    QTest::newRow("an opponent by number") << QByteArray(R"({"opponent": 2})");
    QTest::newRow("binary") << QByteArray("\x00\xff{\"colorMarks\":true}", 21);
    QByteArray huge = R"({"colorMarks": true, "pad": ")";
    huge += QByteArray(PreferencesFile::MaxBytes, 'x') + "\"}";
    QTest::newRow("longer than a preferences file") << huge;
    QByteArray deep(5000, '[');
    QTest::newRow("nested deeper than a parser goes") << deep;
}

void tst_PreferencesFile::damagedFilesGiveTheDefaults()
{
    QFETCH(QByteArray, contents);
    write(contents);
    QCOMPARE(PreferencesFile(m_dir.path()).load(), Preferences{});
    // Loading leaves the file alone; the next store replaces it.
    QCOMPARE(read(), contents);
    PreferencesFile(m_dir.path()).store({true});
    QVERIFY(PreferencesFile(m_dir.path()).load().ColorMarks);
}

void tst_PreferencesFile::aFolderThatCannotBeWritten()
{
    // A folder in the file's place and a pipe, neither of which blocks the start.
    QFile::remove(path());
    QVERIFY(QDir(m_dir.path()).mkdir(QString::fromLatin1(PreferencesFile::FileName)));
    const PreferencesFile file(m_dir.path());
    QCOMPARE(file.load(), Preferences{});
    try {
        file.store({true});
        QFAIL("stored into a folder");
    } catch (const IoError &e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("File access denied"));
    }
    QVERIFY(QDir(m_dir.path()).rmdir(QString::fromLatin1(PreferencesFile::FileName)));
    QCOMPARE(mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    QCOMPARE(file.load(), Preferences{});

    // A folder that has gone.
    const PreferencesFile gone(m_dir.filePath(QStringLiteral("gone")));
    QVERIFY_THROWS_EXCEPTION(IoError, gone.store({true}));
    QCOMPARE(gone.load(), Preferences{});
}

QTEST_GUILESS_MAIN(tst_PreferencesFile)
#include "tst_PreferencesFile.moc"
