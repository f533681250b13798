#pragma once

#include <QString>

// Where "DbData" lives. A copy run where it was built or unpacked keeps it
// beside itself, as it always has. An installed copy sits in a folder that
// is not the player's to write, so it keeps it in the player's configuration
// folder instead.
//
// An installed copy is told by a file that the install puts at a fixed path
// relative to the executable's folder (the installed layout's
// ../share/tilimi/installed) and that no build or unpacked folder has.
class SettingsFolder
{
public:
    // The folder for "DbData" of a program whose executable lies in
    // programFolder.
    static QString forProgram(const QString &programFolder);

    // The marker of an installed copy, relative to its executable's folder.
    static QString installedMarker();

    // Where the music chooser of a program in programFolder opens while no
    // music has been chosen: for an installed copy the player's music folder
    // (home when there is none), since the folder it was started from means
    // nothing; for a copy run where it was built, empty: the current folder,
    // which is the program's own.
    static QString firstMusicFolder(const QString &programFolder);

    // $XDG_CONFIG_HOME/tilimi, or ~/.config/tilimi when the variable is unset,
    // empty or not an absolute path. It may not exist yet: the first store
    // makes it.
    static QString configFolder();
};
