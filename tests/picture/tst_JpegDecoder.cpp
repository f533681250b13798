#include "picture/JpegDecoder.h"
#include "picture/JpegError.h"

#include <QFile>
#include <QTest>

extern const unsigned char MandalaJpeg[];
extern const unsigned long MandalaJpegSize;
extern const unsigned char NegativeJpeg[];
extern const unsigned long NegativeJpegSize;

class tst_JpegDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void figure_data();
    void figure();
    void embeddedDataIsBaselineJfif();
    void damagedData_data();
    void damagedData();
};

namespace {
QByteArray mandala()
{
    return QByteArray(reinterpret_cast<const char *>(MandalaJpeg), qsizetype(MandalaJpegSize));
}
QByteArray negative()
{
    return QByteArray(reinterpret_cast<const char *>(NegativeJpeg), qsizetype(NegativeJpegSize));
}
} // namespace

void tst_JpegDecoder::figure_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("black corner, top left") << QPoint(20, 20) << QColor(0, 0, 0);
    QTest::newRow("black corner, bottom right") << QPoint(780, 500) << QColor(0, 0, 0);
    QTest::newRow("green cross, top") << QPoint(397, 20) << QColor(0, 255, 0);
    QTest::newRow("green cross, left") << QPoint(30, 257) << QColor(0, 255, 0);
    QTest::newRow("blue cap, top") << QPoint(397, 70) << QColor(0, 0, 255);
    QTest::newRow("blue cap, left") << QPoint(110, 257) << QColor(0, 0, 255);
    QTest::newRow("red between the points") << QPoint(200, 120) << QColor(255, 0, 0);
    QTest::newRow("red beside the star") << QPoint(195, 257) << QColor(255, 0, 0);
    QTest::newRow("yellow upper point") << QPoint(397, 128) << QColor(255, 255, 0);
    QTest::newRow("yellow lower corner") << QPoint(185, 328) << QColor(255, 255, 0);
    QTest::newRow("white lower point") << QPoint(397, 390) << QColor(255, 255, 255);
    QTest::newRow("white upper corner") << QPoint(185, 186) << QColor(255, 255, 255);
    QTest::newRow("blue ring") << QPoint(397, 190) << QColor(0, 0, 255);
    QTest::newRow("white centre") << QPoint(397, 257) << QColor(255, 255, 255);
}

void tst_JpegDecoder::figure()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    const QImage picture = JpegDecoder::decode(mandala());
    const QImage inverse = JpegDecoder::decode(negative());
    QCOMPARE(picture.size(), QSize(799, 515));
    QCOMPARE(inverse.size(), QSize(799, 515));
    QCOMPARE(picture.format(), QImage::Format_RGB888);
    const auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) <= 6 && std::abs(a.green() - b.green()) <= 6
            && std::abs(a.blue() - b.blue()) <= 6;
    };
    const QColor seen = picture.pixelColor(point);
    QVERIFY2(near(seen, colour), qPrintable(seen.name()));
    const QColor inverted(255 - colour.red(), 255 - colour.green(), 255 - colour.blue());
    const QColor seenInverse = inverse.pixelColor(point);
    QVERIFY2(near(seenInverse, inverted), qPrintable(seenInverse.name()));
}

void tst_JpegDecoder::embeddedDataIsBaselineJfif()
{
    const QByteArray data = mandala();
    QVERIFY(data.startsWith("\xFF\xD8\xFF\xE0"));
    QCOMPARE(data.mid(6, 5), QByteArray("JFIF\0", 5));
    QCOMPARE(int(data[13]), 1);                      // dots per inch
    QCOMPARE(data.mid(14, 4), QByteArray("\0\x48\0\x48", 4)); // 72 by 72
    QVERIFY(data.contains("\xFF\xC0"));              // baseline frame
    QVERIFY(!data.contains("\xFF\xC2"));             // not progressive
    QVERIFY(data.endsWith("\xFF\xD9"));
}

void tst_JpegDecoder::damagedData_data()
{
    QTest::addColumn<QByteArray>("data");
    QByteArray noStart = mandala();
    noStart[1] = 'X';
    QByteArray badFrame = mandala();
    const qsizetype sof = badFrame.indexOf("\xFF\xC0");
    badFrame[sof + 9] = 7; // seven colour components
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no start marker") << noStart;
    QTest::newRow("bad frame header") << badFrame;
    QTest::newRow("cut off") << mandala().left(5000);
    QTest::newRow("text") << QByteArray("not a picture at all");
}

void tst_JpegDecoder::damagedData()
{
    QFETCH(QByteArray, data);
    try {
        JpegDecoder::decode(data);
        QFAIL("decoded damaged data");
    } catch (const JpegError &e) {
        const QString message = QString::fromUtf8(e.what());
        QVERIFY2(message.startsWith(QStringLiteral("JPEG error #")), qPrintable(message));
        QCOMPARE(message, QStringLiteral("JPEG error #%1").arg(e.code()));
        QVERIFY(e.code() > 0);
    }
}

QTEST_GUILESS_MAIN(tst_JpegDecoder)
#include "tst_JpegDecoder.moc"
