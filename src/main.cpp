#include "app/FirstFrameIcon.h"
#include "app/TForm1.h"
#include "base/EndOfSession.h"
#include "settings/SettingsFolder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

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
    // The desktop id lets the desktop match the window with its entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(TILIMI_APP_ID));
    // The program speaks Russian, and so do the colour and file dialogs.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    TForm1::Environment environment;
    const QString programFolder = QCoreApplication::applicationDirPath();
    environment.programFolder = SettingsFolder::forProgram(programFolder);
    environment.firstMusicFolder = SettingsFolder::firstMusicFolder(programFolder);
    TForm1 window(environment);
    // The end of the session stores what the close box would: a signal from
    // the session or service manager ends the game after storing. The session
    // manager's request to save (a checkpoint, or before a logout) only
    // stores: the game must not end inside it, and at a logout the manager's
    // next message closes the window, which stores again.
    EndOfSession endOfSession;
    QObject::connect(&endOfSession, &EndOfSession::requested, &window, &TForm1::endSession);
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &TForm1::commitData);
#endif
    window.show();
    // The icon the install puts in the icon theme, for the title bar, the
    // task bar and the window switcher, once the window is up.
    new FirstFrameIcon(&window, QStringLiteral(":/icon"));
    const int code = app.exec();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Everything is stored by now. Qt's Wayland teardown can wait for
        // ever on its event thread, blocked reading the display the main
        // thread prepared to read too: a closed game would live on with no
        // window. The process ends here instead, with what it wrote flushed.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
