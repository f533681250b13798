#include "app/TForm1.h"
#include "base/EndOfSession.h"
#include "settings/SettingsFolder.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Whole device pixels per logical pixel keep the one-pixel bevel rings
    // sharp; the design's coordinates follow the logical DPI instead.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    // Also the window's class on X11, which the desktop entry's
    // StartupWMClass repeats so that docks find the entry.
    QApplication::setApplicationName(QStringLiteral("tilimi"));
    QApplication::setApplicationDisplayName(TForm1::title());
    // The icon the install puts in the icon theme, in all its sizes, for the
    // title bar, the task bar and the window switcher; the desktop id lets
    // the desktop match the window with its entry.
    QIcon icon;
    for (const QFileInfo &png : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files))
        icon.addFile(png.filePath());
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(TILIMI_APP_ID));
    // The program speaks Russian, and so do the colour and file dialogs.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    TForm1::Environment environment;
    environment.programFolder = SettingsFolder::forProgram(QCoreApplication::applicationDirPath());
    TForm1 window(environment);
    // The end of the session stores what the close box would: a signal from
    // the session or service manager, or the session manager's own request.
    EndOfSession endOfSession;
    QObject::connect(&endOfSession, &EndOfSession::requested, &window, &TForm1::endSession);
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &TForm1::endSession);
#endif
    window.show();
    return app.exec();
}
