#include "Environment.h"

#include "game/Random.h"

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
}
