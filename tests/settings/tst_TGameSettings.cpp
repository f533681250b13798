#include "Seed.h"
#include "settings/TGameSettings.h"

#include <QRandomGenerator>
#include <QTest>

class tst_TGameSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsAreByteExact();
    void roundTripKeepsEveryByte();
    void shortRecordIsRejected();
    void invalidFields_data();
    void invalidFields();
    void copyKeepingMusic();
    void pathsAreCutWithoutSplittingCharacters();
};

void tst_TGameSettings::defaultsAreByteExact()
{
    TGameSettings s;
    s.WinLeft = 81;
    s.WinTop = 51;
    s.WinWidth = 633;
    s.WinHeight = 400;
    const QByteArray bytes = s.toBytes();
    QCOMPARE(bytes.size(), 568);
    QByteArray expected(568, '\0');
    const char head[] = "\x01\x06\x04\x00"                 // small board, 6 by 4
                        "\x80\x80\x80\x00"                 // grey
                        "\x01\x00\x00\x00"                 // gap 1
                        "\x33\x00\x00\x00"                 // top 51
                        "\x79\x02\x00\x00"                 // width 633
                        "\x90\x01\x00\x00"                 // height 400
                        "\x51\x00\x00\x00"                 // left 81
                        "\x00\x00\x00\x00"                 // not maximized
                        "\x00\x00\x02\x02\x02\x00\x00\x00" // concealed frame
                        "\xC0\xC0\xC0\x00"                 // silver
                        "\x00\x00\x03\x01\x02\x00\x00\x00" // revealed frame
                        "\xFF\x00\x00\x00";                // red
    expected.replace(0, sizeof head - 1, QByteArray(head, sizeof head - 1));
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
}

void tst_TGameSettings::roundTripKeepsEveryByte()
{
    // Reserved bytes and text past a short string's length survive a round
    // trip, so a record written back is the record that was read.
    QRandomGenerator random(testSeed());
    auto *rng = &random;
    for (int i = 0; i < 3000; ++i) {
        QByteArray raw(568, '\0');
        for (auto &b : raw)
            b = char(rng->bounded(256));
        TGameSettings s;
        QVERIFY(TGameSettings::fromBytes(raw, s));
        QCOMPARE(s.toBytes(), raw);
    }
}

void tst_TGameSettings::shortRecordIsRejected()
{
    TGameSettings s;
    QVERIFY(!TGameSettings::fromBytes(QByteArray(567, '\1'), s));
    QVERIFY(!TGameSettings::fromBytes(QByteArray(), s));
    QVERIFY(TGameSettings::fromBytes(TGameSettings().toBytes() + QByteArray(32, 'x'), s));
    QVERIFY(s == TGameSettings());
}

void tst_TGameSettings::invalidFields_data()
{
    // Only a missing concealed bevel width rejects a record; a field out of
    // its range takes its designed value alone.
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("mended");
    QTest::newRow("bevel width 0") << 34 << 0 << false << 0;
    QTest::newRow("bevel width 255") << 34 << 255 << true << 255;
    QTest::newRow("gap 15") << 8 << 15 << true << 15;
    QTest::newRow("gap 16") << 8 << 16 << true << 1;
    QTest::newRow("gap -1") << 8 << -1 << true << 1;
    QTest::newRow("concealed border style 1") << 32 << 1 << true << 1;
    QTest::newRow("concealed border style 2") << 32 << 2 << true << 0;
    QTest::newRow("revealed border style 2") << 44 << 2 << true << 0;
    QTest::newRow("inner cut 3") << 35 << 3 << true << 3;
    QTest::newRow("inner cut 4") << 35 << 4 << true << 2;
    QTest::newRow("revealed outer cut 4") << 48 << 4 << true << 2;
    QTest::newRow("revealed inner cut 200") << 47 << 200 << true << 1;
    QTest::newRow("revealed bevel width 0") << 46 << 0 << true << 0;
}

void tst_TGameSettings::invalidFields()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(bool, valid);
    QFETCH(int, mended);
    const auto put = [offset](QByteArray &raw, int v) {
        const int width = offset == 8 ? 4 : 1;
        for (int i = 0; i < width; ++i)
            raw[offset + i] = char(std::uint32_t(v) >> (8 * i));
    };
    TGameSettings stored;
    stored.WinLeft = 123;
    stored.MusicFile.assignPath(QStringLiteral("/music/a.ogg"));
    QByteArray raw = stored.toBytes();
    put(raw, value);
    TGameSettings s;
    QVERIFY(TGameSettings::fromBytes(raw, s));
    QCOMPARE(s.isValid(), valid);
    s.mendOutOfRange();
    QByteArray expected = stored.toBytes();
    put(expected, mended);
    QCOMPARE(s.toBytes(), expected);
}

void tst_TGameSettings::copyKeepingMusic()
{
    TGameSettings current;
    current.MusicDir.assignPath(QStringLiteral("/music"));
    current.MusicFile.assignPath(QStringLiteral("/music/a.mp3"));
    TGameSettings page;
    page.Gap = 7;
    page.MusicFile.assignPath(QStringLiteral("/old/b.wav"));
    current.assignKeepingMusic(page);
    QCOMPARE(current.Gap, 7);
    QCOMPARE(current.MusicDir.path(), QStringLiteral("/music"));
    QCOMPARE(current.MusicFile.path(), QStringLiteral("/music/a.mp3"));
}

void tst_TGameSettings::pathsAreCutWithoutSplittingCharacters()
{
    ShortString s;
    const QString ascii = QStringLiteral("/") + QString(258, QLatin1Char('a'));
    s.assignPath(ascii);
    QCOMPARE(int(s.Length), 255);
    QCOMPARE(s.path(), ascii.left(255));

    // Two-byte letters: 127 of them after the slash fill 255 bytes exactly;
    // one more would be split, so the cut stops before it.
    const QString cyrillic = QStringLiteral("/") + QString(200, QChar(0x0416));
    s.assignPath(cyrillic);
    QCOMPARE(int(s.Length), 255);
    QCOMPARE(s.path(), cyrillic.left(128));
    const QString shifted = QStringLiteral("/a") + QString(200, QChar(0x0416));
    s.assignPath(shifted);
    QCOMPARE(int(s.Length), 254);
    QCOMPARE(s.path(), shifted.left(128));

    s.assignPath(QStringLiteral("/short"));
    QCOMPARE(int(s.Length), 6);
    QCOMPARE(s.path(), QStringLiteral("/short"));
}

QTEST_GUILESS_MAIN(tst_TGameSettings)
#include "tst_TGameSettings.moc"
