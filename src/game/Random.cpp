#include "Random.h"

#include <QTime>

std::uint32_t Random::seedFor(const QTime &t)
{
    return std::uint32_t(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}
