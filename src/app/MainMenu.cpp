#include "MainMenu.h"

#include "OpponentMenu.h"
#include "base/ObjectName.h"

#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMenuBar *bar) : QObject(bar)
{
    MnGame2 = named(bar->addAction(tr("Игра")), "MnGame2");
    MnGame2->setVisible(false);
    MnGame1 = named(bar->addMenu(tr("&Игра")), "MnGame1");
    N1 = named(MnGame1->addAction(tr("Новая")), "N1");
    N2 = named(MnGame1->addAction(tr("Малая")), "N2");
    N3 = named(MnGame1->addAction(tr("Большая")), "N3");
    N15 = named(MnGame1->addAction(tr("Демонстрация")), "N15");
    colorMarks = named(MnGame1->addAction(tr("Метки цветов")), "colorMarks");
    colorMarks->setCheckable(true);
    N25 = named(MnGame1->addAction(tr("&Рекорды…")), "N25");
    // Above Рекорды…, which stays the item above the separator.
    opponents = new OpponentMenu(MnGame1, N25);
    MnGame1->addSeparator();
    N5 = named(MnGame1->addAction(tr("Выход")), "N5");
    N6 = named(bar->addAction(tr("&Настройки")), "N6");
    N10 = named(bar->addAction(tr("&Мандала")), "N10");
    N13 = named(bar->addMenu(tr("Му&зыка")), "N13");
    N11 = named(bar->addAction(tr("&О программе")), "N11");
    mtime = named(bar->addAction(QString()), "mtime");
    mtimes = named(bar->addAction(QString()), "mtimes");
}

void MainMenu::showGameMenu(bool shown)
{
    // Only the visible one of the two "Игра" items carries the access key:
    // the menu bar listens for the keys of hidden items too, and with two
    // owners of Alt+И it would take turns between them, losing every other
    // press.
    MnGame1->setTitle(shown ? tr("&Игра") : tr("Игра"));
    MnGame1->menuAction()->setVisible(shown);
    MnGame2->setText(shown ? tr("Игра") : tr("&Игра"));
    MnGame2->setVisible(!shown);
}
