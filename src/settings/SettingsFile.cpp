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
    QSaveFile file(path());
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
