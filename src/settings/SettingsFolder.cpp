#include "SettingsFolder.h"

#include <QDir>
#include <QFileInfo>

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

QString SettingsFolder::forProgram(const QString &programFolder)
{
    if (QFileInfo(QDir(programFolder).filePath(installedMarker())).isFile())
        return configFolder();
    return programFolder;
}
