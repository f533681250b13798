#include "SettingsFile.h"

#include "IoError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>

SettingsFile::SettingsFile(QString folder) : m_folder(std::move(folder)) {}

QString SettingsFile::path() const
{
    return QDir(m_folder).filePath(QString::fromLatin1(FileName));
}

TGameSettings SettingsFile::load(const TGameSettings &defaults) const
{
    TGameSettings result;
    QFile file(path());
    bool ok = false;
    if (file.open(QIODevice::ReadOnly))
        ok = TGameSettings::fromBytes(file.read(TGameSettings::FileSize), result);
    file.close();
    if (ok && result.isValid())
        return result;
    QFile::remove(path());
    return defaults;
}

void SettingsFile::store(const TGameSettings &settings) const
{
    const auto fail = [](int error) {
        throw IoError(IoError::textFor(error ? error : EIO));
    };
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
