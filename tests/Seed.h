#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QtGlobal>

// The seed of a randomised test: TILIMI_SEED when set, so that a failing run
// can be repeated, else a fresh one. Either way it is printed.
inline quint32 testSeed()
{
    const quint32 seed = qEnvironmentVariableIsSet("TILIMI_SEED")
        ? quint32(qEnvironmentVariable("TILIMI_SEED").toUInt())
        : QRandomGenerator::global()->generate();
    qInfo("TILIMI_SEED=%u", seed);
    return seed;
}
