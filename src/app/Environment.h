#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <functional>

class ColorChooser;
class MusicChooser;

// What the main window takes from its surroundings: the folder of "DbData",
// the clocks, and the dialogs. The program leaves every field empty and gets
// the real ones; tests give their own.
struct Environment
{
    QString programFolder;                      // empty: the executable's folder
    std::function<qint64()> clockMs;            // empty: a monotonic clock (QElapsedTimer), in milliseconds
    std::function<std::uint32_t()> randomSeed;  // empty: from the time of day (UTC)
    ColorChooser *colors = nullptr;             // empty: the colour dialog
    MusicChooser *music = nullptr;              // empty: the open-file dialog
    QString audioSink = QStringLiteral("autoaudiosink");
    QString firstMusicFolder;                   // where the music chooser opens before a choice; empty: the current folder
    QString language;                           // of the interface; empty: the one Preferences.json names

    // Fills the empty folder, clocks and language with the real ones; the
    // dialogs are left to their owners, which make them on first use.
    void fillDefaults();
};
