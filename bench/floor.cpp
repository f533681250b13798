// The floor the game is measured against: the cheapest Qt window with a menu
// bar, built by the same CMake with the same flags. Given picture files, it
// sets them as its window's icon before it shows, which is what an icon costs
// a window that waits for it.

#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    if (argc > 1) {
        QIcon icon;
        for (int i = 1; i < argc; ++i)
            icon.addFile(QString::fromLocal8Bit(argv[i]));
        QApplication::setWindowIcon(icon);
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("New"));
    file->addAction(QStringLiteral("Exit"), &app, &QApplication::quit);
    window.menuBar()->addAction(QStringLiteral("Settings"));
    window.menuBar()->addAction(QStringLiteral("About"));
    window.move(65, 41);
    window.resize(504, 295);
    window.show();
    return app.exec();
}
