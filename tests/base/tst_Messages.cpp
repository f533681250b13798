#include "base/Messages.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>

class tst_Messages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxShowsItsWholeCaption();
};

void tst_Messages::boxShowsItsWholeCaption()
{
    QApplication::setApplicationDisplayName(QStringLiteral("Тилими 1.3"));
    const auto box = Messages::makeBox(QStringLiteral("Disk full"));
    box->show(); // the box takes its size when shown
    QCOMPARE(box->windowTitle(), QStringLiteral("Тилими 1.3"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->buttons().size(), 1);
    // The window manager draws the caption in bold, beside the frame's icon
    // and three buttons, each about as wide as the title bar is high.
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int caption = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle());
    const int button = box->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QVERIFY2(box->width() >= caption + 4 * button,
             qPrintable(QStringLiteral("box %1, caption %2, button %3").arg(box->width()).arg(caption).arg(button)));
}

QTEST_MAIN(tst_Messages)
#include "tst_Messages.moc"
