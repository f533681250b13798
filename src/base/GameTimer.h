#pragma once

#include <QObject>
#include <QTimer>

// A timer with the game's semantics: enabling a timer that is on changes
// nothing (QTimer::start() would restart it), and switching it off and on
// restarts its full interval. Handlers that run once disable their timer.
class GameTimer : public QObject
{
    Q_OBJECT

public:
    explicit GameTimer(int intervalMs, QObject *parent = nullptr);

    bool isEnabled() const { return m_timer.isActive(); }
    void setEnabled(bool on);
    int interval() const { return m_timer.interval(); }

Q_SIGNALS:
    void timeout();

private:
    QTimer m_timer;
};
