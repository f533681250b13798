#include "SettingsFile.h"

#include "IoError.h"
#include "SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

SettingsFile::SettingsFile(QString folder) : m_folder(std::move(folder)) {}

QString SettingsFile::path() const
{
    return QDir(m_folder).filePath(QString::fromLatin1(FileName));
}

std::optional<TGameSettings> SettingsFile::parse(const QByteArray &contents)
{
    TGameSettings result;
    if (!TGameSettings::fromBytes(contents, result) || !result.isValid())
        return std::nullopt;
    // A board that disagrees with its size flag costs nothing to mend, and
    // throwing the record away would lose the placement, looks and music.
    result.takeBoardFromSizeFlag();
    return result;
}

TGameSettings SettingsFile::load(const TGameSettings &defaults) const
{
    QByteArray contents;
    // Only a regular file is read: a pipe or a device of that name would
    // block the start or never end.
    if (QFileInfo(path()).isFile()) {
        QFile file(path());
        if (file.open(QIODevice::ReadOnly))
            contents = file.read(TGameSettings::FileSize);
    }
    if (const auto record = parse(contents))
        return *record;
    QFile::remove(path());
    return defaults;
}

void SettingsFile::store(const TGameSettings &settings) const
{
    const auto fail = [](int error) {
        throw IoError(IoError::textFor(error ? error : EIO));
    };
    // An installed copy's folder in the player's configuration is made at
    // the first store, so a session that is never closed leaves nothing
    // behind; a program folder that has gone stays an error.
    if (m_folder == SettingsFolder::configFolder()) {
        errno = 0;
        if (!QDir().mkpath(m_folder))
            fail(errno);
    }
    if (!QDir::setCurrent(m_folder))
        fail(ENOENT);
    // QSaveFile refuses a folder in the file's place, and a file the player
    // cannot write, before any call that would set errno.
    const QFileInfo existing(path());
    if (existing.isDir() || (existing.exists() && !existing.isWritable()))
        fail(EACCES);
    QSaveFile file(path());
    // A folder the player cannot write keeps its DbData writable: the record
    // then goes into the file itself, not atomically but not lost either.
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        fail(errno);
    const QByteArray bytes = settings.toBytes();
    errno = 0;
    if (file.write(bytes) != bytes.size())
        fail(errno);
    errno = 0;
    if (!file.commit())
        fail(errno);
}
