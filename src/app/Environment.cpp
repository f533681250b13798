#include "Environment.h"

#include "game/Random.h"

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
}
