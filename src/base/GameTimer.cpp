#include "GameTimer.h"

GameTimer::GameTimer(int intervalMs, QObject *parent) : QObject(parent)
{
    m_timer.setInterval(intervalMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &GameTimer::timeout);
}

void GameTimer::setEnabled(bool on)
{
    if (on == m_timer.isActive())
        return;
    if (on)
        m_timer.start();
    else
        m_timer.stop();
}
