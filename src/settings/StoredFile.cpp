#include "StoredFile.h"

#include "IoError.h"
#include "SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

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
    if (!QFileInfo(path()).isFile())
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

void StoredFile::write(const QByteArray &bytes) const
{
    const auto fail = [](int error) {
        throw IoError(IoError::textFor(error ? error : EIO));
    };
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
    // QSaveFile refuses a folder in the file's place, and a file the player
    // cannot write, before any call that would set errno.
    const QFileInfo existing(path());
    if (existing.isDir() || (existing.exists() && !existing.isWritable()))
        fail(EACCES);
    QSaveFile file(path());
    // A folder the player cannot write keeps its file writable: the bytes
    // then go into the file itself, not atomically but not lost either.
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        fail(errno);
    errno = 0;
    if (file.write(bytes) != bytes.size())
        fail(errno);
    errno = 0;
    if (!file.commit())
        fail(errno);
}
