#pragma once

#include <QObject>

class OpponentMenu;
class QAction;
class QMenu;
class QMenuBar;

// The window's menu bar, item by item, in the order the player sees it. The
// items carry their designer names as objectName; the window connects them
// to its handlers.
class MainMenu : public QObject
{
    Q_OBJECT

public:
    explicit MainMenu(QMenuBar *bar);

    // The Game menu (true) while the game page is up, or the "Игра" item
    // that leads back to it (false) while another page is.
    void showGameMenu(bool shown);

    QAction *MnGame2 = nullptr; // "Игра" shown instead of the Game menu while another page is up
    QMenu *MnGame1 = nullptr;   // the Game menu, shown while the game page is up
    QAction *N1 = nullptr;      // Игра ▸ Новая: a new board of the current size
    QAction *N2 = nullptr;      // Игра ▸ Малая: a new small board, 6 by 4
    QAction *N3 = nullptr;      // Игра ▸ Большая: a new large board, 8 by 6
    QAction *N15 = nullptr;     // Игра ▸ Демонстрация: starts or stops the self-playing demonstration
    QAction *colorMarks = nullptr;      // Игра ▸ Метки цветов, checkable
    OpponentMenu *opponents = nullptr;  // Игра ▸ Соперник
    QAction *N25 = nullptr;     // Игра ▸ Рекорды…: the dialog of the best results
    QAction *N5 = nullptr;      // Игра ▸ Выход
    QAction *N6 = nullptr;      // Настройки
    QAction *N10 = nullptr;     // Мандала
    QMenu *N13 = nullptr;       // Музыка: the music's menu
    QAction *N11 = nullptr;     // О программе
    QAction *mtime = nullptr;   // the time of the last won board, "mm:ss"; a click clears it
    QAction *mtimes = nullptr;  // the presses of the last won board; a click clears it
};
