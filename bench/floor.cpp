// The floor the game is measured against: the cheapest Qt window with a menu
// bar, built by the same CMake with the same flags.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
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
