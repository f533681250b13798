#include "TForm1.h"
#include "settings/SettingsFolder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Whole device pixels per logical pixel keep the one-pixel bevel rings
    // sharp; the design's coordinates follow the logical DPI instead.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tilimi"));
    QApplication::setApplicationDisplayName(TForm1::title());
    // The program speaks Russian, and so do the colour and file dialogs.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    TForm1::Environment environment;
    environment.programFolder = SettingsFolder::forProgram(QCoreApplication::applicationDirPath());
    TForm1 window(environment);
    window.show();
    return app.exec();
}
