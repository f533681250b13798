#include "music/OpenDialogChooser.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class tst_OpenDialogChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filtersAndMemory();
};

void tst_OpenDialogChooser::filtersAndMemory()
{
    QTemporaryDir dir;
    const QString song = dir.filePath(QStringLiteral("song.mp3"));
    QFile(song).open(QIODevice::WriteOnly);
    QDir::setCurrent(dir.path());

    OpenDialogChooser chooser;
    QFileDialog *d = chooser.dialog(nullptr);
    auto *types = d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QCOMPARE(types->count(), 2);
    QCOMPARE(types->itemText(0), QStringLiteral("Музыкальные файлы   *.mp?,    *.wav "));
    QCOMPARE(types->itemText(1), QStringLiteral("Все файлы   *.*"));

    // The player picks "all files" and the song, and confirms.
    QStringList seen;
    QTimer::singleShot(0, d, [&] {
        seen << d->directory().absolutePath() << QString::number(types->currentIndex());
        types->setCurrentIndex(1);
        d->selectFile(song);
        QMetaObject::invokeMethod(d, "accept");
    });
    QString path;
    QVERIFY(chooser.choose(nullptr, path));
    QCOMPARE(path, song);
    QCOMPARE(seen, (QStringList{dir.path(), QStringLiteral("0")}));
    QCOMPARE(QDir::currentPath(), QDir(dir.path()).canonicalPath());

    // Next time: the entry used last, the path chosen last; cancelled.
    QDir::setCurrent(QDir::tempPath());
    QTimer::singleShot(0, d, [&] {
        seen = {QString::number(types->currentIndex()), d->selectedFiles().value(0)};
        QMetaObject::invokeMethod(d, "reject");
    });
    QVERIFY(!chooser.choose(nullptr, path));
    QCOMPARE(seen, (QStringList{QStringLiteral("1"), song}));
    QCOMPARE(QDir::currentPath(), QDir(QDir::tempPath()).canonicalPath());
}

QTEST_MAIN(tst_OpenDialogChooser)
#include "tst_OpenDialogChooser.moc"
