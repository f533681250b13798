#include "StoredFile.h"

#include "IoError.h"
#include "SettingsFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace {

StoredFile::FailureHook &failureHook()
{
    static StoredFile::FailureHook hook;
    return hook;
}

[[noreturn]] void fail(int error)
{
    throw IoError(IoError::textFor(error ? error : EIO));
}

// Whether a step may run: false, with errno set, where the test hook fails it.
bool allowed(StoredFile::Step step)
{
    const int injected = failureHook() ? failureHook()(step) : 0;
    if (injected)
        errno = injected;
    return injected == 0;
}

#ifdef Q_OS_UNIX

// Closing is where a file system that defers its writes reports them. The
// descriptor is gone afterwards, whatever the outcome.
bool closeFile(int &fd)
{
    const bool ok = allowed(StoredFile::Step::Close);
    const int injected = errno;
    const bool closed = ::close(fd) == 0;
    fd = -1;
    if (!ok)
        errno = injected;
    return ok && closed;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    if (!allowed(StoredFile::Step::Write))
        return false;
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

// The bytes into a new file beside the target, renamed over it once they
// are on the disk: any step that fails removes the new file and leaves the
// target as it was.
void replace(const QByteArray &target, const QByteArray &bytes, int &openError)
{
    QByteArray temporary = target + ".XXXXXX";
    int fd = allowed(StoredFile::Step::Open) ? ::mkostemp(temporary.data(), O_CLOEXEC) : -1;
    if (fd < 0) {
        openError = errno;
        return;
    }
    // The new file takes the old one's permissions, or those a new file
    // gets in this folder (mkostemp makes it private).
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target.constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode = ::umask(0);
        ::umask(mode);
        mode = 0666 & ~mode;
    }
    const bool done = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes)
        && allowed(StoredFile::Step::Sync) && ::fsync(fd) == 0 && closeFile(fd)
        && allowed(StoredFile::Step::Rename) && ::rename(temporary.constData(), target.constData()) == 0;
    if (done) {
        // The rename itself on the disk; where the folder cannot be synced
        // the file is whole either way.
        const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
        const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
        return;
    }
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    ::unlink(temporary.constData());
    fail(error);
}

// A file the player can write in a folder they cannot: the bytes go into it
// from the start and it is cut to their length. Not atomic, but nothing is
// truncated before the bytes are there.
void overwrite(const QByteArray &target, const QByteArray &bytes)
{
    int fd = allowed(StoredFile::Step::Open) ? ::open(target.constData(), O_WRONLY | O_CLOEXEC) : -1;
    if (fd < 0)
        fail(errno);
    const bool done = writeAll(fd, bytes) && ::ftruncate(fd, bytes.size()) == 0
        && allowed(StoredFile::Step::Sync) && ::fsync(fd) == 0 && closeFile(fd);
    if (done)
        return;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    fail(error);
}

#endif

} // namespace

namespace {

// A regular file, or a link to one. QFileInfo::isFile() also says yes to a
// device such as /dev/zero.
bool isRegular(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
#else
    return QFileInfo(path).isFile();
#endif
}

} // namespace

StoredFile::StoredFile(QString folder, QString name)
    : m_folder(std::move(folder)), m_name(std::move(name))
{
}

QString StoredFile::path() const
{
    return QDir(m_folder).filePath(m_name);
}

QByteArray StoredFile::read(qint64 maxBytes) const
{
    if (!isRegular(path()))
        return {};
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(maxBytes);
}

void StoredFile::remove() const
{
    QFile::remove(path());
}

StoredFile::FailureHook StoredFile::setFailureHook(FailureHook hook)
{
    return std::exchange(failureHook(), std::move(hook));
}

QString StoredFile::target() const
{
    QFileInfo info(path());
    if (info.isSymLink()) {
        // A link whose target is missing makes that target.
        const QString resolved = info.canonicalFilePath();
        info = QFileInfo(resolved.isEmpty() ? info.symLinkTarget() : resolved);
    }
    if (info.isDir())
        fail(EISDIR);
    if (info.exists() && !isRegular(info.absoluteFilePath()))
        fail(EACCES);
    return info.absoluteFilePath();
}

void StoredFile::write(const QByteArray &bytes) const
{
    // An installed copy's folder in the player's configuration is made at
    // the first write, so a session that stores nothing leaves nothing
    // behind; a program folder that has gone stays an error.
    if (m_folder == SettingsFolder::configFolder()) {
        errno = 0;
        if (!QDir().mkpath(m_folder))
            fail(errno);
    }
    if (!QFileInfo(m_folder).isDir())
        fail(ENOENT);
    const QString to = target();
    const QFileInfo existing(to);
    if (existing.exists() && !existing.isWritable())
        fail(EACCES);
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(to);
    int openError = 0;
    replace(native, bytes, openError);
    if (openError == 0)
        return;
    // A folder the player cannot write keeps its file writable: the bytes
    // then go into the file itself, not atomically but not lost either.
    if ((openError == EACCES || openError == EPERM) && existing.exists())
        overwrite(native, bytes);
    else
        fail(openError);
#else
    QSaveFile file(to);
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!allowed(Step::Open) || !file.open(QIODevice::WriteOnly))
        fail(errno);
    // QSaveFile buffers: a write that fails shows only in the flush, and a
    // commit after it would rename what was written so far over the file.
    errno = 0;
    if (!allowed(Step::Write) || file.write(bytes) != bytes.size() || !allowed(Step::Sync)
        || !allowed(Step::Close) || !file.flush() || file.error() != QFileDevice::NoError) {
        const int error = errno;
        file.cancelWriting();
        fail(error);
    }
    errno = 0;
    if (!allowed(Step::Rename) || !file.commit())
        fail(errno);
#endif
}

QString StoredFile::copyAside() const
{
    const QFileInfo file(target());
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss"));
    for (int n = 1; n < 1000; ++n) {
        const QString copy = file.dir().filePath(file.fileName() + QLatin1Char('.') + stamp
                                                 + (n == 1 ? QString() : QStringLiteral("-%1").arg(n))
                                                 + QStringLiteral(".unread"));
        errno = 0;
#ifdef Q_OS_UNIX
        // A second name for the same bytes: nothing to copy, so even a full
        // disk keeps it. Never replaces a name that exists.
        if (::link(QFile::encodeName(file.absoluteFilePath()).constData(), QFile::encodeName(copy).constData()) == 0)
            return copy;
        if (errno == EEXIST)
            continue;
#endif
        // A file system without hard links: a copy, which never replaces a
        // file either.
        if (QFileInfo::exists(copy))
            continue;
        if (QFile::copy(file.absoluteFilePath(), copy))
            return copy;
        fail(errno ? errno : EIO);
    }
    fail(EEXIST);
}
