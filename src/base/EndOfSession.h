#pragma once

#include <QObject>

class QSocketNotifier;

// The end of a session, as the program hears it: SIGTERM (a session or
// service manager ending it at logout or shutdown) and SIGHUP (its terminal
// gone). The handler only writes a byte into a socket pair; the notifier on
// the other end turns it into requested() on this object's thread, between
// two events, where any code may run. While an object lives it owns both
// signals; its end gives them back their former handlers. One at a time.
class EndOfSession : public QObject
{
    Q_OBJECT

public:
    explicit EndOfSession(QObject *parent = nullptr);
    ~EndOfSession() override;

Q_SIGNALS:
    // Once for each signal that arrived (or one for several that came
    // together); the receiver decides what a second one means.
    void requested();

private:
    void readSignals();

    QSocketNotifier *m_notifier = nullptr;
};
