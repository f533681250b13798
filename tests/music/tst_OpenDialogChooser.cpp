#include "music/OpenDialogChooser.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A folder holding one song, made current, and the chooser's dialog.
struct Fixture
{
    QTemporaryDir dir;
    QString song = dir.filePath(QStringLiteral("song.mp3"));
    OpenDialogChooser chooser;
    QFileDialog *d = nullptr;

    Fixture()
    {
        QFile(song).open(QIODevice::WriteOnly);
        QDir::setCurrent(dir.path());
        d = chooser.dialog(nullptr);
    }
};

} // namespace

class tst_OpenDialogChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filtersAndMemory();
    void completionListGoesWithTheDialog();
};

void tst_OpenDialogChooser::filtersAndMemory()
{
    Fixture f;
    QTemporaryDir &dir = f.dir;
    const QString &song = f.song;
    OpenDialogChooser &chooser = f.chooser;
    QFileDialog *d = f.d;
    auto *types = d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QCOMPARE(types->count(), 2);
    QCOMPARE(types->itemText(0), QStringLiteral("Музыкальные файлы   *.mp?,    *.wav "));
    QCOMPARE(types->itemText(1), QStringLiteral("Все файлы   *.*"));

    // Each opening notes the folder, the entry and the files proposed, then
    // leaves the entry and the name as given, and confirms or cancels.
    auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    QStringList seen;
    const auto answer = [&](int type, const QString &typed, bool accept) {
        QTimer::singleShot(0, d, [=, &seen] {
            seen = QStringList{d->directory().absolutePath(), QString::number(types->currentIndex()),
                               d->selectedFiles().join(QLatin1Char('|'))};
            types->setCurrentIndex(type);
            name->setText(typed);
            QMetaObject::invokeMethod(d, accept ? "accept" : "reject");
        });
    };
    QString path;
    // Cancelled before any choice: neither its entry nor its name stays.
    answer(1, QStringLiteral("song.mp3"), false);
    QVERIFY(!chooser.choose(nullptr, path));
    QCOMPARE(seen, (QStringList{dir.path(), QStringLiteral("0"), QString()}));
    // The player picks "all files" and the song, and confirms.
    answer(1, QStringLiteral("song.mp3"), true);
    QVERIFY(chooser.choose(nullptr, path));
    QCOMPARE(seen, (QStringList{dir.path(), QStringLiteral("0"), QString()}));
    QCOMPARE(path, song);
    QCOMPARE(QDir::currentPath(), QDir(dir.path()).canonicalPath());

    // Next times: the entry used last and the path chosen last, whatever
    // the cancelled dialogs were left with.
    QDir::setCurrent(QDir::tempPath());
    for (const QString &typed : {QStringLiteral("other.mp3"), QString()}) {
        answer(0, typed, false);
        QVERIFY(!chooser.choose(nullptr, path));
        QCOMPARE(seen, (QStringList{dir.path(), QStringLiteral("1"), song}));
        QCOMPARE(QDir::currentPath(), QDir(QDir::tempPath()).canonicalPath());
    }
}

// Typed at a person's pace, a name brings up the list of completions; it
// must not stay on the screen, catching the next click, once the dialog is
// gone.
void tst_OpenDialogChooser::completionListGoesWithTheDialog()
{
    Fixture f;
    const QString &song = f.song;
    OpenDialogChooser &chooser = f.chooser;
    QFileDialog *d = f.d;
    auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name && name->completer());
    QWidget *list = name->completer()->popup();
    QTimer::singleShot(0, d, [&] {
        QApplication::setActiveWindow(d);
        name->setFocus();
        name->setText(song);
        list->show();
        QTest::keyClick(list, Qt::Key_Return);
        if (d->isVisible()) // Return did not confirm: the choice fails
            QMetaObject::invokeMethod(d, "reject");
    });
    QString path;
    QVERIFY(chooser.choose(nullptr, path));
    QVERIFY(!list->isVisible());
}

QTEST_MAIN(tst_OpenDialogChooser)
#include "tst_OpenDialogChooser.moc"
