// The floor as its own program. Given picture files, it sets them as its
// window's icon before it shows, which is what an icon costs a window that
// waits for it.

#include "FloorWindow.h"

#include <QIcon>

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
    FloorWindow window;
    window.move(65, 41);
    window.resize(504, 295);
    window.show();
    return app.exec();
}
