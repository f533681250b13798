#pragma once

#include "StoredFile.h"
#include "TGameSettings.h"

#include <QString>

#include <optional>

// The settings file "DbData" in the folder SettingsFolder chose: one
// 568-byte record.
class SettingsFile
{
public:
    static constexpr const char *FileName = "DbData";

    explicit SettingsFile(QString folder);

    QString path() const;

    // The first record of the file, or defaults when the file is missing,
    // short, unreadable or invalid; in those cases the file is deleted
    // (a failed deletion is ignored). Never throws.
    TGameSettings load(const TGameSettings &defaults) const;

    // The record that the first bytes of a file hold, if they hold a whole
    // and valid one, with fields out of range mended and the board taken
    // from its size flag.
    static std::optional<TGameSettings> parse(const QByteArray &contents);

    // Replaces the file atomically with the record: a crash or a full disk
    // during the write leaves the old file whole. In a folder the player
    // cannot write, a DbData they can write is overwritten in place instead.
    // Makes the folder first when it is SettingsFolder::configFolder().
    // Throws IoError.
    void store(const TGameSettings &settings) const;

private:
    StoredFile stored() const;

    QString m_folder;
};
