#include "Environment.h"

#include "Translation.h"
#include "game/Random.h"
#include "settings/PreferencesFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>

#include <memory>

void Environment::fillDefaults()
{
    if (programFolder.isEmpty())
        programFolder = QCoreApplication::applicationDirPath();
    if (!clockMs) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        clockMs = [timer] { return timer->elapsed(); };
    }
    if (!randomSeed)
        randomSeed = [] { return Random::seedFor(QDateTime::currentDateTimeUtc().time()); };
    if (language.isEmpty())
        language = PreferencesFile(programFolder).load().Language;
    if (language.isEmpty())
        language = Translation::Russian;
}
