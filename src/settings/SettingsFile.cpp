#include "SettingsFile.h"

#include "IoError.h"
#include "SettingsFolder.h"
#include "StoredFile.h"

#include <QDir>

#include <cerrno>

SettingsFile::SettingsFile(QString folder) : m_folder(std::move(folder)) {}

QString SettingsFile::path() const
{
    return stored().path();
}

std::optional<TGameSettings> SettingsFile::parse(const QByteArray &contents)
{
    TGameSettings result;
    if (!TGameSettings::fromBytes(contents, result) || !result.isValid())
        return std::nullopt;
    // A field out of its range, or a board that disagrees with its size
    // flag, costs nothing to mend, and throwing the record away would lose
    // the placement, looks and music.
    result.mendOutOfRange();
    result.takeBoardFromSizeFlag();
    return result;
}

TGameSettings SettingsFile::load(const TGameSettings &defaults) const
{
    const StoredFile file = stored();
    if (const auto record = parse(file.read(TGameSettings::FileSize)))
        return *record;
    file.remove();
    return defaults;
}

void SettingsFile::store(const TGameSettings &settings) const
{
    // Storing leaves the settings folder current, as the start left it;
    // choosing a music file may have changed it since.
    if (m_folder != SettingsFolder::configFolder() && !QDir::setCurrent(m_folder))
        throw IoError(IoError::textFor(ENOENT));
    stored().write(settings.toBytes());
    QDir::setCurrent(m_folder);
}

StoredFile SettingsFile::stored() const
{
    return StoredFile(m_folder, QString::fromLatin1(FileName));
}
