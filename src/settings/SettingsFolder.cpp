#include "SettingsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString SettingsFolder::installedMarker()
{
    // Set by the build from the install layout, so it holds for any prefix.
    return QStringLiteral(TILIMI_INSTALLED_MARKER);
}

QString SettingsFolder::configFolder()
{
    // A relative value is to be ignored, as the base directory rules say.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/tilimi"));
}

namespace {

bool installed(const QString &programFolder)
{
    return QFileInfo(QDir(programFolder).filePath(SettingsFolder::installedMarker())).isFile();
}

} // namespace

QString SettingsFolder::forProgram(const QString &programFolder)
{
    return installed(programFolder) ? configFolder() : programFolder;
}

QString SettingsFolder::firstMusicFolder(const QString &programFolder)
{
    if (!installed(programFolder))
        return {};
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return QFileInfo(music).isDir() ? music : QDir::homePath();
}
