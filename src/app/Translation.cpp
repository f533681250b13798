#include "Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

QString Translation::nativeName(const QString &language)
{
    // Named in its own language, so that a player who reads only that one
    // finds it: these names are never translated.
    return language == English ? QStringLiteral("English") : QStringLiteral("Русский");
}

Translation::Translation(const QString &language)
    : m_language(languages().contains(language) ? language : Russian)
{
    // The catalogues are built into the program (":/i18n"); Qt's come with
    // Qt. A missing one leaves the texts as they are in the code.
    if (m_game.load(QStringLiteral(":/i18n/tilimi_%1.qm").arg(m_language)))
        QCoreApplication::installTranslator(&m_game);
    else
        qWarning("tilimi: no catalogue of the texts for the language %s", qPrintable(m_language));
    if (m_qt.load(QStringLiteral("qtbase_%1").arg(m_language), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    // Dates and sizes follow the desktop's locale, but not in a script
    // English is never written in: the file dialog would tell sizes in "КБ".
    // Russian leaves them as they are.
    if (m_language == English && QLocale::system().script() != QLocale::LatinScript)
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

Translation::~Translation()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_game);
}
