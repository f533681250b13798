#pragma once

// The floor the game is measured against: the cheapest Qt window with a menu
// bar, built by the same CMake with the same flags.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

class FloorWindow : public QMainWindow
{
public:
    FloorWindow()
    {
        setWindowTitle(QStringLiteral("Floor"));
        QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
        file->addAction(QStringLiteral("New"));
        file->addAction(QStringLiteral("Exit"), qApp, &QApplication::quit);
        menuBar()->addAction(QStringLiteral("Settings"));
        menuBar()->addAction(QStringLiteral("About"));
    }
};
