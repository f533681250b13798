#include "settings_page/ColorDialogChooser.h"

#include <QApplication>
#include <QColorDialog>
#include <QTest>
#include <QTimer>

class tst_ColorDialogChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnTheColourAcceptedLast();
};

void tst_ColorDialogChooser::opensOnTheColourAcceptedLast()
{
    ColorDialogChooser chooser;
    QList<QColor> openedOn;
    // Each time: note the colour the dialog opens on, leave it on the next
    // colour and accept or cancel.
    const auto answer = [&](QColor leaveOn, bool accept) {
        QTimer::singleShot(0, [=, &openedOn] {
            auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            openedOn << dialog->currentColor();
            dialog->setCurrentColor(leaveOn);
            accept ? dialog->accept() : dialog->reject();
        });
    };
    QColor color;
    answer(Qt::red, true);
    QVERIFY(chooser.choose(nullptr, color));
    QCOMPARE(color, QColor(Qt::red));
    answer(Qt::blue, false);
    QVERIFY(!chooser.choose(nullptr, color));
    answer(Qt::green, false);
    QVERIFY(!chooser.choose(nullptr, color));
    QCOMPARE(openedOn, (QList<QColor>{Qt::black, Qt::red, Qt::red}));
}

QTEST_MAIN(tst_ColorDialogChooser)
#include "tst_ColorDialogChooser.moc"
