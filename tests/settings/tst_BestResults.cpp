#include "base/ElapsedText.h"
#include "settings/BestResults.h"
#include "settings/ResultsFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

using Entry = BestResults::Entry;

namespace {

const QDateTime Day(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

Entry entry(qint64 ms, int presses, int minutesLater = 0)
{
    return {ms, presses, Day.addSecs(60 * minutesLater)};
}

// What a read may add to the peak memory. AddressSanitizer keeps what is
// freed in quarantine, so its build is given more room.
#ifdef __SANITIZE_ADDRESS__
constexpr long MemoryBoundKb = 32 * 1024;
#else
constexpr long MemoryBoundKb = 4096;
#endif

long maxRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

// The two tables of best results and their file: the ranking, the cut at
// ten, and whatever a damaged or hostile file hands them.
class tst_BestResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timeText();
    void rankingTiesAndTheCutAtTen();
    void implausibleWinsNeverEnter();
    void resetEmptiesOneSizeOnly();
    void fileRoundTrip();
    void tallyAndResultsKeepEachOther();
    void hostileFiles_data();
    void hostileFiles();
};

void tst_BestResults::timeText()
{
    QCOMPARE(ElapsedText::format(65'999), QStringLiteral("01:05"));
    QCOMPARE(ElapsedText::format((3600 + 5 * 60 + 30) * 1000), QStringLiteral("65:30"));
    QCOMPARE(ElapsedText::format(86'399'999), QStringLiteral("1439:59"));
    QCOMPARE(ElapsedText::format(0), QStringLiteral("00:00"));
}

void tst_BestResults::rankingTiesAndTheCutAtTen()
{
    BestResults r;
    // Time in the seconds the player sees, then presses, then date.
    QCOMPARE(r.add(BestResults::Small, entry(60'900, 40)), 1);
    QCOMPARE(r.add(BestResults::Small, entry(60'100, 50)), 2);  // same second, more presses
    QCOMPARE(r.add(BestResults::Small, entry(60'000, 40, 5)), 2); // ties the first: after it
    QCOMPARE(r.add(BestResults::Small, entry(59'999, 90)), 1);
    QCOMPARE(r.table(BestResults::Small).at(1), entry(60'900, 40));
    QCOMPARE(r.table(BestResults::Small).at(2), entry(60'000, 40, 5));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(r.add(BestResults::Small, entry(100'000 + i * 1000, 30, i)), 5 + i);
    QCOMPARE(r.table(BestResults::Small).size(), 10);
    // Full: one that ties the tenth stays out, a better one pushes it out.
    const Entry tenth = r.table(BestResults::Small).last();
    QCOMPARE(r.add(BestResults::Small, entry(tenth.ms, tenth.presses, 99)), 0);
    QCOMPARE(r.add(BestResults::Small, entry(tenth.ms, tenth.presses - 1, 99)), 10);
    QCOMPARE(r.table(BestResults::Small).size(), 10);
    QVERIFY(!r.table(BestResults::Small).contains(tenth));
    QVERIFY(r.table(BestResults::Large).isEmpty());
}

void tst_BestResults::implausibleWinsNeverEnter()
{
    BestResults r;
    QCOMPARE(r.add(BestResults::Small, entry(-1, 30)), 0);
    QCOMPARE(r.add(BestResults::Small, entry(86'400'000, 30)), 0);
    QCOMPARE(r.add(BestResults::Small, entry(50'000, 23)), 0); // fewer presses than tiles
    QCOMPARE(r.add(BestResults::Large, entry(50'000, 47)), 0);
    QCOMPARE(r.add(BestResults::Small, {50'000, 30, QDateTime()}), 0);
    QCOMPARE(r, BestResults());
}

void tst_BestResults::resetEmptiesOneSizeOnly()
{
    BestResults r;
    r.add(BestResults::Small, entry(50'000, 30));
    r.add(BestResults::Large, entry(90'000, 60));
    r.reset(BestResults::Small);
    QVERIFY(r.table(BestResults::Small).isEmpty());
    QCOMPARE(r.table(BestResults::Large), QList<Entry>{entry(90'000, 60)});
}

void tst_BestResults::fileRoundTrip()
{
    QTemporaryDir dir;
    const ResultsFile file(dir.path());
    QCOMPARE(file.load(), BestResults()); // missing: empty
    BestResults r;
    for (int i = 0; i < 12; ++i)
        r.add(BestResults::Board(i % 2), {qint64(40'000 + 7'919 * i), 48 + i, Day.addMSecs(i * 1001)});
    file.store(r);
    QCOMPARE(file.load(), r);
    // A person can read it, an entry a line.
    QFile f(file.path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY2(text.contains("\"version\": 1") && text.contains("\n        {\"presses\":48,\"time_ms\":40000,"
                                                                  "\"won\":\"2026-03-01T12:00:00.000Z\"}"),
             text.constData());
}

void tst_BestResults::tallyAndResultsKeepEachOther()
{
    // The tally of matches and the best results share the file: storing
    // either keeps the other, and keys of a newer version stay.
    QTemporaryDir dir;
    const ResultsFile file(dir.path());
    QCOMPARE(file.loadTally(), MatchTally());
    QFile f(file.path());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(R"({"version": 1, "small": [], "large": [], "sound": {"volume": [7, "x"]}})");
    f.close();
    MatchTally tally;
    tally.add(0, MatchTally::Won);
    tally.add(2, MatchTally::Drawn);
    tally.add(2, MatchTally::Drawn);
    tally.add(3, MatchTally::Lost); // no such strength
    file.storeTally(tally);
    BestResults r;
    r.add(BestResults::Small, entry(50'000, 30));
    file.store(r);
    QCOMPARE(file.load(), r);
    QCOMPARE(file.loadTally(), tally);
    QCOMPARE(file.loadTally().counts[2][MatchTally::Drawn], 2);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    f.close();
    QVERIFY2(text.contains("\n    \"sound\": {\"volume\":[7,\"x\"]}"), text.constData());
    file.storeTally({});
    QCOMPARE(file.load(), r);

    // Counts that are not whole and plausible read as none.
    QCOMPARE(MatchTally::fromJson(QJsonDocument::fromJson(
                 R"({"easy": {"won": -1, "lost": 2.5, "drawn": "3"}, "strong": {"won": 1e12}})").object()),
             MatchTally());
}

void tst_BestResults::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<char>("padding"); // 64 MB of it follow the contents
    QTest::addColumn<int>("small");
    QTest::addColumn<int>("large");
    BestResults good;
    for (int i = 0; i < 10; ++i) {
        good.add(BestResults::Small, entry(30'000 + i * 1000, 30));
        good.add(BestResults::Large, entry(90'000 + i * 1000, 60));
    }
    const QByteArray text = good.toJson();
    const QByteArray line = R"({"presses":30,"time_ms":45000,"won":"2026-03-01T12:00:00Z"})";
    QTest::newRow("empty") << QByteArray() << '\0' << 0 << 0;
    QTest::newRow("not JSON") << QByteArray("\x00\xff garbage", 10) << '\0' << 0 << 0;
    QTest::newRow("cut in the 4th large entry") << text.left(text.indexOf("93000")) << '\0' << 10 << 3;
    QTest::newRow("cut in the 1st small entry") << text.left(text.indexOf("30000")) << '\0' << 0 << 0;
    QTest::newRow("an array") << QByteArray("[1,2,3]") << '\0' << 0 << 0;
    QTest::newRow("wrong types") << QByteArray(R"({"version":"x","small":{"a":1},"large":[1,"s",null,
        {"presses":"60","time_ms":90000,"won":"2026-03-01T12:00:00Z"},
        {"presses":60.5,"time_ms":90000,"won":"2026-03-01T12:00:00Z"},
        {"presses":60,"time_ms":90000,"won":12},
        {"presses":60,"time_ms":90000,"won":"2026-03-01T12:00:00Z"}]})") << '\0' << 0 << 1;
    QTest::newRow("negative and absurd times") << QByteArray(R"({"small":[
        {"presses":30,"time_ms":-5,"won":"2026-03-01T12:00:00Z"},
        {"presses":30,"time_ms":1e300,"won":"2026-03-01T12:00:00Z"},
        {"presses":-30,"time_ms":5000,"won":"2026-03-01T12:00:00Z"},
        {"presses":30,"time_ms":86400000,"won":"2026-03-01T12:00:00Z"},
        {"presses":30,"time_ms":86399999,"won":"2026-03-01T12:00:00Z"}]})") << '\0' << 1 << 0;
    for (int n : {1000, 5000}) {
        QByteArray many = "{\"version\":1,\"small\":[\n";
        for (int i = 1; i < n; ++i)
            many += line + ",\n";
        QTest::addRow("%d entries", n) << many + line + "]}" << '\0' << 10 << 0;
    }
    QTest::newRow("a future version") << QByteArray(R"({"version":99,"huge":[1],"small":[)" + line.chopped(1)
                                                    + R"(,"colour":"red"}]})") << '\0' << 1 << 0;
    QTest::newRow("a whole table, then 64 MB of spaces") << text << ' ' << 10 << 10;
    QTest::newRow("64 MB of one string") << QByteArray("{\"small\":[\"") << 'a' << 0 << 0;
}

void tst_BestResults::hostileFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(char, padding);
    QFETCH(int, small);
    QFETCH(int, large);
    QTemporaryDir dir;
    {
        QFile f(dir.filePath(QString::fromLatin1(ResultsFile::FileName)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(contents), contents.size());
        const QByteArray megabyte(1024 * 1024, padding);
        for (int i = 0; padding && i < 64; ++i)
            f.write(megabyte);
    }
    const long rssBefore = maxRssKb();
    QElapsedTimer clock;
    clock.start();
    const BestResults r = ResultsFile(dir.path()).load();
    const qint64 ms = clock.elapsed();
    qInfo("read in %lld ms, peak memory grew by %ld kB", ms, maxRssKb() - rssBefore);
    QVERIFY(ms < 500);
    QVERIFY(maxRssKb() - rssBefore < MemoryBoundKb);
    QCOMPARE(r.table(BestResults::Small).size(), small);
    QCOMPARE(r.table(BestResults::Large).size(), large);
    for (int b = 0; b < BestResults::Boards; ++b) {
        const auto &t = r.table(BestResults::Board(b));
        QVERIFY(std::is_sorted(t.begin(), t.end(), &BestResults::ranksBefore));
        for (const Entry &e : t)
            QVERIFY(BestResults::isPlausible(BestResults::Board(b), e));
    }
}

QTEST_GUILESS_MAIN(tst_BestResults)
#include "tst_BestResults.moc"
