#include "base/EndOfSession.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <thread>
#include <unistd.h>

// SIGTERM and SIGHUP, from whichever thread they reach, become requested()
// on the object's thread; the object's end gives the signals back.
class tst_EndOfSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signalsBecomeRequests();
};

namespace {
volatile std::sig_atomic_t formerHandlerRan = 0;
void formerHandler(int)
{
    formerHandlerRan = 1;
}
} // namespace

void tst_EndOfSession::signalsBecomeRequests()
{
    std::signal(SIGTERM, formerHandler);
    {
        EndOfSession end;
        QSignalSpy requests(&end, &EndOfSession::requested);
        std::raise(SIGTERM);
        QTRY_COMPARE(requests.size(), 1);
        // From another thread, as the sound's threads may take it.
        std::thread([] { ::kill(::getpid(), SIGHUP); }).join();
        QTRY_COMPARE(requests.size(), 2);
        QCOMPARE(int(formerHandlerRan), 0);
    }
    std::raise(SIGTERM);
    QCOMPARE(int(formerHandlerRan), 1);
    std::signal(SIGTERM, SIG_DFL);
}

QTEST_GUILESS_MAIN(tst_EndOfSession)
#include "tst_EndOfSession.moc"
