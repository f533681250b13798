#include "Seed.h"
#include "settings/IoError.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class tst_SettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void loading_data();
    void loading();
    void boardComesFromTheSizeFlag();
    void longerFileGivesItsFirstRecord();
    void folderNamedDbDataGivesDefaults();
    void randomContentsKeepWhatIsInRange();
    void storeWritesOneRecord();
    void storeIntoReadOnlyFolder();
    void storeIntoMissingFolderFails();
    void storeMakesTheMissingConfigurationFolder();

private:
    void write(const QByteArray &bytes);
    QByteArray read() const;
    TGameSettings defaults() const;
    // The text of the error the store ends with; empty when it succeeds.
    QString storeError(const SettingsFile &file) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SettingsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_SettingsFile::cleanup()
{
    // The folder is made read-only in some cases; it must go when the test does.
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_SettingsFile::write(const QByteArray &bytes)
{
    QFile f(m_dir->filePath(QStringLiteral("DbData")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray tst_SettingsFile::read() const
{
    QFile f(m_dir->filePath(QStringLiteral("DbData")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString tst_SettingsFile::storeError(const SettingsFile &file) const
{
    try {
        file.store(defaults());
    } catch (const IoError &e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

TGameSettings tst_SettingsFile::defaults() const
{
    TGameSettings d;
    d.WinLeft = 65;
    d.WinTop = 41;
    d.WinWidth = 506;
    d.WinHeight = 320;
    return d;
}

void tst_SettingsFile::loading_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("kept");
    TGameSettings good;
    good.Gap = 9;
    good.SmallBoard = 0;
    good.Cols = 8;
    good.Rows = 6;
    QTest::newRow("no file") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("1 byte") << QByteArray("\x01", 1) << false;
    QTest::newRow("567 bytes") << good.toBytes().left(567) << false;
    QTest::newRow("568 zeros") << QByteArray(568, '\0') << false;
    TGameSettings noBevel = good;
    noBevel.HiddenStyle.BevelWidth = 0;
    QTest::newRow("no concealed bevel width") << noBevel.toBytes() << false;
    QTest::newRow("a good record") << good.toBytes() << true;
}

void tst_SettingsFile::loading()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, kept);
    if (!contents.isNull())
        write(contents);
    const SettingsFile file(m_dir->path());
    const TGameSettings loaded = file.load(defaults());
    if (kept) {
        QCOMPARE(loaded.toBytes(), contents);
        QVERIFY(QFile::exists(file.path()));
    } else {
        QVERIFY(loaded == defaults());
        QVERIFY(!QFile::exists(file.path()));
    }
}

void tst_SettingsFile::boardComesFromTheSizeFlag()
{
    // Columns and rows that disagree with the flag cost the record nothing.
    const struct { int flag, cols, rows, wantCols, wantRows; } cases[] = {
        {1, 8, 6, 6, 4}, {0, 6, 4, 8, 6}, {7, 0, 255, 8, 6}};
    for (const auto &c : cases) {
        TGameSettings s = defaults();
        s.Gap = 9;
        s.SmallBoard = std::uint8_t(c.flag);
        s.Cols = std::uint8_t(c.cols);
        s.Rows = std::uint8_t(c.rows);
        write(s.toBytes());
        const SettingsFile file(m_dir->path());
        const TGameSettings loaded = file.load(defaults());
        QCOMPARE(loaded.Gap, 9);
        QCOMPARE(int(loaded.SmallBoard), c.flag);
        QCOMPARE(QPoint(loaded.Cols, loaded.Rows), QPoint(c.wantCols, c.wantRows));
        QVERIFY(QFile::exists(file.path()));
    }
}

void tst_SettingsFile::longerFileGivesItsFirstRecord()
{
    TGameSettings s = defaults();
    s.Gap = 3;
    write(s.toBytes() + QByteArray(32, '\x7f'));
    const SettingsFile file(m_dir->path());
    const TGameSettings loaded = file.load(defaults());
    QCOMPARE(loaded.Gap, 3);
    file.store(loaded);
    QCOMPARE(QFileInfo(file.path()).size(), 568);
}

void tst_SettingsFile::folderNamedDbDataGivesDefaults()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("DbData")));
    const SettingsFile file(m_dir->path());
    QVERIFY(file.load(defaults()) == defaults());
    QCOMPARE(storeError(file), QStringLiteral("File access denied"));
    QVERIFY(QFileInfo(file.path()).isDir());
}

void tst_SettingsFile::randomContentsKeepWhatIsInRange()
{
    QRandomGenerator random(testSeed());
    auto *rng = &random;
    const SettingsFile file(m_dir->path());
    for (int i = 0; i < 2000; ++i) {
        QByteArray raw(rng->bounded(700), '\0');
        for (auto &b : raw)
            b = char(rng->bounded(256));
        // Half of the records get plausible values, so both outcomes occur.
        if (i % 2 && raw.size() >= 568) {
            raw[0] = 1; raw[1] = 6; raw[2] = 4;
            raw[8] = char(rng->bounded(16)); raw[9] = raw[10] = raw[11] = 0;
            raw[32] = raw[44] = char(rng->bounded(2));
            raw[34] = char(1 + rng->bounded(255));
            for (int k : {35, 36, 47, 48})
                raw[k] = char(rng->bounded(4));
        }
        write(raw);
        const TGameSettings loaded = file.load(defaults());
        if (raw.size() < 568 || raw[34] == 0) {
            QVERIFY(loaded == defaults());
            QVERIFY(!QFile::exists(file.path()));
            continue;
        }
        // A whole record with a bevel width is kept: the board, the gap and
        // the style bytes come into range, every other byte is as it was read.
        QVERIFY(QFile::exists(file.path()));
        QVERIFY(loaded.Gap >= 0 && loaded.Gap <= 15);
        for (const TPanelStyle &st : {loaded.HiddenStyle, loaded.ShownStyle})
            QVERIFY(st.BorderStyle <= 1 && st.BevelInner <= 3 && st.BevelOuter <= 3);
        QByteArray back = loaded.toBytes();
        if (i % 2 == 0) {
            for (int k : {1, 2, 8, 9, 10, 11, 32, 35, 36, 44, 47, 48})
                back[k] = raw[k];
        }
        QCOMPARE(back, raw.left(568));
    }
}

void tst_SettingsFile::storeWritesOneRecord()
{
    const SettingsFile file(m_dir->path());
    TGameSettings s = defaults();
    s.MusicFile.assignPath(QStringLiteral("/музыка/песня.mp3"));
    write(QByteArray(1000, 'x'));
    file.store(s);
    QCOMPARE(read(), s.toBytes());
    // Nothing but the record is left in the folder.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("DbData")});
}

void tst_SettingsFile::storeIntoReadOnlyFolder()
{
    if (geteuid() == 0)
        QSKIP("root writes into read-only folders");
    const SettingsFile file(m_dir->path());
    const auto folderWritable = [this](bool writable) {
        QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner
                                                 | (writable ? QFile::WriteOwner : QFile::Permissions()));
    };
    // A DbData the player may write is written in place.
    write(QByteArray(1000, 'o'));
    folderWritable(false);
    QCOMPARE(storeError(file), QString());
    QCOMPARE(read(), defaults().toBytes());
    // One they may not write cannot be replaced, and stays whole.
    QFile::setPermissions(file.path(), QFile::ReadOwner);
    QCOMPARE(storeError(file), QStringLiteral("File access denied"));
    QCOMPARE(read(), defaults().toBytes());
    // Nor can a missing one be made.
    folderWritable(true);
    QVERIFY(QFile::remove(file.path()));
    folderWritable(false);
    QCOMPARE(storeError(file), QStringLiteral("File access denied"));
    QVERIFY(!QFile::exists(file.path()));
}

void tst_SettingsFile::storeIntoMissingFolderFails()
{
    const SettingsFile file(m_dir->filePath(QStringLiteral("gone")));
    QVERIFY_THROWS_EXCEPTION(IoError, file.store(defaults()));
}

void tst_SettingsFile::storeMakesTheMissingConfigurationFolder()
{
    qputenv("XDG_CONFIG_HOME", m_dir->filePath(QStringLiteral("new/config")).toUtf8());
    const SettingsFile file(SettingsFolder::configFolder());
    file.store(defaults());
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(QFileInfo(file.path()).size(), 568);
}

QTEST_GUILESS_MAIN(tst_SettingsFile)
#include "tst_SettingsFile.moc"
