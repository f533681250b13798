#include "settings/BestResults.h"
#include "settings/IoError.h"
#include "settings/ResultsFile.h"
#include "settings/StoredFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <chrono>
#include <thread>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

class tst_StoredFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyFailingStepKeepsTheOldFile();
    void onlyARegularFileIsReplaced_data();
    void onlyARegularFileIsReplaced();
    void aLinkToARegularFileIsWrittenThrough();
    void resultsKeepWhatThisVersionDoesNotKnow();
    void aResultsFileThatCannotBeReadWholeIsKeptAside();
    void aChangeWaitsForTheOtherCopysLock();

private:
    QString path(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    static QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void put(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The error text a write ends with; empty when it succeeds.
    static QString writeError(const StoredFile &file, const QByteArray &bytes)
    {
        try {
            file.write(bytes);
        } catch (const IoError &e) {
            return QString::fromUtf8(e.what());
        }
        return {};
    }
    QStringList entries() const { return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_StoredFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_StoredFile::cleanup()
{
    StoredFile::setFailureHook({});
}

void tst_StoredFile::everyFailingStepKeepsTheOldFile()
{
    const StoredFile file(m_dir->path(), QStringLiteral("DbData"));
    const QByteArray old(568, 'o');
    QCOMPARE(writeError(file, old), QString());
    QFile::setPermissions(file.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    using Step = StoredFile::Step;
    for (Step step : {Step::Open, Step::Write, Step::Sync, Step::Close, Step::Rename}) {
        StoredFile::setFailureHook([step](Step s) { return s == step ? ENOSPC : 0; });
        QCOMPARE(writeError(file, QByteArray(568, 'n')), QStringLiteral("Disk full"));
        QCOMPARE(contents(file.path()), old);
        // No temporary file is left behind.
        QCOMPARE(entries(), QStringList{QStringLiteral("DbData")});
    }
    StoredFile::setFailureHook({});
    QCOMPARE(writeError(file, "new"), QString());
    QCOMPARE(contents(file.path()), QByteArray("new"));
    // The new file keeps the old one's permissions.
    QCOMPARE(QFile::permissions(file.path()) & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
}

void tst_StoredFile::onlyARegularFileIsReplaced_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"pipe", "socket", "device", "link to a pipe", "link to a device", "folder"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void tst_StoredFile::onlyARegularFileIsReplaced()
{
    QFETCH(QString, kind);
    const QString at = path("Results.json");
    const QByteArray native = QFile::encodeName(at);
    const QByteArray elsewhere = QFile::encodeName(path("elsewhere"));
    if (kind == QLatin1String("pipe")) {
        QCOMPARE(mkfifo(native.constData(), 0600), 0);
    } else if (kind == QLatin1String("socket")) {
        const int s = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, native.constData(), sizeof address.sun_path);
        QCOMPARE(bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        close(s);
    } else if (kind == QLatin1String("device")) {
        if (mknod(native.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("only root makes a device node");
    } else if (kind == QLatin1String("link to a pipe")) {
        QCOMPARE(mkfifo(elsewhere.constData(), 0600), 0);
        QCOMPARE(symlink(elsewhere.constData(), native.constData()), 0);
    } else if (kind == QLatin1String("link to a device")) {
        // A node of its own: a failing test must not replace the machine's.
        if (mknod(elsewhere.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("only root makes a device node");
        QCOMPARE(symlink(elsewhere.constData(), native.constData()), 0);
    } else {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Results.json")));
    }
    struct stat before {};
    QCOMPARE(lstat(native.constData(), &before), 0);

    const ResultsFile file(m_dir->path());
    QCOMPARE(file.load(), BestResults()); // read without blocking
    BestResults results;
    results.add(BestResults::Small, {50'000, 30, QDateTime::currentDateTimeUtc()});
    QVERIFY_THROWS_EXCEPTION(IoError, file.store(results));
    struct stat after {};
    QCOMPARE(lstat(native.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_rdev, before.st_rdev);
}

void tst_StoredFile::aLinkToARegularFileIsWrittenThrough()
{
    // A dotfiles repository: the file lives in another folder, linked here.
    QTemporaryDir repository;
    const QString target = repository.filePath(QStringLiteral("Preferences.json"));
    put(target, "{}");
    QVERIFY(QFile::link(target, path("Preferences.json")));
    const StoredFile file(m_dir->path(), QStringLiteral("Preferences.json"));
    QCOMPARE(writeError(file, R"({"colorMarks": true})"), QString());
    QVERIFY(QFileInfo(file.path()).isSymLink());
    QCOMPARE(QFileInfo(file.path()).symLinkTarget(), target);
    QCOMPARE(contents(target), QByteArray(R"({"colorMarks": true})"));
    QCOMPARE(QDir(repository.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Preferences.json")});
    QCOMPARE(entries(), QStringList{QStringLiteral("Preferences.json")});
}

void tst_StoredFile::resultsKeepWhatThisVersionDoesNotKnow()
{
    // A later version's file: a key of its own, a field of its own in an
    // entry, and its version number.
    put(path("Results.json"), R"({"version": 2, "history": [{"ms": 1}],
        "small": [{"time_ms": 50000, "presses": 30, "won": "2026-03-01T12:00:00.000Z", "hand": "left"}]})");
    BestResults results = ResultsFile(m_dir->path()).load();
    QCOMPARE(results.table(BestResults::Small).size(), 1);
    results.add(BestResults::Large, {90'000, 60, QDateTime::currentDateTimeUtc()});
    ResultsFile(m_dir->path()).store(results);
    const QJsonObject root = QJsonDocument::fromJson(contents(path("Results.json"))).object();
    QCOMPARE(root.value(QStringLiteral("version")).toInt(), 2);
    QCOMPARE(root.value(QStringLiteral("history")).toArray().size(), 1);
    QCOMPARE(root.value(QStringLiteral("small")).toArray().first().toObject().value(QStringLiteral("hand")).toString(),
             QStringLiteral("left"));
    QCOMPARE(root.value(QStringLiteral("large")).toArray().size(), 1);
    QCOMPARE(ResultsFile(m_dir->path()).load(), results);
}

void tst_StoredFile::aResultsFileThatCannotBeReadWholeIsKeptAside()
{
    // Longer than this version reads, and still JSON: a later version's
    // history, say. The entries that stand on lines of their own are read.
    const QByteArray longer = "{\n    \"small\": [\n"
        "        {\"time_ms\": 50000, \"presses\": 30, \"won\": \"2026-03-01T12:00:00.000Z\"}\n    ],\n"
        "    \"history\": \"" + QByteArray(BestResults::MaxFileBytes, 'h') + "\"\n}\n";
    const QByteArray cut = "{\n    \"small\": [\n        {\"time_ms\": 60000, \"presses\": 30, \"won\": \"2026-03-01T12:00:00.000Z\"},\n        {\"time_";
    const ResultsFile file(m_dir->path());
    QStringList copies;
    for (const QByteArray &unread : {longer, cut}) {
        put(file.path(), unread);
        QCOMPARE(file.load().table(BestResults::Small).size(), 1);
        const QString copy = file.updateTables([](BestResults &tables) {
            tables.add(BestResults::Large, {90'000, 60, QDateTime::currentDateTimeUtc()});
        });
        // Beside it, with the date in its name, byte for byte; never over
        // an earlier copy.
        QVERIFY2(QFileInfo(copy).fileName().startsWith(QStringLiteral("Results.json.") + QDate::currentDate().toString(Qt::ISODate)), qPrintable(copy));
        QCOMPARE(QFileInfo(copy).absolutePath(), QFileInfo(file.path()).absolutePath());
        QCOMPARE(contents(copy), unread);
        QVERIFY(!copies.contains(copy));
        copies << copy;
        // The new file holds what could be read and the change.
        QCOMPARE(file.load().table(BestResults::Small).size(), 1);
        QCOMPARE(file.load().table(BestResults::Large).size(), 1);
        // A whole file is not kept aside again.
        QCOMPARE(file.updateTables([](BestResults &) {}), QString());
    }
    QCOMPARE(entries().size(), 3);
}

void tst_StoredFile::aChangeWaitsForTheOtherCopysLock()
{
    const ResultsFile file(m_dir->path());
    QLockFile other(file.path() + QStringLiteral(".lock"));
    QVERIFY(other.lock());
    QElapsedTimer waited;
    waited.start();
    std::thread release([&other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other.unlock();
    });
    file.updateTables([](BestResults &tables) {
        tables.add(BestResults::Small, {50'000, 30, QDateTime::currentDateTimeUtc()});
    });
    release.join();
    QVERIFY(waited.elapsed() >= 300);
    QCOMPARE(file.load().table(BestResults::Small).size(), 1);
    QCOMPARE(entries(), QStringList{QStringLiteral("Results.json")});
}

QTEST_GUILESS_MAIN(tst_StoredFile)
#include "tst_StoredFile.moc"
