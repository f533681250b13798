#include "Environment.h"

#include "Translation.h"
#include "game/Random.h"
#include "settings/PreferencesFile.h"

#include <QCoreApplication>
#include <QDateTime>

void Environment::fillDefaults()
{
    if (programFolder.isEmpty())
        programFolder = QCoreApplication::applicationDirPath();
    if (!timeOfDay)
        timeOfDay = [] { return QTime::currentTime().msecsSinceStartOfDay() / 86400000.0; };
    if (!randomSeed)
        randomSeed = [] { return Random::seedFor(QDateTime::currentDateTimeUtc().time()); };
    if (language.isEmpty())
        language = PreferencesFile(programFolder).load().Language;
    if (language.isEmpty())
        language = Translation::Russian;
}
