#pragma once

// The floor the game is measured against: the cheapest Qt window with a menu
// bar, built by the same CMake with the same flags. Its bar shows the titles
// the game's bar shows, two menus and three plain items, so that a repaint of
// either draws the same text.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

class FloorWindow : public QMainWindow
{
public:
    FloorWindow()
    {
        setWindowTitle(QStringLiteral("Floor"));
        QMenu *file = menuBar()->addMenu(QStringLiteral("&Игра"));
        file->addAction(QStringLiteral("Новая"));
        file->addAction(QStringLiteral("Выход"), qApp, &QApplication::quit);
        menuBar()->addAction(QStringLiteral("&Настройки"));
        menuBar()->addAction(QStringLiteral("&Мандала"));
        menuBar()->addMenu(QStringLiteral("Му&зыка"));
        menuBar()->addAction(QStringLiteral("&О программе"));
    }
};
