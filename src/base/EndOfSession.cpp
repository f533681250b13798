#include "EndOfSession.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] is read on the object's thread, [1] written by the handler.
int pair[2] = {-1, -1};
struct sigaction previousTerm;
struct sigaction previousHup;

// Only async-signal-safe calls: one write, errno kept for the code it
// interrupted. A full socket already holds a byte that wakes the reader.
void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(pair[1], &byte, 1);
    errno = saved;
}

} // namespace

EndOfSession::EndOfSession(QObject *parent) : QObject(parent)
{
    Q_ASSERT(pair[0] < 0);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair) != 0) {
        qWarning("EndOfSession: no socket pair (%s); the end of a session will not store",
                 strerror(errno));
        pair[0] = pair[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(pair[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndOfSession::readSignals);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &previousTerm);
    sigaction(SIGHUP, &action, &previousHup);
}

EndOfSession::~EndOfSession()
{
    if (pair[0] < 0)
        return;
    sigaction(SIGTERM, &previousTerm, nullptr);
    sigaction(SIGHUP, &previousHup, nullptr);
    delete m_notifier;
    ::close(pair[0]);
    ::close(pair[1]);
    pair[0] = pair[1] = -1;
}

void EndOfSession::readSignals()
{
    char bytes[16];
    bool any = false;
    while (::read(pair[0], bytes, sizeof bytes) > 0)
        any = true;
    if (any)
        Q_EMIT requested();
}
