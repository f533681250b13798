#include "Seed.h"
#include "e2e/Desktop.h"
#include "settings/ResultsFile.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

// Killing the program at any moment while it stores its settings leaves the
// old record or the new one, whole, never a cut or mixed file.
class tst_e2e_kill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWhileStoring();
};

void tst_e2e_kill::killedWhileStoring()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    desktop.closeWindow();
    QVERIFY(desktop.waitForExit());
    QByteArray old = desktop.readDbData();
    QCOMPARE(old.size(), 568);

    QRandomGenerator rng(testSeed());
    int keptOld = 0;
    int tookNew = 0;
    for (int round = 0; round < 20; ++round) {
        QVERIFY(desktop.start());
        desktop.moveResize(QRect(rng.bounded(0, 400), rng.bounded(0, 200), rng.bounded(500, 800),
                                 rng.bounded(400, 560)));
        desktop.closeWindow();
        desktop.pause(int(rng.bounded(0, 8)));
        desktop.kill();
        const QByteArray now = desktop.readDbData();
        QCOMPARE(now.size(), 568);
        const auto record = SettingsFile::parse(now);
        QVERIFY(record.has_value());
        // Only the placement may differ from the old record.
        QCOMPARE(now.left(12), old.left(12));
        QCOMPARE(now.mid(28), old.mid(28));
        now == old ? ++keptOld : ++tookNew;
        old = now;
    }
    qInfo("kept the old record %d times, took the new one %d times", keptOld, tookNew);
    QVERIFY(tookNew > 0); // some kills came after the store, so storing was exercised
    // Nothing but the game, its record, its preferences, the best results
    // (kept from the first win on), and at worst a temporary file a kill left
    // in the middle of an atomic replace.
    const QStringList left = QDir(desktop.folder()).entryList(QDir::Files);
    qInfo("files left in the program folder: %s", qPrintable(left.join(QLatin1Char(' '))));
    for (const QString &name : left)
        QVERIFY2(name == QLatin1String("tilimi") || name.startsWith(QLatin1String("DbData"))
                     || name.startsWith(QLatin1String(ResultsFile::FileName))
                     || name.startsWith(QLatin1String("Preferences.json")),
                 qPrintable(name));
}

QTEST_GUILESS_MAIN(tst_e2e_kill)
#include "tst_e2e_kill.moc"
